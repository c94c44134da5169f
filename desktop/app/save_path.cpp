#include "desktop/app/save_path.h"

#include <utility>

#include <wx/filedlg.h>
#include <wx/filename.h>

namespace {

SavePathChooser& Chooser()
{
    static SavePathChooser chooser;
    return chooser;
}

}  // namespace

SavePathChooser SetSavePathChooser(SavePathChooser chooser)
{
    SavePathChooser previous = std::move(Chooser());
    Chooser() = std::move(chooser);
    return previous;
}

wxString AskSavePath(wxWindow* parent, const char* title, const wxString& defaultPath, const char* wildcard)
{
    if (Chooser())
        return Chooser()(parent, defaultPath);
    const wxFileName suggested(defaultPath);
    wxFileDialog dialog(parent, wxString::FromUTF8(title), suggested.GetPath(), suggested.GetFullName(),
                        wxString::FromUTF8(wildcard), wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    return dialog.ShowModal() == wxID_OK ? dialog.GetPath() : wxString();
}
