#include "platform/cell_surface.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/sjis.h"

namespace platform {

namespace {

// Pixel to cell, rounding toward minus infinity so that negative positions
// stay off the grid.
int CellOf(int pixel, int cellSize)
{
    return pixel >= 0 ? pixel / cellSize : -((-pixel + cellSize - 1) / cellSize);
}

}  // namespace

CellSurface::CellSurface(int columns, int rows, int cellWidth, int cellHeight, int dotsPerInch)
    : nColumns(std::max(columns, 0)),
      nRows(std::max(rows, 0)),
      nCellWidth(std::max(cellWidth, 1)),
      nCellHeight(std::max(cellHeight, 1)),
      nDotsPerInch(dotsPerInch),
      cells(static_cast<std::size_t>(nColumns) * static_cast<std::size_t>(nRows))
{
}

FontMetrics CellSurface::GetFontMetrics() const
{
    FontMetrics font;
    font.height = nCellHeight;
    font.averageCharWidth = nCellWidth;
    return font;
}

std::string CellSurface::GetFaceName() const
{
    return "Terminal";
}

int CellSurface::GetDpiX() const
{
    return nDotsPerInch;
}

void CellSurface::SetTextColour(Rgb colour)
{
    current = colour;
}

// Overwriting half of a full-width character blanks its other half, so the
// row never holds a lone lead or trail byte.
void CellSurface::Clear(int column, int row)
{
    Cell& cell = At(column, row);
    if (cell.kind == Kind::Lead && column + 1 < nColumns)
        At(column + 1, row) = Cell{};
    if (cell.kind == Kind::Trail && column > 0)
        At(column - 1, row) = Cell{};
    cell = Cell{};
}

void CellSurface::Put(int column, int row, Kind kind, char byte)
{
    Clear(column, row);
    At(column, row) = Cell{kind, byte, current};
}

void CellSurface::DrawText(int x, int y, const char* text, std::size_t length)
{
    const int row = CellOf(y, nCellHeight);
    if (row < 0 || row >= nRows)
        return;
    length = strnlen(text, length);
    int column = CellOf(x, nCellWidth);
    for (std::size_t at = 0; at < length && column < nColumns;) {
        const std::size_t n = CharLength(text + at, length - at);
        if (column >= 0 && column + static_cast<int>(n) <= nColumns) {
            if (n == 2) {
                Put(column, row, Kind::Lead, text[at]);
                Put(column + 1, row, Kind::Trail, text[at + 1]);
            } else {
                Put(column, row, Kind::Single, text[at]);
            }
        }
        column += static_cast<int>(n);
        at += n;
    }
}

int CellSurface::GetTextWidth(const char* text, std::size_t length) const
{
    return static_cast<int>(strnlen(text, length)) * nCellWidth;
}

// Rules go only into blank cells, so they never split a character; where a
// rule crosses one of the other direction the cell shows a cross.
void CellSurface::DrawLine(int x1, int y1, int x2, int y2)
{
    const int c1 = CellOf(std::min(x1, x2), nCellWidth);
    const int c2 = CellOf(std::max(x1, x2), nCellWidth);
    const int r1 = CellOf(std::min(y1, y2), nCellHeight);
    const int r2 = CellOf(std::max(y1, y2), nCellHeight);
    if (c1 != c2 && r1 != r2)
        return;  // no view draws slanted lines
    const char mark = r1 == r2 ? '-' : '|';
    for (int row = std::max(r1, 0); row <= std::min(r2, nRows - 1); ++row) {
        for (int column = std::max(c1, 0); column <= std::min(c2, nColumns - 1); ++column) {
            Cell& cell = At(column, row);
            if (cell.kind == Kind::Blank)
                cell = Cell{Kind::Single, mark, Rgb{0, 0, 0}};
            else if (cell.kind == Kind::Single && (cell.byte == '-' || cell.byte == '|') && cell.byte != mark)
                cell.byte = '+';
        }
    }
}

std::string CellSurface::TextAt(int column, int row, int count) const
{
    std::string bytes;
    if (row < 0 || row >= nRows)
        return bytes;
    const int end = std::min(column + count, nColumns);
    for (int c = std::max(column, 0); c < end; ++c) {
        const Cell& cell = At(c, row);
        if (cell.kind == Kind::Lead && c + 1 < end) {
            bytes += cell.byte;
            bytes += At(c + 1, row).byte;
            ++c;
        } else if (cell.kind == Kind::Blank || cell.kind == Kind::Single) {
            bytes += cell.byte;
        }
    }
    return bytes;
}

Rgb CellSurface::ColourAt(int column, int row) const
{
    if (column < 0 || column >= nColumns || row < 0 || row >= nRows)
        return Rgb{0, 0, 0};
    return At(column, row).colour;
}

// Converts runs of one colour at a time: the conversion is the costly part.
std::string CellSurface::Render(bool colour) const
{
    std::string out;
    for (int row = 0; row < nRows; ++row) {
        int end = nColumns;
        while (!colour && end > 0 && At(end - 1, row).IsBlank())
            --end;
        if (!colour) {
            out += ToUtf8(TextAt(0, row, end));
            out += '\n';
            continue;
        }
        out += "\x1b[48;2;255;255;255m";
        for (int column = 0; column < end;) {
            const Rgb shown = At(column, row).colour;
            int runEnd = column + 1;
            while (runEnd < end && (At(runEnd, row).kind == Kind::Blank || At(runEnd, row).colour == shown))
                ++runEnd;
            char escape[32];
            std::snprintf(escape, sizeof escape, "\x1b[38;2;%d;%d;%dm", shown.red, shown.green, shown.blue);
            out += escape;
            out += ToUtf8(TextAt(column, row, runEnd - column));
            column = runEnd;
        }
        out += "\x1b[0m\n";
    }
    return out;
}

std::string CellSurface::RenderPlain() const
{
    return Render(false);
}

std::string CellSurface::RenderAnsi() const
{
    return Render(true);
}

}  // namespace platform
