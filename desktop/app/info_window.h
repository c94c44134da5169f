// The today's-events window: opened at start-up when today has events, it
// greets the user with one sentence per event and closes with its button.
#pragma once

#include <wx/dc.h>
#include <wx/frame.h>

class TInfoWindow : public wxFrame {
public:
    // Sized for the event count of the main window's last lookup; title is
    // CP932 and may be empty. Shown at once.
    TInfoWindow(wxWindow* parent, const char* title);

    // The button "了解": closes the window as the user's close request would.
    void HandleButtonMsg();

    // Draws the month table's current day and its events onto dc; with no
    // event to show the window closes itself.
    void Paint(wxDC& dc);

private:
    void EvPaint(wxPaintEvent& event);
};
