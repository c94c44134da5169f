// The today's-events window: its size from the event count and its greeting
// sentences on the character-cell surface.
#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/almanac/info_view.h"
#include "core/almanac/vesoma.h"
#include "core/vocabulary/vocabulary.h"
#include "platform/cell_surface.h"
#include "platform/sjis.h"
#include "tests/core/day_events.h"

namespace {

using platform::SjisText;

class TodaysWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        const int date[3] = {2000, 1, 5};  // a Wednesday
        table.SetCalender(date);
        table.SetDate(date);
    }
    int Draw(const std::vector<std::string>& names)
    {
        events.Store(2000, 1, 5, names);
        return DrawInfo(surface, table, store);
    }
    std::string At(int column, int row, int count) const { return surface.TextAt(column, row, count); }
    static std::string Sentence(const std::string& name)
    {
        return std::string(SjisText("　きょうは ")) + name + " " + SjisText(" です。");
    }

    Vesoma table;
    StoredEvents events;
    Events store;
    platform::CellSurface surface{50, 20, 8, 16};
};

}  // namespace

TEST(TodaysWindowLayout, HeightFollowsTheEventsUpToEight)
{
    const InfoLayout three = GetInfoLayout(3, 8, 16, 1024);
    const InfoLayout twelve = GetInfoLayout(12, 8, 16, 1024);
    const InfoLayout odd = GetInfoLayout(1, 7, 15, 800);
    const auto edges = [](platform::Rect r) { return std::array<int, 4>{r.left, r.top, r.right, r.bottom}; };
    EXPECT_EQ(edges(three.window), (std::array<int, 4>{312, 80, 712, 80 + 9 * 16}));
    EXPECT_EQ(edges(three.button), (std::array<int, 4>{168, 9 * 16 - 48, 232, 9 * 16 - 24}));
    EXPECT_EQ(twelve.window.bottom - twelve.window.top, 14 * 16);
    EXPECT_EQ(twelve.button.top, 14 * 16 - 48);
    // An odd line height: the button is three half lines, rounded down.
    EXPECT_EQ(odd.button.bottom - odd.button.top, 21);
}

TEST_F(TodaysWindow, GreetsWithTheDateAndOneSentencePerEvent)
{
    const std::vector<std::string> names{"alpha", "beta", "gamma"};
    EXPECT_EQ(Draw(names), 3);
    EXPECT_EQ(At(1, 0, 21),
              std::string(SjisText("2000年 1月 5日 ")) + std::string(szWeek[3], 2) + SjisText("曜日"));
    for (int i = 0; i < 3; ++i) {
        const std::string sentence = Sentence(names[i]);
        EXPECT_EQ(At(3, 2 + i, 30), sentence + std::string(30 - sentence.size(), ' ')) << i;
    }
    EXPECT_EQ(At(0, 5, 50), std::string(50, ' '));
    // The store counts all of a day's events again afterwards.
    int today[4] = {2000, 1, 5, 0};
    char text[64];
    EXPECT_EQ(store.CheckEvent(today, text), 3);
}

TEST_F(TodaysWindow, WeekdayInItsColour)
{
    const int sunday[3] = {2000, 1, 2};
    table.SetDate(sunday);
    DrawInfo(surface, table, store);
    EXPECT_EQ(surface.ColourAt(16, 0), (platform::Rgb{255, 0, 0}));
    EXPECT_EQ(surface.ColourAt(1, 0), (platform::Rgb{0, 0, 0}));
}

TEST_F(TodaysWindow, NothingToShowWithoutEventsOfTheDay)
{
    EXPECT_EQ(Draw({}), 0);
    events.Store(2000, 1, 6, {"tomorrow"});
    EXPECT_EQ(DrawInfo(surface, table, store), 0);
    EXPECT_EQ(At(0, 2, 50), std::string(50, ' '));
}

TEST_F(TodaysWindow, ALongSentenceNeverRunsIntoTheNext)
{
    // Breaking after the blank of "きょうは " makes this sentence three lines,
    // one more than its byte count says.
    EXPECT_EQ(Draw({std::string(60, 'A'), "next"}), 2);
    EXPECT_EQ(At(3, 2, 11) + At(3, 3, 46) + At(3, 4, 14),
              std::string(SjisText("　きょうは ")) + std::string(60, 'A'));
    EXPECT_EQ(At(3, 5, static_cast<int>(Sentence("next").size())), Sentence("next"));
}
