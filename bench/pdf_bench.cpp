// A year's almanac as a PDF: twelve months, one page each, laid out, drawn
// through pango and cairo, fonts embedded, written to a file.
#include <filesystem>
#include <string>

#include <benchmark/benchmark.h>

#include "core/almanac/month_pages.h"

namespace {

void BM_PdfTwelveMonths(benchmark::State& state)
{
    const std::string path = (std::filesystem::temp_directory_path() / "vesoma-bench-year.pdf").string();
    for (auto _ : state) {
        if (!WriteMonthsPdf({{2001, 1}, {2001, 12}}, {}, platform::PaperSize{}, path.c_str()))
            state.SkipWithError("the PDF was not written");
    }
    state.counters["kB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e3;
    std::filesystem::remove(path);
}
BENCHMARK(BM_PdfTwelveMonths)->Unit(benchmark::kMillisecond);

}  // namespace
