// The month grid on the character-cell surface: where every field goes, what
// each table type shows, the leap mark, the text cursor, the notes and colours.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "almanac/vesoma.h"
#include "almanac/vocabulary.h"
#include "events/events.h"
#include "platform/cell_surface.h"
#include "platform/sjis.h"
#include "settings/status.h"

using platform::CellSurface;
using platform::Rgb;
using platform::ToUtf8;

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kTermBlue{0, 64, 255};
constexpr Rgb kTeal{0, 128, 128};

EventRecord Event(int year, int month, int day, const char* utf8Name)
{
    EventRecord record{year, month, day, -1, {}};
    std::strncpy(record.szEvent, platform::ToSjis(utf8Name).c_str(), sizeof record.szEvent - 1);
    return record;
}

class MonthGrid : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedTable = CStatus::TableType;
        savedRecords = Events::hMem;
        savedCount = Events::nCount;
        SetEvents({});
    }
    void TearDown() override
    {
        CStatus::TableType = savedTable;
        Events::hMem = savedRecords;
        Events::nCount = savedCount;
    }

    static void SetEvents(const std::vector<EventRecord>& records)
    {
        Events::hMem = records;
        Events::nCount = static_cast<int>(records.size());
    }

    // Builds and draws the month with the given table type on cells of the given size.
    CellSurface Draw(int year, int month, int table, int cellWidth = 8, int cellHeight = 16)
    {
        int date[3] = {year, month, 1};
        kc.SetCalender(date);
        for (int i = 0; i < kc.nDays; ++i)
            kc.Day[i].nEvent = 99;  // the drawing must overwrite every day's count
        CStatus::TableType = table;
        CellSurface surface(78, kc.nDays + 2, cellWidth, cellHeight);
        kc.DarwCalender(surface);
        return surface;
    }

    static std::string At(const CellSurface& surface, int column, int day, int cells)
    {
        return surface.TextAt(column, day + 1, cells);
    }
    static std::string Utf8At(const CellSurface& surface, int column, int day, int cells)
    {
        return ToUtf8(At(surface, column, day, cells));
    }
    // The day of the month whose entry satisfies pick, or 0.
    template <typename Pick>
    static int FindDay(Pick pick)
    {
        for (int i = 0; i < kc.nDays; ++i) {
            if (pick(kc.Day[i]))
                return i + 1;
        }
        return 0;
    }

    int savedTable = 0;
    std::vector<EventRecord> savedRecords;
    int savedCount = 0;
};

TEST_F(MonthGrid, TitleAndEveryFieldInItsColumn)
{
    for (int month : {2, 5, 12}) {
        CellSurface surface = Draw(2001, month, 1);
        char title[32];
        std::snprintf(title, sizeof title, "%2d年%2d月　", 2001, month);
        EXPECT_EQ(ToUtf8(surface.TextAt(4, 0, 40)),
                  title + ToUtf8(szMonName[month]) + std::string(40 - 16, ' '))
            << month;
        EXPECT_EQ(surface.TextAt(0, 1, 78), std::string(78, ' '));
        for (int d = 1; d <= kc.nDays; ++d) {
            const DayEntry& e = kc.Day[d - 1];
            char number[8], lunar[8];
            std::snprintf(number, sizeof number, "%2d", d);
            std::snprintf(lunar, sizeof lunar, "%2d/%2d", e.nInMonth, e.nInDay);
            SCOPED_TRACE(d);
            EXPECT_EQ(At(surface, 0, d, 4), std::string(" ") + number + " ");
            EXPECT_EQ(At(surface, 4, d, 2), szWeek[(e.nWeekCode % 32) % 7]);
            EXPECT_EQ(At(surface, 8, d, 2), szTen[e.nKanshi % 10]);
            EXPECT_EQ(At(surface, 10, d, 2), szChi[e.nKanshi % 12]);
            EXPECT_EQ(At(surface, 56, d, 5), lunar);
            EXPECT_EQ(At(surface, 62, d, 4), szKusei[e.nKusei]);
            EXPECT_EQ(At(surface, 67, d, 4), szRoki[e.nRoki]);
            EXPECT_EQ(At(surface, 72, d, 2), szShuku[e.nShuku]);
            EXPECT_EQ(At(surface, 75, d, 3), std::string(szChoku[e.nChoku]) + " ");
            EXPECT_EQ(e.nEvent, 0);
        }
    }
}

TEST_F(MonthGrid, SameCellsWhateverTheCellSize)
{
    const std::string small = Draw(2001, 5, 2, 8, 16).RenderPlain();
    EXPECT_EQ(Draw(2001, 5, 2, 7, 13).RenderPlain(), small);
    EXPECT_EQ(Draw(2001, 5, 2, 12, 25).RenderPlain(), small);
}

TEST_F(MonthGrid, TableTypeZeroShowsOnlyDatesHolidaysTermsAndEvents)
{
    SetEvents({Event(2001, 5, 31, "会議")});
    CellSurface surface = Draw(2001, 5, 0);
    for (int d = 1; d <= kc.nDays; ++d) {
        SCOPED_TRACE(d);
        EXPECT_EQ(At(surface, 36, d, 42), std::string(42, ' '));  // no notes, no lunisolar fields
    }
    EXPECT_EQ(Utf8At(surface, 14, 31, 6), "会議  ");  // the text ends with a blank
    EXPECT_EQ(kc.Day[30].nEvent, 1);
}

TEST_F(MonthGrid, LeapMarkOnEveryRowOrOnlyWhereTheLunarMonthBegins)
{
    // 2001 has a leap fourth month from 23 May to 20 June.
    CellSurface one = Draw(2001, 5, 1);
    CellSurface two = Draw(2001, 5, 2);
    for (int d = 1; d <= kc.nDays; ++d) {
        SCOPED_TRACE(d);
        const bool leap = kc.Day[d - 1].nUrus == 1;
        EXPECT_EQ(d >= 23, leap);
        EXPECT_EQ(Utf8At(one, 54, d, 2), leap ? "閏" : "  ");
        EXPECT_EQ(Utf8At(two, 54, d, 2), d == 23 ? "閏" : "  ");
    }
    // In June the leap month runs on from the 1st: marked on the first row only.
    CellSurface june = Draw(2001, 6, 2);
    EXPECT_EQ(Utf8At(june, 54, 1, 2), "閏");
    for (int d = 2; d <= kc.nDays; ++d)
        EXPECT_EQ(Utf8At(june, 54, d, 2), "  ") << d;
}

TEST_F(MonthGrid, HolidayThenTermThenEventsInCursorOrder)
{
    SetEvents({Event(2001, 5, 5, "節句"), Event(0, 5, 5, "菖蒲湯"), Event(2001, 5, 4, "休み"),
               Event(2001, 5, 6, "旅")});
    CellSurface surface = Draw(2001, 5, 1);

    // 5 May 2001: こどもの日 (11 bytes with its blank) + 2, then 立夏 + 1, then events.
    ASSERT_GT(kc.Day[4].nHoly, 0);
    ASSERT_GT(kc.Day[4].nSekki, 0);
    EXPECT_EQ(Utf8At(surface, 14, 5, 13), "こどもの日   ");
    EXPECT_EQ(Utf8At(surface, 27, 5, 5), "立夏 ");
    EXPECT_EQ(Utf8At(surface, 32, 5, 12), "節句,菖蒲湯 ");
    EXPECT_EQ(surface.ColourAt(14, 5 + 1), kRed);
    EXPECT_EQ(surface.ColourAt(4, 5 + 1), kRed);  // the weekday of a holiday (a Saturday)
    EXPECT_EQ(surface.ColourAt(27, 5 + 1), kTermBlue);
    EXPECT_EQ(surface.ColourAt(32, 5 + 1), kTeal);
    EXPECT_EQ(kc.Day[4].nEvent, 2);

    // 4 May: a holiday without a name turns the weekday red and moves the cursor by 2.
    EXPECT_EQ(Utf8At(surface, 14, 4, 6), "  休み");
    EXPECT_EQ(surface.ColourAt(4, 4 + 1), kRed);
    // 6 May, a Sunday without a holiday: the weekday in its own colour, events at 14.
    EXPECT_EQ(Utf8At(surface, 14, 6, 3), "旅 ");
    EXPECT_EQ(surface.ColourAt(4, 6 + 1), kRed);
    EXPECT_EQ(surface.ColourAt(4, 2 + 1), kBlack);  // 2 May, a Wednesday
}

TEST_F(MonthGrid, WeekdayAndSixDayColours)
{
    CellSurface surface = Draw(2001, 2, 1);
    const int saturday = FindDay([](const DayEntry& e) { return e.nWeekCode % 32 == 6; });
    const int wednesday = FindDay([](const DayEntry& e) { return e.nWeekCode % 32 == 3; });
    const int butsumetsu = FindDay([](const DayEntry& e) { return e.nRoki == 3; });
    const int taian = FindDay([](const DayEntry& e) { return e.nRoki == 4; });
    const int sensho = FindDay([](const DayEntry& e) { return e.nRoki == 0; });
    EXPECT_EQ(surface.ColourAt(4, saturday + 1), kBlue);
    EXPECT_EQ(surface.ColourAt(4, wednesday + 1), kBlack);
    EXPECT_EQ(surface.ColourAt(67, butsumetsu + 1), (Rgb{255, 0, 255}));
    EXPECT_EQ(surface.ColourAt(67, taian + 1), (Rgb{0, 255, 0}));
    EXPECT_EQ(surface.ColourAt(67, sensho + 1), kBlack);
    for (int column : {1, 8, 10, 56, 62, 72, 75})
        EXPECT_EQ(surface.ColourAt(column, saturday + 1), kBlack) << column;
}

TEST_F(MonthGrid, NotesStandRightAlignedBeforeTheLeapColumn)
{
    const int onlyHassen = (1 << 0) | (1 << 7);
    const int tenjoAndJippo = (1 << 0) | (1 << 5) | (1 << 6);
    bool sawHassen = false;
    bool sawMizunotoMi = false;
    for (int month = 1; month <= 12 && !(sawHassen && sawMizunotoMi); ++month) {
        CellSurface surface = Draw(2001, month, 2);
        for (int d = 1; d <= kc.nDays; ++d) {
            const DayEntry& e = kc.Day[d - 1];
            if (e.nReki == onlyHassen) {
                sawHassen = true;
                EXPECT_EQ(Utf8At(surface, 48, d, 6), " 八専 ");
            }
            if (e.nKanshi == 29 && e.nReki == tenjoAndJippo) {  // 癸巳
                sawMizunotoMi = true;
                EXPECT_EQ(Utf8At(surface, 37, d, 17), " 天上天一 十方暮 ");
            }
        }
    }
    EXPECT_TRUE(sawHassen);
    EXPECT_TRUE(sawMizunotoMi);
}

TEST_F(MonthGrid, FailedEventLookupIsStoredAndDrawsNothing)
{
    Events::hMem.clear();
    Events::nCount = 2;  // a block that cannot be read
    CellSurface surface = Draw(2001, 2, 0);
    for (int d = 1; d <= kc.nDays; ++d)
        EXPECT_EQ(kc.Day[d - 1].nEvent, -1) << d;
    EXPECT_EQ(Utf8At(surface, 14, 1, 10), std::string(10, ' '));
}

}  // namespace
