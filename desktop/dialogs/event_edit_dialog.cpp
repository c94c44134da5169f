#include "desktop/dialogs/event_edit_dialog.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <string>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/textctrl.h>
#include <wx/xrc/xmlres.h>

#include "core/events/events.h"
#include "core/settings/init_info.h"
#include "desktop/platform/modal_dialog.h"
#include "desktop/platform/wx_text.h"
#include "desktop/resources/help.h"
#include "platform/message_box.h"
#include "platform/sjis.h"

using platform::SjisText;

namespace {

enum Control {
    kYear = 326,
    kMonth = 327,
    kDay = 328,
    kWeekText = 787,
    kName = 788,
    kWeekCheck = 792,
    kNext = 793,
    kHelp = 771,
    kWeekGroup = 800,
    kDayGroup = 801,
    kFirstDayRadio = 802,  // 802-808
    kNumGroup = 816,
    kFirstNumRadio = 817,  // 817-822
};

// A name is cut to this many bytes: with the longest date part the record
// line stays within 80 bytes.
constexpr std::size_t kNameBytes = 61;

// Why an entry is refused; the index of its message.
enum Refusal { kBadDate, kNoName, kCommaInName };

const char* RefusalText(int reason)
{
    switch (reason) {
    case kBadDate:
        return SjisText("日付が不正です。");
    case kNoName:
        return SjisText("イベント名がありません。");
    default:
        // The event file separates date and name with commas, so a comma
        // would cut the name short at the next reading.
        return SjisText("イベント名に「,」は使えません。");
    }
}

// The field's text as CP932, at most maxBytes bytes, cut at a character
// boundary. A pasted line break or tab becomes a blank: the event file keeps
// one record per line. (No CP932 trail byte is below 0x40.)
void CopyField(const wxTextCtrl* field, char* dst, std::size_t maxBytes)
{
    std::string text = platform::SjisFromWx(field->GetValue());
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20)
            c = ' ';
    }
    platform::CopyCut(dst, text.c_str(), maxBytes);
}

// Only the user's typing is a change. GTK marks a field that the program
// empties as modified, so the flag is cleared explicitly.
void SetField(wxTextCtrl* field, const char* sjis)
{
    field->ChangeValue(platform::WxFromSjis(sjis));
    field->DiscardEdits();
}

template <std::size_t N>
int FirstChecked(wxRadioButton* const (&radios)[N])
{
    for (std::size_t i = 0; i < N; ++i) {
        if (radios[i]->GetValue())
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

EventEditDialog::EventEditDialog(wxWindow* parent, const char* resourceName, Events* store) : events(store)
{
    if (!wxXmlResource::Get()->LoadDialog(this, parent, resourceName))
        return;
    PlaceDialog(*this, 8, 6);
    pYear = dynamic_cast<wxTextCtrl*>(FindWindow(kYear));
    pMonth = dynamic_cast<wxTextCtrl*>(FindWindow(kMonth));
    pDay = dynamic_cast<wxTextCtrl*>(FindWindow(kDay));
    pWeekText = dynamic_cast<wxTextCtrl*>(FindWindow(kWeekText));
    pName = dynamic_cast<wxTextCtrl*>(FindWindow(kName));
    for (int i = 0; i < 7; ++i)
        pDayRadio[i] = dynamic_cast<wxRadioButton*>(FindWindow(kFirstDayRadio + i));
    for (int i = 0; i < 6; ++i)
        pNumRadio[i] = dynamic_cast<wxRadioButton*>(FindWindow(kFirstNumRadio + i));
    pWeekCheck = dynamic_cast<wxCheckBox*>(FindWindow(kWeekCheck));
    pWeekGroup = dynamic_cast<wxStaticBox*>(FindWindow(kWeekGroup));
    pNumGroup = dynamic_cast<wxStaticBox*>(FindWindow(kNumGroup));
    pDayGroup = dynamic_cast<wxStaticBox*>(FindWindow(kDayGroup));
    pNextButton = dynamic_cast<wxButton*>(FindWindow(kNext));
    if (!IsLoaded())
        return;

    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { CmOk(); }, wxID_OK);
    // Esc and the close box arrive as this button too.
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { CmCancel(); }, wxID_CANCEL);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { CmEventNext(); }, kNext);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { CmEventHelp(); }, kHelp);
    Bind(
        wxEVT_TEXT, [this](wxCommandEvent&) { LimitName(); }, kName);
    Bind(
        wxEVT_CHECKBOX, [this](wxCommandEvent&) { CmCheckWeek(); }, kWeekCheck);
    Bind(
        wxEVT_RADIOBUTTON, [this](wxCommandEvent& e) { CmNumGroup(static_cast<unsigned>(e.GetId())); },
        kFirstNumRadio, kFirstNumRadio + 5);
    Bind(
        wxEVT_RADIOBUTTON, [this](wxCommandEvent& e) { CmDayGroup(static_cast<unsigned>(e.GetId())); },
        kFirstDayRadio, kFirstDayRadio + 6);
    SetupWindow();
}

bool EventEditDialog::IsLoaded() const
{
    const std::initializer_list<const wxWindow*> controls = {
        pYear, pMonth, pDay, pWeekText, pName, pWeekCheck, pWeekGroup, pNumGroup, pDayGroup, pNextButton};
    for (const wxWindow* control : controls) {
        if (control == nullptr)
            return false;
    }
    for (const wxRadioButton* radio : pDayRadio) {
        if (radio == nullptr)
            return false;
    }
    for (const wxRadioButton* radio : pNumRadio) {
        if (radio == nullptr)
            return false;
    }
    return events != nullptr;
}

int EventEditDialog::Execute()
{
    if (!IsLoaded())
        return 2;
    return ShowModal();
}

void EventEditDialog::SetupWindow()
{
    if (events->bEdit == 1)
        bWeekMode = events->bWeek;
    EnableWeek();
    if (events->bEdit == 1) {
        SetField(pYear, events->szDate[0]);
        SetField(pMonth, events->szDate[1]);
        SetField(pDay, events->szDate[2]);
        int rule[2];
        if (bWeekMode == 1 && events->GetWeekDate(rule) == 1) {
            SetField(pWeekText, events->szDate[3]);
            pWeekCheck->SetValue(true);
            pNumRadio[rule[0]]->SetValue(true);
            pDayRadio[rule[1]]->SetValue(true);
            nNumCode = rule[0] * 32;
            nDayOfWeek = rule[1];
            bNumChosen = 1;
            bDayChosen = 1;
        }
        SetField(pName, events->szEvent);
        LimitName();
        // A changed record replaces one line of the list: it is registered once.
        pNextButton->Disable();
        events->bEdit = 0;
    }
    bWeekTextBuilt = 0;
}

void EventEditDialog::EnableWeek()
{
    const bool enable = bWeekMode == 1;
    pWeekGroup->Enable(enable);
    for (wxRadioButton* radio : pNumRadio)
        radio->Enable(enable);
    for (wxRadioButton* radio : pDayRadio)
        radio->Enable(enable);
    pWeekText->Enable(enable);
}

void EventEditDialog::CmCheckWeek()
{
    bWeekMode = pWeekCheck->GetValue() ? 1 : 0;
    EnableWeek();
}

void EventEditDialog::CmNumGroup(unsigned /*id*/)
{
    const int index = FirstChecked(pNumRadio);
    if (index < 0)
        return;
    nNumCode = index * 32;
    bNumChosen = 1;
    CheckGroup();
}

void EventEditDialog::CmDayGroup(unsigned /*id*/)
{
    const int index = FirstChecked(pDayRadio);
    if (index < 0)
        return;
    nDayOfWeek = index;
    bDayChosen = 1;
    CheckGroup();
}

void EventEditDialog::CheckGroup()
{
    if (bNumChosen != 1 || bDayChosen != 1)
        return;
    char text[sizeof events->szDate[3]];
    events->SetWeekDate(nNumCode + nDayOfWeek, text);
    SetField(pWeekText, text);
    bWeekTextBuilt = 1;
}

void EventEditDialog::LimitName()
{
    const std::string name = platform::SjisFromWx(pName->GetValue());
    const std::size_t kept = platform::CutLength(name.c_str(), kNameBytes);
    if (kept == name.size())
        return;
    const bool typed = pName->IsModified();
    const long at = pName->GetInsertionPoint();
    pName->ChangeValue(platform::WxFromSjis(name.c_str(), kept));
    pName->SetInsertionPoint(std::min(at, pName->GetLastPosition()));
    if (typed)
        pName->MarkDirty();
    else
        pName->DiscardEdits();
}

int EventEditDialog::CheckModified()
{
    return bWeekTextBuilt == 1 || pYear->IsModified() || pMonth->IsModified() || pDay->IsModified() ||
           pWeekCheck->GetValue() || pName->IsModified();
}

int EventEditDialog::CheckWeek(int* out)
{
    out[0] = FirstChecked(pNumRadio);
    out[1] = FirstChecked(pDayRadio);
    return out[0] >= 0 && out[1] >= 0;
}

int EventEditDialog::CanRegist()
{
    bRefused = 0;
    if (!CheckModified())
        return 1;
    const std::size_t dateBytes = sizeof events->szDate[0] - 1;
    CopyField(pYear, events->szDate[0], dateBytes);
    CopyField(pMonth, events->szDate[1], dateBytes);
    CopyField(pDay, events->szDate[2], dateBytes);
    CopyField(pWeekText, events->szDate[3], dateBytes);
    int rule[2];
    if (pWeekCheck->GetValue() && CheckWeek(rule)) {
        std::strcpy(events->szDate[2], "****");
        events->SetWeekDate(rule[0], rule[1]);
        SetField(pWeekText, events->szDate[3]);
    }
    CopyField(pName, events->szEvent, kNameBytes);

    int reason = -1;
    if (events->CheckEventDate() != 1)
        reason = kBadDate;
    else if (events->szEvent[0] == '\0')
        reason = kNoName;
    else if (platform::FindText(events->szEvent, ",") != nullptr)
        reason = kCommaInName;
    if (reason >= 0) {
        bRefused = 1;
        platform::ShowMessageBox(RefusalText(reason), SjisText("イベント登録"), platform::MbButtons::Ok,
                                 platform::MbIcon::Exclamation);
        return 0;
    }
    // A store that cannot grow still counts as registered: nothing is reported.
    events->AddEvent();
    return 1;
}

void EventEditDialog::CmOk()
{
    if (CanRegist() == 1)
        CloseDialog(*this, 1);
}

void EventEditDialog::CmEventNext()
{
    if (CanRegist() != 1)
        return;
    for (wxTextCtrl* field : {pYear, pMonth, pDay, pWeekText, pName})
        SetField(field, "");
    pMonth->SetFocus();
}

void EventEditDialog::CmCancel()
{
    CloseDialog(*this, 2);
}

void EventEditDialog::CmEventHelp()
{
    resources::ShowHelpContext(this, szHelpFile, resources::HelpEventEdit);
}
