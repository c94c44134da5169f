// The character cell, the font description and the printer unit.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "almanac/text_attr.h"
#include "platform/cell_surface.h"
#include "platform/sjis.h"

namespace {

// A surface whose font is whatever the test says.
class FontSurface : public platform::CellSurface {
public:
    FontSurface(platform::FontMetrics font, std::string face, int dpi)
        : CellSurface(1, 1, 1, 1, dpi), font_(font), face_(std::move(face))
    {
    }
    platform::FontMetrics GetFontMetrics() const override { return font_; }
    std::string GetFaceName() const override { return face_; }

private:
    platform::FontMetrics font_;
    std::string face_;
};

platform::FontMetrics GothicBold()
{
    platform::FontMetrics font;
    font.height = 14;
    font.externalLeading = 2;
    font.averageCharWidth = 7;
    font.weight = 700;
    font.underlined = true;
    return font;
}

}  // namespace

TEST(TextAttributes, CellIsAverageWidthByHeightPlusLeading)
{
    FontSurface surface(GothicBold(), "IPAGothic", 96);
    int size[2] = {0, 0};
    GetTextAttr(surface, size);
    EXPECT_EQ(size[0], 7);
    EXPECT_EQ(size[1], 16);
    platform::CellSurface cells(78, 2, 8, 16);
    GetTextAttr().GetFontSize(cells, size);
    EXPECT_EQ(size[0], 8);
    EXPECT_EQ(size[1], 16);
}

TEST(TextAttributes, FontDescription)
{
    LogFont font;
    std::memset(&font, 0x55, sizeof font);  // what a caller's record may hold
    GetTextAttr().GetTextFont(FontSurface(GothicBold(), "IPAGothic", 96), &font);
    EXPECT_EQ(font.lfHeight, 12);  // height less the leading
    EXPECT_EQ(font.lfWidth, 7);
    EXPECT_EQ(font.lfWeight, 700);
    EXPECT_EQ(font.lfItalic, 0);
    EXPECT_EQ(font.lfUnderline, 1);
    EXPECT_EQ(font.lfStrikeOut, 0);
    EXPECT_EQ(font.lfCharSet, 0);  // even for a Japanese face
    EXPECT_EQ(font.lfEscapement + font.lfOrientation + font.lfOutPrecision + font.lfClipPrecision +
                  font.lfQuality + font.lfPitchAndFamily,
              0);
    EXPECT_STREQ(font.lfFaceName, "IPAGothic");
}

TEST(TextAttributes, LongFaceNameIsCutAtACharacter)
{
    // 1 + 16 full-width characters: 33 bytes; 31 fit, the 16th would be split.
    const std::string face = platform::ToSjis("Xゴシックゴシックゴシックゴシックゴシ");
    LogFont font;
    GetTextAttr().GetTextFont(FontSurface(GothicBold(), face, 96), &font);
    EXPECT_EQ(std::strlen(font.lfFaceName), 31u);
    EXPECT_EQ(std::string(font.lfFaceName), face.substr(0, 31));
    const std::string odd = platform::ToSjis("ゴシックゴシックゴシックゴシック");  // 32 bytes
    GetTextAttr().GetTextFont(FontSurface(GothicBold(), odd, 96), &font);
    EXPECT_EQ(std::string(font.lfFaceName), odd.substr(0, 30));
}

TEST(TextAttributes, PrinterUnitIsATenthOfAnInch)
{
    EXPECT_EQ(GetPrinterRaito(platform::CellSurface(1, 1, 1, 1, 300)), 30);
    EXPECT_EQ(GetPrinterRaito(platform::CellSurface(1, 1, 1, 1, 600)), 60);
    EXPECT_EQ(GetPrinterRaito(platform::CellSurface(1, 1, 1, 1, 96)), 9);
}
