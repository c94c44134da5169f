#include "core/fortune/fortune_file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

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

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

int FUms::LoadUmsFile(const char* path)
{
    hUms.clear();
    nRecords = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(platform::ToUtf8(path).c_str(), "rb"));
    if (!file)
        return 0;
    try {
        hUms.assign(1, '\0');
    } catch (const std::bad_alloc&) {
        platform::ShowMessageBox(SjisText("メモリがねえ"), "Open", MbButtons::Ok, MbIcon::Stop);
        return 0;
    }
    for (int n = 0;; ++n) {
        try {
            hUms.resize(static_cast<std::size_t>(n + 1) * nRecordSize);
        } catch (const std::bad_alloc&) {
            hUms.clear();
            platform::ShowMessageBox(SjisText("ReAllocできねえ"), SjisText("ｴﾗｰ"), MbButtons::Ok,
                                     MbIcon::None);
            return 0;
        }
        char* record = &hUms[static_cast<std::size_t>(n) * nRecordSize];
        if (std::fread(record, 1, nRecordSize, file.get()) != nRecordSize) {
            // A read error is an unreadable file, not its end: nothing is
            // loaded, so the next day window tries again.
            if (std::ferror(file.get())) {
                hUms.clear();
                return 0;
            }
            nRecords = n;
            return 1;
        }
        EndAtMarker(record);
    }
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
