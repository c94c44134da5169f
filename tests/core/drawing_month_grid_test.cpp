// The month grid on the character-cell surface: the holiday red over fifteen
// years, the event counts it stores and the cell size it ignores.
#include <gtest/gtest.h>

#include "core/almanac/vesoma.h"
#include "core/settings/status.h"
#include "platform/cell_surface.h"
#include "tests/core/event_files.h"

using platform::CellSurface;
using platform::Rgb;

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

    int savedTable = CStatus::TableType;
};

TEST_F(MonthGrid, WeekdayRedOnSundaysAndHolidaysAndSubstituteHolidaysInRed)
{
    const Rgb red{255, 0, 0};
    int substitutes = 0;
    for (int month = 0; month < 15 * 12; ++month) {
        const CellSurface surface = Draw(1996 + month / 12, month % 12 + 1, 1);
        for (int d = 1; d <= kc.nDays; ++d) {
            const DayEntry& e = kc.Day[d - 1];
            const int weekday = e.nWeekCode % 32 % 7;
            const Rgb colour = e.nHoly > 0 || weekday == 0 ? red : Rgb{0, 0, 255 * (weekday == 6)};
            ASSERT_EQ(surface.ColourAt(4, d + 1), colour) << e.nYear << "/" << e.nMonth << "/" << d;
            if (e.nHoly != 16)
                continue;
            ++substitutes;
            EXPECT_EQ(platform::ToUtf8(surface.TextAt(14, d + 1, 10)), "振替休日  ");
            for (int column = 14; column < 22; ++column)
                ASSERT_EQ(surface.ColourAt(column, d + 1), red) << e.nYear << "/" << e.nMonth << "/" << d;
        }
    }
    EXPECT_GE(substitutes, 25);
}

TEST_F(MonthGrid, DrawingStoresEachDaysEventCount)
{
    StoreRecords({Record(2001, 5, 31, -1, "会議"), Record(0, 0, 0, 3, "毎週水曜日")});
    Draw(2001, 5, 0);
    for (int d = 1; d <= kc.nDays; ++d)  // 1 May 2001 was a Tuesday
        EXPECT_EQ(kc.Day[d - 1].nEvent, (d == 31) + (d % 7 == 2)) << d;

    // A block of records that cannot be read: the failure is stored, nothing drawn.
    Events::hMem.clear();
    const CellSurface surface = Draw(2001, 5, 0);
    for (int d = 1; d <= kc.nDays; ++d)
        EXPECT_EQ(kc.Day[d - 1].nEvent, -1) << d;
    EXPECT_EQ(surface.TextAt(14, 32, 10), std::string(10, ' '));
}

TEST_F(MonthGrid, SameCellsWhateverTheCellSize)
{
    const std::string cells = Draw(2001, 5, 2).RenderAnsi();
    EXPECT_EQ(Draw(2001, 5, 2, 7, 13).RenderAnsi(), cells);
    EXPECT_EQ(Draw(2001, 5, 2, 12, 25).RenderAnsi(), cells);
}

}  // namespace
