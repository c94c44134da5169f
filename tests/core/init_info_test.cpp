// The settings as the main window reads them at start-up and writes them
// after the settings dialog.
#include "core/settings/init_info.h"

#include <array>
#include <cstring>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "core/settings/status.h"
#include "core/settings/string_table.h"
#include "platform/sjis.h"
#include "tests/core/event_files.h"

namespace {

namespace fs = std::filesystem;

// EventInfo, Table and Unsei as the program holds them.
std::array<int, 3> Flags()
{
    return {CStatus::EventInfo, CStatus::TableType, CStatus::UnseiDisp};
}

class InitInfoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::current_path(folder.File(""));
        CStatus::EventInfo = CStatus::TableType = CStatus::UnseiDisp = 99;
    }
    void TearDown() override { fs::current_path(previousDir); }

    InitInfoFields Fields() { return {szTitle, szShortName, szEventFile, szIniFile, szSection}; }

    const fs::path previousDir = fs::current_path();
    EventFolder folder;
    const std::string ini = folder.File("VESOMA.ini");
    char szTitle[kTitleSize] = {};
    char szShortName[kTitleSize] = {};
    char szEventFile[kEventFileSize] = {};
    char szIniFile[kIniFileSize] = {};
    char szSection[kSectionSize] = {};
};

TEST_F(InitInfoTest, FirstStartGivesTheDefaultsAndWritesNothing)
{
    GetInitInfo(Fields());
    EXPECT_EQ(platform::ToUtf8(szTitle), "Ｑｕｅｌｏｎの運勢暦");
    EXPECT_EQ(platform::ToUtf8(szShortName), "運勢暦");
    EXPECT_STREQ(szSection, "VESOMA");
    EXPECT_STREQ(szHelpFile, "VESOMA.HLP");
    EXPECT_STREQ(szEventFile, "VESOMA.CAL");
    EXPECT_EQ(fs::path(szIniFile), fs::current_path() / "VESOMA.ini");
    EXPECT_EQ(Flags(), (std::array<int, 3>{1, 1, 1}));
    EXPECT_TRUE(fs::is_empty(fs::current_path()));
}

TEST_F(InitInfoTest, ValuesComeFromTheProfileOfTheWorkingDirectory)
{
    const std::string file = platform::SjisText("予定\\家族.cal");
    WriteBytes(ini, "[vesoma]\r\nEventFile=" + file + "\r\nEventInfo=0\r\nTable=5\r\nUnsei=abc\r\n");
    GetInitInfo(Fields());
    EXPECT_EQ(std::string(szEventFile), file);
    EXPECT_EQ(Flags(), (std::array<int, 3>{0, 5, 0}));
}

TEST_F(InitInfoTest, AnOverlongEventFileIsCutAtACharacterBoundary)
{
    // 130 full-width characters: byte 259 is the first half of the last one.
    std::string name;
    for (int i = 0; i < 130; ++i)
        name += platform::SjisText("予");
    for (const std::string prefix : {"", "x"}) {
        WriteBytes(ini, "[VESOMA]\nEventFile=" + prefix + name + "\n");
        GetInitInfo(Fields());
        EXPECT_EQ(std::string(szEventFile), prefix + name.substr(0, 258)) << "prefix '" << prefix << "'";
    }
}

TEST_F(InitInfoTest, PutInitInfoWritesTheFourKeysIntoTheStartProfileAndKeepsTheRest)
{
    WriteBytes(ini, "; mine\r\n[VESOMA]\r\nTable=2\r\nOther=keep\r\n");
    GetInitInfo(Fields());
    fs::create_directory("elsewhere");
    fs::current_path("elsewhere");
    std::strcpy(szEventFile, "NEW.CAL");
    CStatus::EventInfo = 0;
    CStatus::TableType = 2;
    CStatus::UnseiDisp = 1;
    PutInitInfo(Fields());
    EXPECT_EQ(
        ReadBytes(ini),
        "; mine\r\n[VESOMA]\r\nTable=2\r\nOther=keep\r\nEventFile=NEW.CAL\r\nEventInfo=0\r\nUnsei=1\r\n");
    EXPECT_TRUE(fs::is_empty(fs::current_path()));
}

TEST(StringTableTest, MissingStringsGiveTheFallbackCutAtACharacterBoundary)
{
    char text[8];
    resources::CopyString(2050, "x", text, 7);
    EXPECT_EQ(platform::ToUtf8(text), "運勢暦");
    EXPECT_EQ(resources::LoadString(2054), nullptr);
    resources::CopyString(2054, "fallback-too-long", text, 7);
    EXPECT_STREQ(text, "fallbac");
    resources::CopyString(2049, "", text, 7);
    EXPECT_EQ(platform::ToUtf8(text), "Ｑｕｅ");
}

}  // namespace
