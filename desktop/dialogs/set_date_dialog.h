// The date entry dialog (resource 500): year, month and day fields, each with
// an arrow pair that steps it and carries into the next field; the date is
// checked only on OK.
#pragma once

#include <wx/dialog.h>

class ArrowPair;
class wxTextCtrl;

class SetDateDialog : public wxDialog {
public:
    // date is the caller's {year, month, day}: shown at set-up, written on OK
    // only. title (CP932) replaces the resource's title.
    SetDateDialog(wxWindow* parent, const char* title, int* date);

    // Whether the resource and all its controls were found.
    bool IsLoaded() const;

    // The fields as they read, into t = {year, month, day}.
    void GetDate(int* t) const;

    // 1 closes with the date written back when it is valid; otherwise the
    // user is told and the dialog stays open.
    void CmOk();
    // 2 closes; the caller's date stays as it was.
    void CmCancel();
    void HandleYearUp();
    void HandleYearDown();
    void HandleMonUp();
    void HandleMonDown();
    void HandleDayUp();
    void HandleDayDown();

    wxTextCtrl* pEdit[3] = {};  // year 326, month 327, day 328
    ArrowPair* pSpin[3] = {};   // their arrows 320, 321, 322
    char szCaption[32] = {};
    int* pDate = nullptr;

private:
    void SetupWindow();
    // One arrow step of field (a DateField) and the fields it changed shown.
    void Step(int field, int delta);
    void ShowField(int index, int value);
};

// The date command's dialog: runs it modally with title on date. Returns 1
// when the user confirmed a valid date (then written into date), else 2.
int RunSetDate(wxWindow* parent, const char* title, int* date);
