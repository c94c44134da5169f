// Pictures of texts already drawn once, by font, colour and text. A month
// table repeats the same few hundred short texts on every repaint, and laying
// a text out costs many times more than painting its picture.
#pragma once

#include <map>
#include <string>
#include <tuple>

#include <wx/colour.h>
#include <wx/font.h>
#include <wx/graphics.h>
#include <wx/string.h>

namespace platform {

class TextImageCache {
public:
    struct Picture {
        wxGraphicsBitmap bitmap;
        wxSize size;
    };

    // The picture of text in font and colour on a transparent background,
    // made the first time it is asked for. fontKey names the font (its
    // native description), so callers compute it once, not per text.
    const Picture& Get(wxGraphicsContext& gc, const wxFont& font, const wxString& fontKey,
                       const wxColour& colour, const wxString& text);

private:
    using Key = std::tuple<wxString, wxUint32, wxString>;  // font, colour, text
    std::map<Key, Picture> pictures_;
};

}  // namespace platform
