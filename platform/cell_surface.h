// A drawing surface of character cells for the terminal and the tests. The
// caller picks a cell size in pixels, so a view's pixel arithmetic lands on
// the same cells as on screen. Each cell keeps its byte and colour; a
// full-width character takes two cells.
#pragma once

#include <string>
#include <vector>

#include "platform/draw_surface.h"

namespace platform {

class CellSurface : public DrawSurface {
public:
    // A font of cellHeight pixels with no external leading, so one text line
    // is one row of cells.
    CellSurface(int columns, int rows, int cellWidth, int cellHeight, int dotsPerInch = 96);

    FontMetrics GetFontMetrics() const override;
    std::string GetFaceName() const override;
    int GetDpiX() const override;
    void SetTextColour(Rgb colour) override;
    void DrawText(int x, int y, const char* text, std::size_t length) override;
    int GetTextWidth(const char* text, std::size_t length) const override;
    void DrawLine(int x1, int y1, int x2, int y2) override;

    int Columns() const { return nColumns; }
    int Rows() const { return nRows; }

    // The CP932 bytes of count cells from (column, row); blank cells give
    // blanks, and half of a full-width character at either end is left out.
    std::string TextAt(int column, int row, int count) const;
    // The colour the cell was drawn in; black for a cell never drawn.
    Rgb ColourAt(int column, int row) const;

    // The rows as UTF-8 lines, each ended by a newline, trailing blanks cut.
    std::string RenderPlain() const;
    // The same with 24-bit colour escapes, black and coloured text on a white
    // band of the full width, so it reads like the printed page on any
    // terminal background.
    std::string RenderAnsi() const;

private:
    enum class Kind : unsigned char { Blank, Single, Lead, Trail };
    struct Cell {
        Kind kind = Kind::Blank;
        char byte = ' ';
        Rgb colour{0, 0, 0};
        bool IsBlank() const { return kind == Kind::Blank || (kind == Kind::Single && byte == ' '); }
    };

    Cell& At(int column, int row) { return cells[static_cast<std::size_t>(row * nColumns + column)]; }
    const Cell& At(int column, int row) const
    {
        return cells[static_cast<std::size_t>(row * nColumns + column)];
    }
    void Clear(int column, int row);
    void Put(int column, int row, Kind kind, char byte);
    std::string Render(bool colour) const;

    int nColumns;
    int nRows;
    int nCellWidth;
    int nCellHeight;
    int nDotsPerInch;
    Rgb current{0, 0, 0};
    std::vector<Cell> cells;
};

}  // namespace platform
