// The windows the terminal tool does not draw, on the character-cell surface: the day window's extent and
// shown day, the today's-events window and the six-day-cycle calendar.
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "core/almanac/day_view.h"
#include "core/almanac/info_view.h"
#include "core/almanac/rokyo_view.h"
#include "core/almanac/vesoma.h"
#include "core/vocabulary/vocabulary.h"
#include "platform/cell_surface.h"
#include "platform/sjis.h"
#include "tests/core/event_files.h"

using platform::Rgb;
using platform::SjisText;

namespace {

const Rgb kBlack{0, 0, 0}, kRed{255, 0, 0}, kBlue{0, 0, 255};

class Views : public ::testing::Test {
protected:
    void TearDown() override { StoreRecords({}); }
    // Builds the month of the date, makes the date current and stores names on it.
    void Select(int year, int month, int day, const std::vector<std::string>& names = {})
    {
        const int date[3] = {year, month, day};
        table.SetCalender(date);
        table.SetDate(date);
        std::vector<EventRecord> records;
        for (const std::string& name : names)
            records.push_back(Record(year, month, day, -1, name));
        StoreRecords(records);
    }
    std::string At(int column, int row, int count) const { return surface.TextAt(column, row, count); }

    Vesoma table;
    Events store;
    platform::CellSurface surface{100, 20, 8, 16};
};

}  // namespace

TEST_F(Views, DayWindowWidthAndLinesFollowTheTextsAndTheCountedEvents)
{
    const struct {
        int day, cellWidth, stored, counted, nameLength, columns, lines;
    } cases[] = {
        {9, 8, 0, 0, 0, 50, 3},   // a plain day: 400 pixels wide; dates, signs, a blank line
        {9, 5, 0, 0, 0, 80, 3},   // 400 pixels of 5
        {5, 8, 0, 0, 0, 60, 4},   // こどもの日 and 立夏 end at 42 + 11 + 2 + 5; a line of notes
        {9, 8, 3, 2, 62, 64, 5},  // two of three events: the first's text and blank, plus one
        {9, 8, 1, 3, 6, 50, 4},   // fewer events stored than counted
    };
    for (const auto& c : cases) {
        std::vector<std::string> names;
        for (int i = 0; i < c.stored; ++i)
            names.push_back(i == 0 ? std::string(c.nameLength, 'N') : "e" + std::to_string(i));
        Select(2001, 5, c.day, names);
        DayEntry day = table.Day[c.day - 1];
        day.nEvent = c.counted;
        surface = platform::CellSurface(100, 20, c.cellWidth, 16);
        const DayViewExtent extent = DrawVesomaDay(surface, day, store, nullptr);
        SCOPED_TRACE(std::to_string(c.day) + " " + std::to_string(c.cellWidth) + " " +
                     std::to_string(c.stored));
        EXPECT_EQ(extent.nColumns, c.columns);
        EXPECT_EQ(extent.nLines, c.lines);
        EXPECT_EQ(At(8, 3 + c.counted, 1), " ");  // no more events than counted
    }
}

TEST_F(Views, DayWindowShowsTheSelectedDayKeptWithinTheMonth)
{
    const int dates[4][3] = {{2000, 1, 31}, {2000, 2, 1}, {2000, 3, 1}, {2000, 3, 10}};
    EXPECT_EQ(&ShownDay(table), &table.Day[0]);
    table.SetCalender(dates[2]);
    EXPECT_EQ(table.nDay, 1);
    table.SetDate(dates[0]);
    table.SetCalender(dates[1]);
    EXPECT_EQ(table.nDay, 29);  // the 31st kept from January
    table.SetCalender(dates[2]);
    EXPECT_EQ(table.nDay, 29);  // and not given back in March
    table.SetDate(dates[3]);
    EXPECT_EQ(&ShownDay(table), &table.Day[9]);
    table.SetCalender(dates[1]);
    table.SetDate(dates[0]);  // chosen without a rebuild
    EXPECT_EQ(ShownDay(table).nDay, 29);
}

TEST_F(Views, TodaysWindowGreetsWithTheDateAndOneSentencePerEvent)
{
    const auto sentence = [](const std::string& name) {
        return SjisText("　きょうは ") + name + " " + SjisText(" です。");
    };
    Select(2000, 1, 5, {"alpha", "beta", "gamma"});
    EXPECT_EQ(DrawInfo(surface, table, store), 3);
    EXPECT_EQ(At(1, 0, 21), SjisText("2000年 1月 5日 水曜日"));
    EXPECT_EQ(surface.ColourAt(16, 0), kBlack);
    EXPECT_EQ(At(3, 2, 24) + At(3, 3, 23) + At(3, 4, 24) + At(0, 5, 50),
              sentence("alpha") + sentence("beta") + sentence("gamma") + std::string(50, ' '));
    // The store counts all of the day's events again afterwards.
    int today[4] = {2000, 1, 5, 0};
    char text[64];
    EXPECT_EQ(store.CheckEvent(today, text), 3);

    // Breaking after the blank of "きょうは " makes this sentence three lines, one more than its byte count
    // says; the next starts below it.
    surface = platform::CellSurface(50, 20, 8, 16);
    Select(2000, 1, 5, {std::string(60, 'A'), "next"});
    EXPECT_EQ(DrawInfo(surface, table, store), 2);
    EXPECT_EQ(At(3, 2, 11) + At(3, 3, 46) + At(3, 4, 14) + At(3, 5, 23),
              SjisText("　きょうは ") + std::string(60, 'A') + sentence("next"));

    // A Sunday in red, and nothing to say with events on other days only.
    surface = platform::CellSurface(50, 20, 8, 16);
    Select(2000, 1, 2);
    StoreRecords({Record(2000, 1, 5, -1, "on the 5th")});
    EXPECT_EQ(DrawInfo(surface, table, store), 0);
    EXPECT_EQ(At(16, 0, 6) + At(0, 2, 50), SjisText("日曜日") + std::string(50, ' '));
    EXPECT_EQ(surface.ColourAt(16, 0), kRed);
    EXPECT_EQ(GetInfoLayout(1, 7, 15, 800).button.bottom - GetInfoLayout(1, 7, 15, 800).button.top,
              21);  // the button three half lines high, rounded down
}

TEST_F(Views, SixDayCalendarPutsEachDayUnderItsWeekdayOverItsSixDayNameInTheirColours)
{
    // 31 days from a Saturday fill six week rows, 28 from a Sunday four.
    for (const auto& [year, month, first] : {std::tuple{2000, 1, 6}, {2015, 2, 0}, {2001, 5, 2}}) {
        Select(year, month, 1);
        surface = platform::CellSurface(43, 15, 8, 16);  // a column and a line beyond the rules
        DrawRokyo(surface, table, 8, 16);
        int place = first;
        for (int day = 1; day <= table.nDays; ++day, ++place) {
            SCOPED_TRACE(std::to_string(year) + "/" + std::to_string(month) + "/" + std::to_string(day));
            const int column = 6 * (place % 7);
            const int row = 2 * (place / 7) + 1;
            const int roki = table.Day[day - 1].nRoki;
            const std::string number = (day < 10 ? " " : "") + std::to_string(day);
            EXPECT_EQ(At(column + 2, row, 2) + At(column + 1, row + 1, 4),
                      number + std::string(szRoki[roki], 4));
            EXPECT_EQ(surface.ColourAt(column + 3, row), place % 7 == 0   ? kRed
                                                         : place % 7 == 6 ? kBlue
                                                                          : kBlack);
            const Rgb sixDay = roki == 3   ? Rgb{255, 0, 255}
                               : roki == 4 ? Rgb{0, 255, 0}
                                           : kBlack;  // 仏滅, 大安
            EXPECT_EQ(surface.ColourAt(column + 1, row + 1), sixDay);
        }
        // After the last day only the rules, to the bottom line.
        for (; place < 42; ++place)
            EXPECT_EQ(At(6 * (place % 7) + 1, 2 * (place / 7) + 1, 5) +
                          At(6 * (place % 7) + 1, 2 * (place / 7) + 2, 5),
                      "-----     ")
                << place;
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(At(6 * i + 2, 0, 2) + At(6 * i + 6, 0, 1) + At(6 * i + 6, 14, 1) + At(0, 2 * i + 1, 1),
                      szWeek[i] + std::string("||-"))
                << i;
        // None at the top or left, none beyond the bottom line.
        EXPECT_EQ(At(0, 0, 1) + At(0, 2, 1) + At(0, 14, 1), "   ");
        EXPECT_EQ(surface.ColourAt(2, 0), kRed);
        EXPECT_EQ(surface.ColourAt(38, 0), kBlue);
    }
}
