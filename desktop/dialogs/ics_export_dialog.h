// The iCalendar export dialog: the span in years and the kinds of items that
// become events. Where the file goes is asked afterwards.
#pragma once

#include <wx/dialog.h>

class wxCheckBox;
class wxSpinCtrl;

class IcsExportDialog : public wxDialog {
public:
    // year: the first and last year shown at the start.
    IcsExportDialog(wxWindow* parent, int year);

    // 1 closes when the span runs forwards and a kind is chosen; otherwise
    // the user is told and the dialog stays open.
    void CmOk();
    void CmCancel();

    wxSpinCtrl* pFrom = nullptr;
    wxSpinCtrl* pTo = nullptr;
    // Holidays, solar terms, 六曜, the user's events.
    wxCheckBox* pKind[4] = {};
};
