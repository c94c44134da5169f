// The font every window of the almanac draws with: a monospace CJK face in
// which a full-width character is exactly two cells wide, so columns line up.
#pragma once

#include <wx/font.h>
#include <wx/string.h>

namespace platform {

// The first installed face of a short list of monospace CJK fonts; the
// toolkit's own monospace face when none is installed.
wxString AlmanacFaceName();

// The screen font of the almanac windows. Its pixel height is even, so the
// half-width cell is a whole number of pixels and texts do not drift.
wxFont AlmanacScreenFont();

}  // namespace platform
