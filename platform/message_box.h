// What the user must see or answer. The application installs a handler that
// shows a real message box; tests install one that records and answers.
#pragma once

#include <functional>
#include <string>

namespace platform {

enum class MbButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MbIcon { None, Stop, Exclamation, Question, Information };
enum class MbResult { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

struct MessageBoxRequest {
    std::string text;     // CP932
    std::string caption;  // CP932
    MbButtons buttons;
    MbIcon icon;
};

using MessageBoxHandler = std::function<MbResult(const MessageBoxRequest&)>;

// Shows the box (text and caption in CP932) and returns the user's answer.
// Without a handler it writes caption and text to stderr and returns the
// box's default answer: Ok, or Yes for the question boxes.
MbResult ShowMessageBox(const char* text, const char* caption, MbButtons buttons, MbIcon icon);

// Installs handler (an empty one restores the stderr fallback); returns the previous one.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

}  // namespace platform
