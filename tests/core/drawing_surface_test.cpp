// The character-cell surface and the line breaking every surface shares.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "platform/cell_surface.h"
#include "platform/sjis.h"

using platform::CellSurface;
using platform::Rect;
using platform::Rgb;
using platform::SjisText;
using platform::ToUtf8;

namespace {

std::string Cells(const CellSurface& surface, int column, int row, int count)
{
    return ToUtf8(surface.TextAt(column, row, count));
}

void Draw(CellSurface& surface, int x, int y, const char* sjis)
{
    surface.DrawText(x, y, sjis, std::strlen(sjis));
}

}  // namespace

TEST(CellSurface, PixelsLandOnCellsAndFullWidthTakesTwo)
{
    CellSurface surface(20, 3, 8, 16);
    Draw(surface, 3 * 8, 16 + 4, SjisText("暦a"));  // y inside row 1
    EXPECT_EQ(Cells(surface, 3, 1, 3), "暦a");
    EXPECT_EQ(Cells(surface, 3, 1, 1), "");  // half a character is never handed out
    EXPECT_EQ(Cells(surface, 5, 1, 1), "a");
    EXPECT_EQ(Cells(surface, 0, 0, 20), std::string(20, ' '));
}

TEST(CellSurface, OverwritingHalfACharacterBlanksTheOtherHalf)
{
    CellSurface surface(10, 1, 8, 16);
    Draw(surface, 0, 0, SjisText("暦暦暦"));  // cells 0-5
    Draw(surface, 8, 0, "x");                 // over the second half of the first
    Draw(surface, 32, 0, "y");                // over the first half of the third
    EXPECT_EQ(Cells(surface, 0, 0, 7), " x暦y  ");
    Draw(surface, 8, 0, SjisText("月"));  // cells 1-2: splits the 暦 at 2-3
    EXPECT_EQ(Cells(surface, 0, 0, 6), " 月 y ");
}

TEST(CellSurface, TextOutsideTheGridIsClipped)
{
    CellSurface surface(6, 2, 8, 16);
    Draw(surface, 2 * 8, 0, SjisText("あいう"));  // う would need cells 6-7
    EXPECT_EQ(surface.RenderPlain(), "  あい\n\n");
    Draw(surface, -8, 16, SjisText("aあb"));  // a falls left of the grid
    EXPECT_EQ(Cells(surface, 0, 1, 6), "あb   ");
    Draw(surface, 0, -1, "z");
    Draw(surface, 0, 2 * 16, "z");
    EXPECT_EQ(surface.RenderPlain(), "  あい\nあb\n");
}

TEST(CellSurface, LengthAndBrokenBytesAreRespected)
{
    CellSurface surface(8, 1, 8, 16);
    surface.DrawText(0, 0, "abcdef", 3);
    surface.DrawText(32, 0, "ab\0cd", 5);  // stops at the NUL
    EXPECT_EQ(Cells(surface, 0, 0, 8), "abc ab  ");
    CellSurface broken(4, 1, 8, 16);
    broken.DrawText(0, 0, "\x82", 1);  // a lead byte with nothing after it: one cell
    EXPECT_EQ(broken.TextAt(0, 0, 2), "\x82 ");
    EXPECT_EQ(broken.RenderPlain(), "\xEF\xBF\xBD\n");
}

TEST(CellSurface, ColoursStayWithTheirCells)
{
    CellSurface surface(10, 1, 8, 16);
    Draw(surface, 0, 0, "ab");
    surface.SetTextColour(Rgb{255, 0, 0});
    Draw(surface, 16, 0, SjisText("日"));
    EXPECT_EQ(surface.ColourAt(1, 0), (Rgb{0, 0, 0}));
    EXPECT_EQ(surface.ColourAt(2, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(surface.ColourAt(3, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(surface.ColourAt(9, 0), (Rgb{0, 0, 0}));

    const std::string ansi = surface.RenderAnsi();
    EXPECT_EQ(ansi, "\x1b[48;2;255;255;255m\x1b[38;2;0;0;0mab\x1b[38;2;255;0;0m日      \x1b[0m\n");
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

TEST(WrappedText, BreaksAfterBlanksElseBetweenCharacters)
{
    CellSurface surface(10, 5, 8, 16);
    const char* text = "abc def ghi";
    EXPECT_EQ(surface.DrawTextWrapped(text, std::strlen(text), Rect{8, 16, 8 + 6 * 8, 5 * 16}), 3);
    EXPECT_EQ(surface.RenderPlain(), "\n abc\n def\n ghi\n\n");
    EXPECT_EQ(surface.CountWrappedLines(text, std::strlen(text), 6 * 8), 3);
    EXPECT_EQ(surface.CountWrappedLines(text, std::strlen(text), 7 * 8), 2);

    // Five full-width characters in five cells: two a line, never split.
    CellSurface narrow(5, 3, 8, 16);
    const char* kana = SjisText("あいうえお");
    EXPECT_EQ(narrow.DrawTextWrapped(kana, std::strlen(kana), Rect{0, 0, 5 * 8, 3 * 16}), 3);
    EXPECT_EQ(narrow.RenderPlain(), "あい\nうえ\nお\n");
}

TEST(WrappedText, StopsAtTheBoxBottomAndAtTheLength)
{
    CellSurface surface(4, 4, 8, 16);
    const char* text = "abcdefghijkl";
    EXPECT_EQ(surface.DrawTextWrapped(text, 10, Rect{0, 0, 4 * 8, 2 * 16}), 2);
    EXPECT_EQ(surface.RenderPlain(), "abcd\nefgh\n\n\n");
    EXPECT_EQ(surface.CountWrappedLines(text, 10, 4 * 8), 3);
    EXPECT_EQ(surface.CountWrappedLines(text, 0, 4 * 8), 0);
    // A box narrower than one character still moves on, a character a line.
    EXPECT_EQ(surface.CountWrappedLines(text, 3, 0), 3);
}
