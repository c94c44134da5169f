#include "core/fortune/fortune_file.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string>

#include "platform/file_io.h"
#include "platform/message_box.h"
#include "platform/sjis.h"

FUms ums;

namespace {

using platform::MbButtons;
using platform::MbIcon;
using platform::SjisText;

// Cuts the record at its end marker; the marker may start at bytes 0-62.
void EndAtMarker(char* record)
{
    for (int i = 0; i + 1 < FUms::nRecordSize; ++i) {
        if (record[i] == '/' && record[i + 1] == 'E') {
            record[i] = '\0';
            return;
        }
    }
}

}  // namespace

int FUms::LoadUmsFile(const char* path)
{
    hUms.clear();
    nRecords = 0;
    // Only a regular file is read, never waited on, and never more than a
    // fortune file can sensibly hold.
    std::string content;
    switch (platform::ReadRegularFile(platform::ToUtf8(path).c_str(), kUmsFileLimit, content)) {
    case platform::ReadResult::Read:
        break;
    case platform::ReadResult::NotRegular:
        platform::ShowMessageBox(SjisText("運勢ファイルが普通のファイルではありません。"),
                                 SjisText("運勢読み込み"), MbButtons::Ok, MbIcon::Stop);
        return 0;
    case platform::ReadResult::TooLarge:
        platform::ShowMessageBox(SjisText("運勢ファイルが大きすぎます。"), SjisText("運勢読み込み"),
                                 MbButtons::Ok, MbIcon::Stop);
        return 0;
    default:
        return 0;  // missing or unreadable: no fortune section, as always
    }
    const std::size_t records = content.size() / nRecordSize;
    try {
        hUms.assign(content.begin(), content.begin() + static_cast<std::ptrdiff_t>(records * nRecordSize));
    } catch (const std::bad_alloc&) {
        hUms.clear();
        platform::ShowMessageBox(SjisText("ReAllocできねえ"), SjisText("ｴﾗｰ"), MbButtons::Ok, MbIcon::None);
        return 0;
    }
    for (std::size_t r = 0; r < records; ++r)
        EndAtMarker(&hUms[r * nRecordSize]);
    nRecords = static_cast<int>(records);
    return 1;
}

int FUms::DrawTextUms(platform::DrawSurface& surface, int record, int line)
{
    if (record < 0 || record >= nRecords)
        return 0;
    const char* text = &hUms[static_cast<std::size_t>(record) * nRecordSize];
    const int length = static_cast<int>(strnlen(text, nRecordSize));
    // At least one full-width character per line, however narrow the window.
    const int columns = std::max(nWidth - 8, 2);
    const int bodyLength = std::max(length - 4, 0);
    // The body's byte count gives the lines for texts that break between
    // characters; a break at a blank or before a full-width character that no
    // longer fits can need one more, and that line must not be lost.
    const char* body = text + std::min(length, 4);
    const int lines =
        std::max((bodyLength + columns - 1) / columns,
                 surface.CountWrappedLines(body, static_cast<std::size_t>(bodyLength), columns * nCharWidth));
    rcText = platform::Rect{6 * nCharWidth, line * nCharHeight, (6 + columns) * nCharWidth,
                            (line + lines) * nCharHeight};
    surface.DrawText(2 * nCharWidth, rcText.top, text, platform::CutLength(text, 6));
    surface.DrawTextWrapped(body, static_cast<std::size_t>(bodyLength), rcText);
    return lines;
}
