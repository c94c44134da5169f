// The day window's body on the character-cell surface: dates, signs, notes,
// events and the fortune paragraphs in their lines and colours.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>

#include "core/almanac/day_view.h"
#include "core/almanac/vesoma.h"
#include "core/fortune/fortune_file.h"
#include "core/vocabulary/vocabulary.h"
#include "platform/cell_surface.h"
#include "platform/sjis.h"
#include "tests/core/day_events.h"

namespace {

using platform::Rgb;
using platform::SjisText;

// The first day from year to year + 30 for which wanted holds.
DayEntry FindDay(int year, const std::function<bool(const DayEntry&)>& wanted)
{
    Vesoma table;
    for (int month = 0; month < 12 * 30; ++month) {
        const int date[3] = {year + month / 12, month % 12 + 1, 1};
        table.SetCalender(date);
        for (int d = 0; d < table.nDays; ++d) {
            if (wanted(table.Day[d]))
                return table.Day[d];
        }
    }
    ADD_FAILURE() << "no such day";
    return table.Day[0];
}

int Notes(const DayEntry& day)
{
    return (day.nReki >> 1) & 0x7F;
}

bool IsPlain(const DayEntry& day)
{
    return day.nHoly == 0 && day.nSekki == 0 && Notes(day) == 0 && day.nUrus == 0;
}

class DayWindowBody : public ::testing::Test {
protected:
    // A fortune file whose record r reads "R", r in three digits, then "=text".
    void SetUp() override
    {
        std::string bytes;
        for (int r = 0; r < 68; ++r) {
            char record[16];
            std::snprintf(record, sizeof record, "R%03d=text/E", r);
            bytes += record + std::string(FUms::nRecordSize - std::strlen(record), ' ');
        }
        std::ofstream(file_, std::ios::binary) << bytes;
        ASSERT_EQ(fortune.LoadUmsFile(file_.c_str()), 1);
    }
    void TearDown() override { std::filesystem::remove(file_); }

    DayViewExtent Draw(const DayEntry& day, bool withFortune = true)
    {
        return DrawVesomaDay(surface, day, store, withFortune ? &fortune : nullptr);
    }
    // Stores count events on day, day.nEvent of them counted by the month drawing.
    static DayEntry WithEvents(DayEntry day, int count, int counted, const std::string& first = "event0")
    {
        std::vector<std::string> names{first};
        for (int i = 1; i < count; ++i)
            names.push_back("event" + std::to_string(i));
        StoredEvents::Store(day.nYear, day.nMonth, day.nDay, names);
        day.nEvent = counted;
        return day;
    }
    std::string At(int column, int row, int count) const { return surface.TextAt(column, row, count); }
    // The fortune records drawn from row on, in order, until a row without one.
    std::vector<int> RecordsFrom(int row) const
    {
        std::vector<int> shown;
        for (; row < surface.Rows() && At(2, row, 1) == "R"; ++row)
            shown.push_back(std::atoi(At(3, row, 3).c_str()));
        return shown;
    }
    std::string Heading() const { return SjisText("《運　勢》"); }

    const std::string file_ =
        (std::filesystem::temp_directory_path() / ("vesoma-day-" + std::to_string(getpid()) + ".ums"))
            .string();
    FUms fortune;
    StoredEvents events;
    Events store;
    platform::CellSurface surface{80, 30, 8, 16};
};

}  // namespace

TEST_F(DayWindowBody, PlainDayShowsTwoLinesAndThreeParagraphs)
{
    const DayEntry day = FindDay(2001, IsPlain);
    const DayViewExtent extent = Draw(day);
    char dates[80];
    std::snprintf(dates, sizeof dates, SjisText("%4d年%2d月%2d日（旧暦   %2d月%2d日"), day.nYear, day.nMonth,
                  day.nDay, day.nInMonth, day.nInDay);
    EXPECT_EQ(At(1, 0, 31), dates);
    // The weekday at column 33 covers the right half of the closing bracket.
    EXPECT_EQ(At(33, 0, 6) + At(42, 0, 38),
              std::string(szWeek[(day.nWeekCode % 32) % 7], 2) + SjisText("曜日") + std::string(38, ' '));
    EXPECT_EQ(At(14, 1, 26),
              std::string(szTen[day.nKanshi % 10], 2) + std::string(szChi[day.nKanshi % 12], 2) + "  " +
                  std::string(szRoki[day.nRoki], 4) + "  " + std::string(szKusei[day.nKusei], 4) + "  " +
                  std::string(szShuku[day.nShuku], 2) + SjisText("宿") + "  " +
                  std::string(szChoku[day.nChoku], 2));
    EXPECT_EQ(surface.ColourAt(14, 1), (Rgb{0, 0, 0}));
    EXPECT_EQ(At(0, 2, 80), std::string(80, ' '));
    EXPECT_EQ(At(2, 3, 10), Heading());
    EXPECT_EQ(RecordsFrom(4), (std::vector<int>{day.nRoki, 7 + day.nShuku, 36 + 2 * day.nChoku}));
    EXPECT_EQ(At(6, 4, 5), "=text");
    EXPECT_EQ(extent.nColumns, 50);  // 400 pixels of 8
    EXPECT_EQ(extent.nLines, 7);
}

TEST_F(DayWindowBody, HolidayPushesTheTermRightAndTurnsTheWeekdayRed)
{
    const DayEntry day = FindDay(1990, [](const DayEntry& d) { return d.nHoly > 0 && d.nSekki > 0; });
    const DayViewExtent extent = Draw(day);
    const std::string holiday = szHolyday[day.nHoly];
    const int term = 42 + static_cast<int>(holiday.size()) + 2;
    EXPECT_EQ(At(42, 0, term + 4 - 42), holiday + "  " + std::string(szSekki[day.nSekki - 1], 4));
    EXPECT_EQ(surface.ColourAt(42, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(surface.ColourAt(33, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(surface.ColourAt(term, 0), (Rgb{0, 64, 255}));
    EXPECT_EQ(extent.nColumns, term + 5);
}

TEST_F(DayWindowBody, LeapMonthMarkSitsAfterTheWordForLunarCalendar)
{
    Draw(FindDay(2001, [](const DayEntry& d) { return d.nUrus == 1; }));
    EXPECT_EQ(At(15, 0, 8), SjisText("（旧暦閏"));
}

TEST_F(DayWindowBody, NotesAddTheirParagraphsAfterTheOfficer)
{
    const DayEntry day = FindDay(2000, [](const DayEntry& d) { return Notes(d) == 0x06; });
    const DayViewExtent extent = Draw(day);
    EXPECT_EQ(At(14, 2, 18), szReki[2] + std::string("  ") + szReki[3]);
    EXPECT_EQ(At(2, 4, 10), Heading());
    EXPECT_EQ(RecordsFrom(5), (std::vector<int>{day.nRoki, 7 + day.nShuku, 36 + 2 * day.nChoku, 62, 63}));
    EXPECT_EQ(extent.nLines, 10);
}

TEST_F(DayWindowBody, EventsOnePerLineUpToTheCountThenABlankLinePerTenBeforeTheFortune)
{
    Draw(WithEvents(FindDay(2001, IsPlain), 1, 1));
    EXPECT_EQ(At(8, 3, 7) + At(2, 5, 10), "event0 " + Heading());

    surface = platform::CellSurface{80, 30, 8, 16};
    const std::string longName(58, 'L');
    const DayViewExtent extent = Draw(WithEvents(FindDay(2001, IsPlain), 11, 11, longName));
    EXPECT_EQ(At(8, 3, 59), longName + " ");
    for (int i = 1; i < 11; ++i)
        EXPECT_EQ(At(8, 3 + i, 8), ("event" + std::to_string(i) + "  ").substr(0, 8)) << i;
    EXPECT_EQ(At(0, 14, 80) + At(0, 15, 80), std::string(160, ' '));
    EXPECT_EQ(At(2, 16, 10), Heading());  // two lines further down than for one event
    EXPECT_EQ(RecordsFrom(17).size(), 3u);
    EXPECT_EQ(extent.nColumns, 60);  // the long event's text and its blank, plus one
    EXPECT_EQ(extent.nLines, 20);

    // No more events than the month drawing counted, and no fortune unasked.
    surface = platform::CellSurface{80, 30, 8, 16};
    EXPECT_EQ(Draw(WithEvents(FindDay(2001, IsPlain), 3, 2), false).nLines, 5);
    EXPECT_EQ(At(8, 4, 6) + At(8, 5, 6), "event1      ");
    EXPECT_EQ(At(0, 5, 80), std::string(80, ' '));
}

TEST(DayWindowShownDay, StaysInsideTheMonth)
{
    Vesoma table;
    const int dates[3][3] = {{2001, 2, 1}, {2001, 2, 31}, {2001, 2, 10}};
    table.SetCalender(dates[0]);
    table.SetDate(dates[1]);  // the 31st kept from January
    EXPECT_EQ(ShownDay(table).nDay, 28);
    table.SetDate(dates[2]);
    EXPECT_EQ(ShownDay(table).nDay, 10);
    Vesoma empty;
    EXPECT_EQ(&ShownDay(empty), &empty.Day[0]);
}
