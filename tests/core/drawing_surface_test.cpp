// The character-cell surface and the line breaking every surface shares, at
// the edges the almanac's own drawings do not reach; the character cell of the
// current font, and the face name of its description cut to fit.
#include <array>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "core/almanac/text_attr.h"
#include "platform/cell_surface.h"
#include "platform/sjis.h"

using platform::CellSurface;
using platform::Rect;
using platform::SjisText;

namespace {

void Draw(CellSurface& surface, int x, int y, const char* sjis)
{
    surface.DrawText(x, y, sjis, std::strlen(sjis));
}

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

TEST(CellSurface, OverwritingHalfACharacterBlanksTheOtherHalf)
{
    CellSurface surface(10, 2, 8, 16);
    Draw(surface, 0, 16 + 15, SjisText("暦暦暦"));  // any y inside row 1; cells 0-5
    Draw(surface, 8, 16, "x");                      // over the second half of the first
    Draw(surface, 32, 16, "y");                     // over the first half of the third
    EXPECT_EQ(platform::ToUtf8(surface.TextAt(0, 1, 7)), " x暦y  ");
    Draw(surface, 8, 16, SjisText("月"));  // cells 1-2: splits the 暦 at 2-3
    EXPECT_EQ(platform::ToUtf8(surface.TextAt(0, 1, 6)), " 月 y ");
    EXPECT_EQ(surface.TextAt(1, 1, 1), "");  // half a character is never handed out
}

TEST(CellSurface, TextOutsideTheGridIsClipped)
{
    CellSurface surface(6, 2, 8, 16);
    Draw(surface, 2 * 8, 0, SjisText("あいう"));  // う would need cells 6-7
    Draw(surface, -8, 16, SjisText("aあb"));      // a falls left of the grid
    Draw(surface, 0, -1, "z");
    Draw(surface, 0, 2 * 16, "z");
    EXPECT_EQ(surface.RenderPlain(), "  あい\nあb\n");
}

TEST(CellSurface, LengthAndBrokenBytesAreRespected)
{
    CellSurface surface(8, 1, 8, 16);
    surface.DrawText(0, 0, "abcdef", 3);
    surface.DrawText(32, 0, "ab\0cd", 5);  // stops at the NUL
    EXPECT_EQ(surface.TextAt(0, 0, 8), "abc ab  ");
    CellSurface broken(4, 1, 8, 16);
    broken.DrawText(0, 0, "\x82", 1);  // a lead byte with nothing after it: one cell
    EXPECT_EQ(broken.TextAt(0, 0, 2), "\x82 ");
    EXPECT_EQ(broken.RenderPlain(), "\xEF\xBF\xBD\n");
}

TEST(CellSurface, RulesFillOnlyBlankCells)
{
    CellSurface surface(6, 3, 8, 16);
    Draw(surface, 8, 16, SjisText("あ"));
    surface.DrawLine(0, 16 + 15, 5 * 8, 16 + 15);           // along row 1
    surface.DrawLine(4 * 8 + 7, 0, 4 * 8 + 7, 3 * 16 - 1);  // down column 4
    surface.DrawLine(0, 0, 40, 40);                         // slanted: nothing
    EXPECT_EQ(surface.RenderPlain(), "    |\n-あ-+-\n    |\n");
}

TEST(WrappedText, BreaksAfterBlanksElseBetweenCharactersWithinTheBox)
{
    const struct {
        const char* text;
        std::size_t length;
        int columns, rows, drawn;
        const char* shown;
    } cases[] = {
        {"abc def ghi", 11, 6, 5, 3, "abc\ndef\nghi\n\n\n"},
        {SjisText("あいうえお"), 10, 5, 3, 3, "あい\nうえ\nお\n"},  // never split
        {"abcdefghijkl", 10, 4, 2, 2, "abcd\nefgh\n"},              // the box bottom stops it
    };
    for (const auto& c : cases) {
        CellSurface surface(c.columns, c.rows, 8, 16);
        EXPECT_EQ(surface.DrawTextWrapped(c.text, c.length, Rect{0, 0, c.columns * 8, c.rows * 16}), c.drawn);
        EXPECT_EQ(surface.RenderPlain(), c.shown);
    }
    CellSurface surface(4, 4, 8, 16);
    const char* text = "abc def ghi";
    EXPECT_EQ(surface.CountWrappedLines(text, 11, 7 * 8), 2);
    EXPECT_EQ(surface.CountWrappedLines(text, 10, 4 * 8), 3);
    EXPECT_EQ(surface.CountWrappedLines(text, 0, 4 * 8), 0);
    // A box narrower than one character still moves on, a character a line.
    EXPECT_EQ(surface.CountWrappedLines(text, 3, 0), 3);
}

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
