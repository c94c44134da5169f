// The main window in everyday use: the exit question's Cancel, white paper on
// any theme, every line within reach, the month range, the keys, today, the
// remembered place and the small conveniences.
#include <array>
#include <cstring>

#include <wx/display.h>
#include <wx/settings.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include "desktop/app/info_window.h"
#include "desktop/app/rokyo_window.h"
#include "desktop/app/vesoma_window.h"
#include "desktop/resources/resources.h"
#include "tests/support/app_fixture.h"

namespace {

using EverydayTest = AppTest;
using PictureTest = AppTest;

void Key(TMyWindow* window, int code)
{
    wxKeyEvent key(wxEVT_KEY_DOWN);
    key.m_keyCode = code;
    window->GetEventHandler()->ProcessEvent(key);
}

// Cancel, the answer of Escape and of the question's close box, keeps the
// program and the unsaved events, from the close box and the exit command.
TEST_F(EverydayTest, CancelAtTheExitQuestionKeepsTheProgramAndTheEvents)
{
    wxWeakRef<TMainFrame> frame = StartProgram();
    const int date[4] = {2001, 6, 1, -1};
    std::memcpy(Evs.nDate, date, sizeof date);
    std::strcpy(Evs.szEvent, "new");
    ASSERT_EQ(Evs.AddEvent(), 1);
    MessageRecorder cancel(platform::MbResult::Cancel);
    frame->Close();
    SendCommand(frame, commands::kExit);
    wxTheApp->ProcessIdle();
    EXPECT_TRUE(frame && Evs.bModify == 1);
    EXPECT_EQ(cancel.shown.size(), 2u);
}

// Run by CTest under GTK_THEME=Adwaita:dark.
TEST_F(PictureTest, DarkThemeLeavesEveryAlmanacViewOnWhitePaper)
{
    ASSERT_TRUE(wxSystemSettings::GetAppearance().IsDark());
    WriteFile("VESOMA.ini", "[VESOMA]\nEventInfo=1\n");
    WriteFile("VESOMA.CAL", "2001/ 5/20,誕生日\r\n");  // today's events open their window
    TMainFrame* frame = StartProgram();
    OpenWindows<TInfoWindow>().at(0)->Move(1000, 800);  // not over the month
    const TMyWindow* window = frame->Client();
    const wxImage shot = Screenshot(frame, "everyday_dark_theme.png");
    const wxPoint blank = window->GetScreenPosition() - frame->GetScreenPosition() +
                          wxPoint(77 * window->nCharWidth, 10 * window->nCharHeight);
    EXPECT_EQ(shot.GetRed(blank.x, blank.y) + shot.GetGreen(blank.x, blank.y), 2 * 255);
    SendCommand(frame, commands::kVesomaRokyo);
    SendCommand(frame, commands::kVesomaCreate);
    for (wxWindow* view : std::initializer_list<wxWindow*>{frame->Client(), OpenWindows<TRokyoWindow>().at(0),
                                                           OpenWindows<TVesomaWindow>().at(0)->Canvas(),
                                                           OpenWindows<TInfoWindow>().at(0)})
        EXPECT_EQ(view->GetBackgroundColour(), *wxWHITE) << view->GetName();
}

// The month window is the title and the 31 days high; the day window scrolls
// to everything it draws and shows another day from its top.
TEST_F(EverydayTest, EveryLineCanBeSeen)
{
    std::string events;
    for (int i = 0; i < 12; ++i)
        events += "2001/ 5/ 3,とても長い名前のイベントとても長い名前のイベント\r\n";
    WriteFile("VESOMA.CAL", events);
    TMainFrame* frame = StartProgram();
    TMyWindow* window = frame->Client();
    EXPECT_EQ(window->GetClientSize().y / window->nCharHeight, TMyWindow::kHeaderLines + 31);
    EXPECT_TRUE(wxDisplay(frame).GetClientArea().Contains(frame->GetRect()));
    RenderMonth(window);
    Click(window, 4 * window->nCharHeight + 1);  // 3 May
    Key(window, WXK_RETURN);
    TVesomaWindow* day = OpenWindows<TVesomaWindow>().at(0);
    const wxImage drawn = Render({800, 800}, [day](wxDC& dc) { day->Paint(dc); });
    int right = 0;
    for (int x = 0; x < drawn.GetWidth(); ++x)
        for (int y = 0; y < drawn.GetHeight(); ++y)
            right = drawn.GetRed(x, y) < 128 ? x : right;
    EXPECT_GT(day->Canvas()->GetVirtualSize().x, right);
    day->Canvas()->Scroll(10, 10);
    Click(window, 5 * window->nCharHeight + 1);
    EXPECT_EQ(day->Canvas()->GetViewStart(), wxPoint(0, 0));
}

// Keys and commands in turn: the date after each, the band's line (0: none)
// and the status line; the view follows the band.
TEST_F(EverydayTest, KeysAndCommandsMoveWithinTheAlmanacsYears)
{
    const char* const kAfter = "2100年12月より後の暦は表示できません";
    const char* const kBefore = "1900年1月より前の暦は表示できません";
    const struct Step {
        int key, command;
        std::array<int, 4> shown;  // year, month, day, band line
        const char* status;
    } kSteps[] = {
        {WXK_DOWN, 0, {2100, 12, 30, 31}, ""},  // the first key selects the shown day
        {WXK_DOWN, 0, {2100, 12, 31, 32}, ""},
        {WXK_DOWN, 0, {2100, 12, 31, 32}, kAfter},
        {WXK_PAGEDOWN, 0, {2100, 12, 31, 32}, kAfter},
        {0, commands::kVesomaAfter, {2100, 12, 31, 32}, kAfter},
        {WXK_PAGEUP, 0, {2100, 11, 30, 31}, ""},
        {WXK_HOME, 0, {2001, 5, 20, 21}, ""},
        {0, commands::kVesomaBefore, {2001, 4, 20, 0}, ""},
        {WXK_UP, 0, {2001, 4, 20, 21}, ""},
        {0, 0, {1900, 1, 1, 0}, ""},  // shown by the date dialog
        {WXK_UP, 0, {1900, 1, 1, 2}, ""},
        {WXK_UP, 0, {1900, 1, 1, 2}, kBefore},
        {0, commands::kVesomaBefore, {1900, 1, 1, 2}, kBefore},
        {0, commands::kToday, {2001, 5, 20, 21}, ""},
        {WXK_DOWN, 0, {2001, 5, 21, 22}, ""},
        {0, commands::kPreviousDay, {2001, 5, 20, 21}, ""},
    };
    TMainFrame* frame = StartProgram();
    TMyWindow* window = frame->Client();
    window->SetClientSize(window->GetClientSize().x, 10 * window->nCharHeight);
    frame->SetClientSize(frame->GetClientSize().x, 10 * window->nCharHeight);
    std::memcpy(ActDate, std::array<int, 3>{2100, 12, 30}.data(), sizeof ActDate);
    for (const Step& step : kSteps) {
        if (step.key)
            Key(window, step.key);
        else if (step.command)
            SendCommand(frame, step.command);
        else
            window->ShowDate(step.shown.data(), false);
        PumpEvents();
        const wxImage picture = RenderMonth(window);
        const int line = window->bSelect ? window->nSelectLine : 0;
        const int top = window->GetViewStart().y;
        const int y = (line - top) * window->nCharHeight + window->nCharHeight / 2;
        EXPECT_TRUE(line == 0 ||
                    (line >= top && line < top + 10 && picture.GetRed(77 * window->nCharWidth + 2, y) < 128));
        EXPECT_EQ((std::array<int, 4>{ActDate[0], ActDate[1], ActDate[2], line}), step.shown);
        EXPECT_EQ(sb->GetStatusText().utf8_string(), step.status) << step.shown[0] << "/" << step.shown[1];
    }
}

// Today's day number is framed in the window, and the today command shows it
// from any month; each tool has its hint as a tooltip; a save is reported.
TEST_F(EverydayTest, TodayIsMarkedAndReachedAndTheToolsAndTheSaveSpeak)
{
    TMainFrame* frame = StartProgram();
    TMyWindow* window = frame->Client();
    const wxPoint frameEdge(window->nCharWidth / 2, 21 * window->nCharHeight + window->nCharHeight / 2);
    for (const auto& [month, marked] : {std::pair{5, true}, std::pair{6, false}}) {
        ActDate[1] = month;
        const wxImage picture = RenderMonth(window);
        EXPECT_EQ(
            picture.GetBlue(frameEdge.x, frameEdge.y) < 128 && picture.GetRed(frameEdge.x, frameEdge.y) > 200,
            marked)
            << month;
    }
    SendCommand(frame, commands::kToday);
    EXPECT_EQ((std::vector<int>{ActDate[0], ActDate[1], ActDate[2], window->nSelectLine}),
              (std::vector<int>{2001, 5, 20, 21}));
    wxToolBar* toolBar = frame->GetToolBar();
    ASSERT_NE(toolBar->FindById(commands::kToday), nullptr);
    for (size_t i = 0; i < toolBar->GetToolsCount(); ++i) {
        const wxToolBarToolBase* tool = toolBar->GetToolByPos(static_cast<int>(i));
        EXPECT_TRUE(tool->IsSeparator() || (!tool->GetShortHelp().empty() &&
                                            tool->GetShortHelp() == resources::HintText(tool->GetId())));
    }
    SendCommand(frame, commands::kEventSave);
    EXPECT_EQ(sb->GetStatusText().utf8_string(), "保存しました");
}

// Written at a normal close, the place comes back at the next start with the
// open views; a place outside the screen comes back inside it, garbage is ignored.
TEST_F(EverydayTest, ThePlaceAndTheOpenViewsComeBackInsideTheScreen)
{
    wxWeakRef<TMainFrame> frame = StartProgram();
    const wxRect first = frame->GetRect();
    frame->SetSize(100, 120, 700, 500);
    SendCommand(frame, commands::kVesomaRokyo);
    SendCommand(frame, commands::kVesomaCreate);
    frame->Close();
    wxTheApp->ProcessIdle();
    ASSERT_FALSE(frame);
    frame = StartProgram();
    EXPECT_EQ(frame->GetRect(), wxRect(100, 120, 700, 500));
    EXPECT_EQ((std::vector<int>{CStatus::bRokyoCreate, CStatus::bChildCreate}), (std::vector<int>{1, 1}));
    frame->Destroy();
    const wxRect area = wxDisplay(0u).GetClientArea();
    for (const auto& [place, rect] :
         {std::pair<std::string, wxRect>{"-5000\nWindowY=99999\nWindowWidth=99999\nWindowHeight=300",
                                         {area.x, area.GetBottom() - 299, area.width, 300}},
          {"1x\nWindowY=0\nWindowWidth=700\nWindowHeight=500", first},
          {"1\nWindowY=0\nWindowWidth=0\nWindowHeight=500", first}}) {
        WriteFile("VESOMA.ini", "[VESOMA]\nWindowX=" + place + "\n");
        frame = StartProgram();
        EXPECT_EQ(frame->GetRect(), rect) << place;
        frame->Destroy();
    }
}

}  // namespace
