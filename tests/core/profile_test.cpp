// The private profile rules the settings rely on.
#include "platform/profile.h"

#include <chrono>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "platform/sjis.h"
#include "tests/core/event_files.h"

namespace {

namespace fs = std::filesystem;
using platform::ReadProfileInt;
using platform::ReadProfileString;
using platform::WriteProfileString;

TEST(ProfileTest, ReadingFollowsTheWindowsRulesAndNeverTouchesTheFile)
{
    EventFolder folder;
    const std::string file = folder.File("VESOMA.ini");
    EXPECT_EQ(ReadProfileString(file, "VESOMA", "EventFile", "VESOMA.CAL"), "VESOMA.CAL");
    EXPECT_EQ(ReadProfileInt(file, "VESOMA", "Table", 1), 1);
    EXPECT_TRUE(fs::is_empty(folder.File("")));

    const std::string a = platform::SjisText("ア");      // 83 41: second byte is 'A'
    const std::string aWide = platform::SjisText("ａ");  // 82 81
    std::string aLowered = a;
    aLowered[1] = 'a';
    const std::string zone = platform::SjisText("ゾーン");  // "ゾ" is 83 5D: a ']' inside a character
    const std::string text =
        "[OTHER]\r\nTable=2\r\n[vesoma]\r\nUnsei=0\r\neventfile = \"C:\\My Files\\x.cal\"\r\n" + a +
        "=1\r\na=5\n b = 2x\nc=abc\nd=-3\ne=\nf=  7  \ng=99999999999\nh=-\ni=0x10\n[" + zone + "]\r\nk=4\r\n";
    WriteBytes(file, text);
    fs::last_write_time(file, fs::last_write_time(file) - std::chrono::hours(1));
    const auto stamp = fs::last_write_time(file);

    EXPECT_EQ(ReadProfileString(file, "VESOMA", "EventFile", "-"), "C:\\My Files\\x.cal");
    const struct {
        const char* section;
        const char* key;
        int value;
    } cases[] = {
        {"VESOMA", "Table", 9},  // only in another section
        {"VESOMA", "Unsei", 0},       {"VESOMA", "a", 5},          {"VESOMA", "b", 2},
        {"VESOMA", "c", 0},           {"VESOMA", "d", -3},         {"VESOMA", "e", 9},
        {"VESOMA", "f", 7},           {"VESOMA", "g", 2147483647}, {"VESOMA", "h", 0},
        {"VESOMA", "i", 0},           {"VESOMA", a.c_str(), 1},    {"VESOMA", aLowered.c_str(), 9},
        {"VESOMA", aWide.c_str(), 9}, {zone.c_str(), "k", 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadProfileInt(file, c.section, c.key, 9), c.value) << c.section << " " << c.key;
    EXPECT_EQ(fs::last_write_time(file), stamp);
    EXPECT_EQ(ReadBytes(file), text);
    EXPECT_FALSE(fs::exists(file + ".tmp"));
}

TEST(ProfileTest, WritingKeepsOtherLinesCommentsAndLineEndsAndReportsFailure)
{
    EventFolder folder;
    const std::string file = folder.File("VESOMA.ini");
    ASSERT_TRUE(WriteProfileString(file, "VESOMA", "EventFile", "VESOMA.CAL"));
    EXPECT_EQ(ReadBytes(file), "[VESOMA]\r\nEventFile=VESOMA.CAL\r\n");

    WriteBytes(file,
               "; my settings\r\n[Other]\r\nTable=7\r\n\r\n[VESOMA]\r\n; "
               "keep\r\nTable=1\r\nUnsei=0\r\n\r\n[Last]\r\nx=y\r\n");
    ASSERT_TRUE(WriteProfileString(file, "VESOMA", "table", "2"));
    ASSERT_TRUE(WriteProfileString(file, "VESOMA", "EventInfo", "0"));
    EXPECT_EQ(ReadBytes(file),
              "; my settings\r\n[Other]\r\nTable=7\r\n\r\n[VESOMA]\r\n; keep\r\ntable=2\r\nUnsei=0\r\n"
              "EventInfo=0\r\n\r\n[Last]\r\nx=y\r\n");

    WriteBytes(file, "[A]\nk=1");
    const std::string path = platform::SjisText("予定表.cal");  // "表" ends in a '\\' byte
    ASSERT_TRUE(WriteProfileString(file, "VESOMA", "EventFile", path.c_str()));
    EXPECT_EQ(ReadBytes(file), "[A]\nk=1\n\n[VESOMA]\nEventFile=" + path + "\n");
    EXPECT_EQ(ReadProfileString(file, "VESOMA", "EventFile", ""), path);

    const std::string inMissingDir = folder.File("no/VESOMA.ini");
    EXPECT_FALSE(WriteProfileString(inMissingDir, "VESOMA", "Table", "1"));
    EXPECT_FALSE(fs::exists(inMissingDir));
}

}  // namespace
