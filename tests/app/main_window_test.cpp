// The main frame and the month window as the user meets them: start-up,
// commands, month stepping, the selection of a day, saving, closing and help.
#include <cstring>
#include <set>
#include <string>
#include <tuple>
#include <utility>

#include <wx/dcclient.h>
#include <wx/html/helpfrm.h>
#include <wx/menu.h>
#include <wx/statbmp.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include "desktop/app/screen_cell.h"
#include "desktop/platform/wx_text.h"
#include "desktop/resources/help.h"
#include "desktop/resources/resources.h"
#include "tests/support/app_fixture.h"

namespace {

// Whether the selection band covers grid line `line` of a rendering whose first
// line is grid line `top`: column 77 is never written, so it shows the background.
bool BandOn(const wxImage& image, const TMyWindow* window, int line, int top = 0)
{
    const int x = 77 * window->nCharWidth + window->nCharWidth / 2;
    const int y = (line - top) * window->nCharHeight + window->nCharHeight / 2;
    return image.GetRed(x, y) < 128 && image.GetGreen(x, y) < 128 && image.GetBlue(x, y) < 128;
}

using StartUpTest = AppTest;

TEST_F(StartUpTest, WithoutProfileTakesDefaultsAndWritesNothing)
{
    TMainFrame* frame = StartProgram();
    EXPECT_STREQ(frame->Client()->szEventFile, "VESOMA.CAL");
    EXPECT_EQ(std::make_tuple(CStatus::EventInfo, CStatus::TableType, CStatus::UnseiDisp),
              std::make_tuple(1, 1, 1));
    EXPECT_EQ(ShownDate(), (std::vector<int>{2001, 5, 20}));
    EXPECT_EQ(frame->Client()->Today[3], 3 * 32 + 0);                    // the third Sunday
    EXPECT_EQ(frame->GetTitle().utf8_string(), "Ｑｕｅｌｏｎの運勢暦");  // from the string table
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
    EXPECT_EQ(messages.LastCaption() + ": " + messages.LastText(),
              "イベント読み込み: イベント読み込みに失敗しました");
    EXPECT_EQ(messages.shown.back().icon, platform::MbIcon::Stop);
    EXPECT_TRUE(frame->IsShown());
    EXPECT_EQ(ActDate[1], 5);
}

using FrameTest = AppTest;

TEST_F(FrameTest, CommandsWithAHandlerAreEnabledAndShowTheirHints)
{
    TMainFrame* frame = StartProgram();
    EXPECT_TRUE(frame->GetIcon().IsOk());
    std::vector<int> disabled;
    wxMenuBar* menuBar = frame->GetMenuBar();
    for (size_t i = 0; i < menuBar->GetMenuCount(); ++i) {
        menuBar->GetMenu(i)->UpdateUI(frame);
        for (wxMenuItem* item : menuBar->GetMenu(i)->GetMenuItems()) {
            if (!item->IsSeparator() && !item->IsEnabled())
                disabled.push_back(item->GetId());
        }
    }
    EXPECT_EQ(disabled, std::vector<int>{commands::kFont});
    // Every tool works and has a picture of its own.
    wxToolBar* toolBar = frame->GetToolBar();
    toolBar->UpdateWindowUI();
    std::set<std::string> pictures;
    int tools = 0;
    for (size_t i = 0; i < toolBar->GetToolsCount(); ++i) {
        const wxToolBarToolBase* tool = toolBar->GetToolByPos(static_cast<int>(i));
        if (tool->IsSeparator())
            continue;
        ++tools;
        EXPECT_TRUE(tool->IsEnabled()) << tool->GetId();
        const wxImage picture = tool->GetNormalBitmap().ConvertToImage();
        EXPECT_EQ(picture.GetSize(), wxSize(22, 20)) << tool->GetId();
        pictures.insert(std::string(reinterpret_cast<char*>(picture.GetData()), 22 * 20 * 3));
    }
    EXPECT_GT(tools, 1);
    EXPECT_EQ(pictures.size(), static_cast<size_t>(tools));

    toolBar->OnMouseEnter(commands::kVesomaAfter);
    EXPECT_EQ(sb->GetStatusText().utf8_string(), "翌月の運勢暦を開きます");
    for (const auto& [id, hint] :
         {std::pair<int, std::string>{commands::kAbout, "バージョン情報ダイアログボックスを開きます"},
          {commands::kInitSetup, ""}}) {
        wxMenuEvent highlight(wxEVT_MENU_HIGHLIGHT, id);
        highlight.SetEventObject(frame);
        frame->GetEventHandler()->ProcessEvent(highlight);
        EXPECT_EQ(sb->GetStatusText().utf8_string(), hint) << id;
    }
    wxDialog about;  // the About box carries the program's icon
    ASSERT_TRUE(resources::LoadAboutBox(about, frame));
    auto* icon = dynamic_cast<wxStaticBitmap*>(about.FindWindow(4096));
    EXPECT_TRUE(icon && icon->GetBitmap().IsOk());
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
    const int date[4] = {2001, 6, 1, -1};  // an event added in this session and not saved
    std::memcpy(Evs.nDate, date, sizeof date);
    std::strcpy(Evs.szEvent, "new");
    ASSERT_EQ(Evs.AddEvent(), 1);
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

TEST_F(FrameTest, HelpOpensEachContextsPageAndClosesWithTheProgram)
{
    wxWeakRef<TMainFrame> frame = StartProgram();
    SendCommand(frame, commands::kHelp);
    EXPECT_EQ(frame->Client()->bHelpShown, 1);
    EXPECT_STREQ(szHelpFile, "vesoma.hlp");
    EXPECT_EQ(HelpPage(), "index.html");
    SendCommand(frame, commands::kHelpUsage);
    EXPECT_EQ(HelpPage(), "usage.html");
    for (const auto& [context, page] :
         {std::pair<int, std::string>{resources::HelpEventList, "eventlist.html"},
          {resources::HelpEventEdit, "eventedit.html"},
          {resources::HelpSettings, "settings.html"}}) {
        EXPECT_TRUE(resources::ShowHelpContext(nullptr, "VESOMA.HLP", context)) << context;
        EXPECT_EQ(HelpPage(), page) << context;
    }
    // The pages are Japanese text as the user reads it.
    EXPECT_NE(OpenWindows<wxHtmlHelpFrame>()[0]->GetHelpWindow()->GetHtmlWindow()->ToText().Find(
                  wxString::FromUTF8("当日のイベントを表示")),
              wxNOT_FOUND);

    // The closed viewer's frame goes at idle time; help opens again afterwards.
    resources::QuitHelp();
    wxTheApp->ProcessIdle();
    EXPECT_EQ(HelpPage(), "");
    EXPECT_FALSE(resources::ShowHelpContext(nullptr, "OTHER.HLP", resources::HelpProgram));
    EXPECT_FALSE(resources::ShowHelpContext(nullptr, nullptr, resources::HelpProgram));
    EXPECT_FALSE(resources::ShowHelpContext(nullptr, "VESOMA.HLP", 17));
    EXPECT_EQ(HelpPage(), "");
    SendCommand(frame, commands::kHelp);
    EXPECT_EQ(HelpPage(), "index.html");
    frame->Close(true);
    wxTheApp->ProcessIdle();
    EXPECT_EQ(HelpPage(), "");
}

using MonthTest = AppTest;

TEST_F(MonthTest, SteppingCrossesYearsAndKeepsTheDay)
{
    TMainFrame* frame = StartProgram();
    ActDate[0] = 2000;
    ActDate[1] = 12;
    ActDate[2] = 31;
    // The 31st beyond February's end is kept for the next month.
    const std::pair<int, std::vector<int>> steps[] = {{commands::kVesomaAfter, {2001, 1, 31}},
                                                      {commands::kVesomaBefore, {2000, 12, 31}},
                                                      {commands::kVesomaAfter, {2001, 1, 31}},
                                                      {commands::kVesomaAfter, {2001, 2, 31}}};
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
        commands::kVesomaCreate);
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

TEST_F(MonthTest, OneBandOnTheSelectedLineUntilTheNextFullRepaintAlsoWhenScrolled)
{
    TMainFrame* frame = StartProgram();
    TMyWindow* window = frame->Client();
    RenderMonth(window);
    const int h = window->nCharHeight;
    Click(window, 10 * h + 2);
    Click(window, 12 * h + 2);
    wxImage picture = RenderMonth(window);
    EXPECT_EQ(ActDate[2], 11);
    EXPECT_EQ((std::vector<bool>{BandOn(picture, window, 10), BandOn(picture, window, 12),
                                 BandOn(picture, window, 13)}),
              (std::vector<bool>{false, true, false}));
    SendCommand(frame, commands::kVesomaAfter);
    EXPECT_FALSE(BandOn(RenderMonth(window), window, 12));
    EXPECT_EQ(ActDate[2], 11);

    // Ten lines high and scrolled by three: a click on the top line selects grid line 3.
    window->SetClientSize(60 * window->nCharWidth, 10 * h);
    frame->SetClientSize(frame->GetClientSize().x, 10 * h);
    PumpEvents();
    RenderMonth(window);
    window->Scroll(0, 3);
    ASSERT_EQ(window->GetViewStart().y, 3);
    Click(window, 1);
    EXPECT_EQ(window->nSelectLine, 3);
    EXPECT_EQ(ActDate[2], 2);
    EXPECT_TRUE(BandOn(RenderMonth(window), window, 3, 3));
}

// Clicks are divided by the character cell, which is at least a pixel even
// when the font measures nothing.
TEST_F(MonthTest, AFontThatMeasuresNothingStillTakesClicks)
{
    TMyWindow* window = StartProgram()->Client();
    window->SetFont(wxFont(wxFontInfo(wxSize(0, 1))));
    wxClientDC dc(window);
    dc.SetFont(window->GetFont());
    ASSERT_EQ(MeasureCell(dc), wxSize(0, 0)) << "the font must measure nothing for this test";
    RenderMonth(window);
    EXPECT_EQ(wxSize(window->nCharWidth, window->nCharHeight), wxSize(1, 1));
    Click(window, 5);
    EXPECT_EQ(window->nSelectLine, 5);
    EXPECT_EQ(ActDate[2], 4);
}

}  // namespace
