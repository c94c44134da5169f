// Building a month table and drawing it on the character-cell surface, as the
// terminal tool does for one month (and the window on every repaint).
#include <benchmark/benchmark.h>

#include "core/almanac/vesoma.h"
#include "core/settings/status.h"
#include "platform/cell_surface.h"

namespace {

void DrawOneMonth(benchmark::State& state, int table)
{
    CStatus::TableType = table;
    int month = 0;
    for (auto _ : state) {
        // The next month each time: the table is built anew, with what the
        // month before left remembered (see month_table_bench.cpp).
        int date[3] = {2000 + month / 12, month % 12 + 1, 1};
        kc.SetCalender(date);
        platform::CellSurface surface(78, kc.nDays + 2, 8, 16);
        kc.DarwCalender(surface);
        benchmark::DoNotOptimize(surface);
        month = (month + 1) % 1200;
    }
}

void BM_BuildAndDrawMonth(benchmark::State& state)
{
    DrawOneMonth(state, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_BuildAndDrawMonth)->Arg(0)->Arg(1)->Arg(2)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_DrawMonthOnly(benchmark::State& state)
{
    CStatus::TableType = 2;
    int date[3] = {2001, 5, 1};
    kc.SetCalender(date);
    for (auto _ : state) {
        platform::CellSurface surface(78, kc.nDays + 2, 8, 16);
        kc.DarwCalender(surface);
        benchmark::DoNotOptimize(surface);
    }
}
BENCHMARK(BM_DrawMonthOnly)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
