// Packs the editable UTF-8 fortune texts into the fortune file the program
// reads: 64-byte CP932 records, heading + text + "/E", blank-padded. Any
// record that does not fit, or that CP932 cannot hold, stops the build with
// the line that is wrong; no file is written then.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/sjis.h"

namespace {

constexpr std::size_t kRecordSize = 64;
const std::string kEndMarker = "/E";

struct Problem {
    int lineNumber;
    std::string reason;
};

bool IsFullWidthPair(const std::string& sjis)
{
    return sjis.size() == 4 && platform::IsLeadByte(static_cast<unsigned char>(sjis[0])) &&
           platform::IsLeadByte(static_cast<unsigned char>(sjis[2]));
}

// CP932 lacks the character when the conversion put in a '?' the text did not have.
bool LostCharacters(const std::string& utf8, const std::string& sjis)
{
    return std::count(utf8.begin(), utf8.end(), '?') != std::count(sjis.begin(), sjis.end(), '?');
}

std::string BlankRecord()
{
    std::string record = platform::ToSjis("　　") + kEndMarker;
    record.resize(kRecordSize, ' ');
    return record;
}

// Reads "number<TAB>heading<TAB>text" lines; '#' lines and empty lines are comments.
bool Pack(std::istream& in, std::string& out, Problem& problem)
{
    std::vector<std::string> records;
    std::string line;
    for (int lineNumber = 1; std::getline(in, line); ++lineNumber) {
        problem.lineNumber = lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string number, heading, text;
        if (!std::getline(fields, number, '\t') || !std::getline(fields, heading, '\t') ||
            !std::getline(fields, text)) {
            problem.reason = "expected number, heading and text separated by tabs";
            return false;
        }
        if (number.empty() || number.size() > 3 ||
            number.find_first_not_of("0123456789") != std::string::npos ||
            std::stoul(number) < records.size()) {
            problem.reason = "record numbers must rise: " + number;
            return false;
        }
        const std::string sjisHeading = platform::ToSjis(heading);
        const std::string sjisText = platform::ToSjis(text);
        if (!IsFullWidthPair(sjisHeading)) {
            problem.reason = "the heading must be two full-width characters";
            return false;
        }
        if (LostCharacters(text, sjisText)) {
            problem.reason = "the text has characters that CP932 lacks";
            return false;
        }
        std::string record = sjisHeading + sjisText + kEndMarker;
        if (record.size() > kRecordSize) {
            problem.reason = "the record takes " + std::to_string(record.size()) + " bytes, " +
                             std::to_string(kRecordSize) + " at most (heading, text and /E)";
            return false;
        }
        record.resize(kRecordSize, ' ');
        records.resize(std::stoul(number), BlankRecord());
        records.push_back(record);
    }
    for (const std::string& record : records)
        out += record;
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: ums_pack TEXTS.txt OUTPUT.ums\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << argv[1] << ": cannot open\n";
        return 1;
    }
    std::string packed;
    Problem problem{0, ""};
    if (!Pack(in, packed, problem)) {
        std::cerr << argv[1] << ":" << problem.lineNumber << ": " << problem.reason << "\n";
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    if (!out.write(packed.data(), static_cast<std::streamsize>(packed.size())) || !out.flush()) {
        out.close();
        std::remove(argv[2]);
        std::cerr << argv[2] << ": cannot write\n";
        return 1;
    }
    return 0;
}
