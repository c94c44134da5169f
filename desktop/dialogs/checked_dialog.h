// A small dialog laid out in code that closes with 1 on OK once its fields
// make sense, else tells the user what is wrong and stays open; Cancel, Escape
// and the close box close it with 2.
#pragma once

#include <string>

#include <wx/dialog.h>

class wxSizer;

class CheckedDialog : public wxDialog {
public:
    // title: UTF-8; it captions the dialog and its messages.
    CheckedDialog(wxWindow* parent, const char* title);

    void CmOk();
    void CmCancel();

protected:
    // Puts OK and Cancel under the fields of column, which becomes the dialog's
    // sizer; the dialog takes its size and is centred on its parent.
    void Finish(wxSizer* column);
    // What keeps OK from closing the dialog, in UTF-8; empty when nothing does.
    virtual std::string Problem() const = 0;
};
