// The private profile rules the settings rely on, and the settings as the main
// window reads them at start-up and writes them after the settings dialog.
#include "platform/profile.h"

#include <chrono>
#include <filesystem>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/settings/init_info.h"
#include "core/settings/status.h"
#include "core/settings/string_table.h"
#include "tests/core/event_files.h"

namespace {

namespace fs = std::filesystem;
using namespace platform;

TEST(ProfileTest, ReadingFollowsTheWindowsRulesAndNeverTouchesTheFile)
{
    EventFolder folder;
    const std::string file = folder.File("VESOMA.ini");
    EXPECT_EQ(ReadProfileString(file, "VESOMA", "EventFile", "VESOMA.CAL"), "VESOMA.CAL");
    EXPECT_TRUE(fs::is_empty(folder.File("")));

    const std::string a = SjisText("ア");  // 83 41: the second byte is 'A'
    std::string aLowered = a;
    aLowered[1] = 'a';
    const std::string zone = SjisText("ゾーン");  // ゾ is 83 5D: a ']' inside a character
    const std::string text =
        "[OTHER]\r\nTable=2\r\n[vesoma]\r\nUnsei=0\r\neventfile = \"C:\\My Files\\x.cal\"\r\n" + a +
        "=1\r\na=5\n b = 2x\nc=abc\nd=-3\ne=\nf=  7  \ng=99999999999\nh=-\ni=0x10\n[" + zone + "]\r\nk=4\r\n";
    WriteBytes(file, text);
    fs::last_write_time(file, fs::last_write_time(file) - std::chrono::hours(1));
    const auto stamp = fs::last_write_time(file);

    EXPECT_EQ(ReadProfileString(file, "VESOMA", "EventFile", "-"), "C:\\My Files\\x.cal");
    // Keys of [vesoma] and the values read, 9 being the default passed: Table
    // stands only in another section; names ignore the case of ASCII letters only.
    const std::pair<std::string, int> cases[] = {
        {"Table", 9}, {"Unsei", 0},      {"a", 5}, {"b", 2}, {"c", 0}, {"d", -3},     {"e", 9},
        {"f", 7},     {"g", 2147483647}, {"h", 0}, {"i", 0}, {a, 1},   {aLowered, 9}, {SjisText("ａ"), 9}};
    for (const auto& [key, value] : cases)
        EXPECT_EQ(ReadProfileInt(file, "VESOMA", key.c_str(), 9), value) << key;
    EXPECT_EQ(ReadProfileInt(file, zone.c_str(), "k", 9), 4);
    EXPECT_EQ(fs::last_write_time(file), stamp);
    EXPECT_EQ(ReadBytes(file), text);
}

TEST(ProfileTest, WritingKeepsOtherLinesCommentsAndLineEndsAndReportsFailure)
{
    EventFolder folder;
    const std::string file = folder.File("VESOMA.ini");
    WriteBytes(
        file,
        "; my settings\r\n[Other]\r\nTable=7\r\n\r\n[VESOMA]\r\n; keep\r\nTable=1\r\n\r\n[Last]\r\nx=y\r\n");
    ASSERT_TRUE(WriteProfileString(file, "VESOMA", "table", "2"));
    ASSERT_TRUE(WriteProfileString(file, "VESOMA", "EventInfo", "0"));
    EXPECT_EQ(
        ReadBytes(file),
        "; my settings\r\n[Other]\r\nTable=7\r\n\r\n[VESOMA]\r\n; keep\r\ntable=2\r\nEventInfo=0\r\n\r\n"
        "[Last]\r\nx=y\r\n");

    WriteBytes(file, "[A]\nk=1");
    const std::string path = SjisText("予定表.cal");  // 表 ends in a '\' byte
    ASSERT_TRUE(WriteProfileString(file, "VESOMA", "EventFile", path.c_str()));
    EXPECT_EQ(ReadBytes(file), "[A]\nk=1\n\n[VESOMA]\nEventFile=" + path + "\n");
    EXPECT_EQ(ReadProfileString(file, "VESOMA", "EventFile", ""), path);

    EXPECT_FALSE(WriteProfileString(folder.File("no/VESOMA.ini"), "VESOMA", "Table", "1"));
    EXPECT_FALSE(fs::exists(folder.File("no")));
}

// The profile is the user's file: one that cannot be read is never written
// over and gives the defaults, and a FIFO is never waited on. How a write keeps
// the file's mode and link is the event file's test: they share the routine.
TEST(ProfileTest, AnUnreadableProfileIsNeverWritten)
{
    EventFolder folder;
    folder.OpenToAll();
    const std::string target = folder.File("real.ini"), fifo = folder.File("fifo.ini");
    const std::string mine = "; mine\r\n[VESOMA]\r\nTable=1\r\n";
    WriteBytes(target, mine);
    fs::permissions(target, fs::perms::none);
    mkfifo(fifo.c_str(), 0666);
    for (const std::string& unread : {target, fifo}) {
        const int status = InChild(true, [&] {
            return ReadProfileInt(unread, "VESOMA", "Table", 9) == 9 &&
                   !WriteProfileString(unread, "VESOMA", "Table", "2");
        });
        if (status == 2)
            GTEST_SKIP() << "no user to read as";
        EXPECT_EQ(status, 0) << unread;
    }
    fs::permissions(target, fs::perms::owner_read);
    EXPECT_EQ(ReadBytes(target), mine);
}

TEST(InitInfoTest, ReadFromAndWrittenToTheProfileOfTheStartDirectory)
{
    const fs::path previousDir = fs::current_path();
    EventFolder folder;
    fs::current_path(folder.File(""));
    char szTitle[kTitleSize], szShortName[kTitleSize], szEventFile[kEventFileSize];
    char szIniFile[kIniFileSize], szSection[kSectionSize];
    const InitInfoFields fields{szTitle, szShortName, szEventFile, szIniFile, szSection};
    GetInitInfo(fields);  // the profile of the start directory, not there yet
    EXPECT_EQ(fs::path(szIniFile), fs::current_path() / "VESOMA.ini");

    // An overlong event file is shown cut before a character that would not
    // fit (130 full-width characters, whose last one starts at byte 259), but
    // loaded and written back whole: a cut path names another file.
    std::string name;
    for (int i = 0; i < 130; ++i)
        name += platform::SjisText("予");
    for (const std::string prefix : {"", "x"}) {
        WriteBytes(szIniFile,
                   "; mine\r\n[vesoma]\r\nEventFile=" + prefix + name + "\r\nTable=5\r\nUnsei=abc\r\n");
        GetInitInfo(fields);
        EXPECT_EQ(szEventFile, prefix + name.substr(0, 258)) << "prefix '" << prefix << "'";
        EXPECT_EQ(std::to_string(CStatus::TableType) + std::to_string(CStatus::UnseiDisp), "50");
        Evs.LoadEvent(FullEventFile(szEventFile));  // the system reads no such long name
        EXPECT_EQ(Evs.szFile, prefix + name);
        PutInitInfo(fields);
        EXPECT_EQ(platform::ReadProfileString(szIniFile, "vesoma", "EventFile", ""), prefix + name);
    }

    // Written into the profile read at start-up, wherever the program is now.
    fs::create_directory("elsewhere");
    fs::current_path("elsewhere");
    std::strcpy(szEventFile, "NEW.CAL");
    CStatus::EventInfo = 0;
    PutInitInfo(fields);
    EXPECT_EQ(ReadBytes(szIniFile),
              "; mine\r\n[vesoma]\r\nEventFile=NEW.CAL\r\nTable=5\r\nUnsei=0\r\nEventInfo=0\r\n");
    EXPECT_TRUE(fs::is_empty(fs::current_path()));
    fs::current_path(previousDir);

    // Texts of the string table are cut at a character boundary too.
    resources::CopyString(2049, "", szTitle, 7);
    EXPECT_EQ(platform::ToUtf8(szTitle), "Ｑｕｅ");
}

}  // namespace
