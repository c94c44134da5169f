// The event store at the size of a long-used event file: loading 10,000 lines,
// and the 31 scans with which the month grid counts the events of each day.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <benchmark/benchmark.h>

#include "core/almanac/vesoma.h"
#include "core/events/events.h"
#include "platform/sjis.h"

namespace {

constexpr int kRecords = 10000;

// A mix of the record kinds a user keeps: dates, yearly and monthly dates,
// weekday rules, with names of typical length.
std::string EventFileBytes()
{
    std::string bytes;
    char line[nEventLineSize];
    const std::string name = platform::ToSjis("打ち合わせ（定例）");
    const std::string weekday = platform::ToSjis("第２火曜日");
    for (int i = 0; i < kRecords; ++i) {
        switch (i % 4) {
        case 0:
            std::snprintf(line, sizeof line, "%4d/%2d/%2d,", 1990 + i % 30, i % 12 + 1, i % 28 + 1);
            break;
        case 1:
            std::snprintf(line, sizeof line, "****/%2d/%2d,", i % 12 + 1, i % 28 + 1);
            break;
        case 2:
            std::snprintf(line, sizeof line, "****/**/%2d,", i % 28 + 1);
            break;
        default:
            std::snprintf(line, sizeof line, "****/**/%s,", weekday.c_str());
            break;
        }
        bytes += line + name + std::to_string(i) + "\r\n";
    }
    return bytes;
}

// The event file in a folder of its own, removed when the run ends.
class BenchEventFile {
public:
    BenchEventFile()
    {
        char pattern[] = "/tmp/vesoma-bench-XXXXXX";
        if (mkdtemp(pattern) == nullptr)
            std::abort();
        folder_ = pattern;
        path = folder_ + "/VESOMA.CAL";
        std::ofstream(path, std::ios::binary) << EventFileBytes();
    }
    ~BenchEventFile()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    std::string path;

private:
    std::string folder_;
};

const std::string& EventFile()
{
    static const BenchEventFile file;
    return file.path;
}

void BM_LoadEventFile10000Lines(benchmark::State& state)
{
    std::string path = EventFile();
    for (auto _ : state) {
        if (Evs.LoadEvent(path.data()) != 1 || Events::nCount != kRecords)
            state.SkipWithError("the event file did not load");
        benchmark::DoNotOptimize(Events::hMem.data());
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

}  // namespace
