#include "desktop/platform/wx_text.h"

#include <cstring>

#include <wx/strconv.h>

#include "platform/sjis.h"

namespace platform {

namespace {

const wxCSConv& Cp932()
{
    static const wxCSConv conv("CP932");
    return conv;
}

}  // namespace

wxString WxFromSjis(const char* sjis, std::size_t length)
{
    if (const void* nul = std::memchr(sjis, '\0', length))
        length = static_cast<std::size_t>(static_cast<const char*>(nul) - sjis);
    wxString text(sjis, Cp932(), length);
    if (text.empty() && length > 0)
        text = wxString::FromUTF8(ToUtf8(std::string_view(sjis, length)));  // broken bytes: show what we can
    return text;
}

wxString WxFromSjis(const char* sjis)
{
    return WxFromSjis(sjis, std::strlen(sjis));
}

std::string SjisFromWx(const wxString& text)
{
    return ToSjis(text.utf8_string());
}

}  // namespace platform
