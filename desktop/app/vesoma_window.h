// The day window: everything the almanac knows about the month table's
// current day, its events and its fortune texts, in a scrolled popup.
#pragma once

#include <array>

#include <wx/dc.h>
#include <wx/frame.h>
#include <wx/scrolwin.h>

class TVesomaWindow : public wxFrame {
public:
    // title is CP932. Opens at the remembered place, shown at once.
    TVesomaWindow(wxWindow* parent, const char* title);
    // The window is gone: the next day command opens a new one.
    ~TVesomaWindow() override;

    // Repaints the day, which lives on the scrolled canvas inside; a day other
    // than the one drawn last is shown from its top.
    void Refresh(bool eraseBackground = true, const wxRect* rect = nullptr) override;

    // Draws the current day onto dc (already carrying the scroll offset) and
    // fits the scroll range to what was drawn.
    void Paint(wxDC& dc);

    wxScrolledCanvas* Canvas() const { return pCanvas; }

    // Where day windows open: (200, 80) at first, then where the last one
    // was moved to.
    static wxPoint ptPosition;

private:
    wxScrolledCanvas* pCanvas = nullptr;
    wxSize szVirtual;                         // the drawn size the scroll range was last set for
    std::array<int, 3> shownDay = {0, 0, 0};  // the day last drawn

    void EvCreate();
    void EvMove(wxMoveEvent& event);
    void EvPaint(wxPaintEvent& event);
};
