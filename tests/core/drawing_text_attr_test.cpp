// The character cell of the current font, and the face name of its
// description cut to fit.
#include <array>
#include <string>

#include <gtest/gtest.h>

#include "core/almanac/text_attr.h"
#include "platform/cell_surface.h"
#include "platform/sjis.h"

namespace {

// A surface with a font of 14 pixels with 2 of leading, 7 wide on average,
// and whatever face the test says.
class FontSurface : public platform::CellSurface {
public:
    explicit FontSurface(std::string face) : CellSurface(1, 1, 1, 1), face_(std::move(face)) {}
    platform::FontMetrics GetFontMetrics() const override { return {14, 2, 7}; }
    std::string GetFaceName() const override { return face_; }

private:
    std::string face_;
};

}  // namespace

TEST(TextAttributes, CellIsTheAverageWidthByTheHeightWithLeadingAndALongFaceNameIsCutAtACharacter)
{
    int size[2] = {0, 0};
    GetTextAttr(FontSurface("IPAGothic"), size);
    EXPECT_EQ((std::array{size[0], size[1]}), (std::array{7, 14 + 2}));
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
