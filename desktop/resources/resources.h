// The program's built-in resources: the menu "COMMANDS", the accelerators,
// the tool-bar bitmaps, the icons and the dialogs. Nothing is read from disk.
#pragma once

#include <wx/accel.h>
#include <wx/bitmap.h>
#include <wx/dialog.h>
#include <wx/icon.h>
#include <wx/menu.h>
#include <wx/string.h>
#include <wx/window.h>

namespace resources {

// Registers the built-in dialogs (XRC), the image handlers and the help book.
// Call once from the application's OnInit, before any other function here.
void InitResources();

// The menu "COMMANDS": four popups with every item, shortcut text and
// separator; each item's help string is its status hint (empty when none),
// so a frame with a status bar shows it while the item is highlighted.
wxMenuBar* LoadMenuBar();

// The main frame's accelerator table: Shift+Down the next month, Shift+Up the
// previous one, F1 help, and five keys whose commands nobody handles.
wxAcceleratorTable GetAccelerators();

// Status hint of a command; empty when it has none.
wxString HintText(int id);

// Tool-bar bitmap of a command of the tool bar (22 x 20); wxNullBitmap otherwise.
wxBitmap GetToolBitmap(int id);

// Icon resources "4096" (main frame, About box), "4100" (six-day-cycle
// window) and "reki" (day window); wxNullIcon for other names.
wxIcon GetIcon(const wxString& name);

// Builds the dialog "AboutBox" into dialog, with its icon; false when the
// resource cannot be loaded.
bool LoadAboutBox(wxDialog& dialog, wxWindow* parent);

// Runs the dialog "AboutBox" modally and returns its result (wxID_OK).
int RunAboutBox(wxWindow* parent);

}  // namespace resources
