// Building month tables: once for one month, and for the whole range of the
// almanac in calendar order (what stepping through the years costs).
#include <benchmark/benchmark.h>

#include "core/almanac/vesoma.h"

namespace {

void BM_SetCalenderOneMonth(benchmark::State& state)
{
    int month = 0;
    for (auto _ : state) {
        // A different month each time, so no result is simply repeated.
        int date[3] = {2000 + month / 12, month % 12 + 1, 1};
        kc.SetCalender(date);
        benchmark::DoNotOptimize(kc.Day[0]);
        month = (month + 1) % 1200;
    }
}
BENCHMARK(BM_SetCalenderOneMonth);

void BM_SetCalenderWholeRange(benchmark::State& state)
{
    for (auto _ : state) {
        for (int year = 1900; year <= 2100; ++year) {
            for (int month = 1; month <= 12; ++month) {
                int date[3] = {year, month, 1};
                kc.SetCalender(date);
                benchmark::DoNotOptimize(kc.Day[0]);
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * 2412);
}
BENCHMARK(BM_SetCalenderWholeRange)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
