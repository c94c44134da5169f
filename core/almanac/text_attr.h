// The character cell that every view lays its text out on, the description of
// the current font, and the unit of the printed page's margins.
#pragma once

#include <cstdint>

#include "platform/draw_surface.h"

// A font description laid out like the platform's logical font record.
struct LogFont {
    std::int32_t lfHeight;
    std::int32_t lfWidth;
    std::int32_t lfEscapement;
    std::int32_t lfOrientation;
    std::int32_t lfWeight;
    std::uint8_t lfItalic;
    std::uint8_t lfUnderline;
    std::uint8_t lfStrikeOut;
    std::uint8_t lfCharSet;
    std::uint8_t lfOutPrecision;
    std::uint8_t lfClipPrecision;
    std::uint8_t lfQuality;
    std::uint8_t lfPitchAndFamily;
    char lfFaceName[32];  // CP932, NUL-terminated
};

class GetTextAttr {
public:
    GetTextAttr() = default;
    // Measures the surface's current font into size: [0] character width,
    // [1] line height.
    GetTextAttr(const platform::DrawSurface& surface, int* size);

    void GetFontSize(const platform::DrawSurface& surface, int* size) const;
    // Describes the surface's current font; fields the surface cannot tell
    // (character set, precisions, quality, pitch) stay 0.
    void GetTextFont(const platform::DrawSurface& surface, LogFont* font) const;
};

// One tenth of an inch in device dots.
int GetPrinterRaito(const platform::DrawSurface& surface);

// The window origin of the printed page: (-4r, -6r) with r = GetPrinterRaito,
// a margin of 0.4 inch at the left and 0.6 inch at the top.
void GetPageOrigin(const platform::DrawSurface& page, int* origin);
