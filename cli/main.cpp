// vesoma-cal: the almanac of a month in the terminal.
#include <cstdio>
#include <ctime>
#include <string>
#include <unistd.h>
#include <vector>

#include "almanac/vesoma.h"
#include "cli/options.h"
#include "platform/cell_surface.h"
#include "settings/status.h"

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

// The month as the main window draws it: 78 cells wide, one row per line of
// the grid. The cell size is any the drawing arithmetic divides evenly.
void PrintGridMonth(Vesoma& table, bool colour)
{
    platform::CellSurface surface(78, table.nDays + 2, 8, 16);
    table.DarwCalender(surface);
    std::fputs((colour ? surface.RenderAnsi() : surface.RenderPlain()).c_str(), stdout);
}

bool UseColour(ColourMode mode)
{
    return mode == ColourMode::Always || (mode == ColourMode::Auto && isatty(STDOUT_FILENO));
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

    CStatus::TableType = options.table;
    const bool colour = UseColour(options.colour);
    if (options.tsv)
        PrintTsvHeader();
    int date[3] = {options.firstYear, options.firstMonth, 1};
    for (;;) {
        kc.SetCalender(date);
        if (options.tsv)
            PrintTsvMonth(kc);
        else
            PrintGridMonth(kc, colour);
        if (date[0] == options.lastYear && date[1] == options.lastMonth)
            break;
        if (!options.tsv)
            std::putchar('\n');
        if (++date[1] > 12) {
            date[1] = 1;
            ++date[0];
        }
    }
    return 0;
}
