// The main frame and the month window as the user meets them: start-up,
// commands, month stepping and the selection of a day.
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/html/helpfrm.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include "almanac/vesoma.h"
#include "app/app_globals.h"
#include "app/main_frame.h"
#include "app/my_window.h"
#include "app_fixture.h"
#include "events/events.h"
#include "platform/sjis.h"
#include "platform/wx/wx_text.h"
#include "resources/resources.h"
#include "settings/init_info.h"
#include "settings/status.h"

namespace {

const int kAllCommands[] = {48, 49, 63, 513, 514, 515, 516, 517, 769, 776, 777, 778, 785, 992, 997, 1023};
const int kHandledCommands[] = {48, 49, 63, 513, 514, 515, 516, 517, 769, 776, 777, 778, 992, 997, 1023};

bool IsHandled(int id)
{
    for (int handled : kHandledCommands) {
        if (handled == id)
            return true;
    }
    return false;
}

std::string Utf8(const wxString& text)
{
    return text.utf8_string();
}

void Click(TMyWindow* window, int y, wxEventType type = wxEVT_LEFT_DOWN)
{
    wxMouseEvent click(type);
    click.SetPosition(wxPoint(5, y));
    click.SetEventObject(window);
    window->GetEventHandler()->ProcessEvent(click);
}

// The help viewer's frame while it is open.
wxWindow* OpenHelpFrame()
{
    for (wxWindow* window : wxTopLevelWindows) {
        if (dynamic_cast<wxHtmlHelpFrame*>(window) != nullptr && !window->IsBeingDeleted())
            return window;
    }
    return nullptr;
}

// Whether the band covers grid line `line` of a rendering whose first line is
// at grid line `top`: column 77 is never written, so it shows the background.
bool BandOn(const wxImage& image, const TMyWindow* window, int line, int top = 0)
{
    const int x = 77 * window->nCharWidth + window->nCharWidth / 2;
    const int y = (line - top) * window->nCharHeight + window->nCharHeight / 2;
    return image.GetRed(x, y) < 128 && image.GetGreen(x, y) < 128 && image.GetBlue(x, y) < 128;
}

}  // namespace

using StartUpTest = AppTest;

TEST_F(StartUpTest, WithoutProfileTakesDefaultsAndWritesNothing)
{
    TMainFrame* frame = StartProgram();
    TMyWindow* window = frame->Client();

    EXPECT_STREQ(window->szEventFile, "VESOMA.CAL");
    EXPECT_EQ(CStatus::EventInfo, 1);
    EXPECT_EQ(CStatus::TableType, 1);
    EXPECT_EQ(CStatus::UnseiDisp, 1);
    EXPECT_EQ(ActDate[0], 2001);
    EXPECT_EQ(ActDate[1], 5);
    EXPECT_EQ(ActDate[2], 20);
    EXPECT_EQ(window->Today[3], 3 * 32 + 0);  // the third Sunday
    EXPECT_EQ(Utf8(frame->GetTitle()), "Ｑｕｅｌｏｎの運勢暦");
    EXPECT_TRUE(messages.shown.empty());

    PumpEvents();
    frame->Close(true);
    PumpEvents();
    EXPECT_TRUE(std::filesystem::is_empty(workDir));
}

TEST_F(StartUpTest, TodaysEventsAreMarkedOnlyWhenTheSettingAsks)
{
    WriteFile("VESOMA.CAL", "2001/ 5/20,誕生日\r\n");
    const int first[3] = {2001, 5, 1};

    WriteFile("VESOMA.ini", "[VESOMA]\nEventInfo=0\n");
    kc.SetDate(first);
    StartProgram()->Destroy();
    EXPECT_EQ(kc.nDay, 1);

    WriteFile("VESOMA.ini", "[VESOMA]\nEventInfo=1\n");
    kc.SetDate(first);
    StartProgram();
    EXPECT_EQ(kc.nDay, 20);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(StartUpTest, FailingEventFileIsReportedAndTheProgramRunsOn)
{
    std::filesystem::create_directory(workDir / "folder.cal");
    WriteFile("VESOMA.ini", "[VESOMA]\nEventFile=folder.cal\n");

    TMainFrame* frame = StartProgram();

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.LastText(), "イベント読み込みに失敗しました");
    EXPECT_EQ(messages.LastCaption(), "イベント読み込み");
    EXPECT_EQ(messages.shown.back().icon, platform::MbIcon::Stop);
    EXPECT_TRUE(frame->IsShown());
    EXPECT_EQ(ActDate[1], 5);
}

using FrameTest = AppTest;

TEST_F(FrameTest, OnlyCommandsWithAHandlerAreEnabled)
{
    TMainFrame* frame = StartProgram();
    wxMenuBar* menuBar = frame->GetMenuBar();
    for (size_t i = 0; i < menuBar->GetMenuCount(); ++i)
        menuBar->GetMenu(i)->UpdateUI(frame);
    wxToolBar* toolBar = frame->GetToolBar();
    toolBar->UpdateWindowUI();

    for (int id : kAllCommands) {
        SCOPED_TRACE(id);
        ASSERT_NE(menuBar->FindItem(id), nullptr);
        EXPECT_EQ(menuBar->IsEnabled(id), IsHandled(id));
        if (toolBar->FindById(id) != nullptr) {
            EXPECT_EQ(toolBar->GetToolEnabled(id), IsHandled(id));
        }
    }
}

TEST_F(FrameTest, ToolBarOrderAndHintsInTheStatusLine)
{
    TMainFrame* frame = StartProgram();
    wxToolBar* toolBar = frame->GetToolBar();
    const int order[] = {517, 0, 515, 514, 513, 0, 516, 0, 48};
    ASSERT_EQ(toolBar->GetToolsCount(), std::size(order));
    for (size_t i = 0; i < std::size(order); ++i) {
        const wxToolBarToolBase* tool = toolBar->GetToolByPos(static_cast<int>(i));
        SCOPED_TRACE(i);
        EXPECT_EQ(tool->IsSeparator(), order[i] == 0);
        if (order[i] != 0) {
            EXPECT_EQ(tool->GetId(), order[i]);
        }
    }

    toolBar->OnMouseEnter(513);
    EXPECT_EQ(Utf8(sb->GetStatusText()), "翌月の運勢暦を開きます");

    wxMenuEvent highlight(wxEVT_MENU_HIGHLIGHT, 1023);
    highlight.SetEventObject(frame);
    frame->GetEventHandler()->ProcessEvent(highlight);
    EXPECT_EQ(Utf8(sb->GetStatusText()), "バージョン情報ダイアログボックスを開きます");

    wxMenuEvent noHint(wxEVT_MENU_HIGHLIGHT, 769);
    noHint.SetEventObject(frame);
    frame->GetEventHandler()->ProcessEvent(noHint);
    EXPECT_EQ(Utf8(sb->GetStatusText()), "");
}

TEST_F(FrameTest, SizeFollowsTheCharacterCellWithinTheScreen)
{
    TMainFrame* frame = StartProgram();
    const TMyWindow* window = frame->Client();

    // The almanac font: a full-width character is exactly two cells.
    wxClientDC dc(frame->Client());
    dc.SetFont(window->GetFont());
    EXPECT_EQ(dc.GetTextExtent(platform::WxFromSjis(platform::SjisText("暦"))).x, 2 * window->nCharWidth);
    EXPECT_EQ(frame->GetSize().x, 81 * window->nCharWidth);

    EXPECT_EQ(TMainFrame::SizeFor({8, 18}, 30, {1280, 1024}), wxSize(648, 30 + 38 * 18));
    EXPECT_EQ(TMainFrame::SizeFor({8, 18}, 30, {600, 480}), wxSize(600, 480));
}

TEST_F(FrameTest, ExitCommandClosesAndAsksAboutUnsavedEvents)
{
    WriteFile("VESOMA.CAL", "2001/ 5/ 3,憲法記念日の集い\r\n");
    wxWeakRef<TMainFrame> frame = StartProgram();
    std::strcpy(Evs.szEvent, platform::SjisText("追加"));
    Evs.nDate[0] = 2001;
    Evs.nDate[1] = 6;
    Evs.nDate[2] = 1;
    Evs.nDate[3] = -1;
    ASSERT_EQ(Evs.AddEvent(), 1);

    SendCommand(frame, 63);
    wxTheApp->ProcessIdle();

    EXPECT_FALSE(frame);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.LastCaption(), "イベント");
    EXPECT_EQ(messages.shown.back().buttons, platform::MbButtons::YesNo);
}

TEST_F(FrameTest, FailedSaveAtTheEndKeepsTheProgramOpen)
{
    WriteFile("VESOMA.ini", "[VESOMA]\nEventFile=missing/VESOMA.CAL\n");
    MessageRecorder answers(platform::MbResult::Yes);
    wxWeakRef<TMainFrame> frame = StartProgram();
    std::strcpy(Evs.szEvent, platform::SjisText("追加"));
    Evs.nDate[0] = 2001;
    Evs.nDate[1] = 6;
    Evs.nDate[2] = 1;
    Evs.nDate[3] = -1;
    ASSERT_EQ(Evs.AddEvent(), 1);

    frame->Close();
    wxTheApp->ProcessIdle();

    ASSERT_TRUE(frame);
    ASSERT_EQ(answers.shown.size(), 2u);
    EXPECT_EQ(platform::ToUtf8(answers.shown[0].caption), "イベント");
    EXPECT_EQ(answers.LastCaption(), "保存");
    EXPECT_EQ(Evs.bModify, 1);
}

using MonthTest = AppTest;

TEST_F(MonthTest, SteppingCrossesYearsAndKeepsTheDay)
{
    TMainFrame* frame = StartProgram();
    ActDate[0] = 2000;
    ActDate[1] = 12;
    ActDate[2] = 31;

    SendCommand(frame, 513);
    EXPECT_EQ(ActDate[0], 2001);
    EXPECT_EQ(ActDate[1], 1);
    EXPECT_EQ(ActDate[2], 31);

    SendCommand(frame, 514);
    EXPECT_EQ(ActDate[0], 2000);
    EXPECT_EQ(ActDate[1], 12);

    SendCommand(frame, 513);
    SendCommand(frame, 513);
    EXPECT_EQ(ActDate[1], 2);
    EXPECT_EQ(ActDate[2], 31);  // beyond February's end, kept for the next month
}

TEST_F(MonthTest, ClicksOutsideTheDayLinesAreIgnored)
{
    TMainFrame* frame = StartProgram();
    TMyWindow* window = frame->Client();
    ActDate[1] = 2;  // 28 days: the day lines are 2 to 29
    ActDate[2] = 15;
    RenderMonth(window);
    const int h = window->nCharHeight;

    Click(window, 1 * h + 1);
    Click(window, 30 * h + 1);
    Click(window, 0);
    EXPECT_EQ(ActDate[2], 15);
    EXPECT_EQ(window->bSelect, 0);

    Click(window, 29 * h + h - 1);
    EXPECT_EQ(ActDate[2], 28);
    EXPECT_EQ(window->nSelectLine, 29);
}

TEST_F(MonthTest, OneBandOnTheSelectedLineUntilTheNextFullRepaint)
{
    TMainFrame* frame = StartProgram();
    TMyWindow* window = frame->Client();
    RenderMonth(window);
    const int h = window->nCharHeight;

    Click(window, 10 * h + 2);
    Click(window, 12 * h + 2);
    wxImage picture = RenderMonth(window);
    EXPECT_EQ(ActDate[2], 11);
    EXPECT_FALSE(BandOn(picture, window, 10));
    EXPECT_TRUE(BandOn(picture, window, 12));
    EXPECT_FALSE(BandOn(picture, window, 13));

    SendCommand(frame, 513);
    picture = RenderMonth(window);
    EXPECT_FALSE(BandOn(picture, window, 12));
    EXPECT_EQ(ActDate[2], 11);
}

TEST_F(MonthTest, ClickAfterScrollingSelectsTheLineUnderThePointer)
{
    TMainFrame* frame = StartProgram();
    TMyWindow* window = frame->Client();
    window->SetClientSize(60 * window->nCharWidth, 10 * window->nCharHeight);
    frame->SetClientSize(frame->GetClientSize().x, 10 * window->nCharHeight);
    PumpEvents();
    RenderMonth(window);
    window->Scroll(0, 3);
    ASSERT_EQ(window->GetViewStart().y, 3);

    Click(window, 1);
    EXPECT_EQ(window->nSelectLine, 3);
    EXPECT_EQ(ActDate[2], 2);
    EXPECT_TRUE(BandOn(RenderMonth(window), window, 3, 3));
}

TEST_F(MonthTest, DoubleClickSelectsTheDayAndAsksForTheDayWindow)
{
    TMainFrame* frame = StartProgram();
    TMyWindow* window = frame->Client();
    RenderMonth(window);
    bool asked = false;
    frame->Bind(wxEVT_MENU, [&asked](wxCommandEvent& event) {
        asked = true;
        event.Skip();
    }, 517);

    Click(window, 1 * window->nCharHeight, wxEVT_LEFT_DCLICK);
    EXPECT_FALSE(asked);
    Click(window, 6 * window->nCharHeight, wxEVT_LEFT_DCLICK);
    EXPECT_TRUE(asked);
    EXPECT_EQ(ActDate[2], 5);
}

using CommandTest = AppTest;

TEST_F(CommandTest, SaveWritesTheFileTheEventsCameFrom)
{
    WriteFile("VESOMA.CAL", "****/12/25,クリスマス\r\n");
    TMainFrame* frame = StartProgram();
    std::strcpy(Evs.szEvent, platform::SjisText("花見"));
    Evs.nDate[0] = 0;
    Evs.nDate[1] = 4;
    Evs.nDate[2] = 5;
    Evs.nDate[3] = -1;
    ASSERT_EQ(Evs.AddEvent(), 1);
    // A changed setting takes effect at the next start only.
    std::strcpy(frame->Client()->szEventFile, "OTHER.CAL");

    SendCommand(frame, 778);

    EXPECT_EQ(Evs.bModify, 0);
    EXPECT_FALSE(std::filesystem::exists(workDir / "OTHER.CAL"));
    std::ifstream saved(workDir / "VESOMA.CAL", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(saved)), std::istreambuf_iterator<char>());
    EXPECT_EQ(platform::ToUtf8(text), "****/12/25,クリスマス\r\n****/ 4/ 5,花見\r\n");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CommandTest, HelpOpensTheProgramPageAndClosesWithTheProgram)
{
    wxWeakRef<TMainFrame> frame = StartProgram();
    SendCommand(frame, 992);
    EXPECT_EQ(frame->Client()->bHelpShown, 1);
    EXPECT_STREQ(szHelpFile, "vesoma.hlp");
    EXPECT_NE(OpenHelpFrame(), nullptr);

    frame->Close(true);
    wxTheApp->ProcessIdle();
    EXPECT_EQ(OpenHelpFrame(), nullptr);
}
