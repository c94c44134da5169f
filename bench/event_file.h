// An event file of the size a long-used one reaches, in a folder of its own
// that goes when the benchmark ends.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/events/events.h"
#include "platform/sjis.h"

// A mix of the record kinds a user keeps: dates, yearly and monthly dates,
// weekday rules, with names of typical length.
inline std::string EventFileBytes(int records)
{
    std::string bytes;
    char line[nEventLineSize];
    const std::string name = platform::ToSjis("打ち合わせ（定例）");
    const std::string weekday = platform::ToSjis("第２火曜日");
    for (int i = 0; i < records; ++i) {
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

class BenchEventFile {
public:
    explicit BenchEventFile(int records)
    {
        char pattern[] = "/tmp/vesoma-bench-XXXXXX";
        if (mkdtemp(pattern) == nullptr)
            std::abort();
        folder_ = pattern;
        path = folder_ + "/VESOMA.CAL";
        std::ofstream(path, std::ios::binary) << EventFileBytes(records);
    }
    ~BenchEventFile()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    BenchEventFile(const BenchEventFile&) = delete;
    BenchEventFile& operator=(const BenchEventFile&) = delete;
    std::string path;

private:
    std::string folder_;
};
