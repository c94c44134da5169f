// The one door through which every view draws: the screen window, the printer
// page, the terminal and the tests each provide a surface. Text arrives as
// CP932 bytes; each surface converts it for display itself.
#pragma once

#include <cstddef>
#include <string>

#include "platform/rgb.h"

namespace platform {

// Measures of the surface's current font, in the surface's logical units.
// The character cell every view lays out on is averageCharWidth wide and
// height + externalLeading high; a full-width character takes two cells.
struct FontMetrics {
    int height = 0;
    int externalLeading = 0;
    int averageCharWidth = 0;
    int weight = 400;  // 400 normal, 700 bold
    bool italic = false;
    bool underlined = false;
    bool struckOut = false;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

class DrawSurface {
public:
    virtual ~DrawSurface() = default;

    virtual FontMetrics GetFontMetrics() const = 0;
    // Face name of the current font, CP932.
    virtual std::string GetFaceName() const = 0;
    // Horizontal resolution of the device in dots per inch.
    virtual int GetDpiX() const = 0;

    // Colour of the text drawn from now on; a new surface draws black.
    virtual void SetTextColour(Rgb colour) = 0;
    // Draws length bytes of text (fewer if a NUL comes first) with the top
    // left corner of its first cell at (x, y).
    virtual void DrawText(int x, int y, const char* text, std::size_t length) = 0;
    // How wide DrawText would draw these bytes; the line breaking below uses it.
    virtual int GetTextWidth(const char* text, std::size_t length) const = 0;
    // A thin line in black from (x1, y1) to (x2, y2).
    virtual void DrawLine(int x1, int y1, int x2, int y2) = 0;

    // Draws length bytes of text (fewer if a NUL comes first) word-wrapped
    // inside box: lines break after a blank where one fits, else between
    // characters, never inside a double-byte character; each line starts at
    // box.left, one cell height below the previous one, from box.top. Lines
    // that would start at or below box.bottom are not drawn. Returns the
    // number of lines drawn.
    int DrawTextWrapped(const char* text, std::size_t length, const Rect& box);
    // The number of lines the whole text takes when wrapped to width.
    int CountWrappedLines(const char* text, std::size_t length, int width) const;
};

}  // namespace platform
