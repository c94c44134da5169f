#include "desktop/platform/wx_draw_surface.h"

#include <wx/pen.h>

#include "desktop/platform/wx_text.h"

namespace platform {

WxDrawSurface::WxDrawSurface(wxDC& dc, TextImageCache* cache)
    : dc_(dc), gc_(dc.GetGraphicsContext()), cache_(gc_ != nullptr ? cache : nullptr)
{
    if (cache_ != nullptr)
        fontKey_ = dc_.GetFont().GetNativeFontInfoDesc();
    dc_.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc_.SetTextForeground(*wxBLACK);
}

FontMetrics WxDrawSurface::GetFontMetrics() const
{
    const wxFontMetrics measured = dc_.GetFontMetrics();
    const wxFont font = dc_.GetFont();
    FontMetrics metrics;
    metrics.height = measured.height;
    metrics.externalLeading = measured.externalLeading;
    // The cell is the width of a half-width character; in the monospace
    // faces the almanac uses, every half-width glyph has exactly this width.
    metrics.averageCharWidth = dc_.GetTextExtent("0").x;
    metrics.weight = font.GetNumericWeight();
    metrics.italic = font.GetStyle() == wxFONTSTYLE_ITALIC;
    metrics.underlined = font.GetUnderlined();
    metrics.struckOut = font.GetStrikethrough();
    return metrics;
}

std::string WxDrawSurface::GetFaceName() const
{
    return SjisFromWx(dc_.GetFont().GetFaceName());
}

int WxDrawSurface::GetDpiX() const
{
    return dc_.GetPPI().x;
}

void WxDrawSurface::SetTextColour(Rgb colour)
{
    dc_.SetTextForeground(wxColour(colour.red, colour.green, colour.blue));
}

void WxDrawSurface::DrawText(int x, int y, const char* text, std::size_t length)
{
    if (cache_ == nullptr) {
        dc_.DrawText(WxFromSjis(text, length), x, y);
        return;
    }
    const TextImageCache::Picture& picture =
        cache_->Get(*gc_, dc_.GetFont(), fontKey_, dc_.GetTextForeground(), WxFromSjis(text, length));
    gc_->DrawBitmap(picture.bitmap, x, y, picture.size.x, picture.size.y);
}

int WxDrawSurface::GetTextWidth(const char* text, std::size_t length) const
{
    return dc_.GetTextExtent(WxFromSjis(text, length)).x;
}

void WxDrawSurface::DrawLine(int x1, int y1, int x2, int y2)
{
    dc_.SetPen(*wxBLACK_PEN);
    dc_.DrawLine(x1, y1, x2, y2);
}

}  // namespace platform
