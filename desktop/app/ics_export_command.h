// Where the main window's iCalendar export is saved: the toolkit's file
// dialog, which tests replace with a chooser of their own.
#pragma once

#include <functional>

#include <wx/string.h>

class wxWindow;

// The chosen path, or an empty string when the user cancelled.
using IcsPathChooser = std::function<wxString(wxWindow* parent, const wxString& defaultName)>;

// Installs chooser (an empty one restores the file dialog); returns the previous one.
IcsPathChooser SetIcsPathChooser(IcsPathChooser chooser);
