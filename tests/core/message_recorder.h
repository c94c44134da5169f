// Records every message box the code under test shows and answers it.
#pragma once

#include <string>
#include <vector>

#include "platform/message_box.h"
#include "platform/sjis.h"

class MessageRecorder {
public:
    explicit MessageRecorder(platform::MbResult answer = platform::MbResult::Ok)
    {
        previous_ = platform::SetMessageBoxHandler([this, answer](const platform::MessageBoxRequest& r) {
            shown.push_back(r);
            return answer;
        });
    }
    ~MessageRecorder() { platform::SetMessageBoxHandler(previous_); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    // Text and caption of the last box, as UTF-8 for readable assertions.
    std::string LastText() const { return shown.empty() ? "" : platform::ToUtf8(shown.back().text); }
    std::string LastCaption() const { return shown.empty() ? "" : platform::ToUtf8(shown.back().caption); }

    std::vector<platform::MessageBoxRequest> shown;

private:
    platform::MessageBoxHandler previous_;
};
