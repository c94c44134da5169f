// vesoma-cal: the almanac of a month in the terminal.
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "almanac/vesoma.h"
#include "cli/options.h"

namespace {

void PrintTsvHeader()
{
    std::puts("nYear\tnMonth\tnDay\tnWeekCode\tnInMonth\tnInDay\tnUrus\tnKanshi\tnKusei\tnRoki"
              "\tnShuku\tnChoku\tnReki\tnEvent\tnHoly\tnSekki");
}

void PrintTsvMonth(const Vesoma& table)
{
    for (int i = 0; i < table.nDays; ++i) {
        const DayEntry& d = table.Day[i];
        std::printf("%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\n", d.nYear,
                    d.nMonth, d.nDay, d.nWeekCode, d.nInMonth, d.nInDay, d.nUrus, d.nKanshi,
                    d.nKusei, d.nRoki, d.nShuku, d.nChoku, d.nReki, d.nEvent, d.nHoly, d.nSekki);
    }
}

void UseCurrentMonth(CliOptions& options)
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    options.firstYear = options.lastYear = local.tm_year + 1900;
    options.firstMonth = options.lastMonth = local.tm_mon + 1;
}

}  // namespace

int main(int argc, char** argv)
{
    CliOptions options;
    const std::string problem =
        ParseCliOptions(std::vector<std::string>(argv + 1, argv + argc), options);
    if (!problem.empty()) {
        std::fprintf(stderr, "vesoma-cal: %s (see --help)\n", problem.c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(kCliUsage, stdout);
        return 0;
    }
    if (options.firstYear == 0)
        UseCurrentMonth(options);

    PrintTsvHeader();
    int date[3] = {options.firstYear, options.firstMonth, 1};
    for (;;) {
        kc.SetCalender(date);
        PrintTsvMonth(kc);
        if (date[0] == options.lastYear && date[1] == options.lastMonth)
            break;
        if (++date[1] > 12) {
            date[1] = 1;
            ++date[0];
        }
    }
    return 0;
}
