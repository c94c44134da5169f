// The today's-events window: its size from the event count and its greeting
// sentences on the character-cell surface.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/almanac/info_view.h"
#include "core/almanac/vesoma.h"
#include "platform/cell_surface.h"
#include "platform/sjis.h"
#include "tests/core/day_events.h"

namespace {

using platform::SjisText;

class TodaysWindow : public ::testing::Test {
protected:
    // Draws 5 January 2000, a Wednesday, or the given day, with names stored on the 5th.
    int Draw(const std::vector<std::string>& names, int day = 5)
    {
        const int date[3] = {2000, 1, day};
        table.SetCalender(date);
        table.SetDate(date);
        events.Store(2000, 1, 5, names);
        return DrawInfo(surface, table, store);
    }
    std::string At(int column, int row, int count) const { return surface.TextAt(column, row, count); }
    static std::string Sentence(const std::string& name)
    {
        return SjisText("　きょうは ") + name + " " + SjisText(" です。");
    }

    Vesoma table;
    StoredEvents events;
    Events store;
    platform::CellSurface surface{50, 20, 8, 16};
};

}  // namespace

TEST(TodaysWindowLayout, HeightFollowsTheEventsUpToEight)
{
    const struct {
        int events, cellWidth, cellHeight, screen;
        platform::Rect window, button;
    } cases[] = {
        {3, 8, 16, 1024, {312, 80, 712, 80 + 9 * 16}, {168, 9 * 16 - 48, 232, 9 * 16 - 24}},
        {12, 8, 16, 1024, {312, 80, 712, 80 + 14 * 16}, {168, 14 * 16 - 48, 232, 14 * 16 - 24}},
        // An odd line height: the button is three half lines, rounded down.
        {1, 7, 15, 800, {200, 75, 550, 75 + 7 * 15}, {172, 7 * 15 - 45, 228, 7 * 15 - 45 + 21}},
    };
    for (const auto& c : cases) {
        const InfoLayout layout = GetInfoLayout(c.events, c.cellWidth, c.cellHeight, c.screen);
        for (const auto& [got, want] :
             {std::pair{layout.window, c.window}, std::pair{layout.button, c.button}})
            EXPECT_TRUE(got.left == want.left && got.top == want.top && got.right == want.right &&
                        got.bottom == want.bottom)
                << c.events << ": " << got.left << " " << got.top << " " << got.right << " " << got.bottom;
    }
}

TEST_F(TodaysWindow, GreetsWithTheDateAndOneSentencePerEvent)
{
    const std::vector<std::string> names{"alpha", "beta", "gamma"};
    EXPECT_EQ(Draw(names), 3);
    EXPECT_EQ(At(1, 0, 21), SjisText("2000年 1月 5日 水曜日"));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(At(3, 2 + i, 30), Sentence(names[i]) + std::string(30 - Sentence(names[i]).size(), ' '))
            << i;
    EXPECT_EQ(At(0, 5, 50), std::string(50, ' '));
    EXPECT_EQ(surface.ColourAt(16, 0), (platform::Rgb{0, 0, 0}));
    // The store counts all of a day's events again afterwards.
    int today[4] = {2000, 1, 5, 0};
    char text[64];
    EXPECT_EQ(store.CheckEvent(today, text), 3);
}

TEST_F(TodaysWindow, SundayInRedAndNothingToShowWithoutEventsOfTheDay)
{
    EXPECT_EQ(Draw({"on the 5th"}, 2), 0);
    EXPECT_EQ(At(16, 0, 6), SjisText("日曜日"));
    EXPECT_EQ(surface.ColourAt(16, 0), (platform::Rgb{255, 0, 0}));
    EXPECT_EQ(surface.ColourAt(1, 0), (platform::Rgb{0, 0, 0}));
    EXPECT_EQ(At(0, 2, 50), std::string(50, ' '));
}

TEST_F(TodaysWindow, ALongSentenceNeverRunsIntoTheNext)
{
    // Breaking after the blank of "きょうは " makes this sentence three lines,
    // one more than its byte count says.
    EXPECT_EQ(Draw({std::string(60, 'A'), "next"}), 2);
    EXPECT_EQ(At(3, 2, 11) + At(3, 3, 46) + At(3, 4, 14), SjisText("　きょうは ") + std::string(60, 'A'));
    EXPECT_EQ(At(3, 5, static_cast<int>(Sentence("next").size())), Sentence("next"));
}
