// The edge between the program's CP932 bytes and the toolkit's wxString.
// wx leaves the process in the "C" locale, so every conversion names CP932.
#pragma once

#include <cstddef>
#include <string>

#include <wx/string.h>

namespace platform {

// length bytes of CP932 text (fewer when a NUL comes first) as wxString.
wxString WxFromSjis(const char* sjis, std::size_t length);
// NUL-terminated CP932 text as wxString.
wxString WxFromSjis(const char* sjis);

// The text as CP932 bytes; characters CP932 lacks become '?'.
std::string SjisFromWx(const wxString& text);

}  // namespace platform
