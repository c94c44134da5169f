// The main window's iCalendar export: the dialog's span and kinds, the file
// the save dialog chose, read by the real parsers; a failed write says so and
// leaves no file behind.
#include <cstdlib>
#include <set>

#include <wx/checkbox.h>
#include <wx/spinctrl.h>

#include "desktop/app/save_path.h"
#include "desktop/dialogs/ics_export_dialog.h"
#include "tests/support/app_fixture.h"

namespace {

// The 六曜 events and the user's events that python3-icalendar reads in path.
const char* const kCount = R"py(/usr/bin/python3 -c "import sys, icalendar
c = [str(e['CATEGORIES'].to_ical(), 'utf-8') for e in
     icalendar.Calendar.from_ical(open(sys.argv[1], 'rb').read()).walk('VEVENT')]
sys.exit(0 if (c.count('六曜'), c.count('予定')) == (730, 2) else 1)" )py";

TEST_F(AppTest, TheIcalendarCommandWritesTheFileTheDialogChose)
{
    WriteFile("VESOMA.CAL", "2027/ 3/ 3,書き出しの確認\r\n2026/ 1/ 1,年の初め\r\n");
    TMainFrame* frame = StartProgram();
    const std::filesystem::path good = workDir / "暦.ics", folder = workDir / "folder.ics";
    std::filesystem::create_directory(folder);
    std::vector<std::string> defaults;
    std::filesystem::path chosen;
    const SavePathChooser previous = SetSavePathChooser([&](wxWindow*, const wxString& name) {
        defaults.push_back(name.utf8_string());
        return wxString::FromUTF8(chosen.string());
    });
    for (const std::filesystem::path& path : {good, folder}) {
        chosen = path;
        WhenModal<IcsExportDialog>([](IcsExportDialog& dialog) {
            EXPECT_EQ(dialog.pFrom->GetValue() * 10000 + dialog.pTo->GetValue(), 2001 * 10000 + 2001);
            dialog.pFrom->SetValue(2026);
            dialog.pTo->SetValue(2027);
            dialog.CmOk();
        });
        SendCommand(frame, commands::kIcsExport);
    }
    // Cancelled: no file is asked for.
    WhenModal<IcsExportDialog>([](IcsExportDialog& dialog) { dialog.CmCancel(); });
    SendCommand(frame, commands::kIcsExport);
    SetSavePathChooser(previous);

    EXPECT_EQ(defaults, (std::vector<std::string>{"vesoma-2026-2027.ics", "vesoma-2026-2027.ics"}));
    EXPECT_EQ(std::system((kCount + std::string(" '") + good.string() + "'").c_str()), 0);
    EXPECT_EQ(std::system((VESOMA_LIBICAL_CHECK " '" + good.string() + "' >/dev/null").c_str()), 0);
    // The folder in the way is reported, left as it was, and nothing else is written.
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown.back().icon, platform::MbIcon::Stop);
    EXPECT_TRUE(std::filesystem::is_directory(folder) && std::filesystem::is_empty(folder));
    const std::set<std::filesystem::path> files(std::filesystem::directory_iterator(workDir), {});
    EXPECT_TRUE(files == (std::set{workDir / "VESOMA.CAL", folder, good})) << files.size() << " files";
}

}  // namespace
