#include "desktop/dialogs/month_span_dialog.h"

#include <string>

#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>

namespace {

// A year and a month spin control with their labels, added to row.
void AddMonth(wxWindow* parent, wxSizer* row, const int* month, wxSpinCtrl** fields, const char* after)
{
    fields[0] = new wxSpinCtrl(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                               wxSP_ARROW_KEYS, 1900, 2100, month[0]);
    fields[1] = new wxSpinCtrl(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                               wxSP_ARROW_KEYS | wxSP_WRAP, 1, 12, month[1]);
    row->Add(fields[0], 0, wxALIGN_CENTER_VERTICAL);
    row->Add(new wxStaticText(parent, wxID_ANY, wxString::FromUTF8("年")), 0,
             wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, 4);
    row->Add(fields[1], 0, wxALIGN_CENTER_VERTICAL);
    row->Add(new wxStaticText(parent, wxID_ANY, wxString::FromUTF8(after)), 0,
             wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, 4);
}

}  // namespace

MonthSpanDialog::MonthSpanDialog(wxWindow* parent, const char* title, const int* month)
    : CheckedDialog(parent, title)
{
    auto* span = new wxBoxSizer(wxHORIZONTAL);
    AddMonth(this, span, month, pFrom, "月 から");
    AddMonth(this, span, month, pTo, "月 まで");
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(span, 0, wxALL, 8);
    const std::string limit = "1 か月 1 ページ、" + std::to_string(kMaxSpanPages) + " か月まで";
    column->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8(limit)), 0, wxLEFT | wxRIGHT, 8);
    Finish(column);
}

MonthSpan MonthSpanDialog::Span() const
{
    return {{pFrom[0]->GetValue(), pFrom[1]->GetValue()}, {pTo[0]->GetValue(), pTo[1]->GetValue()}};
}

std::string MonthSpanDialog::Problem() const
{
    const int months = CountMonths(Span());
    if (months < 1)
        return "終わりの月が始めの月より前です";
    if (months > kMaxSpanPages)
        return "一度に出せるのは " + std::to_string(kMaxSpanPages) + " か月までです";
    return {};
}
