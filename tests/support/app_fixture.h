// What every window test starts from: an empty working folder of its own, a
// fixed today, message boxes recorded instead of shown, and the application
// state of a program that has not started yet.
#pragma once

#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <wx/image.h>
#include <wx/weakref.h>

#include "desktop/app/main_frame.h"
#include "tests/core/message_recorder.h"

class TMyWindow;

class AppTest : public ::testing::Test {
protected:
    // 20 May 2001, a Sunday.
    static constexpr int kToday[3] = {2001, 5, 20};

    void SetUp() override;
    void TearDown() override;

    // Starts the program's main window as the application does.
    TMainFrame* StartProgram();

    // Writes CP932 bytes converted from the UTF-8 text into the working folder.
    void WriteFile(const std::string& name, const std::string& utf8Text);

    // Lets the toolkit lay out and paint what is pending.
    static void PumpEvents();

    // A command of the menu, the tool bar or the accelerators, as the frame gets it.
    static void SendCommand(TMainFrame* frame, int id);

    // The window's full repaint on an off-screen bitmap of its client size,
    // with its current scroll position.
    static wxImage RenderMonth(TMyWindow* window);

    MessageRecorder messages;
    std::filesystem::path workDir;

private:
    std::filesystem::path previousDir_;
    wxWeakRef<TMainFrame> frame_;  // gone once a test closes it
};
