// The month grid on the character-cell surface: where every field goes, what
// each table type shows, the leap mark, the text cursor, the notes and colours.
#include <gtest/gtest.h>

#include "core/almanac/vesoma.h"
#include "core/settings/status.h"
#include "core/vocabulary/vocabulary.h"
#include "platform/cell_surface.h"
#include "tests/core/event_files.h"

using platform::CellSurface;
using platform::Rgb;
using platform::ToUtf8;

namespace {

class MonthGrid : public ::testing::Test {
protected:
    void SetUp() override { StoreRecords({}); }
    void TearDown() override
    {
        CStatus::TableType = savedTable;
        StoreRecords({});
    }

    // Builds and draws the month with the given table type on cells of the given size.
    static CellSurface Draw(int year, int month, int table, int cellWidth = 8, int cellHeight = 16)
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
    // The cells of a day's row as UTF-8.
    static std::string At(const CellSurface& surface, int column, int day, int cells)
    {
        return ToUtf8(surface.TextAt(column, day + 1, cells));
    }

    int savedTable = CStatus::TableType;
};

TEST_F(MonthGrid, TitleAndEveryFieldInItsColumn)
{
    for (int month : {2, 5, 12}) {
        CellSurface surface = Draw(2001, month, 1);
        char text[64];
        std::snprintf(text, sizeof text, "%2d年%2d月　", 2001, month);
        EXPECT_EQ(ToUtf8(surface.TextAt(4, 0, 40)),
                  text + ToUtf8(szMonName[month]) + std::string(40 - 16, ' '))
            << month;
        EXPECT_EQ(surface.TextAt(0, 1, 78), std::string(78, ' '));
        for (int d = 1; d <= kc.nDays; ++d) {
            const DayEntry& e = kc.Day[d - 1];
            SCOPED_TRACE(d);
            std::snprintf(text, sizeof text, " %2d %s  %s%s", d, szWeek[(e.nWeekCode % 32) % 7],
                          szTen[e.nKanshi % 10], szChi[e.nKanshi % 12]);
            EXPECT_EQ(surface.TextAt(0, d + 1, 12), text);
            std::snprintf(text, sizeof text, "%2d/%2d %s %s %s %s ", e.nInMonth, e.nInDay, szKusei[e.nKusei],
                          szRoki[e.nRoki], szShuku[e.nShuku], szChoku[e.nChoku]);
            EXPECT_EQ(surface.TextAt(56, d + 1, 22), text);
            EXPECT_EQ(e.nEvent, 0);
        }
    }
    // The same cells whatever the cell size.
    const std::string small = Draw(2001, 5, 2, 8, 16).RenderPlain();
    EXPECT_EQ(Draw(2001, 5, 2, 7, 13).RenderPlain(), small);
    EXPECT_EQ(Draw(2001, 5, 2, 12, 25).RenderPlain(), small);
}

TEST_F(MonthGrid, TableTypeZeroShowsOnlyDatesHolidaysTermsAndEvents)
{
    StoreRecords({Record(2001, 5, 31, -1, "会議")});
    CellSurface surface = Draw(2001, 5, 0);
    for (int d = 1; d <= kc.nDays; ++d)  // no notes, no lunisolar fields
        EXPECT_EQ(At(surface, 36, d, 42), std::string(42, ' ')) << d;
    EXPECT_EQ(At(surface, 14, 31, 6), "会議  ");  // the text ends with a blank
    EXPECT_EQ(kc.Day[30].nEvent, 1);

    // A block of records that cannot be read: the failure is stored, nothing drawn.
    Events::hMem.clear();
    surface = Draw(2001, 5, 0);
    for (int d = 1; d <= kc.nDays; ++d)
        EXPECT_EQ(kc.Day[d - 1].nEvent, -1) << d;
    EXPECT_EQ(At(surface, 14, 31, 10), std::string(10, ' '));
}

TEST_F(MonthGrid, LeapMarkOnEveryRowOrOnlyWhereTheLunarMonthBegins)
{
    // 2001 has a leap fourth month from 23 May to 20 June.
    CellSurface one = Draw(2001, 5, 1);
    CellSurface two = Draw(2001, 5, 2);
    for (int d = 1; d <= kc.nDays; ++d) {
        SCOPED_TRACE(d);
        EXPECT_EQ(kc.Day[d - 1].nUrus == 1, d >= 23);
        EXPECT_EQ(At(one, 54, d, 2), d >= 23 ? "閏" : "  ");
        EXPECT_EQ(At(two, 54, d, 2), d == 23 ? "閏" : "  ");
    }
    // In June the leap month runs on from the 1st: marked on the first row only.
    CellSurface june = Draw(2001, 6, 2);
    for (int d = 1; d <= kc.nDays; ++d)
        EXPECT_EQ(At(june, 54, d, 2), d == 1 ? "閏" : "  ") << d;
}

TEST_F(MonthGrid, HolidayThenTermThenEventsInCursorOrderAndColours)
{
    StoreRecords({Record(2001, 5, 5, -1, "節句"), Record(0, 5, 5, -1, "菖蒲湯"),
                  Record(2001, 5, 4, -1, "休み"), Record(2001, 5, 6, -1, "旅")});
    CellSurface surface = Draw(2001, 5, 1);
    // 5 May 2001: こどもの日 (11 bytes with its blank) + 2, then 立夏 + 1, then events.
    ASSERT_GT(kc.Day[4].nHoly * kc.Day[4].nSekki, 0);
    EXPECT_EQ(At(surface, 14, 5, 30), "こどもの日   立夏 節句,菖蒲湯 ");
    EXPECT_EQ(kc.Day[4].nEvent, 2);
    // 4 May, a holiday without a name: the cursor moves by 2. 6 May: events at 14.
    EXPECT_EQ(At(surface, 14, 4, 6), "  休み");
    EXPECT_EQ(At(surface, 14, 6, 3), "旅 ");

    const Rgb black{0, 0, 0}, red{255, 0, 0}, blue{0, 0, 255}, magenta{255, 0, 255}, green{0, 255, 0};
    EXPECT_EQ(surface.ColourAt(14, 5 + 1), red);
    EXPECT_EQ(surface.ColourAt(27, 5 + 1), (Rgb{0, 64, 255}));
    EXPECT_EQ(surface.ColourAt(32, 5 + 1), (Rgb{0, 128, 128}));
    for (int d = 1; d <= kc.nDays; ++d) {
        SCOPED_TRACE(d);
        // The weekday red on Sundays and on the holidays of 3 to 5 May, blue on
        // other Saturdays; the six-day name magenta on 仏滅 and green on 大安.
        const int weekday = (d + 1) % 7;
        const bool holiday = weekday == 0 || (d >= 3 && d <= 5);
        EXPECT_EQ(surface.ColourAt(4, d + 1), holiday ? red : weekday == 6 ? blue : black);
        const int sixDay = kc.Day[d - 1].nRoki;
        EXPECT_EQ(surface.ColourAt(67, d + 1), sixDay == 3 ? magenta : sixDay == 4 ? green : black);
        for (int column : {1, 8, 10, 56, 62, 72, 75})
            EXPECT_EQ(surface.ColourAt(column, d + 1), black) << column;
    }
}

TEST_F(MonthGrid, NotesStandRightAlignedBeforeTheLeapColumn)
{
    const int onlyHassen = (1 << 0) | (1 << 7);
    const int tenjoAndJippo = (1 << 0) | (1 << 5) | (1 << 6);
    bool sawHassen = false;
    bool sawMizunotoMi = false;
    for (int month = 1; month <= 12; ++month) {
        CellSurface surface = Draw(2001, month, 2);
        for (int d = 1; d <= kc.nDays; ++d) {
            const DayEntry& e = kc.Day[d - 1];
            if (e.nReki == onlyHassen) {
                sawHassen = true;
                EXPECT_EQ(At(surface, 48, d, 6), " 八専 ");
            }
            if (e.nKanshi == 29 && e.nReki == tenjoAndJippo) {  // 癸巳
                sawMizunotoMi = true;
                EXPECT_EQ(At(surface, 37, d, 17), " 天上天一 十方暮 ");
            }
        }
    }
    EXPECT_TRUE(sawHassen && sawMizunotoMi);
}

}  // namespace
