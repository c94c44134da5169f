// The event store at the size of a long-used event file: loading 10,000 lines,
// the 31 lookups with which the month grid counts the events of each day, and
// with 100,000 events every day of 1900-2100 counted as `vesoma-cal --tsv 1900 1
// 2100 12` counts them.
#include <vector>

#include <benchmark/benchmark.h>

#include "bench/event_file.h"
#include "core/almanac/vesoma.h"
#include "core/events/events.h"

namespace {

constexpr int kRecords = 10000;

const std::string& EventFile()
{
    static const BenchEventFile file(kRecords);
    return file.path;
}

void BM_LoadEventFile10000Lines(benchmark::State& state)
{
    std::string path = EventFile();
    for (auto _ : state) {
        if (Evs.LoadEvent(path.data()) != 1 || Events::nCount != kRecords)
            state.SkipWithError("the event file did not load");
        benchmark::DoNotOptimize(Events::nCount);
    }
}
BENCHMARK(BM_LoadEventFile10000Lines)->Unit(benchmark::kMillisecond);

void BM_CheckEventMonthGrid10000Records(benchmark::State& state)
{
    std::string path = EventFile();
    if (Evs.LoadEvent(path.data()) != 1)
        state.SkipWithError("the event file did not load");
    int date[3] = {1996, 10, 1};
    kc.SetCalender(date);
    char names[64];
    for (auto _ : state) {
        for (int i = 0; i < kc.nDays; ++i)
            kc.CountDayEvents(i, names);
        benchmark::DoNotOptimize(kc.Day[0].nEvent);
    }
}
BENCHMARK(BM_CheckEventMonthGrid10000Records)->Unit(benchmark::kMillisecond);

// The month tables are built once; only the counting of the events is timed.
void BM_CountEventsWholeRange100000Records(benchmark::State& state)
{
    static const BenchEventFile file(100000);
    if (Evs.LoadEvent(file.path.c_str()) != 1 || Events::nCount != 100000)
        state.SkipWithError("the event file did not load");
    static std::vector<Vesoma> months = [] {
        std::vector<Vesoma> tables;
        for (int month = 1900 * 12; month <= 2100 * 12 + 11; ++month) {
            const int date[3] = {month / 12, month % 12 + 1, 1};
            tables.emplace_back();
            tables.back().SetCalender(date);
        }
        return tables;
    }();
    char names[64];
    for (auto _ : state) {
        long long total = 0;
        for (Vesoma& table : months) {
            for (int i = 0; i < table.nDays; ++i) {
                table.CountDayEvents(i, names);
                total += table.Day[i].nEvent;
            }
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_CountEventsWholeRange100000Records)->Unit(benchmark::kMillisecond);

}  // namespace
