// The fortune texts of the day window: the file "vesoma.ums" of 64-byte CP932
// records, each a two-character heading and a text ended by "/E", loaded once
// and drawn one record at a time as a paragraph with a hanging indent. The
// application keeps the single instance ums.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/draw_surface.h"

class FUms {
public:
    static constexpr int nRecordSize = 64;

    // The records back to back; each end marker is replaced by a NUL.
    std::vector<char> hUms;
    int nRecords = 0;
    int nWidth = 0;      // text width in columns, set by the day window
    int nCharWidth = 0;  // the day window's character cell
    int nCharHeight = 0;
    platform::Rect rcText;  // the body of the last drawn paragraph

    // The largest fortune file read: 4096 records, far more than the day
    // window asks for.
    static constexpr std::size_t kUmsFileLimit = 4096 * nRecordSize;

    // Reads every whole record of the file at path (CP932). Returns 1 when
    // the file was read to its end, 0 when it cannot be opened or read or
    // memory runs out; then no record is loaded. A file that is not regular
    // (a FIFO, a device) or too large is not read, and the user is told.
    int LoadUmsFile(const char* path);

    // Draws record number record with its heading at column 2 and its body
    // from column 6 on text line line. Returns the lines the body takes; a
    // record that was not loaded draws nothing and takes 0 lines.
    int DrawTextUms(platform::DrawSurface& surface, int record, int line);
};

extern FUms ums;
