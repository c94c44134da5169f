// The six-day-cycle window, the day window and the today's-events window as
// the main window opens them, with a picture of each.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>

#include "core/almanac/vesoma.h"
#include "core/fortune/fortune_file.h"
#include "core/settings/status.h"
#include "desktop/app/app_globals.h"
#include "desktop/app/info_window.h"
#include "desktop/app/main_frame.h"
#include "desktop/app/my_window.h"
#include "desktop/app/rokyo_window.h"
#include "desktop/app/screen_cell.h"
#include "desktop/app/vesoma_window.h"
#include "desktop/resources/commands.h"
#include "tests/app/views_screenshot.h"

namespace {

void ClickLine(TMyWindow* window, int line)
{
    wxMouseEvent click(wxEVT_LEFT_DOWN);
    click.SetPosition(wxPoint(5, line * window->nCharHeight + 1));
    click.SetEventObject(window);
    window->GetEventHandler()->ProcessEvent(click);
}

std::string Title(wxWindow* window)
{
    return window->GetLabel().utf8_string();
}

}  // namespace

using RokyoWindowTest = ViewsTest;

TEST_F(RokyoWindowTest, OneWindowInItsColoursThatFollowsTheShownMonth)
{
    WriteFile("VESOMA.ini", "[VESOMA]\nEventInfo=0\n");
    TMainFrame* frame = StartProgram();
    frame->Move(0, 0);
    RenderMonth(frame->Client());
    SendCommand(frame, commands::kVesomaRokyo);
    SendCommand(frame, commands::kVesomaRokyo);
    PumpEvents();
    ASSERT_EQ(OpenWindows<TRokyoWindow>().size(), 1u);
    TRokyoWindow* rokyo = OpenWindows<TRokyoWindow>()[0];
    EXPECT_EQ(CStatus::bRokyoCreate, 1);
    EXPECT_EQ(Title(rokyo), "六曜暦-2001年 5月");
    const wxSize cell = ScreenCell();
    EXPECT_EQ(rokyo->GetSize(), wxSize(42 * cell.x, 14 * cell.y + cell.y / 4));
    EXPECT_EQ(rokyo->GetPosition(), wxPoint(100, 100));

    // Sundays in red (May 2001 starts on a Tuesday), 仏滅 in magenta.
    const wxImage image = Render(rokyo->GetClientSize(), [rokyo](wxDC& dc) { rokyo->Paint(dc); });
    EXPECT_GT(CountColour(image, 255, 0, 0,
                          wxRect(2 * rokyo->nCharWidth, 0, 2 * rokyo->nCharWidth, image.GetHeight())),
              20);
    EXPECT_GT(CountColour(image, 255, 0, 255), 20);
    Screenshot(rokyo, "views_rokyo_window.png");

    SendCommand(frame, commands::kVesomaAfter);
    RenderMonth(frame->Client());
    Render(rokyo->GetClientSize(), [rokyo](wxDC& dc) { rokyo->Paint(dc); });
    EXPECT_EQ(Title(rokyo), "六曜暦-2001年 6月");
    rokyo->Close();
    wxTheApp->ProcessIdle();
    EXPECT_EQ(CStatus::bRokyoCreate, 0);
    SendCommand(frame, commands::kVesomaRokyo);
    EXPECT_EQ(OpenWindows<TRokyoWindow>().size(), 1u);
}

class DayWindowTest : public ViewsTest {
protected:
    void SetUp() override
    {
        ViewsTest::SetUp();
        CStatus::bUmsLoad = 0;
        ums.hUms.clear();
        ums.nRecords = 0;
        WriteFile("VESOMA.ini", "[VESOMA]\nEventInfo=0\nUnsei=1\n");
    }
    void TearDown() override
    {
        TVesomaWindow::ptPosition = wxPoint(200, 80);
        ViewsTest::TearDown();
    }
    TVesomaWindow* OnlyDayWindow()
    {
        const std::vector<TVesomaWindow*> open = OpenWindows<TVesomaWindow>();
        return open.size() == 1 ? open[0] : nullptr;
    }
};

TEST_F(DayWindowTest, OpensOnceWithTheFortuneAndReopensAtTheRememberedPlace)
{
    std::filesystem::copy_file(VESOMA_UMS_FILE, workDir / "vesoma.ums");
    WriteFile("VESOMA.CAL", "****/ 5/ 3,憲法の日の集い\r\n2001/ 5/ 3,家族で出かける\r\n");
    TMainFrame* frame = StartProgram();
    frame->Move(0, 0);
    RenderMonth(frame->Client());
    frame->Client()->CellSet(4);  // 3 May, a holiday
    RenderMonth(frame->Client());
    SendCommand(frame, commands::kVesomaCreate);
    SendCommand(frame, commands::kVesomaCreate);
    PumpEvents();
    TVesomaWindow* day = OnlyDayWindow();
    ASSERT_NE(day, nullptr);
    EXPECT_EQ(CStatus::bChildCreate, 1);
    EXPECT_EQ(CStatus::bUmsLoad, 1);
    EXPECT_EQ(Title(day) + " " + day->GetName().utf8_string(), "暦と運勢 VESOMA:DAY");
    EXPECT_EQ(day->GetRect(), wxRect(200, 80, 420, 200));
    EXPECT_EQ(kc.nDay, 3);

    const wxSize cell = ScreenCell();
    const wxImage image = Render(wxSize(60 * cell.x, 20 * cell.y), [day](wxDC& dc) { day->Paint(dc); });
    // The holiday name in red on line 0.
    EXPECT_GT(CountColour(image, 255, 0, 0, wxRect(42 * cell.x, 0, 10 * cell.x, cell.y)), 20);
    int unitsX = 0;
    int unitsY = 0;
    day->Canvas()->GetVirtualSize(&unitsX, &unitsY);
    // Two events, the heading and at least three paragraphs, and three lines more.
    EXPECT_GE(unitsY, (4 + 2 + 1 + 3 + 3) * cell.y);
    Screenshot(day, "views_day_window.png");

    day->Move(300, 150);
    PumpEvents();
    EXPECT_EQ(TVesomaWindow::ptPosition, wxPoint(300, 150));
    day->Close();
    wxTheApp->ProcessIdle();
    EXPECT_EQ(CStatus::bChildCreate, 0);
    SendCommand(frame, commands::kVesomaCreate);
    PumpEvents();
    ASSERT_NE(OnlyDayWindow(), nullptr);
    EXPECT_EQ(OnlyDayWindow()->GetPosition(), wxPoint(300, 150));
}

TEST_F(DayWindowTest, FollowsTheSelectedDay)
{
    TMainFrame* frame = StartProgram();
    RenderMonth(frame->Client());
    kc.SetDate(kToday);  // the table is shared by every test of the process
    ClickLine(frame->Client(), 5);
    EXPECT_EQ(kc.nDay, 20);  // no day window yet: the table keeps its day
    SendCommand(frame, commands::kVesomaCreate);
    ClickLine(frame->Client(), 9);
    EXPECT_EQ(ActDate[2], 8);
    EXPECT_EQ(kc.nDay, 8);
    EXPECT_EQ(CStatus::bUmsLoad, 0);  // no fortune file in the folder
}

class InfoWindowTest : public ViewsTest {
protected:
    void WriteTodaysEvents(int count)
    {
        std::string lines;
        for (int i = 1; i <= count; ++i)
            lines += "2001/ 5/20,予定その" + std::to_string(i) + "\r\n";
        WriteFile("VESOMA.CAL", lines);
    }
};

TEST_F(InfoWindowTest, ThreeEventsMakeNineLinesTwelveFourteenAndTheButtonCloses)
{
    const wxSize cell = ScreenCell();
    WriteTodaysEvents(12);
    TMainFrame* first = StartProgram();
    PumpEvents();
    ASSERT_EQ(OpenWindows<TInfoWindow>().size(), 1u);
    EXPECT_EQ(OpenWindows<TInfoWindow>()[0]->GetSize().y, 14 * cell.y);
    first->Destroy();
    wxTheApp->ProcessIdle();

    WriteTodaysEvents(3);
    TMainFrame* frame = StartProgram();
    PumpEvents();
    ASSERT_EQ(OpenWindows<TInfoWindow>().size(), 1u);
    TInfoWindow* info = OpenWindows<TInfoWindow>()[0];
    EXPECT_EQ(info->GetSize(), wxSize(50 * cell.x, 9 * cell.y));
    EXPECT_EQ(info->GetName(), "VESOMA:Event");
    auto* button = wxDynamicCast(info->FindWindow(3568), wxButton);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->GetLabel().utf8_string(), "了解");
    EXPECT_EQ(button->GetPosition(), wxPoint(200 - 4 * cell.x, 6 * cell.y));
    Screenshot(info, "views_info_window.png");

    wxCommandEvent press(wxEVT_BUTTON, 3568);
    press.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(press);
    wxTheApp->ProcessIdle();
    EXPECT_TRUE(OpenWindows<TInfoWindow>().empty());
    EXPECT_FALSE(frame->IsBeingDeleted());
}

TEST_F(InfoWindowTest, NoWindowWithoutEventsOrWhenTheSettingIsOffAndItClosesItselfOnADayWithout)
{
    WriteFile("VESOMA.CAL", "2001/ 5/21,あした\r\n");
    StartProgram()->Destroy();
    EXPECT_TRUE(OpenWindows<TInfoWindow>().empty());
    WriteTodaysEvents(2);
    WriteFile("VESOMA.ini", "[VESOMA]\nEventInfo=0\n");
    TMainFrame* frame = StartProgram();
    EXPECT_TRUE(OpenWindows<TInfoWindow>().empty());

    const int tomorrow[3] = {2001, 5, 21};
    kc.SetDate(tomorrow);
    new TInfoWindow(frame->Client(), "");
    for (int i = 0; i < 5 && !OpenWindows<TInfoWindow>().empty(); ++i) {
        PumpEvents();
        wxTheApp->ProcessIdle();
    }
    EXPECT_TRUE(OpenWindows<TInfoWindow>().empty());
}
