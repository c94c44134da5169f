// The run of months to print or to save as PDF: from a year and month to a
// year and month, one page each, at most kMaxSpanPages pages.
#pragma once

#include <wx/dialog.h>

#include "core/almanac/month_pages.h"

class wxSpinCtrl;

class MonthSpanDialog : public wxDialog {
public:
    // title: the command's name (UTF-8); the span starts and ends at the
    // month {year, month}.
    MonthSpanDialog(wxWindow* parent, const char* title, const int* month);

    // 1 closes when the span runs forwards and fits the page limit;
    // otherwise the user is told and the dialog stays open.
    void CmOk();
    void CmCancel();

    MonthSpan Span() const;

    // {year, month} of the first and of the last month.
    wxSpinCtrl* pFrom[2] = {};
    wxSpinCtrl* pTo[2] = {};

private:
    wxString szTitle;
};
