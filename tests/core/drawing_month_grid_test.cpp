// The month grid on the character-cell surface: the event counts it stores and
// the cell size it ignores. Its colours and texts are locked by the golden outputs.
#include <gtest/gtest.h>

#include "core/almanac/vesoma.h"
#include "core/settings/status.h"
#include "platform/cell_surface.h"
#include "tests/core/event_files.h"

using platform::CellSurface;

namespace {

// Builds and draws kc for the month with the given table type and cell size;
// every day's event count is spoilt first, for the drawing to overwrite.
CellSurface Draw(int year, int month, int table, int cellWidth = 8, int cellHeight = 16)
{
    const int date[3] = {year, month, 1};
    kc.SetCalender(date);
    for (int i = 0; i < kc.nDays; ++i)
        kc.Day[i].nEvent = 99;
    const int saved = CStatus::TableType;
    CStatus::TableType = table;
    CellSurface surface(78, kc.nDays + 2, cellWidth, cellHeight);
    kc.DarwCalender(surface);
    CStatus::TableType = saved;
    return surface;
}

}  // namespace

TEST(MonthGrid, DrawingStoresEachDaysEventCountAndTheStoresFailure)
{
    StoreRecords({Record(2001, 5, 31, -1, "会議"), Record(0, 0, 0, 3, "毎週水曜日")});
    Draw(2001, 5, 0);
    for (int d = 1; d <= kc.nDays; ++d)  // 1 May 2001 was a Tuesday
        EXPECT_EQ(kc.Day[d - 1].nEvent, (d == 31) + (d % 7 == 2)) << d;
    Events::hMem.clear();  // a block of records that cannot be read: nothing drawn
    const CellSurface surface = Draw(2001, 5, 0);
    for (int d = 1; d <= kc.nDays; ++d)
        EXPECT_EQ(kc.Day[d - 1].nEvent, -1) << d;
    EXPECT_EQ(surface.TextAt(14, 32, 10), std::string(10, ' '));
    StoreRecords({});
}

TEST(MonthGrid, SameCellsWhateverTheCellSize)
{
    const std::string cells = Draw(2001, 5, 2).RenderAnsi();
    EXPECT_EQ(Draw(2001, 5, 2, 7, 13).RenderAnsi(), cells);
    EXPECT_EQ(Draw(2001, 5, 2, 12, 25).RenderAnsi(), cells);
}
