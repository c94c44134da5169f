// Where the main window saves an export: the toolkit's file dialog, which
// tests replace with a chooser of their own.
#pragma once

#include <functional>

#include <wx/string.h>

class wxWindow;

// The chosen path, or an empty string when the user cancelled; defaultPath is
// the suggested file, in the suggested folder when it names one.
using SavePathChooser = std::function<wxString(wxWindow* parent, const wxString& defaultPath)>;

// Installs chooser (an empty one restores the file dialog); returns the previous one.
SavePathChooser SetSavePathChooser(SavePathChooser chooser);

// Asks where to save, under title, offering the files that wildcard matches;
// a file that exists is replaced only when the user agrees.
wxString AskSavePath(wxWindow* parent, const char* title, const wxString& defaultPath, const char* wildcard);
