// The settings as the main window reads them at start-up and writes them
// after the settings dialog, and the dialog's transfer record.
#include "settings/init_info.h"

#include "platform/profile.h"
#include "platform/sjis.h"
#include "resources/string_table.h"
#include "settings/status.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

class InitInfoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousDir = fs::current_path();
        dir = fs::temp_directory_path() /
              ("vesoma_init_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        fs::current_path(dir);
        CStatus::EventInfo = CStatus::TableType = CStatus::UnseiDisp = 99;
    }
    void TearDown() override
    {
        fs::current_path(previousDir);
        fs::remove_all(dir);
    }

    void WriteProfile(const std::string& text) { std::ofstream(dir / "VESOMA.ini", std::ios::binary) << text; }
    std::string ReadProfile() const
    {
        std::ifstream in(dir / "VESOMA.ini", std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

    InitInfoFields Fields() { return {szTitle, szShortName, szEventFile, szIniFile, szSection}; }

    char szTitle[kTitleSize] = {};
    char szShortName[kTitleSize] = {};
    char szEventFile[kEventFileSize] = {};
    char szIniFile[kIniFileSize] = {};
    char szSection[kSectionSize] = {};
    fs::path dir;
    fs::path previousDir;
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
    EXPECT_EQ(CStatus::EventInfo, 1);
    EXPECT_EQ(CStatus::TableType, 1);
    EXPECT_EQ(CStatus::UnseiDisp, 1);
    EXPECT_TRUE(fs::is_empty(dir));
}

TEST_F(InitInfoTest, ValuesComeFromTheProfileOfTheWorkingDirectory)
{
    const std::string file = platform::SjisText("予定\\家族.cal");
    WriteProfile("[vesoma]\r\nEventFile=" + file + "\r\nEventInfo=0\r\nTable=5\r\nUnsei=abc\r\n");
    GetInitInfo(Fields());
    EXPECT_EQ(std::string(szEventFile), file);
    EXPECT_EQ(CStatus::EventInfo, 0);
    EXPECT_EQ(CStatus::TableType, 5);
    EXPECT_EQ(CStatus::UnseiDisp, 0);
}

TEST_F(InitInfoTest, AnOverlongEventFileIsCutAtACharacterBoundary)
{
    // 130 full-width characters: byte 259 is the first half of the last one.
    std::string name;
    for (int i = 0; i < 130; ++i)
        name += platform::SjisText("予");
    WriteProfile("[VESOMA]\nEventFile=" + name + "\n");
    GetInitInfo(Fields());
    EXPECT_EQ(std::string(szEventFile), name.substr(0, 258));

    WriteProfile("[VESOMA]\nEventFile=x" + name + "\n");
    GetInitInfo(Fields());
    EXPECT_EQ(std::string(szEventFile), "x" + name.substr(0, 258));
}

TEST_F(InitInfoTest, PutInitInfoWritesTheFourKeysAndKeepsTheRest)
{
    WriteProfile("; mine\r\n[VESOMA]\r\nTable=2\r\nOther=keep\r\n");
    GetInitInfo(Fields());
    std::strcpy(szEventFile, "NEW.CAL");
    CStatus::EventInfo = 0;
    CStatus::TableType = 2;
    CStatus::UnseiDisp = 1;
    PutInitInfo(Fields());
    EXPECT_EQ(ReadProfile(),
              "; mine\r\n[VESOMA]\r\nTable=2\r\nOther=keep\r\nEventFile=NEW.CAL\r\nEventInfo=0\r\nUnsei=1\r\n");

    CStatus::EventInfo = CStatus::TableType = CStatus::UnseiDisp = 7;
    szEventFile[0] = '\0';
    GetInitInfo(Fields());
    EXPECT_STREQ(szEventFile, "NEW.CAL");
    EXPECT_EQ(CStatus::EventInfo, 0);
    EXPECT_EQ(CStatus::TableType, 2);
    EXPECT_EQ(CStatus::UnseiDisp, 1);
}

TEST_F(InitInfoTest, TheProfileStaysTheOneOfTheStartDirectory)
{
    GetInitInfo(Fields());
    fs::create_directory(dir / "elsewhere");
    fs::current_path(dir / "elsewhere");
    PutInitInfo(Fields());
    EXPECT_TRUE(fs::exists(dir / "VESOMA.ini"));
    EXPECT_FALSE(fs::exists(dir / "elsewhere" / "VESOMA.ini"));
}

struct TransferCase {
    int table;
    std::uint32_t kyureki, rekicyu;  // what the dialog shows
};

TEST_F(InitInfoTest, TheTransferRecordShowsTheTableAsTwoChecks)
{
    const TransferCase cases[] = {{0, 0, 0}, {1, 1, 0}, {2, 1, 1}, {5, 1, 0}, {-1, 1, 0}};
    for (const TransferCase& c : cases) {
        CStatus::TableType = c.table;
        CStatus::EventInfo = 0;
        CStatus::UnseiDisp = 3;
        FillInitSet("A.CAL");
        EXPECT_STREQ(ssInitSet.szEventFile, "A.CAL");
        EXPECT_EQ(ssInitSet.bEventInfo, 0u);
        EXPECT_EQ(ssInitSet.bKyureki, c.kyureki) << "Table " << c.table;
        EXPECT_EQ(ssInitSet.bRekicyu, c.rekicyu) << "Table " << c.table;
        EXPECT_EQ(ssInitSet.bUnsei, 1u);
    }
}

TEST_F(InitInfoTest, ConfirmedChecksCountIntoTheTable)
{
    struct {
        std::uint32_t kyureki, rekicyu;
        int table;
    } const cases[] = {{0, 0, 0}, {1, 0, 1}, {1, 1, 2}, {0, 1, 1}};
    for (const auto& c : cases) {
        FillInitSet("OLD.CAL");
        std::strcpy(ssInitSet.szEventFile, "NEW.CAL");
        ssInitSet.bEventInfo = 1;
        ssInitSet.bKyureki = c.kyureki;
        ssInitSet.bRekicyu = c.rekicyu;
        ssInitSet.bUnsei = 0;
        ApplyInitSet(szEventFile);
        EXPECT_STREQ(szEventFile, "NEW.CAL");
        EXPECT_EQ(CStatus::EventInfo, 1);
        EXPECT_EQ(CStatus::TableType, c.table);
        EXPECT_EQ(CStatus::UnseiDisp, 0);
    }
}

TEST_F(InitInfoTest, ALongEventFileSurvivesTheTransferWhole)
{
    std::string name(259, 'a');
    std::strcpy(szEventFile, name.c_str());
    FillInitSet(szEventFile);
    ApplyInitSet(szEventFile);
    EXPECT_EQ(std::string(szEventFile), name);
}

TEST(StringTableTest, MissingStringsGiveTheFallback)
{
    char text[8];
    resources::CopyString(2050, "x", text, 7);
    EXPECT_EQ(platform::ToUtf8(text), "運勢暦");
    EXPECT_EQ(resources::LoadString(2054), nullptr);
    resources::CopyString(2054, "fallback-too-long", text, 7);
    EXPECT_STREQ(text, "fallbac");
    resources::CopyString(2049, "", text, 7);  // cut at a character boundary
    EXPECT_EQ(platform::ToUtf8(text), "Ｑｕｅ");
}

}  // namespace
