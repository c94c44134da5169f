#include "desktop/platform/wx_message_box.h"

#include <wx/msgdlg.h>

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
    case wxYES:
        return MbResult::Yes;
    case wxNO:
        return MbResult::No;
    case wxCANCEL:
        return MbResult::Cancel;
    default:
        return MbResult::Ok;
    }
}

MbResult ShowWxMessageBox(const MessageBoxRequest& request)
{
    // No owner given: the toolkit makes the box modal to the program's top window.
    int answer = wxMessageBox(WxFromSjis(request.text.c_str()), WxFromSjis(request.caption.c_str()),
                              StyleOf(request.buttons) | StyleOf(request.icon));
    return ResultOf(answer);
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
