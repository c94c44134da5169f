// The private profile rules the settings rely on.
#include "platform/profile.h"
#include "platform/sjis.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;
using platform::ReadProfileInt;
using platform::ReadProfileString;
using platform::WriteProfileString;

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() /
              ("vesoma_profile_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
        file = (dir / "VESOMA.ini").string();
    }
    void TearDown() override { fs::remove_all(dir); }

    void Put(const std::string& text)
    {
        std::ofstream(file, std::ios::binary) << text;
    }
    std::string Contents() const
    {
        std::ifstream in(file, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

    fs::path dir;
    std::string file;
};

TEST_F(ProfileTest, MissingFileSectionOrKeyGivesTheDefault)
{
    EXPECT_EQ(ReadProfileString(file, "VESOMA", "EventFile", "VESOMA.CAL"), "VESOMA.CAL");
    EXPECT_EQ(ReadProfileInt(file, "VESOMA", "Table", 1), 1);
    Put("[OTHER]\r\nTable=2\r\n[VESOMA]\r\nUnsei=0\r\n");
    EXPECT_EQ(ReadProfileInt(file, "VESOMA", "Table", 1), 1);
    EXPECT_EQ(ReadProfileInt(file, "VESOMA", "Unsei", 1), 0);
    EXPECT_FALSE(fs::exists(dir / "VESOMA.ini.tmp"));
}

TEST_F(ProfileTest, IntegersFollowTheWindowsRule)
{
    Put("[VESOMA]\n"
        "a=5\n b = 2x\nc=abc\nd=-3\ne=\nf=  7  \ng=99999999999\nh=-\ni=0x10\n");
    EXPECT_EQ(ReadProfileInt(file, "VESOMA", "a", 1), 5);
    EXPECT_EQ(ReadProfileInt(file, "VESOMA", "b", 1), 2);
    EXPECT_EQ(ReadProfileInt(file, "VESOMA", "c", 1), 0);
    EXPECT_EQ(ReadProfileInt(file, "VESOMA", "d", 1), -3);
    EXPECT_EQ(ReadProfileInt(file, "VESOMA", "e", 1), 1);
    EXPECT_EQ(ReadProfileInt(file, "VESOMA", "f", 1), 7);
    EXPECT_EQ(ReadProfileInt(file, "VESOMA", "g", 1), 2147483647);
    EXPECT_EQ(ReadProfileInt(file, "VESOMA", "h", 1), 0);
    EXPECT_EQ(ReadProfileInt(file, "VESOMA", "i", 1), 0);
}

TEST_F(ProfileTest, NamesMatchWithoutAsciiCaseButDoubleByteNamesExactly)
{
    const std::string a = platform::SjisText("ア");  // 83 41: second byte is 'A'
    const std::string a2 = platform::SjisText("ａ");  // 82 81
    Put("[vesoma]\r\neventfile = \"C:\\My Files\\x.cal\"\r\n" + a + "=1\r\n");
    EXPECT_EQ(ReadProfileString(file, "VESOMA", "EventFile", "-"), "C:\\My Files\\x.cal");
    EXPECT_EQ(ReadProfileInt(file, "VESOMA", a.c_str(), 9), 1);
    std::string lowered = a;
    lowered[1] = 'a';
    EXPECT_EQ(ReadProfileInt(file, "VESOMA", lowered.c_str(), 9), 9);
    EXPECT_EQ(ReadProfileInt(file, "VESOMA", a2.c_str(), 9), 9);
}

TEST_F(ProfileTest, SectionNameEndsAtABracketThatIsNotInsideACharacter)
{
    // "ゾ" is 83 5D: its second byte is a ']' that must not end the name.
    const std::string name = platform::SjisText("ゾーン");
    Put("[" + name + "]\r\nk=4\r\n");
    EXPECT_EQ(ReadProfileInt(file, name.c_str(), "k", 0), 4);
}

TEST_F(ProfileTest, WritingKeepsOtherLinesCommentsAndLineEnds)
{
    const std::string text = "; my settings\r\n[Other]\r\nTable=7\r\n\r\n[VESOMA]\r\n; keep\r\nTable=1\r\nUnsei=0\r\n\r\n[Last]\r\nx=y\r\n";
    Put(text);
    ASSERT_TRUE(WriteProfileString(file, "VESOMA", "table", "2"));
    ASSERT_TRUE(WriteProfileString(file, "VESOMA", "EventInfo", "0"));
    EXPECT_EQ(Contents(), "; my settings\r\n[Other]\r\nTable=7\r\n\r\n[VESOMA]\r\n; keep\r\ntable=2\r\nUnsei=0\r\n"
                          "EventInfo=0\r\n\r\n[Last]\r\nx=y\r\n");
    EXPECT_EQ(ReadProfileInt(file, "Other", "Table", 0), 7);
}

TEST_F(ProfileTest, WritingCreatesFileAndSectionAndKeepsUnixLineEnds)
{
    ASSERT_TRUE(WriteProfileString(file, "VESOMA", "EventFile", "VESOMA.CAL"));
    EXPECT_EQ(Contents(), "[VESOMA]\r\nEventFile=VESOMA.CAL\r\n");

    Put("[A]\nk=1");
    const std::string path = platform::SjisText("予定表.cal");
    ASSERT_TRUE(WriteProfileString(file, "VESOMA", "EventFile", path.c_str()));
    EXPECT_EQ(Contents(), "[A]\nk=1\n\n[VESOMA]\nEventFile=" + path + "\n");
    EXPECT_EQ(ReadProfileString(file, "VESOMA", "EventFile", ""), path);
}

TEST_F(ProfileTest, ReadingNeverRewritesTheFile)
{
    Put("[VESOMA]\r\nTable=1\r\n");
    auto before = fs::last_write_time(file);
    fs::last_write_time(file, before - std::chrono::hours(1));
    before = fs::last_write_time(file);
    ReadProfileInt(file, "VESOMA", "Table", 1);
    ReadProfileString(file, "VESOMA", "Missing", "");
    EXPECT_EQ(fs::last_write_time(file), before);
}

TEST_F(ProfileTest, AFailedWriteIsReported)
{
    const std::string inMissingDir = (dir / "no" / "VESOMA.ini").string();
    EXPECT_FALSE(WriteProfileString(inMissingDir, "VESOMA", "Table", "1"));
    EXPECT_FALSE(fs::exists(inMissingDir));
}

}  // namespace
