// The fortune file: whole records only, nothing drawn beyond them, and every
// line of a paragraph kept.
#include "core/fortune/fortune_file.h"

#include <cstring>
#include <tuple>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/vocabulary/vocabulary.h"
#include "platform/cell_surface.h"
#include "tests/core/event_files.h"
#include "tests/core/message_recorder.h"

using platform::CellSurface;
using platform::ToSjis;

namespace {

// One 64-byte record of heading and text (UTF-8), with or without end marker.
std::string Ums(const char* heading, const char* text, bool marker = true)
{
    std::string record = ToSjis(heading) + ToSjis(text) + (marker ? "/E" : "");
    record.resize(FUms::nRecordSize, 'x');
    return record;
}

// Draws record at line 1 of a day window of width columns on 8 x 16 cells; returns the lines it takes and
// the text of line row.
std::string Paragraph(FUms& file, int record, int width, int row)
{
    CellSurface surface(60, 8, 8, 16);
    file.nWidth = width;
    file.nCharWidth = 8;
    file.nCharHeight = 16;
    const int lines = file.DrawTextUms(surface, record, 1);
    const std::string text = platform::ToUtf8(surface.TextAt(0, row, surface.Columns()));
    return std::to_string(lines) + ":" + text.substr(0, text.find_last_not_of(' ') + 1);
}

}  // namespace

TEST(FortuneFile, WholeRecordsOnlyAndEveryLineOfAParagraph)
{
    MessageRecorder messages;
    EventFolder folder;
    const std::string path = folder.File("vesoma.ums"), empty = folder.File("empty.ums");
    // 21 full-width characters, 42 bytes; 60 bytes without end marker; an empty body; a heading that would
    // end inside a character of the body; and a record cut short, which is not loaded.
    WriteBytes(path, Ums("先勝", "あいうえおかきくけこさしすせそたちつてとな") + Ums("友引", "", false) +
                         Ums("空欄", "") + Ums("先負", "aあい") + Ums("大安", "吉").substr(0, 63));
    WriteBytes(empty, "");
    FUms file;
    ASSERT_EQ(file.LoadUmsFile(path.c_str()), 1);
    EXPECT_EQ(file.nRecords, 4);
    const std::tuple<int, int, int, const char*> cases[] = {
        {0, 28, 1, "3:  先勝あいうえおかきくけこ"},  // 20 columns a line, the body indented
        {0, 28, 3, "3:      な"},
        {0, 29, 3, "3:      な"},  // 21 columns hold 42 bytes, but only ten such characters
        {1, 50, 0, "2:"},
        {1, 68, 0, "1:"},
        {1, 20, 0, "5:"},
        {2, 50, 0, "0:"},
        {3, 40, 1, "1:  先負aあい"},
        {4, 40, 1, "0:"},  // records beyond the file draw nothing
        {-1, 40, 1, "0:"},
        {1 << 30, 40, 1, "0:"},
    };
    for (const auto& [record, width, row, expected] : cases)
        EXPECT_EQ(Paragraph(file, record, width, row), expected) << record << " at " << width;
    // Missing or empty: nothing stays loaded, nothing is said. A folder, a FIFO, a device and a file too
    // large are not read, never waited on, and the user is told.
    const std::string none = folder.File("none.ums"), fifo = folder.File("fifo.ums"),
                      large = folder.File("large.ums");
    mkfifo(fifo.c_str(), 0666);
    WriteBytes(large, "");
    std::filesystem::resize_file(large, FUms::kUmsFileLimit + 64);
    for (const std::string& other : {none, empty, folder.File(""), fifo, std::string("/dev/zero"), large}) {
        const auto refused = [&] {
            MessageRecorder told;
            return file.LoadUmsFile(path.c_str()) == 1 &&
                   file.LoadUmsFile(other.c_str()) == (other == empty) && Paragraph(file, 0, 40, 1) == "0:" &&
                   told.shown.size() == (other != none && other != empty);
        };
        EXPECT_EQ(InChild(false, refused), 0) << other;
    }
    EXPECT_TRUE(messages.shown.empty());
}

// The file the build makes from the editable texts: every record the day
// window reads is there under its own heading and has a text.
TEST(ShippedFortuneFile, EveryDayKindHasItsText)
{
    FUms file;
    ASSERT_EQ(file.LoadUmsFile(VESOMA_UMS_FILE), 1);
    ASSERT_GE(file.nRecords, 68);
    auto heading = [&](int record) { return std::string(&file.hUms[record * 64], 4); };
    for (int r = 0; r < 28; ++r) {
        EXPECT_EQ(heading(7 + r), szShuku[r] + ToSjis("宿")) << r;
        EXPECT_TRUE(r >= 6 || heading(r) == szRoki[r]) << r;
        EXPECT_TRUE(r >= 12 || heading(36 + 2 * r) == szChoku[r] + ToSjis("　")) << r;
    }
    for (int r : {0, 1, 2, 3, 4, 5, 7, 20, 34, 36, 46, 58, 61, 62, 63, 64, 65, 66, 67}) {
        const std::size_t body = strnlen(&file.hUms[r * 64], 64) - 4;
        EXPECT_TRUE(body > 10 && body < 60) << r;  // a text, ended by its marker
    }
}
