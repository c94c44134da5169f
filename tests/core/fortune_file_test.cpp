// The fortune file: loading whole records, the end marker, short and broken
// files, and how many lines each paragraph takes.
#include "core/fortune/fortune_file.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "core/vocabulary/vocabulary.h"
#include "platform/cell_surface.h"
#include "platform/sjis.h"
#include "tests/core/message_recorder.h"

using platform::CellSurface;
using platform::ToSjis;
using platform::ToUtf8;

namespace {

// One 64-byte record of heading and text (UTF-8) with the end marker.
std::string Record(const char* heading, const char* text, bool marker = true)
{
    std::string record = ToSjis(heading) + ToSjis(text) + (marker ? "/E" : "");
    record.resize(FUms::nRecordSize, 'x');
    return record;
}

class FortuneFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/vesoma-ums-XXXXXX";
        folder = mkdtemp(pattern);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string Write(const std::string& bytes)
    {
        const std::string path = folder + "/vesoma.ums";
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    // Draws record at line 1 of a day window of width columns on 8 x 16 cells.
    int Paragraph(FUms& file, CellSurface& surface, int record, int width)
    {
        file.nWidth = width;
        file.nCharWidth = 8;
        file.nCharHeight = 16;
        return file.DrawTextUms(surface, record, 1);
    }

    static std::string Row(const CellSurface& surface, int row)
    {
        return ToUtf8(surface.TextAt(0, row, surface.Columns()));
    }

    std::string folder;
    MessageRecorder messages;
};

TEST_F(FortuneFile, LoadsWholeRecordsAndIgnoresATail)
{
    std::string bytes;
    for (int r = 0; r < 68; ++r)
        bytes += Record("大安", "万事に吉。");
    FUms file;
    EXPECT_EQ(file.LoadUmsFile(Write(bytes + "0123456789").c_str()), 1);
    EXPECT_EQ(file.nRecords, 68);
    EXPECT_EQ(file.LoadUmsFile(Write(bytes.substr(0, 64 * 3 + 63)).c_str()), 1);  // loads again
    EXPECT_EQ(file.nRecords, 3);
    EXPECT_EQ(file.LoadUmsFile(Write("").c_str()), 1);
    EXPECT_EQ(file.nRecords, 0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FortuneFile, MissingOrUnreadableFileLoadsNothingSilently)
{
    FUms file;
    file.LoadUmsFile(Write(Record("大安", "吉。")).c_str());
    EXPECT_EQ(file.LoadUmsFile((folder + "/none.ums").c_str()), 0);
    EXPECT_EQ(file.nRecords, 0);
    EXPECT_EQ(file.LoadUmsFile(folder.c_str()), 0);  // a folder opens but cannot be read
    EXPECT_EQ(file.nRecords, 0);
    EXPECT_TRUE(messages.shown.empty());
    CellSurface surface(40, 4, 8, 16);
    EXPECT_EQ(Paragraph(file, surface, 0, 40), 0);
}

TEST_F(FortuneFile, ParagraphHasAHangingIndent)
{
    // 20 full-width characters: 40 bytes of body, 20 columns a line at width 28.
    FUms file;
    file.LoadUmsFile(Write(Record("先勝", "あいうえおかきくけこさしすせそたちつてと")).c_str());
    CellSurface surface(28, 4, 8, 16);
    EXPECT_EQ(Paragraph(file, surface, 0, 28), 2);
    EXPECT_EQ(Row(surface, 0), std::string(28, ' '));
    EXPECT_EQ(Row(surface, 1), "  先勝あいうえおかきくけこ  ");
    EXPECT_EQ(Row(surface, 2), "      さしすせそたちつてと  ");
    EXPECT_EQ(file.rcText.left, 6 * 8);
    EXPECT_EQ(file.rcText.top, 16);
    EXPECT_EQ(file.rcText.right, 26 * 8);
    EXPECT_EQ(file.rcText.bottom, 3 * 16);
}

TEST_F(FortuneFile, LineCounts)
{
    std::string bytes = Record("空欄", "") +                                             // empty body
                        Record("友引", "", false) +                                      // 60 x, no marker
                        Record("仏滅", "あいうえおかきくけこさしすせそたちつてとなに");  // 44 bytes
    FUms file;
    ASSERT_EQ(file.LoadUmsFile(Write(bytes).c_str()), 1);
    CellSurface surface(60, 8, 8, 16);
    EXPECT_EQ(Paragraph(file, surface, 0, 50), 0);
    EXPECT_EQ(Row(surface, 1).substr(0, 8), "  空欄");
    EXPECT_EQ(Paragraph(file, surface, 1, 50), 2);  // 60 bytes in 42 columns
    EXPECT_EQ(Paragraph(file, surface, 1, 68), 1);
    EXPECT_EQ(Paragraph(file, surface, 1, 20), 5);
    EXPECT_EQ(Paragraph(file, surface, 2, 30), 2);  // 44 bytes, 22 columns
    // 21 columns hold only ten full-width characters: the body needs a third
    // line, and the paragraph takes it rather than losing its last character.
    CellSurface odd(60, 8, 8, 16);
    EXPECT_EQ(Paragraph(file, odd, 2, 29), 3);
    EXPECT_EQ(Row(odd, 3).substr(0, 12), "      なに");
}

TEST_F(FortuneFile, RecordsBeyondTheFileDrawNothing)
{
    FUms file;
    file.LoadUmsFile(Write(Record("先勝", "吉。") + Record("友引", "凶。")).c_str());
    CellSurface surface(40, 4, 8, 16);
    for (int record : {2, 67, -1, 1 << 30})
        EXPECT_EQ(Paragraph(file, surface, record, 40), 0) << record;
    EXPECT_EQ(surface.RenderPlain(), "\n\n\n\n");
}

TEST_F(FortuneFile, HeadingNeverEndsInsideACharacter)
{
    FUms file;
    file.LoadUmsFile(Write(Record("先勝", "aあい")).c_str());
    CellSurface surface(40, 3, 8, 16);
    EXPECT_EQ(Paragraph(file, surface, 0, 40), 1);
    EXPECT_EQ(Row(surface, 1).substr(0, 2 + 6 + 1 + 6), "  先勝aあい");
}

// The file the build makes from the editable texts: every record the day
// window reads is there under its own heading and has a text.
TEST(ShippedFortuneFile, EveryDayKindHasItsText)
{
    FUms file;
    ASSERT_EQ(file.LoadUmsFile(VESOMA_UMS_FILE), 1);
    ASSERT_GE(file.nRecords, 68);
    auto heading = [&](int record) { return std::string(&file.hUms[record * 64], 4); };
    auto bodyLength = [&](int record) { return strnlen(&file.hUms[record * 64], 64) - 4; };
    for (int r = 0; r < 6; ++r)
        EXPECT_EQ(heading(r), szRoki[r]) << r;
    for (int r = 0; r < 28; ++r)
        EXPECT_EQ(heading(7 + r), szShuku[r] + ToSjis("宿")) << r;
    for (int r = 0; r < 12; ++r)
        EXPECT_EQ(heading(36 + 2 * r), szChoku[r] + ToSjis("　")) << r;
    for (int r : {0, 1, 2, 3, 4, 5, 7, 20, 34, 36, 46, 58, 61, 62, 63, 64, 65, 66, 67}) {
        EXPECT_GT(bodyLength(r), 10u) << r;
        EXPECT_LT(bodyLength(r), 60u) << r;  // ended by its marker
    }
}

}  // namespace
