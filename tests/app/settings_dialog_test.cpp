// The settings dialog on its resource: what it shows from the transfer
// record, what it gives back, and the settings command around it.
#include <array>
#include <chrono>
#include <cstring>
#include <tuple>

#include <wx/checkbox.h>
#include <wx/textctrl.h>

#include "core/settings/init_info.h"
#include "desktop/dialogs/init_set_dialog.h"
#include "desktop/platform/wx_text.h"
#include "desktop/resources/help.h"
#include "tests/core/event_files.h"
#include "tests/support/app_fixture.h"

namespace {

using Flags3 = std::tuple<int, int, int>;
// EventInfo, Table and Unsei as the program holds them.
auto Flags()
{
    return std::tie(CStatus::EventInfo, CStatus::TableType, CStatus::UnseiDisp);
}

class SettingsDialogTest : public AppTest {
protected:
    void TearDown() override
    {
        resources::QuitHelp();
        AppTest::TearDown();
    }
    // The dialog as the settings command opens it for EventInfo, Table, Unsei; it goes with its owner.
    void Open(const Flags3& flags, const char* eventFile = "VESOMA.CAL")
    {
        Flags() = flags;
        FillInitSet(eventFile);
        dialog = new TInitSetDialog(Owner(), "InitSetBox");
        ASSERT_TRUE(dialog->IsLoaded());
        ASSERT_TRUE(dialog->TransferDataToWindow());
    }
    // Confirms the dialog's controls and applies them as the command does.
    void Confirm()
    {
        ASSERT_TRUE(dialog->TransferDataFromWindow());
        ApplyInitSet(szEventFile);
    }
    std::array<bool, 4> Checks() const  // 520-523
    {
        return {dialog->Check(520)->GetValue(), dialog->Check(521)->GetValue(),
                dialog->Check(522)->GetValue(), dialog->Check(523)->GetValue()};
    }

    TInitSetDialog* dialog = nullptr;
    char szEventFile[kEventFileSize] = {};
};

TEST_F(SettingsDialogTest, OpensInTheOwnerWithHelpAndAFileChooserAndAsksBeforeStartingANewEventFile)
{
    std::strcpy(szHelpFile, "VESOMA.HLP");
    Owner()->SetSize(100, 80, 600, 400);
    Open({1, 1, 1});  // VESOMA.CAL is missing, but not newly named: no question
    EXPECT_EQ(dialog->GetPosition(), Owner()->ClientToScreen(dialog->ConvertDialogToPixels(wxPoint(44, 45))));
    Press(dialog->FindWindow(771));
    EXPECT_EQ(HelpPage(), "settings.html");
    for (const char* name : {"VESOMA.CAL", "/dev/null", "NEW.CAL"}) {  // the answer, Ok, is not Yes
        dialog->EventFileEdit()->ChangeValue(name);
        EXPECT_EQ(dialog->TransferDataFromWindow(), name[0] != 'N') << name;
    }
    EXPECT_TRUE(messages.shown.size() == 1 && dialog->FindWindow(515));
}

TEST_F(SettingsDialogTest, TheTableIsShownAsTwoChecksAndStoredAsTheirCount)
{
    const struct {
        Flags3 before, after;
        std::vector<int> clicks;
        std::array<bool, 4> shown;  // 520-523 on opening
    } cases[] = {
        {{1, 5, 1}, {1, 1, 1}, {}, {true, true, false, true}},  // a hand-edited profile
        {{0, 1, 3}, {1, 2, 0}, {522, 520, 523}, {false, true, false, true}},
        {{1, 2, 1}, {1, 1, 1}, {521}, {true, true, true, true}},  // 522 alone still counts as one group
        {{1, 0, 0}, {1, 1, 0}, {521, 522, 521}, {true, false, false, false}},
        {{1, -1, 1}, {1, 0, 1}, {521}, {true, true, false, true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("Table " + std::to_string(std::get<1>(c.before)));
        ASSERT_NO_FATAL_FAILURE(Open(c.before));
        EXPECT_EQ(Checks(), c.shown);
        EXPECT_EQ(dialog->Check(522)->IsEnabled(), Checks()[1]);
        for (int id : c.clicks) {
            Press(dialog->Check(id));
            EXPECT_EQ(dialog->Check(522)->IsEnabled(), Checks()[1]) << "after clicking " << id;
        }
        Confirm();
        EXPECT_EQ(Flags3(Flags()), c.after);
    }
}

TEST_F(SettingsDialogTest, AnEventFileOfUpTo259BytesIsKeptWholeALongerOneRefused)
{
    std::string name = platform::SjisText("C:\\予定表\\");
    while (name.size() < 258)
        name += platform::SjisText("家族");
    name += "x";
    ASSERT_EQ(name.size(), 259u);
    Open({1, 1, 1}, name.c_str());
    EXPECT_EQ(platform::SjisFromWx(dialog->EventFileEdit()->GetValue()), name);
    Confirm();
    EXPECT_EQ(std::string(szEventFile), name);

    dialog->EventFileEdit()->ChangeValue(wxString(wxUniChar(0x4E88), 130));  // 260 bytes in CP932
    EXPECT_FALSE(dialog->TransferDataFromWindow());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.LastText(), "ファイル名が長すぎます。");
    EXPECT_EQ(messages.shown.back().icon, platform::MbIcon::Exclamation);
    EXPECT_EQ(std::string(ssInitSet.szEventFile), name);
}

TEST_F(SettingsDialogTest, ACancelledCommandLeavesTheProfileAndItsTimeStampAConfirmedOneWritesIt)
{
    namespace fs = std::filesystem;
    WriteFile("VESOMA.ini", "; 自分の設定\r\n[VESOMA]\r\nTable=5\r\nEventInfo=0\r\n");
    const std::string ini = (workDir / "VESOMA.ini").string();
    fs::last_write_time(ini, fs::last_write_time(ini) - std::chrono::hours(24));
    const auto stamp = fs::last_write_time(ini);
    const std::string before = ReadBytes(ini);
    TMainFrame* frame = StartProgram();
    // The user types a new event file, switches the fortune off, then presses button.
    const auto runCommand = [frame](int button) {
        WhenModal<TInitSetDialog>([button](TInitSetDialog& d) {
            d.EventFileEdit()->ChangeValue("NEW.CAL");
            Press(d.Check(523));
            Press(d.FindWindow(button));
        });
        SendCommand(frame, commands::kInitSetup);
    };
    runCommand(wxID_CANCEL);
    EXPECT_TRUE(fs::last_write_time(ini) == stamp && ReadBytes(ini) == before);
    EXPECT_EQ(Flags3(Flags()), Flags3(0, 5, 1));

    const MessageRecorder startNewFile(platform::MbResult::Yes);  // NEW.CAL does not exist
    runCommand(wxID_OK);
    EXPECT_NE(fs::last_write_time(ini), stamp);
    EXPECT_EQ(ReadBytes(ini), platform::ToSjis("; 自分の設定\r\n[VESOMA]\r\nTable=1\r\nEventInfo=0\r\n"
                                               "EventFile=NEW.CAL\r\nUnsei=0\r\n"));
    EXPECT_EQ(Flags3(Flags()), Flags3(0, 1, 0));
}

TEST_F(SettingsDialogTest, TheAlmanacChoicesRebuildTheMonthShownAndAreKeptForTheNextStart)
{
    struct Case {
        int check;
        const char* key;
        int year, month, day;
        bool (*chosen)(const DayEntry&);  // the day as the choice shows it
    };
    for (const Case& c : {
             // 夏至 2023 fell at 23:58 on 21 June in Japan; the short series put it on the 22nd.
             Case{524, "Precise=1", 2023, 6, 21, [](const DayEntry& d) { return d.nSekki == 7; }},
             // The law made 1 May 2019 a holiday, the enthronement; the table knows none then.
             Case{525, "HolidayLaw=1", 2019, 5, 1, [](const DayEntry& d) { return d.nHoly == 24; }},
         }) {
        SCOPED_TRACE(c.key);
        const auto shown = [&c](TMainFrame* frame) {
            ActDate[0] = c.year;
            ActDate[1] = c.month;
            RenderMonth(frame->Client());
            return c.chosen(kc.Day[c.day - 1]);
        };
        std::filesystem::remove(workDir / "VESOMA.ini");
        TMainFrame* frame = StartProgram();
        EXPECT_FALSE(shown(frame));
        WhenModal<TInitSetDialog>([&c](TInitSetDialog& d) {
            Press(d.Check(c.check));
            Press(d.FindWindow(wxID_OK));
        });
        SendCommand(frame, commands::kInitSetup);
        EXPECT_TRUE(c.chosen(kc.Day[c.day - 1]));
        EXPECT_TRUE(shown(frame));
        EXPECT_NE(ReadBytes((workDir / "VESOMA.ini").string()).find(c.key), std::string::npos);
        frame->Destroy();
        kc = Vesoma{};
        EXPECT_TRUE(shown(frame = StartProgram()));
        frame->Destroy();
    }
}

}  // namespace
