#include "desktop/dialogs/ics_export_dialog.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>

namespace {

wxString Text(const char* utf8)
{
    return wxString::FromUTF8(utf8);
}

}  // namespace

IcsExportDialog::IcsExportDialog(wxWindow* parent, int year)
    : CheckedDialog(parent, "iCalendar 形式で書き出し")
{
    auto* span = new wxBoxSizer(wxHORIZONTAL);
    pFrom = new wxSpinCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxSP_ARROW_KEYS,
                           1900, 2100, year);
    pTo = new wxSpinCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxSP_ARROW_KEYS,
                         1900, 2100, year);
    span->Add(pFrom, 0, wxALIGN_CENTER_VERTICAL);
    span->Add(new wxStaticText(this, wxID_ANY, Text("年 から")), 0,
              wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, 4);
    span->Add(pTo, 0, wxALIGN_CENTER_VERTICAL);
    span->Add(new wxStaticText(this, wxID_ANY, Text("年 まで")), 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 4);

    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(span, 0, wxALL, 8);
    const char* const labels[4] = {"祝日", "二十四節気", "六曜", "イベント"};
    for (int i = 0; i < 4; ++i) {
        pKind[i] = new wxCheckBox(this, wxID_ANY, Text(labels[i]));
        pKind[i]->SetValue(true);
        column->Add(pKind[i], 0, wxLEFT | wxRIGHT | wxBOTTOM, 8);
    }
    Finish(column);
}

std::string IcsExportDialog::Problem() const
{
    if (pTo->GetValue() < pFrom->GetValue())
        return "終わりの年が始めの年より前です";
    if (!pKind[0]->GetValue() && !pKind[1]->GetValue() && !pKind[2]->GetValue() && !pKind[3]->GetValue())
        return "書き出す項目を選んでください";
    return {};
}
