// The iCalendar export at the byte level and its terminal options; the real
// parsers read the tool's output in tests/ics (unique UIDs, whole days, stamps).
#include "core/almanac/ics_export.h"

#include <algorithm>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/options.h"
#include "core/events/events.h"

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(text.substr(at, end - at));
    return lines;
}

TEST(IcsExport, FoldsAtCharacterBoundariesAndEscapes)
{
    std::string kanji;
    for (int i = 0; i < 40; ++i)
        kanji += "予定";
    for (const std::string& line : {std::string(200, 'a'), "SUMMARY:" + kanji, std::string(75, 'b'),
                                    std::string(73, 'c') + "曜", "X:" + kanji.substr(1)}) {
        std::string out;
        IcsAppendLine(out, line);
        std::string unfolded;
        for (const std::string& part : Lines(out)) {
            EXPECT_LE(part.size(), 75u) << line;
            EXPECT_FALSE(unfolded.empty() == (part[0] == ' ')) << line;
            const unsigned char first = static_cast<unsigned char>(part[unfolded.empty() ? 0 : 1]);
            EXPECT_FALSE(!unfolded.empty() && (first & 0xC0) == 0x80) << line;
            unfolded += unfolded.empty() ? part : part.substr(1);
        }
        EXPECT_EQ(unfolded, line);
        EXPECT_EQ(out.size() - out.rfind("\r\n"), 2u);
    }
    for (const auto& [text, escaped] : std::vector<std::pair<std::string, std::string>>{
             {"a;b\\c", "a\\;b\\\\c"}, {"x,y", "x\\,y"}, {"l1\nl2\r\nl3", "l1\\nl2\\nl3"}, {"大安", "大安"}})
        EXPECT_EQ(IcsEscape(text), escaped);
}

TEST(IcsExport, WholeDaysStableUidsAndCounts)
{
    std::string first, second;
    EXPECT_EQ(ExportIcs({}, Evs, 2000, 2000, {}, 0, first), 366 + 24 + 15);
    EXPECT_EQ(ExportIcs({}, Evs, 2000, 2000, {false, false, true, false}, 1000000000, second), 366);
    EXPECT_NE(second.find("DTSTAMP:20010909T014640Z\r\n"), std::string::npos);
    EXPECT_NE(first.find("DTSTART;VALUE=DATE:20000228\r\nDTEND;VALUE=DATE:20000229\r\n"), std::string::npos);
    std::vector<std::string> uids, rokuyo;
    for (auto [text, list] : {std::pair{&first, &uids}, std::pair{&second, &rokuyo}})
        for (const std::string& line : Lines(*text))
            if (line.rfind("UID:", 0) == 0)
                list->push_back(line);
    for (const std::string& uid : rokuyo)
        EXPECT_NE(std::find(uids.begin(), uids.end(), uid), uids.end()) << uid;
    EXPECT_EQ(ExportIcs({}, Evs, 2000, 2101, {}, 0, first), -1);
    EXPECT_EQ(ExportIcs({}, Evs, 2000, 2000, {}, 0, first, [](int done, int) { return done < 3; }), -1);
}

TEST(IcsExport, TerminalOptions)
{
    // Cases split by '|', each's first word: 0 refused; 1 accepted with the events; 2 without them.
    std::istringstream cases(
        "1 --ics 2027|1 --ics 1900 2100 --with=rokuyo,events|2 --with=rokuyo --ics 2027|"
        "0 --ics|0 --ics 2027 2026|0 --ics 1899|0 --ics 2027 1 2|0 --ics 2027 --with=terms,moon|"
        "0 --ics 2027 --with=|0 --with=terms 2027 1|0 --ics --tsv 2027|0 --ics --day 2027 1 1");
    for (std::string line; std::getline(cases, line, '|');) {
        std::istringstream words(line.substr(2));
        const std::vector<std::string> args{std::istream_iterator<std::string>(words), {}};
        const int result = line[0] - '0';
        CliOptions options;
        EXPECT_EQ(ParseCliOptions(args, options).empty(), result > 0) << line;
        EXPECT_TRUE(result == 0 ||
                    (options.ics && options.icsKinds.bRokuyo && options.icsKinds.bEvents == (result == 1)))
            << line;
    }
    for (const char* option : {"--table", "--color=", "--tsv", "--astronomy=", "--holidays=", "--events",
                               "--day", "--ics", "--with=", "--help"})  // in the usage lines
        EXPECT_LT(std::string(kCliUsage).find(option), std::string(kCliUsage).find("\nPrints")) << option;
}

}  // namespace
