// Any command line, its arguments the bytes between NUL bytes. Reading it
// gives either the reason why it cannot be used, or options the tool can act
// on: a detail of 0-2, months within 1900-2100 running forwards (or none, for
// the current month), a day within its month, an event file with a name.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/options.h"
#include "core/calendar/date_arith.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\0')
            args.emplace_back();
        else
            args.back() += static_cast<char>(data[i]);
    }
    CliOptions options;
    const std::string problem = ParseCliOptions(args, options);
    if (!problem.empty())
        return 0;
    const int first = options.firstYear * 12 + options.firstMonth;
    const int last = options.lastYear * 12 + options.lastMonth;
    const bool current = options.firstYear == 0 && first == 0 && last == 0 && options.day == 0;
    const bool range = options.firstYear >= 1900 && options.lastYear <= 2100 && options.firstMonth >= 1 &&
                       options.firstMonth <= 12 && options.lastMonth >= 1 && options.lastMonth <= 12 &&
                       first <= last;
    const int date[3] = {options.firstYear, options.firstMonth, 1};
    const bool day = options.day == 0 ||
                     (first == last && !options.tsv && options.day >= 1 && options.day <= GetMaxDate(date));
    if (options.table < 0 || options.table > 2 || !(current || (range && day)))
        std::abort();
    for (const std::string& arg : args) {
        if (arg == "--events" && options.eventFile.empty())
            std::abort();
    }
    return 0;
}
