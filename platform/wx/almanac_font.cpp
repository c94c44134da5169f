#include "platform/wx/almanac_font.h"

#include <wx/fontenum.h>

namespace platform {

wxString AlmanacFaceName()
{
    static const wxString face = [] {
        static const char* const candidates[] = {
            "IPAGothic", "VL Gothic", "Noto Sans Mono CJK JP", "TakaoGothic", "MS Gothic",
        };
        for (const char* name : candidates) {
            if (wxFontEnumerator::IsValidFacename(name))
                return wxString(name);
        }
        return wxFont(wxFontInfo().Family(wxFONTFAMILY_TELETYPE)).GetFaceName();
    }();
    return face;
}

wxFont AlmanacScreenFont()
{
    return wxFont(wxFontInfo(wxSize(0, 16)).FaceName(AlmanacFaceName()));
}

}  // namespace platform
