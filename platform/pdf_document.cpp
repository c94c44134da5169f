#include "platform/pdf_document.h"

#include <cairo-pdf.h>
#include <cstring>
#include <pango/pangocairo.h>

#include "platform/almanac_face.h"
#include "platform/file_io.h"
#include "platform/sjis.h"

namespace platform {

namespace {

constexpr double kPointsPerUnit = 72.0 / kPdfUnitsPerInch;

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length)
{
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

// The first face of the almanac's list that the font map knows, else the
// system's monospace face.
std::string InstalledAlmanacFace(PangoFontMap* fonts)
{
    PangoFontFamily** families = nullptr;
    int count = 0;
    pango_font_map_list_families(fonts, &families, &count);
    std::string face = "monospace";
    for (const char* wanted : kAlmanacFaces) {
        for (int i = 0; i < count && face == "monospace"; ++i) {
            if (std::strcmp(pango_font_family_get_name(families[i]), wanted) == 0)
                face = wanted;
        }
    }
    g_free(families);
    return face;
}

int ToUnits(int pangoUnits)
{
    return PANGO_PIXELS(pangoUnits);
}

}  // namespace

struct PdfDocument::Cairo {
    cairo_surface_t* surface = nullptr;
    cairo_t* context = nullptr;
    PangoLayout* layout = nullptr;
    std::string face;
    Rgb colour{0, 0, 0};
    double originX = 0;
    double originY = 0;

    ~Cairo()
    {
        if (layout != nullptr)
            g_object_unref(layout);
        if (context != nullptr)
            cairo_destroy(context);
        if (surface != nullptr)
            cairo_surface_destroy(surface);
    }

    // Lays text out in the layout; its logical width in units, and its
    // height when asked.
    int Layout(const char* text, std::size_t length, int* height = nullptr)
    {
        const std::string utf8 = ToUtf8(std::string_view(text, strnlen(text, length)));
        pango_layout_set_text(layout, utf8.data(), static_cast<int>(utf8.size()));
        int width = 0;
        int high = 0;
        pango_layout_get_size(layout, &width, &high);
        if (height != nullptr)
            *height = ToUnits(high);
        return ToUnits(width);
    }

    // Units to points, with the logical origin at the paper's corner.
    void PlaceUnits()
    {
        cairo_identity_matrix(context);
        cairo_scale(context, kPointsPerUnit, kPointsPerUnit);
        cairo_translate(context, -originX, -originY);
    }
};

PdfDocument::PdfDocument(PaperSize paper) : cairo_(std::make_unique<Cairo>())
{
    Cairo& c = *cairo_;
    c.surface = cairo_pdf_surface_create_for_stream(AppendBytes, &bytes_, paper.width, paper.height);
    c.context = cairo_create(c.surface);
    c.PlaceUnits();
    c.layout = pango_cairo_create_layout(c.context);
    PangoContext* pango = pango_layout_get_context(c.layout);
    // Widths as the face designs them, not rounded to a screen's pixels.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    pango_cairo_context_set_font_options(pango, options);
    cairo_font_options_destroy(options);
    pango_cairo_context_set_resolution(pango, kPdfUnitsPerInch);
    pango_layout_context_changed(c.layout);

    c.face = InstalledAlmanacFace(pango_context_get_font_map(pango));
    PangoFontDescription* font = pango_font_description_from_string(c.face.c_str());
    pango_font_description_set_size(font, kPrintPointSize * PANGO_SCALE);
    pango_layout_set_font_description(c.layout, font);
    pango_font_description_free(font);
    int height = 0;
    metrics_.averageCharWidth = c.Layout("0", 1, &height);
    metrics_.height = height;
}

PdfDocument::~PdfDocument() = default;

void PdfDocument::SetLogicalOrigin(int x, int y)
{
    cairo_->originX = x;
    cairo_->originY = y;
    cairo_->PlaceUnits();
}

void PdfDocument::NextPage()
{
    cairo_show_page(cairo_->context);
}

bool PdfDocument::Save(const char* path)
{
    cairo_surface_finish(cairo_->surface);
    if (cairo_surface_status(cairo_->surface) != CAIRO_STATUS_SUCCESS)
        return false;
    return ReplaceFile(path, path, nullptr, bytes_);
}

FontMetrics PdfDocument::GetFontMetrics() const
{
    return metrics_;
}

std::string PdfDocument::GetFaceName() const
{
    return ToSjis(cairo_->face);
}

int PdfDocument::GetDpiX() const
{
    return kPdfUnitsPerInch;
}

void PdfDocument::SetTextColour(Rgb colour)
{
    cairo_->colour = colour;
}

void PdfDocument::DrawText(int x, int y, const char* text, std::size_t length)
{
    Cairo& c = *cairo_;
    c.Layout(text, length);
    cairo_set_source_rgb(c.context, c.colour.red / 255.0, c.colour.green / 255.0, c.colour.blue / 255.0);
    cairo_move_to(c.context, x, y);
    pango_cairo_show_layout(c.context, c.layout);
}

int PdfDocument::GetTextWidth(const char* text, std::size_t length) const
{
    return cairo_->Layout(text, length);
}

void PdfDocument::DrawLine(int x1, int y1, int x2, int y2)
{
    cairo_t* context = cairo_->context;
    cairo_set_source_rgb(context, 0, 0, 0);
    cairo_set_line_width(context, kPdfUnitsPerInch / 200.0);
    cairo_move_to(context, x1, y1);
    cairo_line_to(context, x2, y2);
    cairo_stroke(context);
}

}  // namespace platform
