// The settings dialog on its resource: what it shows from the transfer
// record, what it gives back, and the settings command around it.
#include "settings/dialog/init_set_dialog.h"

#include "../core/message_recorder.h"
#include "app_fixture.h"
#include "platform/sjis.h"
#include "platform/wx/wx_text.h"
#include "resources/help.h"
#include "settings/init_info.h"
#include "settings/status.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/frame.h>
#include <wx/html/helpfrm.h>
#include <wx/textctrl.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <functional>
#include <string>

namespace {

// A click as the user gives it: the control's event goes to its handlers.
void Click(wxWindow* control)
{
    wxEventType type = dynamic_cast<wxCheckBox*>(control) ? wxEVT_CHECKBOX : wxEVT_BUTTON;
    wxCommandEvent event(type, control->GetId());
    event.SetEventObject(control);
    if (auto* check = dynamic_cast<wxCheckBox*>(control)) {
        check->SetValue(!check->GetValue());
        event.SetInt(check->GetValue());
    }
    control->GetEventHandler()->ProcessEvent(event);
}

class SettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CStatus::EventInfo = 1;
        CStatus::TableType = 1;
        CStatus::UnseiDisp = 1;
        std::strcpy(szHelpFile, "VESOMA.HLP");
    }

    // The dialog as the settings command opens it, for the given settings.
    void Open(int table, const char* eventFile = "VESOMA.CAL")
    {
        CStatus::TableType = table;
        FillInitSet(eventFile);
        dialog = new TInitSetDialog(nullptr, "InitSetBox");
        ASSERT_TRUE(dialog->IsLoaded());
        ASSERT_TRUE(dialog->TransferDataToWindow());
    }
    void TearDown() override
    {
        if (dialog)
            dialog->Destroy();
        resources::QuitHelp();
        wxTheApp->ProcessIdle();
    }

    // Confirms the dialog's controls and applies them as the command does.
    void Confirm()
    {
        ASSERT_TRUE(dialog->TransferDataFromWindow());
        ApplyInitSet(szEventFile);
    }

    bool Checked(int id) const { return dialog->Check(id)->GetValue(); }

    TInitSetDialog* dialog = nullptr;
    char szEventFile[kEventFileSize] = {};
};

TEST_F(SettingsDialogTest, TheResourceHasItsControlsWhereTheyBelong)
{
    Open(1);
    EXPECT_EQ(platform::SjisFromWx(dialog->GetTitle()), platform::SjisText("設定"));
    EXPECT_FALSE(dialog->HasFlag(wxSYSTEM_MENU));
    struct {
        int id;
        const char* label;
        int x, y;
    } const controls[] = {
        {520, "当日のイベントを表示", 11, 29}, {521, "旧暦十二直を表示", 11, 40},
        {522, "その他の暦註を表示", 11, 50},   {523, "運勢を表示", 11, 61},
        {wxID_OK, "了解", 135, 17},           {wxID_CANCEL, "取消", 135, 35},
        {771, "ヘルプ", 135, 53},
    };
    for (const auto& c : controls) {
        wxWindow* control = dialog->FindWindow(c.id);
        ASSERT_NE(control, nullptr) << c.id;
        EXPECT_EQ(platform::SjisFromWx(control->GetLabel()), platform::SjisText(c.label)) << c.id;
        EXPECT_EQ(control->GetPosition(), dialog->ConvertDialogToPixels(wxPoint(c.x, c.y))) << c.id;
    }
    EXPECT_EQ(dialog->EventFileEdit()->GetPosition(), dialog->ConvertDialogToPixels(wxPoint(25, 15)));
}

TEST_F(SettingsDialogTest, OpensAtItsPlaceInTheOwnersClientArea)
{
    auto* owner = new wxFrame(nullptr, wxID_ANY, "owner", wxPoint(100, 80), wxSize(600, 400));
    owner->Show();
    TInitSetDialog placed(owner, "InitSetBox");
    EXPECT_EQ(placed.GetPosition(), owner->ClientToScreen(placed.ConvertDialogToPixels(wxPoint(44, 45))));
    owner->Destroy();
}

TEST_F(SettingsDialogTest, ShowsTheTableAsTwoChecksAndStoresTheirCount)
{
    Open(5);  // a hand-edited profile
    EXPECT_TRUE(Checked(520));
    EXPECT_TRUE(Checked(521));
    EXPECT_FALSE(Checked(522));
    EXPECT_TRUE(Checked(523));
    Confirm();
    EXPECT_EQ(CStatus::TableType, 1);

    dialog->Destroy();
    Open(1);
    Click(dialog->Check(522));
    Click(dialog->Check(520));
    Confirm();
    EXPECT_EQ(CStatus::TableType, 2);
    EXPECT_EQ(CStatus::EventInfo, 0);
    EXPECT_EQ(CStatus::UnseiDisp, 1);
}

TEST_F(SettingsDialogTest, TheOtherNotesAreOnlyUsableWithTheLunisolarGroup)
{
    Open(0);
    EXPECT_FALSE(dialog->Check(522)->IsEnabled());
    Click(dialog->Check(521));
    EXPECT_TRUE(dialog->Check(522)->IsEnabled());
    Click(dialog->Check(522));
    Click(dialog->Check(521));
    EXPECT_FALSE(dialog->Check(522)->IsEnabled());

    // 522 stays checked while unusable; alone it still counts as one group.
    EXPECT_TRUE(Checked(522));
    Confirm();
    EXPECT_EQ(CStatus::TableType, 1);
    dialog->Destroy();
    Open(CStatus::TableType);
    EXPECT_TRUE(Checked(521));
    EXPECT_FALSE(Checked(522));
    EXPECT_TRUE(dialog->Check(522)->IsEnabled());
}

TEST_F(SettingsDialogTest, ALongEventFileIsShownAndKeptWhole)
{
    std::string name = platform::SjisText("C:\\予定表\\");
    while (name.size() < 250)
        name += platform::SjisText("家族");
    Open(1, name.c_str());
    EXPECT_EQ(platform::SjisFromWx(dialog->EventFileEdit()->GetValue()), name);
    Confirm();
    EXPECT_EQ(std::string(szEventFile), name);
}

TEST_F(SettingsDialogTest, ANameTooLongForTheRecordIsRefusedWithAMessage)
{
    MessageRecorder messages;
    Open(1, "KEEP.CAL");
    dialog->EventFileEdit()->ChangeValue(wxString(wxUniChar(0x4E88), 130));  // 260 bytes in CP932
    EXPECT_FALSE(dialog->TransferDataFromWindow());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.LastText(), "ファイル名が長すぎます。");
    EXPECT_EQ(messages.shown.back().icon, platform::MbIcon::Exclamation);
    EXPECT_STREQ(ssInitSet.szEventFile, "KEEP.CAL");

    dialog->EventFileEdit()->ChangeValue(wxString(wxUniChar(0x4E88), 129) + "x");  // 259 bytes fit
    EXPECT_TRUE(dialog->TransferDataFromWindow());
    EXPECT_EQ(std::strlen(ssInitSet.szEventFile), 259u);
}

TEST_F(SettingsDialogTest, TheHelpButtonOpensTheSettingsPage)
{
    Open(1);
    Click(dialog->FindWindow(771));
    wxHtmlHelpFrame* help = nullptr;
    for (wxWindow* window : wxTopLevelWindows) {
        if (auto* frame = dynamic_cast<wxHtmlHelpFrame*>(window))
            help = frame;
    }
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->GetHelpWindow()->GetHtmlWindow()->GetOpenedPage().EndsWith("settings.html"));
}

// Runs the settings command while the test plays the user on the open dialog.
int RunWithUser(char (&szEventFile)[kEventFileSize], std::function<void(TInitSetDialog*)> user)
{
    wxTheApp->CallAfter([user] {
        for (wxWindow* window : wxTopLevelWindows) {
            auto* dialog = dynamic_cast<TInitSetDialog*>(window);
            if (dialog && dialog->IsModal()) {
                user(dialog);
                return;
            }
        }
        ADD_FAILURE() << "no settings dialog open";
    });
    return RunInitSetup(nullptr, szEventFile);
}

TEST_F(SettingsDialogTest, TheCommandAppliesAConfirmedDialogOnly)
{
    std::strcpy(szEventFile, "OLD.CAL");
    int result = RunWithUser(szEventFile, [](TInitSetDialog* d) {
        d->EventFileEdit()->ChangeValue("NEW.CAL");
        Click(d->Check(523));
        Click(d->FindWindow(wxID_CANCEL));
    });
    EXPECT_EQ(result, 2);
    EXPECT_STREQ(szEventFile, "OLD.CAL");
    EXPECT_EQ(CStatus::UnseiDisp, 1);

    result = RunWithUser(szEventFile, [](TInitSetDialog* d) {
        d->EventFileEdit()->ChangeValue("NEW.CAL");
        Click(d->Check(523));
        Click(d->FindWindow(wxID_OK));
    });
    EXPECT_EQ(result, 1);
    EXPECT_STREQ(szEventFile, "NEW.CAL");
    EXPECT_EQ(CStatus::UnseiDisp, 0);
    EXPECT_EQ(CStatus::TableType, 1);
}

// The settings command of the running program: the profile is written only
// when the dialog is confirmed.
class SettingsCommandTest : public AppTest {
protected:
    std::string Profile() const
    {
        std::ifstream in(workDir / "VESOMA.ini", std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

    // Runs command 769 while the test plays the user on the dialog.
    void RunCommand(TMainFrame* frame, std::function<void(TInitSetDialog*)> user)
    {
        wxTheApp->CallAfter([user] {
            for (wxWindow* window : wxTopLevelWindows) {
                auto* dialog = dynamic_cast<TInitSetDialog*>(window);
                if (dialog && dialog->IsModal())
                    return user(dialog);
            }
            ADD_FAILURE() << "no settings dialog open";
        });
        SendCommand(frame, 769);
    }
};

TEST_F(SettingsCommandTest, ACancelledDialogLeavesTheProfileAndItsTimeStamp)
{
    namespace fs = std::filesystem;
    WriteFile("VESOMA.ini", "; 自分の設定\r\n[VESOMA]\r\nTable=5\r\nEventInfo=0\r\n");
    const fs::path ini = workDir / "VESOMA.ini";
    fs::last_write_time(ini, fs::last_write_time(ini) - std::chrono::hours(24));
    const auto stamp = fs::last_write_time(ini);
    const std::string before = Profile();

    TMainFrame* frame = StartProgram();
    RunCommand(frame, [](TInitSetDialog* d) {
        EXPECT_TRUE(d->Check(521)->GetValue());
        EXPECT_FALSE(d->Check(522)->GetValue());
        Click(d->Check(523));
        Click(d->FindWindow(wxID_CANCEL));
    });
    EXPECT_EQ(fs::last_write_time(ini), stamp);
    EXPECT_EQ(Profile(), before);
    EXPECT_EQ(CStatus::TableType, 5);

    RunCommand(frame, [](TInitSetDialog* d) { Click(d->FindWindow(wxID_OK)); });
    EXPECT_NE(fs::last_write_time(ini), stamp);
    EXPECT_EQ(Profile(), platform::SjisText("; 自分の設定") +
                             std::string("\r\n[VESOMA]\r\nTable=1\r\nEventInfo=0\r\nEventFile=VESOMA.CAL\r\nUnsei=1\r\n"));
    EXPECT_EQ(CStatus::TableType, 1);
}

}  // namespace
