#include "desktop/dialogs/checked_dialog.h"

#include <wx/button.h>
#include <wx/sizer.h>

#include "desktop/platform/modal_dialog.h"
#include "platform/message_box.h"
#include "platform/sjis.h"

CheckedDialog::CheckedDialog(wxWindow* parent, const char* title)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(title))
{
}

void CheckedDialog::Finish(wxSizer* column)
{
    column->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 8);
    SetSizerAndFit(column);
    CentreOnParent();
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { CmOk(); }, wxID_OK);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { CmCancel(); }, wxID_CANCEL);
}

void CheckedDialog::CmOk()
{
    const std::string problem = Problem();
    if (!problem.empty()) {
        platform::ShowMessageBox(platform::ToSjis(problem).c_str(),
                                 platform::ToSjis(GetTitle().utf8_string()).c_str(), platform::MbButtons::Ok,
                                 platform::MbIcon::Exclamation);
        return;
    }
    CloseDialog(*this, 1);
}

void CheckedDialog::CmCancel()
{
    CloseDialog(*this, 2);
}
