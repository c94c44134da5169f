// The decorated main frame: menu, accelerators, tool bar, status line and
// icon around the main window.
#pragma once

#include <wx/frame.h>

class TMyWindow;

class TMainFrame : public wxFrame {
public:
    TMainFrame();

    // Builds, shows and starts the main window: what the application does at
    // start-up once the toolkit runs.
    static TMainFrame* Open();

    TMyWindow* Client() const { return pClient; }

    // The month window's size for a character cell: 81 cells wide, and high
    // enough for the title and every day of the longest month.
    static wxSize ClientSizeFor(const wxSize& cell);

private:
    TMyWindow* pClient = nullptr;

    void BuildToolBar();
    void BuildStatusLine();
};
