#include "desktop/platform/almanac_font.h"

#include <wx/dcscreen.h>
#include <wx/fontenum.h>

#include "platform/almanac_face.h"

namespace platform {

wxString AlmanacFaceName()
{
    static const wxString face = [] {
        for (const char* name : kAlmanacFaces) {
            if (wxFontEnumerator::IsValidFacename(name))
                return wxString(name);
        }
        return wxFont(wxFontInfo().Family(wxFONTFAMILY_TELETYPE)).GetFaceName();
    }();
    return face;
}

wxFont AlmanacScreenFont()
{
    // The text renderer rounds each glyph's advance to whole pixels: with an
    // odd em a full-width glyph comes out one pixel short of two cells.
    constexpr double kEmPixels = 16.0;
    const int ppi = wxScreenDC().GetPPI().y;
    return wxFont(wxFontInfo(kEmPixels * 72.0 / (ppi > 0 ? ppi : 96)).FaceName(AlmanacFaceName()));
}

}  // namespace platform
