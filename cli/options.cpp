#include "cli/options.h"

#include <cerrno>
#include <cstdlib>

#include "core/almanac/month_pages.h"
#include "core/calendar/date_arith.h"

const char* const kCliUsage =
    "usage: vesoma-cal [--table 0|1|2] [--color=always|never|auto] [--tsv]\n"
    "                  [--astronomy=standard|precise] [--holidays=table|law]\n"
    "                  [--events FILE] [YEAR MONTH [YEAR2 MONTH2]]\n"
    "       vesoma-cal --day YEAR MONTH DAY [the options above but --tsv]\n"
    "       vesoma-cal --ics YEAR [YEAR2] [--with=holidays,terms,rokuyo,events]\n"
    "       vesoma-cal --pdf FILE YEAR MONTH [YEAR2 MONTH2]\n"
    "       vesoma-cal --help\n"
    "Prints the almanac of a month as the program's month table draws it (the\n"
    "current month without YEAR MONTH).\n"
    "  --table N  detail of each day's line: 0 dates, holidays, terms and events;\n"
    "             1 also the lunisolar date, nine star, six-day cycle, mansion\n"
    "             and officer (the default); 2 also the almanac notes\n"
    "  --color=W  always, never or auto (colours when printing to a terminal)\n"
    "  --tsv   one tab-separated line per day with every field of the month table,\n"
    "          for every month from YEAR MONTH to YEAR2 MONTH2 inclusive\n"
    "  --events FILE  the event file whose events the days count (default:\n"
    "          VESOMA.CAL of the working directory, when there is one)\n"
    "  --day YEAR MONTH DAY  the day window: the day's almanac, its events and,\n"
    "          with vesoma.ums of the working directory (else the installed\n"
    "          one), its fortune texts\n"
    "  --astronomy=A  standard: the sun and moon of the program's short series\n"
    "          (the default); precise: the IAU's routines, with the new moons and\n"
    "          solar terms as the official Japanese calendar takes them\n"
    "  --holidays=H  table: the fixed holidays in every year (the default); law:\n"
    "          the holidays as the law had them in each year (none before\n"
    "          20 July 1948)\n"
    "  --ics YEAR [YEAR2]  the days of YEAR to YEAR2 as an iCalendar file for\n"
    "          phone and web calendars; --with names the items that become events\n"
    "          (default: all four). DTSTAMP is the current time, or\n"
    "          SOURCE_DATE_EPOCH when it is set\n"
    "  --pdf FILE  the months YEAR MONTH to YEAR2 MONTH2 (at most 25) as the\n"
    "          program prints them, one A4 page each, into the PDF file FILE\n"
    "  --help  this text\n"
    "Years run from 1900 to 2100.\n";

namespace {

bool ReadNumber(const std::string& text, int& number)
{
    if (text.empty() || text.size() > 9)
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    number = std::atoi(text.c_str());
    return true;
}

std::string CheckMonth(int year, int month)
{
    if (year < 1900 || year > 2100)
        return "year " + std::to_string(year) + " is outside 1900-2100";
    if (month < 1 || month > 12)
        return "month " + std::to_string(month) + " is outside 1-12";
    return "";
}

std::string ReadDay(const std::vector<int>& numbers, CliOptions& options)
{
    if (options.tsv)
        return "--day and --tsv cannot be combined";
    if (numbers.size() != 3)
        return "--day takes YEAR MONTH DAY";
    const std::string problem = CheckMonth(numbers[0], numbers[1]);
    if (!problem.empty())
        return problem;
    const int date[3] = {numbers[0], numbers[1], numbers[2]};
    if (numbers[2] < 1 || numbers[2] > GetMaxDate(date))
        return "day " + std::to_string(numbers[2]) + " is not in that month";
    options.firstYear = options.lastYear = numbers[0];
    options.firstMonth = options.lastMonth = numbers[1];
    options.day = numbers[2];
    return "";
}

std::string ReadKinds(const std::string& list, IcsKinds& kinds)
{
    kinds = IcsKinds{false, false, false, false};
    std::size_t at = 0;
    for (;;) {
        const std::size_t comma = list.find(',', at);
        const std::string word = list.substr(at, comma == std::string::npos ? std::string::npos : comma - at);
        if (word == "holidays")
            kinds.bHolidays = true;
        else if (word == "terms")
            kinds.bTerms = true;
        else if (word == "rokuyo")
            kinds.bRokuyo = true;
        else if (word == "events")
            kinds.bEvents = true;
        else
            return "--with takes holidays, terms, rokuyo or events, separated by commas";
        if (comma == std::string::npos)
            return "";
        at = comma + 1;
    }
}

std::string ReadIcsYears(const std::vector<int>& numbers, CliOptions& options)
{
    if (options.tsv)
        return "--ics and --tsv cannot be combined";
    if (numbers.empty() || numbers.size() > 2)
        return "--ics takes YEAR [YEAR2]";
    options.firstYear = numbers.front();
    options.lastYear = numbers.back();
    options.firstMonth = 1;
    options.lastMonth = 12;
    for (int year : numbers) {
        if (year < 1900 || year > 2100)
            return "year " + std::to_string(year) + " is outside 1900-2100";
    }
    if (options.lastYear < options.firstYear)
        return "the range runs backwards";
    return "";
}

}  // namespace

std::string ParseCliOptions(const std::vector<std::string>& args, CliOptions& options)
{
    std::vector<int> numbers;
    bool day = false;
    bool withGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--day") {
            day = true;
        } else if (arg == "--ics") {
            options.ics = true;
        } else if (arg.rfind("--with=", 0) == 0) {
            withGiven = true;
            const std::string problem = ReadKinds(arg.substr(7), options.icsKinds);
            if (!problem.empty())
                return problem;
        } else if (arg == "--pdf") {
            if (i + 1 == args.size() || args[i + 1].empty())
                return "--pdf takes the name of a PDF file";
            options.pdfFile = args[++i];
        } else if (arg == "--tsv") {
            options.tsv = true;
        } else if (arg == "--table") {
            if (i + 1 == args.size() || !ReadNumber(args[i + 1], options.table) || options.table > 2)
                return "--table takes 0, 1 or 2";
            ++i;
        } else if (arg == "--events") {
            if (i + 1 == args.size() || args[i + 1].empty())
                return "--events takes the name of an event file";
            options.eventFile = args[++i];
        } else if (arg.rfind("--color=", 0) == 0) {
            const std::string when = arg.substr(8);
            if (when == "always")
                options.colour = ColourMode::Always;
            else if (when == "never")
                options.colour = ColourMode::Never;
            else if (when == "auto")
                options.colour = ColourMode::Auto;
            else
                return "--color takes always, never or auto";
        } else if (arg.rfind("--astronomy=", 0) == 0) {
            const std::string which = arg.substr(12);
            if (which == "standard")
                options.choices.astronomy = Astronomy::Standard;
            else if (which == "precise")
                options.choices.astronomy = Astronomy::Precise;
            else
                return "--astronomy takes standard or precise";
        } else if (arg.rfind("--holidays=", 0) == 0) {
            const std::string which = arg.substr(11);
            if (which == "table")
                options.choices.holidays = Holidays::Table;
            else if (which == "law")
                options.choices.holidays = Holidays::Law;
            else
                return "--holidays takes table or law";
        } else if (!arg.empty() && arg[0] == '-') {
            return "unknown option " + arg;
        } else {
            int number;
            if (!ReadNumber(arg, number))
                return "not a number: " + arg;
            numbers.push_back(number);
        }
    }
    if (withGiven && !options.ics)
        return "--with belongs to --ics";
    if (options.ics && day)
        return "--ics and --day cannot be combined";
    if (!options.pdfFile.empty() && (options.ics || day || options.tsv || numbers.empty()))
        return "--pdf takes YEAR MONTH [YEAR2 MONTH2] and no --ics, --day or --tsv";
    if (options.ics)
        return ReadIcsYears(numbers, options);
    if (day)
        return ReadDay(numbers, options);
    if (numbers.size() != 0 && numbers.size() != 2 && numbers.size() != 4)
        return "give YEAR MONTH, or YEAR MONTH YEAR2 MONTH2";
    if (numbers.empty())
        return "";
    options.firstYear = options.lastYear = numbers[0];
    options.firstMonth = options.lastMonth = numbers[1];
    if (numbers.size() == 4) {
        options.lastYear = numbers[2];
        options.lastMonth = numbers[3];
    }
    for (const std::string& problem : {CheckMonth(options.firstYear, options.firstMonth),
                                       CheckMonth(options.lastYear, options.lastMonth)}) {
        if (!problem.empty())
            return problem;
    }
    const int months =
        CountMonths({{options.firstYear, options.firstMonth}, {options.lastYear, options.lastMonth}});
    if (months < 1)
        return "the range runs backwards";
    if (!options.pdfFile.empty() && months > kMaxSpanPages)
        return "--pdf writes at most " + std::to_string(kMaxSpanPages) + " months";
    return "";
}
