// The today's-events window: its size from the event count and its greeting
// sentences on the character-cell surface.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "almanac/vesoma.h"
#include "almanac/vocabulary.h"
#include "events/events.h"
#include "platform/cell_surface.h"
#include "platform/sjis.h"
#include "views/info_view.h"

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
    void TearDown() override
    {
        Events::hMem.clear();
        Events::nCount = 0;
    }
    void StoreEvents(const std::vector<std::string>& names)
    {
        Events::hMem.clear();
        for (const std::string& name : names) {
            EventRecord record{2000, 1, 5, -1, {}};
            std::strncpy(record.szEvent, name.c_str(), sizeof record.szEvent - 1);
            Events::hMem.push_back(record);
        }
        Events::nCount = static_cast<int>(names.size());
    }
    std::string At(int column, int row, int count) const { return surface.TextAt(column, row, count); }
    static std::string Sentence(const std::string& name)
    {
        return std::string(SjisText("　きょうは ")) + name + " " + SjisText(" です。");
    }

    Vesoma table;
    Events store;
    platform::CellSurface surface{50, 20, 8, 16};
};

}  // namespace

TEST(TodaysWindowLayout, HeightFollowsTheEventsUpToEight)
{
    const InfoLayout three = GetInfoLayout(3, 8, 16, 1024);
    EXPECT_EQ(three.window.bottom - three.window.top, 9 * 16);
    EXPECT_EQ(three.window.right - three.window.left, 400);
    EXPECT_EQ(three.window.left, 312);
    EXPECT_EQ(three.window.top, 80);
    EXPECT_EQ(three.button.left, 168);
    EXPECT_EQ(three.button.top, 9 * 16 - 48);
    EXPECT_EQ(three.button.right - three.button.left, 64);
    EXPECT_EQ(three.button.bottom - three.button.top, 24);
    const InfoLayout twelve = GetInfoLayout(12, 8, 16, 1024);
    EXPECT_EQ(twelve.window.bottom - twelve.window.top, 14 * 16);
    EXPECT_EQ(twelve.button.top, 14 * 16 - 48);
    // An odd line height: the button is three half lines, rounded down.
    EXPECT_EQ(GetInfoLayout(1, 7, 15, 800).button.bottom - GetInfoLayout(1, 7, 15, 800).button.top, 21);
}

TEST_F(TodaysWindow, GreetsWithTheDateAndOneSentencePerEvent)
{
    StoreEvents({"alpha", "beta", "gamma"});
    EXPECT_EQ(DrawInfo(surface, table, store), 3);
    EXPECT_EQ(At(1, 0, 14), SjisText("2000年 1月 5日"));
    EXPECT_EQ(At(16, 0, 6), std::string(szWeek[3], 2) + SjisText("曜日"));
    EXPECT_EQ(At(3, 2, 30), Sentence("alpha") + std::string(30 - Sentence("alpha").size(), ' '));
    EXPECT_EQ(At(3, 3, static_cast<int>(Sentence("beta").size())), Sentence("beta"));
    EXPECT_EQ(At(3, 4, static_cast<int>(Sentence("gamma").size())), Sentence("gamma"));
    EXPECT_EQ(At(0, 5, 50), std::string(50, ' '));
}

TEST_F(TodaysWindow, WeekdayInItsColour)
{
    const int sunday[3] = {2000, 1, 2};
    table.SetDate(sunday);
    DrawInfo(surface, table, store);
    EXPECT_EQ(surface.ColourAt(16, 0), (platform::Rgb{255, 0, 0}));
    EXPECT_EQ(surface.ColourAt(1, 0), (platform::Rgb{0, 0, 0}));
}

TEST_F(TodaysWindow, NothingToShowWithoutEvents)
{
    StoreEvents({});
    EXPECT_EQ(DrawInfo(surface, table, store), 0);
    StoreEvents({"elsewhere"});
    Events::hMem[0].nDay = 6;
    EXPECT_EQ(DrawInfo(surface, table, store), 0);
    EXPECT_EQ(At(0, 2, 50), std::string(50, ' '));
}

TEST_F(TodaysWindow, ALongSentenceNeverRunsIntoTheNext)
{
    // Breaking after the blank of "きょうは " makes this sentence three lines,
    // one more than its byte count says.
    const std::string longName(60, 'A');
    StoreEvents({longName, "next"});
    EXPECT_EQ(DrawInfo(surface, table, store), 2);
    EXPECT_EQ(At(3, 2, 11), SjisText("　きょうは "));
    EXPECT_EQ(At(3, 3, 46), std::string(46, 'A'));
    EXPECT_EQ(At(3, 4, 14), std::string(14, 'A'));
    EXPECT_EQ(At(3, 5, static_cast<int>(Sentence("next").size())), Sentence("next"));
}

TEST_F(TodaysWindow, TheStoreCountsAllEventsAgainAfterwards)
{
    StoreEvents({"alpha", "beta", "gamma"});
    store.nMode = 0;
    store.nMaxLen = 0;
    DrawInfo(surface, table, store);
    int today[4] = {2000, 1, 5, 0};
    char names[64];
    EXPECT_EQ(store.CheckEvent(today, names), 3);
}
