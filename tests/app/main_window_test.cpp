// The main frame and the month window as the user meets them: start-up,
// commands, month stepping and the selection of a day.
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/html/helpfrm.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include "core/almanac/vesoma.h"
#include "core/events/events.h"
#include "core/settings/init_info.h"
#include "core/settings/status.h"
#include "desktop/app/app_globals.h"
#include "desktop/app/main_frame.h"
#include "desktop/app/my_window.h"
#include "desktop/platform/wx_text.h"
#include "desktop/resources/commands.h"
#include "platform/sjis.h"
#include "tests/support/app_fixture.h"

namespace {

std::vector<int> ShownDate()
{
    return {ActDate[0], ActDate[1], ActDate[2]};
}

void Click(TMyWindow* window, int y, wxEventType type = wxEVT_LEFT_DOWN)
{
    wxMouseEvent click(type);
    click.SetPosition(wxPoint(5, y));
    click.SetEventObject(window);
    window->GetEventHandler()->ProcessEvent(click);
}

// An event the user added in this session and has not saved yet.
void AddEvent(int year, int month, int day, const char* utf8Name)
{
    std::strcpy(Evs.szEvent, platform::SjisText(utf8Name));
    Evs.nDate[0] = year;
    Evs.nDate[1] = month;
    Evs.nDate[2] = day;
    Evs.nDate[3] = -1;
    ASSERT_EQ(Evs.AddEvent(), 1);
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
    EXPECT_STREQ(frame->Client()->szEventFile, "VESOMA.CAL");
    EXPECT_EQ(std::make_tuple(CStatus::EventInfo, CStatus::TableType, CStatus::UnseiDisp),
              std::make_tuple(1, 1, 1));
    EXPECT_EQ(ShownDate(), (std::vector<int>{2001, 5, 20}));
    EXPECT_EQ(frame->Client()->Today[3], 3 * 32 + 0);  // the third Sunday
    EXPECT_EQ(frame->GetTitle().utf8_string(), "Ｑｕｅｌｏｎの運勢暦");
    EXPECT_TRUE(messages.shown.empty());

    PumpEvents();
    frame->Close(true);
    PumpEvents();
    EXPECT_TRUE(std::filesystem::is_empty(workDir));
}

TEST_F(StartUpTest, TodaysEventsAreMarkedOnlyWhenTheSettingAsks)
{
    WriteFile("VESOMA.CAL", "2001/ 5/20,誕生日\r\n");
    for (const auto& [eventInfo, shownDay] : {std::pair{0, 1}, std::pair{1, 20}}) {
        WriteFile("VESOMA.ini", "[VESOMA]\nEventInfo=" + std::to_string(eventInfo) + "\n");
        const int first[3] = {2001, 5, 1};
        kc.SetDate(first);
        StartProgram()->Destroy();
        EXPECT_EQ(kc.nDay, shownDay) << "EventInfo=" << eventInfo;
    }
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

TEST_F(FrameTest, CommandsWithAHandlerAreEnabledAndTheToolBarGivesHints)
{
    TMainFrame* frame = StartProgram();
    wxMenuBar* menuBar = frame->GetMenuBar();
    for (size_t i = 0; i < menuBar->GetMenuCount(); ++i)
        menuBar->GetMenu(i)->UpdateUI(frame);
    wxToolBar* toolBar = frame->GetToolBar();
    toolBar->UpdateWindowUI();
    const int kUnhandled = 785;
    for (int id : {48, 49, 63, 513, 514, 515, 516, 517, 769, 776, 777, 778, kUnhandled, 992, 997, 1023}) {
        SCOPED_TRACE(id);
        ASSERT_NE(menuBar->FindItem(id), nullptr);
        EXPECT_EQ(menuBar->IsEnabled(id), id != kUnhandled);
        EXPECT_TRUE(toolBar->FindById(id) == nullptr || toolBar->GetToolEnabled(id) == (id != kUnhandled));
    }

    std::vector<int> tools;  // 0 for a separator
    for (size_t i = 0; i < toolBar->GetToolsCount(); ++i) {
        const wxToolBarToolBase* tool = toolBar->GetToolByPos(static_cast<int>(i));
        tools.push_back(tool->IsSeparator() ? 0 : tool->GetId());
    }
    EXPECT_EQ(tools, (std::vector<int>{517, 0, 515, 514, 513, 0, 516, 0, 48}));

    toolBar->OnMouseEnter(513);
    EXPECT_EQ(sb->GetStatusText().utf8_string(), "翌月の運勢暦を開きます");
    for (const auto& [id, hint] :
         {std::pair<int, std::string>{1023, "バージョン情報ダイアログボックスを開きます"}, {769, ""}}) {
        wxMenuEvent highlight(wxEVT_MENU_HIGHLIGHT, id);
        highlight.SetEventObject(frame);
        frame->GetEventHandler()->ProcessEvent(highlight);
        EXPECT_EQ(sb->GetStatusText().utf8_string(), hint) << id;
    }
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

TEST_F(FrameTest, ClosingAsksAboutUnsavedEventsAndAFailedSaveKeepsTheProgramOpen)
{
    WriteFile("VESOMA.ini", "[VESOMA]\nEventFile=missing/VESOMA.CAL\n");
    MessageRecorder yes(platform::MbResult::Yes);
    wxWeakRef<TMainFrame> frame = StartProgram();
    AddEvent(2001, 6, 1, "追加");

    frame->Close();
    wxTheApp->ProcessIdle();
    ASSERT_TRUE(frame);
    ASSERT_EQ(yes.shown.size(), 2u);
    EXPECT_EQ(platform::ToUtf8(yes.shown[0].caption), "イベント");
    EXPECT_EQ(yes.shown[0].buttons, platform::MbButtons::YesNo);
    EXPECT_EQ(yes.LastCaption(), "保存");
    EXPECT_EQ(Evs.bModify, 1);

    // The exit command asks again; without a save the program ends.
    MessageRecorder no(platform::MbResult::No);
    SendCommand(frame, commands::kExit);
    wxTheApp->ProcessIdle();
    EXPECT_FALSE(frame);
    ASSERT_EQ(no.shown.size(), 1u);
    EXPECT_EQ(no.LastCaption(), "イベント");
}

using MonthTest = AppTest;

TEST_F(MonthTest, SteppingCrossesYearsAndKeepsTheDay)
{
    TMainFrame* frame = StartProgram();
    ActDate[0] = 2000;
    ActDate[1] = 12;
    ActDate[2] = 31;
    // The 31st beyond February's end is kept for the next month.
    const std::pair<int, std::vector<int>> steps[] = {
        {513, {2001, 1, 31}}, {514, {2000, 12, 31}}, {513, {2001, 1, 31}}, {513, {2001, 2, 31}}};
    for (const auto& [command, date] : steps) {
        SendCommand(frame, command);
        EXPECT_EQ(ShownDate(), date) << "after command " << command << " to " << date[1] << "/" << date[0];
    }
}

TEST_F(MonthTest, OnlyClicksOnDayLinesSelectADay)
{
    TMainFrame* frame = StartProgram();
    TMyWindow* window = frame->Client();
    ActDate[1] = 2;  // 28 days: the day lines are 2 to 29
    ActDate[2] = 15;
    RenderMonth(window);
    const int h = window->nCharHeight;
    bool dayWindowAsked = false;
    frame->Bind(
        wxEVT_MENU,
        [&dayWindowAsked](wxCommandEvent& event) {
            dayWindowAsked = true;
            event.Skip();
        },
        517);

    for (const int y : {0, 1 * h + 1, 30 * h + 1}) {
        Click(window, y);
        Click(window, y, wxEVT_LEFT_DCLICK);
        EXPECT_EQ(ActDate[2], 15) << y;
        EXPECT_EQ(window->bSelect, 0) << y;
        EXPECT_FALSE(dayWindowAsked) << y;
    }

    Click(window, 29 * h + h - 1);
    EXPECT_EQ(ActDate[2], 28);
    EXPECT_EQ(window->nSelectLine, 29);

    Click(window, 6 * h, wxEVT_LEFT_DCLICK);
    EXPECT_EQ(ActDate[2], 5);
    EXPECT_TRUE(dayWindowAsked);
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

    SendCommand(frame, commands::kVesomaAfter);
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

using CommandTest = AppTest;

TEST_F(CommandTest, SaveWritesTheFileTheEventsCameFrom)
{
    WriteFile("VESOMA.CAL", "****/12/25,クリスマス\r\n");
    TMainFrame* frame = StartProgram();
    AddEvent(0, 4, 5, "花見");
    // A changed setting takes effect at the next start only.
    std::strcpy(frame->Client()->szEventFile, "OTHER.CAL");

    SendCommand(frame, commands::kEventSave);

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
    SendCommand(frame, commands::kHelp);
    EXPECT_EQ(frame->Client()->bHelpShown, 1);
    EXPECT_STREQ(szHelpFile, "vesoma.hlp");
    EXPECT_NE(OpenHelpFrame(), nullptr);

    frame->Close(true);
    wxTheApp->ProcessIdle();
    EXPECT_EQ(OpenHelpFrame(), nullptr);
}
