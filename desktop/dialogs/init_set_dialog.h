// The settings dialog "InitSetBox" over the transfer record ssInitSet.
#pragma once

#include <wx/dialog.h>

#include "core/settings/init_info.h"

class wxCheckBox;
class wxTextCtrl;

class TInitSetDialog : public wxDialog {
public:
    // Loads the dialog resource (normally "InitSetBox") as a child of parent.
    TInitSetDialog(wxWindow* parent, const char* resourceName);

    // The resource was found and has all its controls.
    bool IsLoaded() const;

    // ssInitSet into the controls.
    bool TransferDataToWindow() override;
    // The controls into ssInitSet; refuses (with a message) a name that does
    // not fit the record, and a newly named file that does not exist unless
    // the user chooses to start a new event file there.
    bool TransferDataFromWindow() override;

    // Check 522 is usable exactly when 521 is checked: the profile counts
    // the checked boxes, so 522 alone could not be stored.
    void HandleCheckMsg();
    // Opens the help book at the settings page.
    void HandleHelpMsg();
    // Fills the event file field with a file chosen in the file dialog.
    void HandleBrowseMsg();

    wxTextCtrl* EventFileEdit() const { return pEventFile; }
    wxCheckBox* Check(int id) const;

private:
    wxTextCtrl* pEventFile = nullptr;
    wxCheckBox* pCheck[6] = {};  // 520-525
};

// The settings command without the repaint: fills ssInitSet from the window's
// szEventFile and CStatus, runs the dialog modally and, when confirmed,
// applies the result. Returns 1 for OK (the caller then repaints and calls
// PutInitInfo), 2 for cancel (nothing changed).
int RunInitSetup(wxWindow* parent, char (&szEventFile)[kEventFileSize]);
