#include "platform/message_box.h"

#include <cstdio>
#include <utility>

#include "platform/sjis.h"

namespace platform {

namespace {

MessageBoxHandler& CurrentHandler()
{
    static MessageBoxHandler handler;
    return handler;
}

MbResult DefaultAnswer(MbButtons buttons)
{
    return buttons == MbButtons::YesNo || buttons == MbButtons::YesNoCancel ? MbResult::Yes : MbResult::Ok;
}

}  // namespace

MbResult ShowMessageBox(const char* text, const char* caption, MbButtons buttons, MbIcon icon)
{
    MessageBoxRequest request{text, caption, buttons, icon};
    if (CurrentHandler())
        return CurrentHandler()(request);
    std::fprintf(stderr, "%s: %s\n", ToUtf8(request.caption).c_str(), ToUtf8(request.text).c_str());
    return DefaultAnswer(buttons);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler)
{
    return std::exchange(CurrentHandler(), std::move(handler));
}

}  // namespace platform
