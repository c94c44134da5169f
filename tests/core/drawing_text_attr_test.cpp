// The character cell and the font description of the current font.
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

}  // namespace

TEST(TextAttributes, CellAndFontDescription)
{
    // The cell is the average width by the height plus the leading.
    int size[2] = {0, 0};
    GetTextAttr(FontSurface("IPAGothic"), size);
    EXPECT_EQ(size[0] * 100 + size[1], 7 * 100 + 16);

    // The height less the leading; no italics, no strike-out, and character set
    // 0 even for a Japanese face, whatever the caller's record held before.
    LogFont f;
    std::memset(&f, 0x55, sizeof f);
    GetTextAttr().GetTextFont(FontSurface("IPAGothic"), &f);
    EXPECT_EQ(std::to_string(f.lfHeight) + " " + std::to_string(f.lfWidth) + " " +
                  std::to_string(f.lfEscapement + f.lfOrientation) + " " + std::to_string(f.lfWeight) + " " +
                  std::to_string(f.lfItalic * 100 + f.lfUnderline * 10 + f.lfStrikeOut) + " " +
                  std::to_string(f.lfCharSet + f.lfOutPrecision + f.lfClipPrecision + f.lfQuality +
                                 f.lfPitchAndFamily) +
                  " " + f.lfFaceName,
              "12 7 0 700 10 0 IPAGothic");
}

TEST(TextAttributes, LongFaceNameIsCutAtACharacter)
{
    // 31 bytes fit: after "X" fifteen full-width characters, without it only
    // fourteen, as the fifteenth would be split.
    for (const auto& [utf8, kept] : {std::pair{"Xゴシックゴシックゴシックゴシックゴシ", 31u},
                                     std::pair{"ゴシックゴシックゴシックゴシック", 30u}}) {
        const std::string face = platform::ToSjis(utf8);
        LogFont font;
        GetTextAttr().GetTextFont(FontSurface(face), &font);
        EXPECT_EQ(std::string(font.lfFaceName), face.substr(0, kept));
    }
}
