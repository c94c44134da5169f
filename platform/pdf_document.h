// A PDF document of printed pages, written without any print server: each
// page is a drawing surface at kPdfUnitsPerInch logical units per inch, its
// text kept as text in the almanac face at kPrintPointSize points with the
// fonts embedded. The file appears whole or not at all.
#pragma once

#include <memory>
#include <string>

#include "platform/draw_surface.h"

namespace platform {

// Fine enough that the face's widths and heights are whole units.
constexpr int kPdfUnitsPerInch = 720;

// A sheet of paper in points (1/72 inch), as it lies: width and height
// already swapped for landscape.
struct PaperSize {
    double width = 595.276;  // A4 portrait
    double height = 841.89;
};

class PdfDocument : public DrawSurface {
public:
    explicit PdfDocument(PaperSize paper);
    ~PdfDocument() override;
    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    // Logical point (x, y) lands on the top left corner of the paper, on this
    // page and the next ones.
    void SetLogicalOrigin(int x, int y);
    // The page drawn so far is done; drawing goes on on a new page.
    void NextPage();
    // Ends the document and puts it under path through a temporary file
    // beside it; false, with nothing left behind, when it cannot be written.
    bool Save(const char* path);

    FontMetrics GetFontMetrics() const override;
    std::string GetFaceName() const override;
    int GetDpiX() const override;
    void SetTextColour(Rgb colour) override;
    void DrawText(int x, int y, const char* text, std::size_t length) override;
    int GetTextWidth(const char* text, std::size_t length) const override;
    void DrawLine(int x1, int y1, int x2, int y2) override;

private:
    struct Cairo;
    std::unique_ptr<Cairo> cairo_;
    std::string bytes_;
    FontMetrics metrics_;
};

}  // namespace platform
