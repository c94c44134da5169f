#include "desktop/platform/wx_message_box.h"

#include <wx/msgdlg.h>
#include <wx/stockitem.h>

#include "desktop/platform/wx_text.h"
#include "platform/message_box.h"

namespace platform {

namespace {

long StyleOf(MbButtons buttons)
{
    switch (buttons) {
    case MbButtons::OkCancel:
        return wxOK | wxCANCEL;
    case MbButtons::YesNo:
        return wxYES_NO;
    case MbButtons::YesNoCancel:
        return wxYES_NO | wxCANCEL;
    case MbButtons::Ok:
        break;
    }
    return wxOK;
}

long StyleOf(MbIcon icon)
{
    switch (icon) {
    case MbIcon::Stop:
        return wxICON_ERROR;
    case MbIcon::Exclamation:
        return wxICON_EXCLAMATION;
    case MbIcon::Question:
        return wxICON_QUESTION;
    case MbIcon::Information:
        return wxICON_INFORMATION;
    case MbIcon::None:
        break;
    }
    return wxICON_NONE;
}

MbResult ResultOf(int answer)
{
    switch (answer) {
    case wxID_YES:
        return MbResult::Yes;
    case wxID_NO:
        return MbResult::No;
    case wxID_CANCEL:
        return MbResult::Cancel;
    default:
        return MbResult::Ok;
    }
}

MbResult ShowWxMessageBox(const MessageBoxRequest& request)
{
    // No owner given: the toolkit makes the box modal to the program's top window.
    wxMessageDialog box(nullptr, WxFromSjis(request.text.c_str()), WxFromSjis(request.caption.c_str()),
                        StyleOf(request.buttons) | StyleOf(request.icon));
    // Left to itself the toolkit has GTK name the buttons in the user's
    // language; they take the toolkit's own Japanese labels, as the rest of
    // the program's texts are Japanese.
    box.SetYesNoCancelLabels(wxGetStockLabel(wxID_YES), wxGetStockLabel(wxID_NO),
                             wxGetStockLabel(wxID_CANCEL));
    box.SetOKLabel(wxGetStockLabel(wxID_OK));
    return ResultOf(box.ShowModal());
}

}  // namespace

void InstallWxMessageBoxes()
{
    SetMessageBoxHandler(ShowWxMessageBox);
}

void RemoveWxMessageBoxes()
{
    SetMessageBoxHandler({});
}

}  // namespace platform
