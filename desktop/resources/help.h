// The help viewer over the built-in help book (Japanese, HTML help).
#pragma once

#include <wx/window.h>

namespace resources {

// Context numbers of the help book's pages.
enum HelpContext {
    HelpProgram = 16,
    HelpSettings = 129,
    HelpEventList = 131,
    HelpEventEdit = 132,
};

// Shows the page of context in the help file helpFile (CP932 name, the
// global szHelpFile; the built-in book answers to "VESOMA.HLP" in any case).
// Returns false for an unknown file or context.
bool ShowHelpContext(wxWindow* parent, const char* helpFile, int context);

// Shows the page on how to use the help viewer.
bool ShowHelpUsage(wxWindow* parent);

// Closes the help viewer if it is open and frees it; call before the
// application object goes away. Safe to call when help was never shown.
void QuitHelp();

}  // namespace resources
