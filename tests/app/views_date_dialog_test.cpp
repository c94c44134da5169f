// The date entry dialog built from its resource: arrow steps on the fields,
// OK with valid and invalid dates, cancel, and the date command around it.
#include <array>
#include <functional>
#include <string>
#include <utility>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/textctrl.h>

#include "desktop/app/app_globals.h"
#include "desktop/app/main_frame.h"
#include "desktop/dialogs/arrow_pair.h"
#include "desktop/dialogs/set_date_dialog.h"
#include "desktop/resources/commands.h"
#include "platform/sjis.h"
#include "tests/app/views_screenshot.h"

namespace {

class DateDialogTest : public ViewsTest {
protected:
    void SetUp() override
    {
        ViewsTest::SetUp();
        // Dialog units need a parent to be measured against.
        parent = new wxFrame(nullptr, wxID_ANY, "parent");
        dialog = new SetDateDialog(parent, platform::SjisText("表示する月の設定"), date.data());
        ASSERT_TRUE(dialog->IsLoaded());
    }
    void TearDown() override
    {
        parent->Destroy();  // and the dialog with it
        ViewsTest::TearDown();
    }
    void Type(std::array<const char*, 3> fields)
    {
        for (int i = 0; i < 3; ++i)
            dialog->pEdit[i]->ChangeValue(fields[i]);
    }
    std::string Fields() const
    {
        const auto field = [this](int i) { return dialog->pEdit[i]->GetValue().utf8_string(); };
        return field(0) + "/" + field(1) + "/" + field(2);
    }

    std::array<int, 3> date{2001, 5, 20};
    wxFrame* parent = nullptr;
    SetDateDialog* dialog = nullptr;
};

}  // namespace

TEST_F(DateDialogTest, AStepRewritesOnlyTheFieldsItChanged)
{
    EXPECT_EQ(Fields(), "2001/5/20");
    EXPECT_EQ(dialog->GetTitle().utf8_string(), "表示する月の設定");
    EXPECT_EQ(std::make_pair(dialog->pEdit[2]->GetId(), dialog->pSpin[2]->GetId()), std::make_pair(328, 322));
    const struct {
        std::array<const char*, 3> typed;
        std::function<void(SetDateDialog*)> step;
        const char* shown;
    } steps[] = {
        {{"2000", "13", "xx"}, &SetDateDialog::HandleYearUp, "2002/13/xx"},
        {{"2000", "ab", "5"}, &SetDateDialog::HandleDayUp, "2000/1/1"},  // month 0 has no days
        {{"", "", ""}, &SetDateDialog::HandleMonUp, "/1/"},
        {{"", "", ""}, &SetDateDialog::HandleMonDown, "-1/11/"},
        {{"2000", "3", "1"}, &SetDateDialog::HandleDayDown, "2000/2/29"},
        {{"2000", "2", "29"}, &SetDateDialog::HandleYearDown, "1999/2/29"},
    };
    for (const auto& s : steps) {
        Type(s.typed);
        s.step(dialog);
        EXPECT_EQ(Fields(), s.shown);
    }
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
    EXPECT_GT(dialog->pSpin[2]->GetClientSize().y, 8);  // placed as the resource says
}

TEST_F(DateDialogTest, OkRefusesAnInvalidDateWithTwoMessagesAndWritesAValidOne)
{
    Type({"2001", "2", "29"});
    dialog->CmOk();
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.LastText() + " " + messages.LastCaption(), "2001/2/29 日付が不正です");
    EXPECT_EQ(messages.shown.back().icon, platform::MbIcon::Exclamation);
    EXPECT_EQ(dialog->GetReturnCode(), 0);
    EXPECT_EQ(Fields(), "2001/2/29");
    EXPECT_EQ(date, (std::array<int, 3>{2001, 5, 20}));
    Type({"abcd", "x", ""});
    dialog->CmOk();
    EXPECT_EQ(messages.LastText(), "0/0/0");

    Type({"2000", "2", "29"});
    dialog->CmOk();
    EXPECT_EQ(messages.shown.size(), 4u);
    EXPECT_EQ(dialog->GetReturnCode(), 1);
    EXPECT_EQ(date, (std::array<int, 3>{2000, 2, 29}));
}

TEST_F(DateDialogTest, CancelLeavesTheCallersDate)
{
    dialog->Move(10, 10);
    dialog->Show();
    PumpEvents();
    Screenshot(dialog, "views_date_dialog.png");
    Type({"1999", "1", "1"});
    dialog->CmCancel();
    EXPECT_EQ(dialog->GetReturnCode(), 2);
    EXPECT_EQ(date, (std::array<int, 3>{2001, 5, 20}));
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
    SendCommand(frame, commands::kVesomaDate);
    EXPECT_EQ((std::array<int, 3>{ActDate[0], ActDate[1], ActDate[2]}), (std::array<int, 3>{2001, 7, 20}));
    answer("9", false);
    SendCommand(frame, commands::kVesomaDate);
    EXPECT_EQ(ActDate[1], 7);
}
