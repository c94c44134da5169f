// The character cell of the almanac font on the screen, which sizes the
// popup windows before they have a device context of their own.
#pragma once

#include <wx/dc.h>
#include <wx/gdicmn.h>

// Cell width and line height of dc's current font.
wxSize MeasureCell(wxDC& dc);

// The same for the almanac screen font on the screen.
wxSize ScreenCell();
