// Every window test starts in an empty folder of its own, on a fixed today, with message boxes recorded
// and the state of a program not started yet; with the steps and readings the window tests share.
#pragma once

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dc.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/weakref.h>

#include "core/almanac/vesoma.h"
#include "core/events/events.h"
#include "core/settings/status.h"
#include "desktop/app/app_globals.h"
#include "desktop/app/main_frame.h"
#include "desktop/app/my_window.h"
#include "desktop/resources/commands.h"
#include "platform/sjis.h"
#include "tests/core/message_recorder.h"

class AppTest : public ::testing::Test {
protected:
    static constexpr int kToday[3] = {2001, 5, 20};  // a Sunday

    void SetUp() override;
    void TearDown() override;
    // Starts the program's main window as the application does.
    TMainFrame* StartProgram();
    // Writes CP932 bytes converted from the UTF-8 text into the working folder.
    void WriteFile(const std::string& name, const std::string& utf8Text);
    // A shown frame for dialogs to place themselves in; it and they go at the end.
    wxFrame* Owner();

    MessageRecorder messages;
    std::filesystem::path workDir;

private:
    std::filesystem::path previousDir_;
    wxWeakRef<TMainFrame> frame_;  // gone once a test closes it
    wxWeakRef<wxFrame> owner_;
};

// Lets the toolkit lay out and paint what is pending.
void PumpEvents();
// A command of the menu, the tool bar or the accelerators, as the frame gets it.
void SendCommand(TMainFrame* frame, int id);
// A click on a button, a check box (which toggles) or a radio button (which
// is set), as the toolkit reports it to the control's handlers.
void Press(wxWindow* control);
// A mouse button event of type at x = 5, y pixels down the window's client area.
void Click(wxWindow* window, int y, wxEventType type = wxEVT_LEFT_DOWN);
// What paint draws on a white bitmap of size.
wxImage Render(const wxSize& size, const std::function<void(wxDC&)>& paint);
// The month window's full repaint at its client size and scroll position.
wxImage RenderMonth(TMyWindow* window);
// The page the help viewer shows, "" while it is closed.
std::string HelpPage();
// Saves image as name beside the test program, for people to look at.
void SavePicture(const wxImage& image, const std::string& name);
// The window as the screen shows it, decorations included, once the display
// server has shown what was painted; saved as name. After it the virtual
// screen shows no further change of the process's windows: one a process.
wxImage Screenshot(wxWindow* window, const std::string& name);

// The open (not closing) top-level windows of class T.
template <class T>
std::vector<T*> OpenWindows()
{
    std::vector<T*> found;
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* typed = dynamic_cast<T*>(window); typed != nullptr && !window->IsBeingDeleted())
            found.push_back(typed);
    return found;
}

// Plays the user on the dialog of class T once its modal run has started: act
// runs on it, and a dialog that act left open is cancelled, so that no test
// hangs in it.
template <class T>
void WhenModal(std::function<void(T&)> act)
{
    wxTheApp->CallAfter([act] {
        const std::vector<T*> open = OpenWindows<T>();
        const auto modal =
            std::find_if(open.begin(), open.end(), [](T* dialog) { return dialog->IsModal(); });
        ASSERT_NE(modal, open.end()) << "no modal dialog open";
        act(**modal);
        if ((*modal)->IsModal())
            (*modal)->EndModal(2);
    });
}
