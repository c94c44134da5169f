// A pair of arrow buttons, one above the other, beside a field: a click on the
// upper half steps up, on the lower half down, reported as spin events with
// the pair's id. The toolkit's own spin button does not fit the narrow place
// the dialog gives it.
#pragma once

#include <wx/control.h>

class ArrowPair : public wxControl {
public:
    ArrowPair(wxWindow* parent, wxWindowID id);

private:
    void EvPaint(wxPaintEvent& event);
    void EvLButtonDown(wxMouseEvent& event);
};
