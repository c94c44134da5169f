#include "desktop/dialogs/set_date_dialog.h"

#include <cstdio>
#include <string>

#include <wx/spinbutt.h>
#include <wx/textctrl.h>
#include <wx/xrc/xmlres.h>

#include "core/calendar/date_arith.h"
#include "core/calendar/date_steps.h"
#include "desktop/dialogs/arrow_pair.h"
#include "desktop/platform/modal_dialog.h"
#include "desktop/platform/wx_text.h"
#include "platform/message_box.h"
#include "platform/sjis.h"

namespace {

constexpr int kEditIds[3] = {326, 327, 328};
constexpr int kSpinIds[3] = {320, 321, 322};
// Characters each field takes: year, month, day.
constexpr int kFieldChars[3] = {4, 2, 2};

}  // namespace

SetDateDialog::SetDateDialog(wxWindow* parent, const char* title, int* date) : pDate(date)
{
    platform::CopyCut(szCaption, title, sizeof szCaption - 1);
    if (!wxXmlResource::Get()->LoadDialog(this, parent, "500"))
        return;
    for (int i = 0; i < 3; ++i) {
        pEdit[i] = wxDynamicCast(FindWindow(kEditIds[i]), wxTextCtrl);
        auto* arrows = new ArrowPair(this, kSpinIds[i]);
        if (wxXmlResource::Get()->AttachUnknownControl(std::to_string(kSpinIds[i]), arrows, this))
            pSpin[i] = arrows;
        else
            arrows->Destroy();
    }
    if (!IsLoaded())
        return;
    for (int i = 0; i < 3; ++i)
        pEdit[i]->SetMaxLength(static_cast<unsigned long>(kFieldChars[i]));
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { CmOk(); }, wxID_OK);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { CmCancel(); }, wxID_CANCEL);
    Bind(
        wxEVT_SPIN_UP, [this](wxSpinEvent&) { HandleYearUp(); }, kSpinIds[0]);
    Bind(
        wxEVT_SPIN_DOWN, [this](wxSpinEvent&) { HandleYearDown(); }, kSpinIds[0]);
    Bind(
        wxEVT_SPIN_UP, [this](wxSpinEvent&) { HandleMonUp(); }, kSpinIds[1]);
    Bind(
        wxEVT_SPIN_DOWN, [this](wxSpinEvent&) { HandleMonDown(); }, kSpinIds[1]);
    Bind(
        wxEVT_SPIN_UP, [this](wxSpinEvent&) { HandleDayUp(); }, kSpinIds[2]);
    Bind(
        wxEVT_SPIN_DOWN, [this](wxSpinEvent&) { HandleDayDown(); }, kSpinIds[2]);
    SetupWindow();
}

bool SetDateDialog::IsLoaded() const
{
    for (int i = 0; i < 3; ++i) {
        if (pEdit[i] == nullptr || pSpin[i] == nullptr)
            return false;
    }
    return true;
}

void SetDateDialog::SetupWindow()
{
    SetTitle(platform::WxFromSjis(szCaption));
    for (int i = 0; i < 3; ++i)
        ShowField(i, pDate[i]);
}

void SetDateDialog::ShowField(int index, int value)
{
    pEdit[index]->ChangeValue(wxString::Format("%d", value));
}

void SetDateDialog::GetDate(int* t) const
{
    for (int i = 0; i < 3; ++i) {
        const std::string text = platform::SjisFromWx(pEdit[i]->GetValue());
        t[i] = ReadDateField(text.c_str(), kFieldChars[i]);
    }
}

void SetDateDialog::Step(int field, int delta)
{
    int t[3];
    GetDate(t);
    const int shown = StepDate(t, static_cast<DateField>(field), delta);
    const int fields[3] = {kYearField, kMonthField, kDayField};
    for (int i = 0; i < 3; ++i) {
        if (shown & fields[i])
            ShowField(i, t[i]);
    }
}

void SetDateDialog::HandleYearUp()
{
    Step(kYearField, +1);
}

void SetDateDialog::HandleYearDown()
{
    Step(kYearField, -1);
}

void SetDateDialog::HandleMonUp()
{
    Step(kMonthField, +1);
}

void SetDateDialog::HandleMonDown()
{
    Step(kMonthField, -1);
}

void SetDateDialog::HandleDayUp()
{
    Step(kDayField, +1);
}

void SetDateDialog::HandleDayDown()
{
    Step(kDayField, -1);
}

void SetDateDialog::CmOk()
{
    int t[3];
    GetDate(t);
    if (CheckDate(t) == 1) {
        for (int i = 0; i < 3; ++i)
            pDate[i] = t[i];
        CloseDialog(*this, 1);
        return;
    }
    char text[48];
    std::snprintf(text, sizeof text, "%d/%d/%d", t[0], t[1], t[2]);
    platform::ShowMessageBox(text, platform::SjisText("日付が不正です"), platform::MbButtons::Ok,
                             platform::MbIcon::Exclamation);
}

void SetDateDialog::CmCancel()
{
    CloseDialog(*this, 2);
}

int RunSetDate(wxWindow* parent, const char* title, int* date)
{
    SetDateDialog dialog(parent, title, date);
    if (!dialog.IsLoaded())
        return 2;
    return dialog.ShowModal() == 1 ? 1 : 2;
}
