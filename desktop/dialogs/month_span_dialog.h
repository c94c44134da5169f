// The run of months to print or to save as PDF: from a year and month to a
// year and month, one page each, at most kMaxSpanPages pages.
#pragma once

#include "core/almanac/month_pages.h"
#include "desktop/dialogs/checked_dialog.h"

class wxSpinCtrl;

class MonthSpanDialog : public CheckedDialog {
public:
    // title: the command's name (UTF-8); the span starts and ends at the
    // month {year, month}.
    MonthSpanDialog(wxWindow* parent, const char* title, const int* month);

    MonthSpan Span() const;

    // {year, month} of the first and of the last month.
    wxSpinCtrl* pFrom[2] = {};
    wxSpinCtrl* pTo[2] = {};

private:
    // A span that runs backwards or takes more than kMaxSpanPages pages.
    std::string Problem() const override;
};
