// vesoma-cal: the almanac of a month in the terminal.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include <unistd.h>

#include "cli/options.h"
#include "core/almanac/day_view.h"
#include "core/almanac/month_pages.h"
#include "core/almanac/vesoma.h"
#include "core/events/events.h"
#include "core/fortune/fortune_file.h"
#include "core/fortune/ums_location.h"
#include "core/settings/status.h"
#include "platform/cell_surface.h"
#include "platform/file_io.h"

namespace {

void PrintTsvHeader()
{
    std::puts(
        "nYear\tnMonth\tnDay\tnWeekCode\tnInMonth\tnInDay\tnUrus\tnKanshi\tnKusei\tnRoki"
        "\tnShuku\tnChoku\tnReki\tnEvent\tnHoly\tnSekki");
}

void PrintTsvMonth(const Vesoma& table)
{
    for (int i = 0; i < table.nDays; ++i) {
        const DayEntry& d = table.Day[i];
        std::printf("%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\n", d.nYear, d.nMonth,
                    d.nDay, d.nWeekCode, d.nInMonth, d.nInDay, d.nUrus, d.nKanshi, d.nKusei, d.nRoki,
                    d.nShuku, d.nChoku, d.nReki, d.nEvent, d.nHoly, d.nSekki);
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

// The user's events, as the program loads them at start-up. False when a
// named file cannot be read.
bool LoadEvents(const CliOptions& options)
{
    std::string path = options.eventFile.empty() ? "VESOMA.CAL" : options.eventFile;
    if (options.eventFile.empty() && !platform::FileExists(path.c_str()))
        return true;
    // Only read, so no lock: the program may write the file meanwhile.
    if (!platform::FileExists(path.c_str()) || Evs.LoadEvent(path.c_str(), 0) != 1) {
        std::fprintf(stderr, "vesoma-cal: cannot read the event file %s\n", path.c_str());
        return false;
    }
    if (Evs.nUnreadLines > 0)
        std::fprintf(stderr, "vesoma-cal: %d lines of the event file %s could not be read\n",
                     Evs.nUnreadLines, path.c_str());
    return true;
}

// The event count of every day, as the month grid stores it.
void CountEvents(Vesoma& table)
{
    char names[64];
    for (int i = 0; i < table.nDays; ++i)
        table.CountDayEvents(i, names);
}

// The day window's body for the table's current day, as many lines as it
// draws, with the fortune texts when vesoma.ums is at hand.
void PrintDay(Vesoma& table, bool colour)
{
    const DayEntry& day = ShownDay(table);
    const char* path = UmsFilePath();
    const bool loaded = platform::FileExists(path) && ums.LoadUmsFile(path) == 1;
    FUms* fortune = loaded ? &ums : nullptr;
    // Room for every event and for ten two-line paragraphs below them.
    platform::CellSurface surface(80, 8 + day.nEvent + day.nEvent / 10 + 24, 8, 16);
    const int lines = DrawVesomaDay(surface, day, Evs, fortune).nLines;
    const std::string rows = colour ? surface.RenderAnsi() : surface.RenderPlain();
    std::size_t end = 0;
    for (int i = 0; i < lines && end != std::string::npos; ++i)
        end = rows.find('\n', end + (i > 0));
    std::fwrite(rows.data(), 1, end == std::string::npos ? rows.size() : end + 1, stdout);
}

// The exit code once everything is printed: 1 with a message when the
// output could not be written (a full disk, a closed pipe).
int Finish()
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return 0;
    std::fprintf(stderr, "vesoma-cal: cannot write the output: %s\n", std::strerror(errno));
    return 1;
}

// The stamp of an export: SOURCE_DATE_EPOCH when set, so that a build can
// make the same bytes twice; else now. False when the variable is no number.
bool ExportStamp(std::int64_t& stamp)
{
    const char* text = std::getenv("SOURCE_DATE_EPOCH");
    if (text == nullptr) {
        stamp = static_cast<std::int64_t>(std::time(nullptr));
        return true;
    }
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(text, &end, 10);
    stamp = value;
    return *text >= '0' && *text <= '9' && *end == '\0' && errno == 0;
}

int PrintIcs(const CliOptions& options)
{
    std::int64_t stamp;
    if (!ExportStamp(stamp)) {
        std::fputs("vesoma-cal: SOURCE_DATE_EPOCH is not a count of seconds\n", stderr);
        return 2;
    }
    std::string calendar;
    ExportIcs(options.choices, Evs, options.firstYear, options.lastYear, options.icsKinds, stamp, calendar);
    std::fwrite(calendar.data(), 1, calendar.size(), stdout);
    return Finish();
}

int WritePdf(const CliOptions& options)
{
    const MonthSpan span{{options.firstYear, options.firstMonth}, {options.lastYear, options.lastMonth}};
    if (WriteMonthsPdf(span, options.choices, platform::PaperSize{}, options.pdfFile.c_str()))
        return 0;
    std::fprintf(stderr, "vesoma-cal: cannot write the PDF file %s\n", options.pdfFile.c_str());
    return 1;
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
    const std::string problem = ParseCliOptions(std::vector<std::string>(argv + 1, argv + argc), options);
    if (!problem.empty()) {
        std::fprintf(stderr, "vesoma-cal: %s (see --help)\n", problem.c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(kCliUsage, stdout);
        return Finish();
    }
    if (options.firstYear == 0)
        UseCurrentMonth(options);
    if (!LoadEvents(options))
        return 1;

    if (options.ics)
        return PrintIcs(options);
    CStatus::TableType = options.table;
    kc.choices = options.choices;
    if (!options.pdfFile.empty())
        return WritePdf(options);
    const bool colour = UseColour(options.colour);
    if (options.tsv)
        PrintTsvHeader();
    if (options.day > 0) {
        const int date[3] = {options.firstYear, options.firstMonth, options.day};
        kc.SetCalender(date);
        kc.SetDate(date);
        CountEvents(kc);
        PrintDay(kc, colour);
        return Finish();
    }
    int date[3] = {options.firstYear, options.firstMonth, 1};
    for (;;) {
        kc.SetCalender(date);
        if (options.tsv) {
            CountEvents(kc);
            PrintTsvMonth(kc);
        } else {
            PrintGridMonth(kc, colour);
        }
        if ((date[0] == options.lastYear && date[1] == options.lastMonth) || std::ferror(stdout))
            break;
        if (!options.tsv)
            std::putchar('\n');
        if (++date[1] > 12) {
            date[1] = 1;
            ++date[0];
        }
    }
    return Finish();
}
