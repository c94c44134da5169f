// The main frame and the month window as the user meets them: start-up,
// commands, month stepping, the selection of a day, closing and help.
#include <cstring>
#include <set>
#include <tuple>
#include <utility>

#include <gmock/gmock.h>
#include <wx/dcclient.h>
#include <wx/menu.h>
#include <wx/statbmp.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include "desktop/app/info_window.h"
#include "desktop/app/screen_cell.h"
#include "desktop/platform/wx_text.h"
#include "desktop/resources/help.h"
#include "desktop/resources/resources.h"
#include "tests/support/app_fixture.h"

namespace {

TEST_F(AppTest, WithoutProfileShowsTodayUnderTheCaptionOfTheStringTableAndWritesOnlyThePlace)
{
    TMainFrame* frame = StartProgram();
    EXPECT_THAT(ActDate, testing::ElementsAre(2001, 5, 20));
    EXPECT_EQ(frame->GetTitle().utf8_string(), "Ｑｕｅｌｏｎの運勢暦");
    EXPECT_TRUE(frame->GetIcon().IsOk() && messages.shown.empty());
    PumpEvents();
    frame->Close(true);
    PumpEvents();
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(workDir), {}), 1);  // the profile
}

// {event date, EventInfo, the day the table shows, today's-events windows}
TEST_F(AppTest, TodaysEventsAreMarkedAndShownOnlyWhenTheSettingAsksAndThereAreAnyAndTheWindowFollowsTheDay)
{
    for (const auto& [date, eventInfo, shownDay, windows] :
         {std::tuple{"2001/ 5/21", 1, 1, 0u}, {"2001/ 5/20", 0, 1, 0u}, {"2001/ 5/20", 1, 20, 1u}}) {
        WriteFile("VESOMA.CAL", date + std::string(",誕生日\r\n"));
        WriteFile("VESOMA.ini", "[VESOMA]\nEventInfo=" + std::to_string(eventInfo) + "\n");
        const int first[3] = {2001, 5, 1};
        kc.SetDate(first);
        TMainFrame* frame = StartProgram();
        EXPECT_EQ(OpenWindows<TInfoWindow>().size(), windows) << date << " EventInfo=" << eventInfo;
        frame->Destroy();
        EXPECT_EQ(kc.nDay, shownDay) << date << " EventInfo=" << eventInfo;
    }
    EXPECT_TRUE(messages.shown.empty());
    // Shown on a day without events, the window closes itself.
    TMainFrame* frame = StartProgram();
    const int tomorrow[3] = {2001, 5, 21};
    kc.SetDate(tomorrow);
    new TInfoWindow(frame->Client(), "");
    for (int i = 0; i < 5 && !OpenWindows<TInfoWindow>().empty(); ++i) {
        PumpEvents();
        wxTheApp->ProcessIdle();
    }
    EXPECT_TRUE(OpenWindows<TInfoWindow>().empty());
}

TEST_F(AppTest, FailingEventFileIsReportedAndTheProgramRunsOn)
{
    std::filesystem::create_directory(workDir / "folder.cal");
    WriteFile("VESOMA.ini", "[VESOMA]\nEventFile=folder.cal\n");
    TMainFrame* frame = StartProgram();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.LastCaption() + ": " + messages.LastText(),
              "イベント読み込み: イベント読み込みに失敗しました");
    EXPECT_EQ(messages.shown.back().icon, platform::MbIcon::Stop);
    EXPECT_TRUE(frame->IsShown());
}

TEST_F(AppTest, CommandsWithAHandlerAreEnabledWithTheirPicturesAndHints)
{
    TMainFrame* frame = StartProgram();
    std::vector<int> disabled;
    for (size_t i = 0; i < frame->GetMenuBar()->GetMenuCount(); ++i) {
        frame->GetMenuBar()->GetMenu(i)->UpdateUI(frame);
        for (wxMenuItem* item : frame->GetMenuBar()->GetMenu(i)->GetMenuItems())
            if (!item->IsSeparator() && !item->IsEnabled())
                disabled.push_back(item->GetId());
    }
    EXPECT_EQ(disabled, std::vector<int>{commands::kFont});
    // Every tool works and has a picture of its own.
    wxToolBar* toolBar = frame->GetToolBar();
    toolBar->UpdateWindowUI();
    std::set<std::string> pictures;
    size_t tools = 0;
    for (size_t i = 0; i < toolBar->GetToolsCount(); ++i) {
        const wxToolBarToolBase* tool = toolBar->GetToolByPos(static_cast<int>(i));
        if (tool->IsSeparator())
            continue;
        const wxImage picture = tool->GetNormalBitmap().ConvertToImage();
        EXPECT_TRUE(tool->IsEnabled() && picture.GetSize() == wxSize(22, 20)) << tool->GetId();
        pictures.insert(std::string(reinterpret_cast<char*>(picture.GetData()),
                                    picture.GetWidth() * picture.GetHeight() * 3));
        ++tools;
    }
    EXPECT_GT(tools, 1u);
    EXPECT_EQ(pictures.size(), tools);
    toolBar->OnMouseEnter(commands::kVesomaAfter);
    EXPECT_EQ(sb->GetStatusText().utf8_string(), "翌月の運勢暦を開きます");
    // A menu item's hint, and none left standing for an item without one.
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

TEST_F(AppTest, ClosingAsksAboutUnsavedEventsAndAFailedSaveKeepsTheProgramOpen)
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
    EXPECT_EQ(yes.shown[0].buttons, platform::MbButtons::YesNoCancel);
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

TEST_F(AppTest, HelpOpensItsPagesAgainAfterAQuitAndClosesWithTheProgram)
{
    wxWeakRef<TMainFrame> frame = StartProgram();
    SendCommand(frame, commands::kHelp);
    EXPECT_EQ(frame->Client()->bHelpShown, 1);
    EXPECT_EQ(HelpPage(), "index.html");
    SendCommand(frame, commands::kHelpUsage);
    EXPECT_EQ(HelpPage(), "usage.html");
    // The closed viewer's frame goes at idle time; help opens again afterwards.
    resources::QuitHelp();
    wxTheApp->ProcessIdle();
    EXPECT_FALSE(resources::ShowHelpContext(nullptr, "OTHER.HLP", resources::HelpProgram) ||
                 resources::ShowHelpContext(nullptr, nullptr, resources::HelpProgram) ||
                 resources::ShowHelpContext(nullptr, "VESOMA.HLP", 17));
    EXPECT_EQ(HelpPage(), "");
    SendCommand(frame, commands::kHelp);
    EXPECT_EQ(HelpPage(), "index.html");
    frame->Close(true);
    wxTheApp->ProcessIdle();
    EXPECT_EQ(HelpPage(), "");
}

// Whether the selection band covers grid line `line` of a rendering whose first
// line is grid line `top`: column 77 is never written, so it shows the background.
bool BandOn(const wxImage& image, const TMyWindow* window, int line, int top = 0)
{
    const int x = 77 * window->nCharWidth + window->nCharWidth / 2;
    const int y = (line - top) * window->nCharHeight + window->nCharHeight / 2;
    return image.GetRed(x, y) < 128 && image.GetGreen(x, y) < 128 && image.GetBlue(x, y) < 128;
}

// The month window is 81 cells wide; a cell is at least a pixel even when the font measures nothing.
TEST_F(AppTest, OnlyClicksOnDayLinesSelectADayAndADoubleClickOpensItWhateverTheFont)
{
    TMainFrame* frame = StartProgram();
    TMyWindow* window = frame->Client();
    wxClientDC dc(window);
    dc.SetFont(window->GetFont());
    EXPECT_EQ(dc.GetTextExtent(platform::WxFromSjis(platform::SjisText("暦"))).x, 2 * window->nCharWidth);
    EXPECT_EQ(window->GetClientSize().x, 81 * window->nCharWidth);
    ActDate[1] = 2;  // 28 days: the day lines are 2 to 29
    ActDate[2] = 15;
    RenderMonth(window);
    const int h = window->nCharHeight;
    bool dayWindowAsked = false;
    // Noted, then passed on to the frame's own handler.
    frame->Bind(
        wxEVT_MENU, [&](wxCommandEvent& event) { event.Skip(dayWindowAsked = true); },
        commands::kVesomaCreate);
    for (const int y : {0, 1 * h + 1, 30 * h + 1}) {
        Click(window, y);
        Click(window, y, wxEVT_LEFT_DCLICK);
        EXPECT_EQ((std::vector<int>{ActDate[2], window->bSelect, dayWindowAsked}),
                  (std::vector<int>{15, 0, 0}))
            << y;
    }
    Click(window, 29 * h + h - 1);
    EXPECT_EQ((std::vector<int>{ActDate[2], window->nSelectLine}), (std::vector<int>{28, 29}));
    Click(window, 10 * h + 2);
    Click(window, 12 * h + 2);
    const wxImage picture = RenderMonth(window);
    EXPECT_EQ(ActDate[2], 11);
    EXPECT_EQ((std::vector<bool>{BandOn(picture, window, 10), BandOn(picture, window, 12),
                                 BandOn(picture, window, 13)}),
              (std::vector<bool>{false, true, false}));
    SendCommand(frame, commands::kVesomaAfter);
    EXPECT_FALSE(BandOn(RenderMonth(window), window, 12));
    EXPECT_EQ(ActDate[2], 11);
    Click(window, 6 * h, wxEVT_LEFT_DCLICK);
    EXPECT_EQ(ActDate[2], 5);
    EXPECT_TRUE(dayWindowAsked);
    // Ten lines high and scrolled by three: a click on the top line selects grid line 3.
    window->SetClientSize(60 * window->nCharWidth, 10 * h);
    frame->SetClientSize(frame->GetClientSize().x, 10 * h);
    PumpEvents();
    RenderMonth(window);
    window->Scroll(0, 3);
    ASSERT_EQ(window->GetViewStart().y, 3);
    Click(window, 1);
    EXPECT_EQ((std::vector<int>{ActDate[2], window->nSelectLine}), (std::vector<int>{2, 3}));
    EXPECT_TRUE(BandOn(RenderMonth(window), window, 3, 3));

    window->Scroll(0, 0);
    window->SetFont(wxFont(wxFontInfo(wxSize(0, 1))));
    dc.SetFont(window->GetFont());
    ASSERT_EQ(MeasureCell(dc), wxSize(0, 0)) << "the font must measure nothing for this test";
    RenderMonth(window);
    EXPECT_EQ(wxSize(window->nCharWidth, window->nCharHeight), wxSize(1, 1));
    Click(window, 5);
    EXPECT_EQ((std::vector<int>{ActDate[2], window->nSelectLine}), (std::vector<int>{4, 5}));
}

}  // namespace
