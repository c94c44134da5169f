// The command line of the terminal tool.
#pragma once

#include <string>
#include <vector>

#include "core/almanac/almanac_choices.h"
#include "core/almanac/ics_export.h"

enum class ColourMode { Auto, Always, Never };

struct CliOptions {
    bool help = false;
    bool tsv = false;
    int table = 1;                         // detail of the month grid, as the program's TableType setting
    ColourMode colour = ColourMode::Auto;  // Auto: colours when standard output is a terminal
    std::string eventFile;                 // empty: VESOMA.CAL of the working directory, when there is one
    int firstYear = 0;                     // 0: the current month
    int firstMonth = 0;
    int lastYear = 0;
    int lastMonth = 0;
    int day = 0;             // --day: the day window of firstYear, firstMonth and this day
    AlmanacChoices choices;  // --astronomy, --holidays
    bool ics = false;        // --ics: the years firstYear to lastYear as an iCalendar file
    IcsKinds icsKinds;       // --with
    std::string pdfFile;     // --pdf: the months firstYear firstMonth to lastYear lastMonth as this PDF file
};

// Reads args (without the program name). Returns an empty string on success,
// else the one-line reason why the arguments cannot be used.
std::string ParseCliOptions(const std::vector<std::string>& args, CliOptions& options);

extern const char* const kCliUsage;
