// The date dialog and the windows the main window opens. Their pictures go beside the test program for
// people to look at, never compared with a stored one; each PictureTest runs alone (see CMakeLists.txt).
#include <array>
#include <cstdlib>
#include <tuple>

#include <gmock/gmock.h>
#include <wx/button.h>
#include <wx/textctrl.h>

#include "desktop/app/info_window.h"
#include "desktop/app/rokyo_window.h"
#include "desktop/app/screen_cell.h"
#include "desktop/app/vesoma_window.h"
#include "desktop/dialogs/arrow_pair.h"
#include "desktop/dialogs/set_date_dialog.h"
#include "tests/support/app_fixture.h"

namespace {

// How many pixels of image inside area (all of it when empty) are near the colour (r, g, b).
int CountColour(const wxImage& image, int r, int g, int b, wxRect area = wxRect())
{
    area = area.IsEmpty() ? wxRect(image.GetSize()) : area.Intersect(wxRect(image.GetSize()));
    int count = 0;
    for (int y = area.GetTop(); y <= area.GetBottom(); ++y)
        for (int x = area.GetLeft(); x <= area.GetRight(); ++x)
            count += std::abs(image.GetRed(x, y) - r) < 40 && std::abs(image.GetGreen(x, y) - g) < 40 &&
                     std::abs(image.GetBlue(x, y) - b) < 40;
    return count;
}

// The event file with count events of today.
std::string TodaysEvents(int count)
{
    std::string lines;
    for (int i = 1; i <= count; ++i)
        lines += "2001/ 5/20,予定その" + std::to_string(i) + "\r\n";
    return lines;
}

// The one window of class T after the command that opens it came twice.
template <class T>
T* OpenedTwice(TMainFrame* frame, int command)
{
    SendCommand(frame, command);
    SendCommand(frame, command);
    PumpEvents();
    return OpenWindows<T>().size() == 1 ? OpenWindows<T>()[0] : nullptr;
}

// The upper or lower half of a field's arrows steps it and carries into the next field, rewriting only the
// fields that changed. OK writes the caller's date only when valid; an invalid one is shown as it reads,
// twice.
TEST_F(AppTest, TheDateDialogsArrowsStepItsFieldsAndOkWritesOnlyAValidDate)
{
    std::array<int, 3> date{2001, 5, 20};
    // Dialog units are measured against the owner; the dialog goes with it.
    auto* dialog = new SetDateDialog(Owner(), platform::SjisText("表示する月の設定"), date.data());
    ASSERT_TRUE(dialog->IsLoaded());
    const auto type = [dialog](std::array<const char*, 3> fields) {
        for (int i = 0; i < 3; ++i)
            dialog->pEdit[i]->ChangeValue(fields[i]);
    };
    const auto fields = [dialog] {
        const auto field = [dialog](int i) { return dialog->pEdit[i]->GetValue().utf8_string(); };
        return field(0) + "/" + field(1) + "/" + field(2);
    };
    EXPECT_EQ(fields(), "2001/5/20");
    EXPECT_EQ(dialog->GetTitle().utf8_string(), "表示する月の設定");
    EXPECT_GT(dialog->pSpin[2]->GetClientSize().y, 8);  // placed as the resource says
    // The typed fields, the field whose upper or lower arrow half is clicked, the fields shown.
    const std::tuple<std::array<const char*, 3>, int, bool, const char*> steps[] = {
        {{"2000", "13", "xx"}, 0, true, "2002/13/xx"},
        {{"2000", "ab", "5"}, 2, true, "2000/1/1"},  // no month 0
        {{"", "", ""}, 1, true, "/1/"},
        {{"", "", ""}, 1, false, "-1/11/"},
        {{"2000", "3", "1"}, 2, false, "2000/2/29"},
        {{"2000", "2", "29"}, 0, false, "1999/2/29"},
    };
    for (const auto& [typed, field, up, shown] : steps) {
        type(typed);
        Click(dialog->pSpin[field], up ? 1 : dialog->pSpin[field]->GetClientSize().y - 2);
        EXPECT_EQ(fields(), shown);
    }

    dialog->Move(10, 10);
    dialog->Show();
    Screenshot(dialog, "views_date_dialog.png");
    type({"2001", "2", "29"});
    dialog->CmOk();
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.LastText() + " " + messages.LastCaption(), "2001/2/29 日付が不正です");
    EXPECT_EQ(messages.shown.back().icon, platform::MbIcon::Exclamation);
    EXPECT_EQ(dialog->GetReturnCode(), 0);
    EXPECT_EQ(fields(), "2001/2/29");
    type({"abcd", "x", ""});
    dialog->CmOk();
    EXPECT_EQ(messages.LastText(), "0/0/0");
    type({"1999", "1", "1"});
    dialog->CmCancel();
    EXPECT_EQ(dialog->GetReturnCode(), 2);
    EXPECT_EQ(date, (std::array<int, 3>{2001, 5, 20}));
    type({"2000", "2", "29"});
    dialog->CmOk();
    EXPECT_EQ((std::vector<int>{int(messages.shown.size()), dialog->GetReturnCode()}),
              (std::vector<int>{4, 1}));
    EXPECT_EQ(date, (std::array<int, 3>{2000, 2, 29}));
}

TEST_F(AppTest, TheDateCommandChangesTheShownMonthOnOkOnly)
{
    TMainFrame* frame = StartProgram();
    PumpEvents();
    for (const auto& [month, ok, shown] : {std::tuple{"7", true, 7}, std::tuple{"9", false, 7}}) {
        WhenModal<SetDateDialog>([month = month, ok = ok](SetDateDialog& dialog) {
            dialog.pEdit[1]->ChangeValue(month);
            ok ? dialog.CmOk() : dialog.CmCancel();
        });
        SendCommand(frame, commands::kVesomaDate);
        EXPECT_THAT(ActDate, testing::ElementsAre(2001, shown, 20)) << month;
    }
}

using PictureTest = AppTest;

TEST_F(PictureTest, MainWindowOfAMonthWithHolidaysTermsAndEvents)
{
    WriteFile("VESOMA.ini", "[VESOMA]\nTable=2\nEventInfo=0\n");
    WriteFile("VESOMA.CAL", "****/ 5/ 3,憲法の日の集い\r\n****/**/第２火曜日,定例会\r\n");
    TMainFrame* frame = StartProgram();
    frame->Move(0, 0);
    PumpEvents();
    frame->Client()->CellSet(12);
    const wxImage picture = Screenshot(frame, "main_window.png");
    // Sundays and holidays, the solar terms, the events.
    for (const auto& [r, g, b] : {std::tuple{255, 0, 0}, {0, 64, 255}, {0, 128, 128}})
        EXPECT_GT(CountColour(picture, r, g, b), 0) << r << "," << g << "," << b;
}

TEST_F(PictureTest, RokyoWindowOnceInItsColoursFollowingTheShownMonth)
{
    WriteFile("VESOMA.ini", "[VESOMA]\nEventInfo=0\n");
    TMainFrame* frame = StartProgram();
    frame->Move(0, 0);
    RenderMonth(frame->Client());
    TRokyoWindow* rokyo = OpenedTwice<TRokyoWindow>(frame, commands::kVesomaRokyo);
    ASSERT_NE(rokyo, nullptr);
    EXPECT_EQ(CStatus::bRokyoCreate, 1);
    EXPECT_EQ(rokyo->GetLabel().utf8_string(), "六曜暦-2001年 5月");
    EXPECT_TRUE(rokyo->GetIcon().IsOk());
    const wxSize cell = ScreenCell();
    EXPECT_EQ(rokyo->GetRect(), wxRect(100, 100, 42 * cell.x, 14 * cell.y + cell.y / 4));
    // Sundays in red (May 2001 starts on a Tuesday), 仏滅 in magenta.
    const wxImage image = Render(rokyo->GetClientSize(), [rokyo](wxDC& dc) { rokyo->Paint(dc); });
    const int w = rokyo->nCharWidth;
    EXPECT_GT(CountColour(image, 255, 0, 0, wxRect(2 * w, 0, 2 * w, image.GetHeight())), 20);
    EXPECT_GT(CountColour(image, 255, 0, 255), 20);
    Screenshot(rokyo, "views_rokyo_window.png");

    SendCommand(frame, commands::kVesomaAfter);
    RenderMonth(frame->Client());
    Render(rokyo->GetClientSize(), [rokyo](wxDC& dc) { rokyo->Paint(dc); });  // the title goes with the paint
    EXPECT_EQ(rokyo->GetLabel().utf8_string(), "六曜暦-2001年 6月");
    rokyo->Close();
    wxTheApp->ProcessIdle();
    EXPECT_EQ(CStatus::bRokyoCreate, 0);
    EXPECT_NE(OpenedTwice<TRokyoWindow>(frame, commands::kVesomaRokyo), nullptr);
}

TEST_F(PictureTest, DayWindowOpensOnceWithTheFortuneAndReopensAtTheRememberedPlace)
{
    WriteFile("VESOMA.ini", "[VESOMA]\nEventInfo=0\nUnsei=1\n");
    std::filesystem::copy_file(VESOMA_UMS_FILE, workDir / "vesoma.ums");
    WriteFile("VESOMA.CAL", "****/ 5/ 3,憲法の日の集い\r\n2001/ 5/ 3,家族で出かける\r\n");
    TMainFrame* frame = StartProgram();
    frame->Move(0, 0);
    RenderMonth(frame->Client());
    frame->Client()->CellSet(4);  // 3 May, a holiday
    RenderMonth(frame->Client());
    TVesomaWindow* day = OpenedTwice<TVesomaWindow>(frame, commands::kVesomaCreate);
    ASSERT_NE(day, nullptr);
    EXPECT_EQ((std::vector<int>{CStatus::bChildCreate, CStatus::bUmsLoad, kc.nDay}),
              (std::vector<int>{1, 1, 3}));
    EXPECT_EQ(day->GetLabel().utf8_string() + " " + day->GetName().utf8_string(), "暦と運勢 VESOMA:DAY");
    EXPECT_TRUE(day->GetIcon().IsOk());
    EXPECT_EQ(day->GetRect(), wxRect(200, 80, 420, 200));

    const wxSize cell = ScreenCell();
    const wxImage image = Render(wxSize(60 * cell.x, 20 * cell.y), [day](wxDC& dc) { day->Paint(dc); });
    // The holiday name in red on line 0.
    EXPECT_GT(CountColour(image, 255, 0, 0, wxRect(42 * cell.x, 0, 10 * cell.x, cell.y)), 20);
    // Two events, the heading and at least three paragraphs, and three lines more.
    EXPECT_GE(day->Canvas()->GetVirtualSize().y, (4 + 2 + 1 + 3 + 3) * cell.y);
    Screenshot(day, "views_day_window.png");

    day->Move(300, 150);
    PumpEvents();
    EXPECT_EQ(TVesomaWindow::ptPosition, wxPoint(300, 150));
    day->Close();
    wxTheApp->ProcessIdle();
    EXPECT_EQ(CStatus::bChildCreate, 0);
    day = OpenedTwice<TVesomaWindow>(frame, commands::kVesomaCreate);
    ASSERT_NE(day, nullptr);
    EXPECT_EQ(day->GetPosition(), wxPoint(300, 150));
}

TEST_F(PictureTest, InfoWindowOfThreeEventsHasNineLinesOfTwelveFourteenAndTheButtonCloses)
{
    const wxSize cell = ScreenCell();
    WriteFile("VESOMA.CAL", TodaysEvents(12));
    TMainFrame* first = StartProgram();
    PumpEvents();
    ASSERT_EQ(OpenWindows<TInfoWindow>().size(), 1u);
    EXPECT_EQ(OpenWindows<TInfoWindow>()[0]->GetSize().y, 14 * cell.y);
    first->Destroy();
    wxTheApp->ProcessIdle();

    WriteFile("VESOMA.CAL", TodaysEvents(3));
    TMainFrame* frame = StartProgram();
    PumpEvents();
    ASSERT_EQ(OpenWindows<TInfoWindow>().size(), 1u);
    TInfoWindow* info = OpenWindows<TInfoWindow>()[0];
    EXPECT_EQ(info->GetSize(), wxSize(50 * cell.x, 9 * cell.y));
    EXPECT_EQ(info->GetName(), "VESOMA:Event");
    auto* button = wxDynamicCast(info->FindWindow(3568), wxButton);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->GetPosition(), wxPoint(200 - 4 * cell.x, 6 * cell.y));
    Screenshot(info, "views_info_window.png");
    Press(button);
    wxTheApp->ProcessIdle();
    EXPECT_TRUE(OpenWindows<TInfoWindow>().empty());
    EXPECT_FALSE(frame->IsBeingDeleted());
}

}  // namespace
