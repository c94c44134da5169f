// Where the main window's PDF is saved: the toolkit's file dialog, which
// tests replace with a chooser of their own.
#pragma once

#include <functional>

#include <wx/string.h>

class wxWindow;

// The chosen path, or an empty string when the user cancelled; defaultPath
// is the suggested file in the suggested folder.
using PdfPathChooser = std::function<wxString(wxWindow* parent, const wxString& defaultPath)>;

// Installs chooser (an empty one restores the file dialog); returns the previous one.
PdfPathChooser SetPdfPathChooser(PdfPathChooser chooser);
