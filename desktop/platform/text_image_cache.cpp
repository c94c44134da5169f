#include "desktop/platform/text_image_cache.h"

#include <algorithm>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

namespace platform {

namespace {

// Texts of a month view are few; a run that somehow draws many different ones
// starts over rather than growing without end.
constexpr std::size_t kMaxPictures = 4096;

wxImage Render(const wxFont& font, const wxColour& colour, const wxString& text)
{
    wxMemoryDC measure;
    measure.SetFont(font);
    const wxSize size = measure.GetTextExtent(text);
    // White text on black gives the coverage of every pixel: the alpha of
    // the picture, whose colour is the text colour throughout.
    wxBitmap coverage(std::max(size.x, 1), std::max(size.y, 1), 24);
    {
        wxMemoryDC dc(coverage);
        dc.SetBackground(*wxBLACK_BRUSH);
        dc.Clear();
        dc.SetFont(font);
        dc.SetTextForeground(*wxWHITE);
        dc.DrawText(text, 0, 0);
    }
    const wxImage mask = coverage.ConvertToImage();
    wxImage picture(mask.GetWidth(), mask.GetHeight());
    picture.SetRGB(wxRect(0, 0, mask.GetWidth(), mask.GetHeight()), colour.Red(), colour.Green(),
                   colour.Blue());
    picture.InitAlpha();
    const unsigned char* rgb = mask.GetData();
    unsigned char* alpha = picture.GetAlpha();
    const int pixels = mask.GetWidth() * mask.GetHeight();
    for (int i = 0; i < pixels; ++i)
        alpha[i] = rgb[3 * i + 1];
    return picture;
}

}  // namespace

const TextImageCache::Picture& TextImageCache::Get(wxGraphicsContext& gc, const wxFont& font,
                                                   const wxString& fontKey, const wxColour& colour,
                                                   const wxString& text)
{
    Key key(fontKey, colour.GetRGB(), text);
    auto found = pictures_.find(key);
    if (found != pictures_.end())
        return found->second;
    if (pictures_.size() >= kMaxPictures)
        pictures_.clear();
    const wxImage image = Render(font, colour, text);
    Picture picture{gc.CreateBitmapFromImage(image), image.GetSize()};
    return pictures_.emplace(std::move(key), std::move(picture)).first->second;
}

}  // namespace platform
