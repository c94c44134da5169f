#include "platform/draw_surface.h"

#include <cstring>

#include "platform/sjis.h"

namespace platform {

namespace {

struct LineBreak {
    std::size_t drawn;  // bytes drawn on this line
    std::size_t next;   // where the next line starts
};

std::size_t SkipBlanks(const char* text, std::size_t at, std::size_t length)
{
    while (at < length && text[at] == ' ')
        ++at;
    return at;
}

// The first line of text[0, length) when lines are width wide. A character
// wider than the whole line still goes on a line of its own, so the text
// always advances.
LineBreak BreakLine(const DrawSurface& surface, const char* text, std::size_t length, int width)
{
    std::size_t at = 0;
    std::size_t afterBlank = 0;  // end of the last blank that fitted, 0 if none
    int used = 0;
    while (at < length) {
        std::size_t n = CharLength(text + at, length - at);
        used += surface.GetTextWidth(text + at, n);
        if (used > width && at > 0) {
            if (afterBlank > 0) {
                std::size_t drawn = afterBlank;
                while (drawn > 0 && text[drawn - 1] == ' ')
                    --drawn;
                return {drawn, SkipBlanks(text, afterBlank, length)};
            }
            return {at, SkipBlanks(text, at, length)};
        }
        at += n;
        if (text[at - 1] == ' ' && n == 1)
            afterBlank = at;
    }
    return {length, length};
}

}  // namespace

int DrawSurface::DrawTextWrapped(const char* text, std::size_t length, const Rect& box)
{
    const FontMetrics font = GetFontMetrics();
    const int lineHeight = font.height + font.externalLeading;
    length = strnlen(text, length);
    int lines = 0;
    for (std::size_t at = 0; at < length; ++lines) {
        const int y = box.top + lines * lineHeight;
        if (y >= box.bottom)
            break;
        LineBreak line = BreakLine(*this, text + at, length - at, box.right - box.left);
        DrawText(box.left, y, text + at, line.drawn);
        at += line.next;
    }
    return lines;
}

int DrawSurface::CountWrappedLines(const char* text, std::size_t length, int width) const
{
    length = strnlen(text, length);
    int lines = 0;
    for (std::size_t at = 0; at < length; ++lines)
        at += BreakLine(*this, text + at, length - at, width).next;
    return lines;
}

}  // namespace platform
