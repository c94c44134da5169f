// Building month tables. What a table costs depends on what the sun and moon
// series remember: each thread keeps the longitudes it computed last, keyed by
// the exact moment (core/calendar/sun_moon.cpp). A table asks for longitudes
// at some 124 moments, 64 different ones on average; months less than a year
// apart ask for many of the same (the solstices of the year, the new moons
// around the month's edges). Hence one benchmark per situation:
//
//   Stepping          the next month each call, as holding the month-step key
//                     does: about 26 of the some 64 longitudes a table would
//                     compute are remembered from the months before.
//   FarApart          months 101 months (8 years 5 months) apart, on one
//                     thread, as after jumping with the date dialog while
//                     browsing elsewhere: nothing is shared with the last
//                     call; about 2 longitudes a table are still remembered
//                     from calls long ago that showed the same years.
//   NothingRemembered each table built on a thread of its own, whose series
//                     remember nothing: the first table of a run. Only the
//                     build is timed, not the thread.
//   WholeRange        every month of the almanac in calendar order, stepping.
//
// The precise astronomy (core/calendar/precise_calendar.h) remembers instants
// instead: every new moon and solar term once found, and the earth's orbit at
// anchors 32 days apart. Its benchmarks each start on a fresh thread:
//
//   Precise_NothingRemembered  one month, with nothing found before: some
//                     fourteen months of new moons and terms around it (the
//                     冬至 months before and after it number it).
//   Precise_WholeRange every month of the almanac in calendar order, from
//                     nothing remembered to every instant of 1900-2100.
//   Precise_Stepping  the next month each call on one thread, as holding the
//                     month-step key does once the instants are known.
#include <chrono>
#include <thread>

#include <benchmark/benchmark.h>

#include "core/almanac/vesoma.h"

namespace {

constexpr int kFirstYear = 1900;
constexpr int kMonths = (2100 - kFirstYear + 1) * 12;

void BuildMonth(int index, Astronomy astronomy = Astronomy::Standard)
{
    int date[3] = {kFirstYear + index / 12, index % 12 + 1, 1};
    kc.choices.astronomy = astronomy;
    kc.SetCalender(date);
    benchmark::DoNotOptimize(kc.Day[0]);
}

// Times work on a thread of its own, whose memories start empty.
template <typename Work>
double OnFreshThread(Work work)
{
    std::chrono::duration<double> elapsed{};
    std::thread([&] {
        const auto start = std::chrono::steady_clock::now();
        work();
        elapsed = std::chrono::steady_clock::now() - start;
    }).join();
    return elapsed.count();
}

void BM_MonthTable_Stepping(benchmark::State& state)
{
    int month = 1200;
    for (auto _ : state) {
        BuildMonth(month);
        month = (month + 1) % kMonths;
    }
}
BENCHMARK(BM_MonthTable_Stepping)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_MonthTable_FarApart(benchmark::State& state)
{
    // 101 is prime to the number of months: the sequence visits all of them
    // before it repeats, and months within a year of each other come back only
    // many calls later.
    int month = 0;
    for (auto _ : state) {
        BuildMonth(month);
        month = (month + 101) % kMonths;
    }
}
BENCHMARK(BM_MonthTable_FarApart)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_MonthTable_NothingRemembered(benchmark::State& state)
{
    int month = 0;
    for (auto _ : state) {
        state.SetIterationTime(OnFreshThread([&] { BuildMonth(month); }));
        month = (month + 101) % kMonths;
    }
}
BENCHMARK(BM_MonthTable_NothingRemembered)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_MonthTable_WholeRange(benchmark::State& state)
{
    for (auto _ : state) {
        for (int month = 0; month < kMonths; ++month)
            BuildMonth(month);
    }
    state.SetItemsProcessed(state.iterations() * kMonths);
}
BENCHMARK(BM_MonthTable_WholeRange)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

void BM_MonthTable_Precise_NothingRemembered(benchmark::State& state)
{
    int month = 0;
    for (auto _ : state) {
        state.SetIterationTime(OnFreshThread([&] { BuildMonth(month, Astronomy::Precise); }));
        month = (month + 101) % kMonths;
    }
}
BENCHMARK(BM_MonthTable_Precise_NothingRemembered)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_MonthTable_Precise_WholeRange(benchmark::State& state)
{
    for (auto _ : state) {
        state.SetIterationTime(OnFreshThread([] {
            for (int month = 0; month < kMonths; ++month)
                BuildMonth(month, Astronomy::Precise);
        }));
    }
    state.SetItemsProcessed(state.iterations() * kMonths);
}
BENCHMARK(BM_MonthTable_Precise_WholeRange)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_MonthTable_Precise_Stepping(benchmark::State& state)
{
    int month = 1200;
    for (auto _ : state) {
        BuildMonth(month, Astronomy::Precise);
        month = (month + 1) % kMonths;
    }
}
BENCHMARK(BM_MonthTable_Precise_Stepping)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
