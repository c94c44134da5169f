// The iCalendar export dialog: the span in years and the kinds of items that
// become events. Where the file goes is asked afterwards.
#pragma once

#include "desktop/dialogs/checked_dialog.h"

class wxCheckBox;
class wxSpinCtrl;

class IcsExportDialog : public CheckedDialog {
public:
    // year: the first and last year shown at the start.
    IcsExportDialog(wxWindow* parent, int year);

    wxSpinCtrl* pFrom = nullptr;
    wxSpinCtrl* pTo = nullptr;
    // Holidays, solar terms, 六曜, the user's events.
    wxCheckBox* pKind[4] = {};

private:
    // A span that runs backwards, or no kind chosen.
    std::string Problem() const override;
};
