// The font every window of the almanac draws with: a monospace CJK face in
// which a full-width character is exactly two cells wide, so columns line up.
#pragma once

#include <wx/font.h>
#include <wx/string.h>

namespace platform {

// The first installed face of the almanac's faces (platform/almanac_face.h);
// the toolkit's own monospace face when none is installed.
wxString AlmanacFaceName();

// The screen font of the almanac windows: an em of 16 pixels, so that a
// half-width glyph is exactly 8 pixels and a full-width one 16.
wxFont AlmanacScreenFont();

}  // namespace platform
