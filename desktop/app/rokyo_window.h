// The six-day-cycle window: the month of the month table as a seven-column
// calendar, repainted by the main window whenever it rebuilds the table.
#pragma once

#include <wx/dc.h>
#include <wx/frame.h>

class TRokyoWindow : public wxFrame {
public:
    // caption is CP932; the window is shown at once.
    TRokyoWindow(wxWindow* parent, const char* caption);
    // The window is gone: the next six-day-cycle command opens a new one.
    ~TRokyoWindow() override;

    // Sets the caption from the month table and draws the calendar onto dc.
    void Paint(wxDC& dc);

    int nCharWidth = 0;
    int nCharHeight = 0;
    int nWidth = 0;   // also the length of the horizontal rules
    int nHeight = 0;  // also the length of the vertical rules

private:
    void EvPaint(wxPaintEvent& event);
};
