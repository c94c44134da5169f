// The date entry dialog built from its resource: arrow steps on the fields,
// OK with valid and invalid dates, cancel, and the date command around it.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/textctrl.h>

#include "app/app_globals.h"
#include "app/main_frame.h"
#include "app/my_window.h"
#include "app/arrow_pair.h"
#include "app/set_date_dialog.h"
#include "platform/sjis.h"
#include "views_screenshot.h"

namespace {

using platform::SjisText;

class DateDialogTest : public ViewsTest {
protected:
    void SetUp() override
    {
        ViewsTest::SetUp();
        // Dialog units need a parent to be measured against.
        parent = new wxFrame(nullptr, wxID_ANY, "parent");
        dialog = new SetDateDialog(parent, SjisText("表示する月の設定"), date);
        ASSERT_TRUE(dialog->IsLoaded());
    }
    void TearDown() override
    {
        parent->Destroy();  // and the dialog with it
        ViewsTest::TearDown();
    }

    void Type(const char* year, const char* month, const char* day)
    {
        dialog->pEdit[0]->ChangeValue(year);
        dialog->pEdit[1]->ChangeValue(month);
        dialog->pEdit[2]->ChangeValue(day);
    }
    std::string Fields() const
    {
        return (dialog->pEdit[0]->GetValue() + "/" + dialog->pEdit[1]->GetValue() + "/" +
                dialog->pEdit[2]->GetValue())
            .utf8_string();
    }

    int date[3] = {2001, 5, 20};
    wxFrame* parent = nullptr;
    SetDateDialog* dialog = nullptr;
};

}  // namespace

TEST_F(DateDialogTest, ShowsTheCallersDateUnderTheCallersTitle)
{
    EXPECT_EQ(Fields(), "2001/5/20");
    EXPECT_EQ(dialog->GetTitle().utf8_string(), "表示する月の設定");
    EXPECT_EQ(dialog->pEdit[2]->GetId(), 328);
}

TEST_F(DateDialogTest, AStepRewritesOnlyTheFieldsItChanged)
{
    Type("2000", "13", "xx");
    dialog->HandleYearUp();
    EXPECT_EQ(Fields(), "2002/13/xx");
    Type("2000", "ab", "5");
    dialog->HandleDayUp();  // month 0 has no days: the step carries into January
    EXPECT_EQ(Fields(), "2000/1/1");
    Type("", "", "");
    dialog->HandleMonUp();
    EXPECT_EQ(Fields(), "/1/");  // neither the year nor the day is rewritten
    Type("", "", "");
    dialog->HandleMonDown();
    EXPECT_EQ(Fields(), "-1/11/");
}

TEST_F(DateDialogTest, ClicksOnTheArrowsStepTheFields)
{
    auto click = [this](int field, bool upper) {
        ArrowPair* arrows = dialog->pSpin[field];
        wxMouseEvent press(wxEVT_LEFT_DOWN);
        press.SetPosition(wxPoint(2, upper ? 1 : arrows->GetClientSize().y - 2));
        press.SetEventObject(arrows);
        arrows->GetEventHandler()->ProcessEvent(press);
    };
    for (int field = 0; field < 3; ++field)
        click(field, true);
    EXPECT_EQ(Fields(), "2002/6/21");
    click(1, false);
    EXPECT_EQ(Fields(), "2002/5/21");
    EXPECT_EQ(dialog->pSpin[2]->GetId(), 322);
    EXPECT_GT(dialog->pSpin[2]->GetClientSize().y, 8);  // placed as the resource says
}

TEST_F(DateDialogTest, OkWritesAValidDate)
{
    Type("2000", "2", "29");
    dialog->CmOk();
    EXPECT_EQ(dialog->GetReturnCode(), 1);
    EXPECT_EQ(date[0], 2000);
    EXPECT_EQ(date[1], 2);
    EXPECT_EQ(date[2], 29);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DateDialogTest, OkRefusesAnInvalidDateWithTwoMessages)
{
    Type("2000", "2", "29");
    dialog->HandleYearUp();
    dialog->CmOk();
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.LastText(), "2001/2/29");
    EXPECT_EQ(messages.LastCaption(), "日付が不正です");
    EXPECT_EQ(messages.shown.back().icon, platform::MbIcon::Exclamation);
    EXPECT_EQ(dialog->GetReturnCode(), 0);
    EXPECT_EQ(Fields(), "2001/2/29");
    EXPECT_EQ(date[0], 2001);
    EXPECT_EQ(date[2], 20);
    Type("abcd", "x", "");
    dialog->CmOk();
    EXPECT_EQ(messages.LastText(), "0/0/0");
}

TEST_F(DateDialogTest, CancelLeavesTheCallersDate)
{
    Type("1999", "1", "1");
    dialog->CmCancel();
    EXPECT_EQ(dialog->GetReturnCode(), 2);
    EXPECT_EQ(date[0], 2001);
    EXPECT_EQ(date[1], 5);
    EXPECT_EQ(date[2], 20);
}

TEST_F(DateDialogTest, Screenshot)
{
    dialog->Move(10, 10);
    dialog->Show();
    PumpEvents();
    ASSERT_TRUE(SaveScreenshot(dialog, "views_date_dialog.png"));
}

using DateCommandTest = ViewsTest;

TEST_F(DateCommandTest, OkChangesTheShownMonthAndCancelDoesNot)
{
    TMainFrame* frame = StartProgram();
    PumpEvents();
    auto answer = [](const char* month, bool ok) {
        wxTheApp->CallAfter([month, ok] {
            for (wxWindow* window : wxTopLevelWindows) {
                if (auto* dialog = dynamic_cast<SetDateDialog*>(window)) {
                    dialog->pEdit[1]->ChangeValue(month);
                    ok ? dialog->CmOk() : dialog->CmCancel();
                }
            }
        });
    };
    answer("7", true);
    SendCommand(frame, 515);
    EXPECT_EQ(ActDate[0], 2001);
    EXPECT_EQ(ActDate[1], 7);
    EXPECT_EQ(ActDate[2], 20);
    answer("9", false);
    SendCommand(frame, 515);
    EXPECT_EQ(ActDate[1], 7);
}
