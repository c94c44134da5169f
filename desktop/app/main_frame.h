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

    // The frame size for a character cell: 81 cells wide and the menu bar plus
    // 38 lines high, but never larger than the screen.
    static wxSize SizeFor(const wxSize& cell, int menuHeight, const wxSize& screen);

private:
    TMyWindow* pClient = nullptr;

    void BuildToolBar();
    void BuildStatusLine();
};
