// The drawing surface over a toolkit device context: the screen window, an
// off-screen bitmap or a printer page. The caller selects the font first.
#pragma once

#include <wx/dc.h>
#include <wx/graphics.h>

#include "desktop/platform/text_image_cache.h"
#include "platform/draw_surface.h"

namespace platform {

class WxDrawSurface : public DrawSurface {
public:
    // With a cache, texts are painted from their pictures where the device
    // context draws through a graphics context (the screen and bitmaps on
    // GTK3); the cache must outlive the surface.
    explicit WxDrawSurface(wxDC& dc, TextImageCache* cache = nullptr);

    FontMetrics GetFontMetrics() const override;
    std::string GetFaceName() const override;
    int GetDpiX() const override;
    void SetTextColour(Rgb colour) override;
    void DrawText(int x, int y, const char* text, std::size_t length) override;
    int GetTextWidth(const char* text, std::size_t length) const override;
    void DrawLine(int x1, int y1, int x2, int y2) override;

private:
    wxDC& dc_;
    wxGraphicsContext* gc_;
    TextImageCache* cache_;
    wxString fontKey_;
};

}  // namespace platform
