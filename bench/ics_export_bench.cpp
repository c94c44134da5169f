// The iCalendar export of the whole range 1900-2100 with all four kinds:
// about 81,000 events from the almanac alone, and with an event file of 100
// records of the usual mix (its weekday rules add one event a month each).
#include <string>

#include <benchmark/benchmark.h>

#include "bench/event_file.h"
#include "core/almanac/ics_export.h"
#include "core/events/events.h"

namespace {

void ExportWholeRange(benchmark::State& state)
{
    std::string out;
    long events = 0;
    for (auto _ : state) {
        events = ExportIcs({}, Evs, 1900, 2100, {}, 1800000000, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["events"] = static_cast<double>(events);
    state.counters["MB"] = static_cast<double>(out.size()) / 1e6;
}

void BM_IcsWholeRangeNoEvents(benchmark::State& state)
{
    Events::nCount = 0;
    ExportWholeRange(state);
}
BENCHMARK(BM_IcsWholeRangeNoEvents)->Unit(benchmark::kMillisecond);

void BM_IcsWholeRange100Records(benchmark::State& state)
{
    static const BenchEventFile file(100);
    if (Evs.LoadEvent(file.path.c_str(), 0) != 1 || Events::nCount != 100)
        state.SkipWithError("the event file did not load");
    ExportWholeRange(state);
}
BENCHMARK(BM_IcsWholeRange100Records)->Unit(benchmark::kMillisecond);

}  // namespace
