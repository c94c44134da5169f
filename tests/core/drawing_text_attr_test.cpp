// The character cell, the font description and the printer unit.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "core/almanac/text_attr.h"
#include "platform/cell_surface.h"
#include "platform/sjis.h"

namespace {

// A surface with a bold, underlined font of 14 pixels with 2 of leading, 7
// wide on average, and whatever face the test says.
class FontSurface : public platform::CellSurface {
public:
    explicit FontSurface(std::string face) : CellSurface(1, 1, 1, 1), face_(std::move(face)) {}
    platform::FontMetrics GetFontMetrics() const override
    {
        platform::FontMetrics font;
        font.height = 14;
        font.externalLeading = 2;
        font.averageCharWidth = 7;
        font.weight = 700;
        font.underlined = true;
        return font;
    }
    std::string GetFaceName() const override { return face_; }

private:
    std::string face_;
};

// Every field of the description, in declaration order, then the face.
std::string Fields(const LogFont& f)
{
    return std::to_string(f.lfHeight) + " " + std::to_string(f.lfWidth) + " " +
           std::to_string(f.lfEscapement) + " " + std::to_string(f.lfOrientation) + " " +
           std::to_string(f.lfWeight) + " " +
           std::to_string(f.lfItalic * 1000 + f.lfUnderline * 100 + f.lfStrikeOut * 10) + " " +
           std::to_string(f.lfCharSet + f.lfOutPrecision + f.lfClipPrecision + f.lfQuality +
                          f.lfPitchAndFamily) +
           " " + f.lfFaceName;
}

}  // namespace

TEST(TextAttributes, CellFontAndPrinterUnit)
{
    // The cell is the average width by the height plus the leading.
    int size[2] = {0, 0};
    GetTextAttr(FontSurface("IPAGothic"), size);
    EXPECT_EQ(size[0] * 100 + size[1], 7 * 100 + 16);
    GetTextAttr().GetFontSize(platform::CellSurface(78, 2, 8, 16), size);
    EXPECT_EQ(size[0] * 100 + size[1], 8 * 100 + 16);

    // The height less the leading; no italics, no strike-out, and character set
    // 0 even for a Japanese face, whatever the caller's record held before.
    LogFont font;
    std::memset(&font, 0x55, sizeof font);
    GetTextAttr().GetTextFont(FontSurface("IPAGothic"), &font);
    EXPECT_EQ(Fields(font), "12 7 0 0 700 100 0 IPAGothic");

    // The printer unit is a tenth of an inch.
    for (int dpi : {300, 600, 96})
        EXPECT_EQ(GetPrinterRaito(platform::CellSurface(1, 1, 1, 1, dpi)), dpi / 10) << dpi;
}

TEST(TextAttributes, LongFaceNameIsCutAtACharacter)
{
    // 31 bytes fit: after "X" fifteen full-width characters, without it only
    // fourteen, as the fifteenth would be split.
    const struct {
        const char* utf8;
        std::size_t kept;
    } cases[] = {{"Xゴシックゴシックゴシックゴシックゴシ", 31}, {"ゴシックゴシックゴシックゴシック", 30}};
    for (const auto& c : cases) {
        const std::string face = platform::ToSjis(c.utf8);
        LogFont font;
        GetTextAttr().GetTextFont(FontSurface(face), &font);
        EXPECT_EQ(std::string(font.lfFaceName), face.substr(0, c.kept));
    }
}
