// The main window in everyday use: exit question, white paper, reach, range, keys, today, place.
#include <array>
#include <cstring>
#include <tuple>

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

using PictureTest = AppTest;

// Run by CTest under GTK_THEME=Adwaita:dark; today's event opens the today's window.
TEST_F(PictureTest, DarkThemeLeavesEveryAlmanacViewOnWhitePaper)
{
    ASSERT_TRUE(wxSystemSettings::GetAppearance().IsDark());
    WriteFile("VESOMA.CAL", "2001/ 5/20,誕生日\r\n");
    TMyWindow* window = StartProgram()->Client();
    OpenWindows<TInfoWindow>().at(0)->Move(1000, 800);
    const wxImage shot = Screenshot(window, "everyday_dark_theme.png");
    EXPECT_EQ(shot.GetGreen(77 * window->nCharWidth, 10 * window->nCharHeight), 255);
    window->CmVesomaRokyo();
    window->CmVesomaCreate();
    for (wxWindow* view : std::initializer_list<wxWindow*>{window, OpenWindows<TRokyoWindow>().at(0),
                                                           OpenWindows<TVesomaWindow>().at(0)->Canvas(),
                                                           OpenWindows<TInfoWindow>().at(0)})
        EXPECT_EQ(view->GetBackgroundColour(), *wxWHITE) << view->GetName();
}

// The month holds its title, 31 days and today's frame; the day window reaches all it draws from another
// day's top. Keys and commands (neither: a date with its band): date, band (0: none; in sight), status.
TEST_F(AppTest, EveryLineCanBeSeenAndKeysAndCommandsMoveWithinTheAlmanacsYears)
{
    WriteFile("VESOMA.CAL", "2001/ 5/ 3,とても長い名前のイベントとても長い名前のイベント\r\n");
    TMainFrame* frame = StartProgram();
    TMyWindow* window = frame->Client();
    const int w = window->nCharWidth, h = window->nCharHeight;
    EXPECT_EQ(window->GetClientSize().y / h, TMyWindow::kHeaderLines + 31);
    const wxImage month = RenderMonth(window);
    EXPECT_TRUE(month.GetBlue(w / 2, 21 * h + h / 2) < 128 && month.GetRed(w / 2, 21 * h + h / 2) > 200);
    Click(window, 9 * h + 1);
    EXPECT_EQ(kc.nDay, 1) << "no day window yet: the table keeps its day";
    Click(window, 4 * h + 1, wxEVT_LEFT_DCLICK);  // 3 May, whose event takes columns 8 to 55
    TVesomaWindow* day = OpenWindows<TVesomaWindow>().at(0);
    Render({1, 1}, [day](wxDC& dc) { day->Paint(dc); });
    EXPECT_GE(day->Canvas()->GetVirtualSize().x, 56 * w);
    day->Canvas()->Scroll(10, 10);
    Click(window, 5 * h + 1);
    EXPECT_EQ((std::array<int, 3>{ActDate[2], kc.nDay, CStatus::bUmsLoad}), (std::array<int, 3>{4, 4, 0}))
        << "the day window follows; no fortune file in the folder";
    EXPECT_EQ(day->Canvas()->GetViewStart(), wxPoint(0, 0));
    const char *const kAfter = "2100年12月より後の暦は表示できません",
                      *const kBefore = "1900年1月より前の暦は表示できません";
    // clang-format off
    const std::tuple<int, int, std::array<int, 4>, const char*> kSteps[] = {
        {WXK_DOWN, 0, {2001, 5, 5, 6}, ""}, {0, 0, {2001, 5, 31, 32}, ""}, {WXK_DOWN, 0, {2001, 6, 1, 2}, ""},
        {0, commands::kPreviousDay, {2001, 5, 31, 32}, ""}, {WXK_PAGEUP, 0, {2001, 4, 30, 31}, ""},
        {0, commands::kVesomaBefore, {2001, 3, 30, 0}, ""}, {WXK_DOWN, 0, {2001, 3, 30, 31}, ""},
        {0, 0, {2000, 12, 31, 32}, ""}, {0, commands::kVesomaAfter, {2001, 1, 31, 0}, ""},
        {0, commands::kVesomaBefore, {2000, 12, 31, 0}, ""}, {WXK_HOME, 0, {2001, 5, 20, 21}, ""},
        {0, 0, {2100, 12, 31, 32}, ""}, {WXK_DOWN, 0, {2100, 12, 31, 32}, kAfter},
        {WXK_PAGEDOWN, 0, {2100, 12, 31, 32}, kAfter}, {0, commands::kVesomaAfter, {2100, 12, 31, 32}, kAfter},
        {0, 0, {1900, 1, 1, 2}, ""}, {WXK_UP, 0, {1900, 1, 1, 2}, kBefore}, {0, commands::kToday, {2001, 5, 20, 21}, ""},
        {0, 0, {1900, 1, 1, 2}, ""}, {0, commands::kVesomaBefore, {1900, 1, 1, 2}, kBefore}};
    // clang-format on
    frame->SetClientSize(frame->GetClientSize().x, 10 * h);
    PumpEvents();
    for (const auto& [code, command, shown, status] : kSteps) {
        wxKeyEvent key(wxEVT_KEY_DOWN);
        key.m_keyCode = code;
        code      ? (void)window->GetEventHandler()->ProcessEvent(key)
        : command ? SendCommand(frame, command)
                  : (void)window->ShowDate(shown.data(), true);
        const wxImage picture = RenderMonth(window);
        const int band = window->bSelect * window->nSelectLine, line = band - window->GetViewStart().y;
        EXPECT_TRUE(band == 0 || (line >= 0 && line < 10 && picture.GetRed(77 * w + 2, line * h + 2) < 128));
        EXPECT_EQ((std::array<int, 4>{ActDate[0], ActDate[1], ActDate[2], band}), shown);
        EXPECT_EQ(sb->GetStatusText().utf8_string(), status) << shown[0] << "/" << shown[1];
    }
}

// Tooltip, save report; Cancel (so Escape, the question's close box) keeps program and events. The place and
// views of a normal close come back, inside the screen; garbage is ignored.
TEST_F(AppTest, TheExitQuestionTheToolsAndThePlaceOfTheNextStart)
{
    wxWeakRef<TMainFrame> frame = StartProgram();
    const wxRect first = frame->GetRect(), area = wxDisplay(frame).GetClientArea();
    const wxToolBarToolBase* today = frame->GetToolBar()->FindById(commands::kToday);
    EXPECT_TRUE(today && today->GetShortHelp() == resources::HintText(commands::kToday));
    SendCommand(frame, commands::kEventSave);
    EXPECT_EQ(sb->GetStatusText().utf8_string(), "保存しました");
    std::strcpy(Evs.szEvent, "new");
    ASSERT_EQ(Evs.AddEvent(), 1);
    MessageRecorder cancel(platform::MbResult::Cancel);
    frame->Close();
    SendCommand(frame, commands::kExit);
    wxTheApp->ProcessIdle();
    ASSERT_TRUE(frame && Evs.bModify == 1 && cancel.shown.size() == 2u);
    frame->SetSize(100, 120, 700, 500);
    frame->Client()->CmVesomaRokyo();
    frame->Client()->CmVesomaCreate();
    Evs.bModify = 0;  // saved
    frame->Close();
    wxTheApp->ProcessIdle();
    frame = StartProgram();
    EXPECT_TRUE(frame->GetRect() == wxRect(100, 120, 700, 500) && CStatus::bRokyoCreate &&
                CStatus::bChildCreate);
    for (const auto& [place, rect] :
         {std::pair<std::string, wxRect>{"-5000\nWindowY=99999\nWindowWidth=99999",
                                         {area.x, area.GetBottom() - 499, area.width, 500}},
          {"1x\nWindowY=0\nWindowWidth=700", first}}) {
        frame->Destroy();
        WriteFile("VESOMA.ini", "[VESOMA]\nWindowHeight=500\nWindowX=" + place + "\n");
        frame = StartProgram();
        EXPECT_EQ(frame->GetRect(), rect) << place;
    }
}

}  // namespace
