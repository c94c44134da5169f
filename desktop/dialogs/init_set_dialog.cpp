#include "desktop/dialogs/init_set_dialog.h"

#include <array>
#include <cstring>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/filedlg.h>
#include <wx/textctrl.h>
#include <wx/xrc/xmlres.h>

#include "desktop/platform/modal_dialog.h"
#include "desktop/platform/wx_text.h"
#include "desktop/resources/help.h"
#include "platform/file_io.h"
#include "platform/message_box.h"
#include "platform/sjis.h"

namespace {

constexpr int kEventFileEdit = 514;
constexpr int kFirstCheck = 520;  // 520-525
constexpr int kChecks = 6;
constexpr int kHelpButton = 771;
constexpr int kBrowseButton = 515;

// The fields of the transfer record that the check boxes show, in id order.
std::array<std::uint32_t*, kChecks> CheckedFields()
{
    return {&ssInitSet.bEventInfo, &ssInitSet.bKyureki, &ssInitSet.bRekicyu,
            &ssInitSet.bUnsei,     &ssInitSet.bPrecise, &ssInitSet.bHolidayLaw};
}

}  // namespace

TInitSetDialog::TInitSetDialog(wxWindow* parent, const char* resourceName)
{
    if (!wxXmlResource::Get()->LoadDialog(this, parent, resourceName))
        return;
    PlaceDialog(*this, 44, 45);
    pEventFile = dynamic_cast<wxTextCtrl*>(FindWindow(kEventFileEdit));
    for (int i = 0; i < kChecks; ++i)
        pCheck[i] = dynamic_cast<wxCheckBox*>(FindWindow(kFirstCheck + i));
    if (pCheck[1])
        pCheck[1]->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { HandleCheckMsg(); });
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { HandleHelpMsg(); }, kHelpButton);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { HandleBrowseMsg(); }, kBrowseButton);
}

wxCheckBox* TInitSetDialog::Check(int id) const
{
    return (id >= kFirstCheck && id < kFirstCheck + kChecks) ? pCheck[id - kFirstCheck] : nullptr;
}

bool TInitSetDialog::IsLoaded() const
{
    if (!pEventFile)
        return false;
    for (wxCheckBox* check : pCheck) {
        if (!check)
            return false;
    }
    return true;
}

bool TInitSetDialog::TransferDataToWindow()
{
    if (!IsLoaded())
        return false;
    pEventFile->ChangeValue(platform::WxFromSjis(ssInitSet.szEventFile));
    const auto checks = CheckedFields();
    for (int i = 0; i < kChecks; ++i)
        pCheck[i]->SetValue(*checks[i] != 0);
    HandleCheckMsg();
    return true;
}

bool TInitSetDialog::TransferDataFromWindow()
{
    if (!IsLoaded())
        return false;
    std::string name = platform::SjisFromWx(pEventFile->GetValue());
    if (name.size() >= sizeof ssInitSet.szEventFile) {
        platform::ShowMessageBox(platform::SjisText("ファイル名が長すぎます。"), platform::SjisText("設定"),
                                 platform::MbButtons::Ok, platform::MbIcon::Exclamation);
        return false;
    }
    // The store creates a missing file at its first save; a name the user
    // just gave may as well be mistyped.
    if (!name.empty() && name != ssInitSet.szEventFile &&
        !platform::FileExists(FullEventFile(name.c_str())) &&
        platform::ShowMessageBox(
            platform::SjisText(
                "このイベントファイルはありません。\n新しいイベントファイルとして始めますか？"),
            platform::SjisText("設定"), platform::MbButtons::YesNo,
            platform::MbIcon::Question) != platform::MbResult::Yes) {
        pEventFile->SetFocus();
        return false;
    }
    std::memcpy(ssInitSet.szEventFile, name.c_str(), name.size() + 1);
    const auto checks = CheckedFields();
    for (int i = 0; i < kChecks; ++i)
        *checks[i] = pCheck[i]->GetValue() ? 1 : 0;
    return true;
}

void TInitSetDialog::HandleCheckMsg()
{
    if (pCheck[1] && pCheck[2])
        pCheck[2]->Enable(pCheck[1]->GetValue());
}

void TInitSetDialog::HandleHelpMsg()
{
    resources::ShowHelpContext(this, szHelpFile, resources::HelpSettings);
}

void TInitSetDialog::HandleBrowseMsg()
{
    wxFileDialog chooser(
        this, wxString::FromUTF8("イベント登録ファイル"), wxEmptyString, pEventFile->GetValue(),
        wxString::FromUTF8("イベントファイル (*.CAL)|*.CAL;*.cal|すべてのファイル|*"), wxFD_OPEN);
    if (chooser.ShowModal() == wxID_OK)
        pEventFile->SetValue(chooser.GetPath());
}

int RunInitSetup(wxWindow* parent, char (&szEventFile)[kEventFileSize])
{
    FillInitSet(szEventFile);
    TInitSetDialog dialog(parent, "InitSetBox");
    if (!dialog.IsLoaded() || dialog.ShowModal() != wxID_OK)
        return 2;
    ApplyInitSet(szEventFile);
    return 1;
}
