// Without any print server: the month's print preview opens and closes, and
// the PDF command saves the months the span dialog chose, on the paper the
// page set-up kept, or says why it could not and leaves nothing behind.
#include <cstdlib>
#include <set>
#include <tuple>

#include <wx/paper.h>
#include <wx/prntbase.h>
#include <wx/spinctrl.h>

#include "desktop/app/page_setup.h"
#include "desktop/app/save_path.h"
#include "desktop/dialogs/month_span_dialog.h"
#include "tests/core/event_files.h"
#include "tests/support/app_fixture.h"

namespace {

namespace fs = std::filesystem;

// What pdfinfo tells of path.
std::string Info(const fs::path& path)
{
    const bool read = std::system(("pdfinfo '" + path.string() + "' > info.txt").c_str()) == 0;
    const std::string text = read ? ReadBytes("info.txt") : "";
    fs::remove("info.txt");
    return text;
}

class PrintPreviewTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        setenv("CUPS_SERVER", (workDir / "no-server.sock").c_str(), 1);
    }
    void TearDown() override
    {
        unsetenv("CUPS_SERVER");
        AppTest::TearDown();
    }
};

TEST_F(PrintPreviewTest, PreviewOfTheShownMonthOpensAndClosesAndPdfSavesTheChosenMonthsOnTheKeptPaper)
{
    TMainFrame* frame = StartProgram();
    SendCommand(frame, commands::kPrintPreview);
    PumpEvents();
    const std::vector<wxPreviewFrame*> previews = OpenWindows<wxPreviewFrame>();
    ASSERT_EQ(previews.size(), 1u);
    wxPrintPreviewBase* preview = nullptr;
    for (wxWindow* child : previews.front()->GetChildren())
        if (auto* bar = dynamic_cast<wxPreviewControlBar*>(child))
            preview = bar->GetPrintPreview();
    ASSERT_TRUE(preview != nullptr && preview->IsOk());
    EXPECT_EQ(preview->GetMaxPage(), 1);
    EXPECT_TRUE(messages.shown.empty()) << messages.LastText();
    // Its print button is the print command, which finds no print server.
    preview->Print(true);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.LastText().find("印刷サービス"), std::string::npos) << messages.LastText();
    previews.front()->Close(true);
    PumpEvents();
    EXPECT_TRUE(OpenWindows<wxPreviewFrame>().empty());

    const fs::path one = workDir / "one.pdf", year = workDir / "year.pdf", folder = workDir / "folder.pdf";
    fs::create_directory(folder);
    std::vector<std::string> defaults;
    fs::path chosen;
    const SavePathChooser previous = SetSavePathChooser([&](wxWindow*, const wxString& path) {
        defaults.push_back(fs::path(path.utf8_string()).filename().string());
        return wxString::FromUTF8(chosen.string());
    });
    // {path, last month of the span from May 2001}: the default span, a year
    // on the page set-up's Letter landscape, and a folder in the way.
    const struct {
        fs::path path;
        int last[2];
    } saves[] = {{one, {2001, 5}}, {year, {2002, 4}}, {folder, {2001, 5}}};
    for (const auto& save : saves) {
        chosen = save.path;
        WhenModal<MonthSpanDialog>([&save](MonthSpanDialog& dialog) {
            // Backwards, and 26 months: told, and the dialog stays; then the span saved.
            for (const auto& [toYear, toMonth] :
                 {std::pair{2001, 4}, {2003, 6}, {save.last[0], save.last[1]}}) {
                dialog.pTo[0]->SetValue(toYear);
                dialog.pTo[1]->SetValue(toMonth);
                dialog.CmOk();
                EXPECT_EQ(dialog.IsModal(), toYear != save.last[0] || toMonth != save.last[1]);
            }
        });
        SendCommand(frame, commands::kPdfSave);
        wxPageSetupDialogData letter;
        letter.GetPrintData().SetPaperId(wxPAPER_LETTER);
        letter.GetPrintData().SetOrientation(wxLANDSCAPE);
        KeepPageSetup(letter);
    }
    SetSavePathChooser(previous);

    EXPECT_EQ(defaults, (std::vector<std::string>{"運勢暦-2001-05.pdf", "運勢暦-2001-05-2002-04.pdf",
                                                  "運勢暦-2001-05.pdf"}));
    for (const auto& [path, pages, size] : {std::tuple{one, "1", "595.276 x 841.89 pts (A4)"},
                                            std::tuple{year, "12", "792 x 612 pts (letter)"}}) {
        const std::string info = Info(path);
        EXPECT_NE(info.find("Pages:           " + std::string(pages) + "\n"), std::string::npos) << info;
        EXPECT_NE(info.find("Page size:       " + std::string(size)), std::string::npos) << info;
    }
    // The print server, two bad spans each time, then the folder in the way, left as it was.
    ASSERT_EQ(messages.shown.size(), 8u);
    EXPECT_EQ(messages.LastCaption(), "PDF に保存");
    EXPECT_EQ(messages.shown.back().icon, platform::MbIcon::Stop);
    EXPECT_TRUE(fs::is_directory(folder) && fs::is_empty(folder));
    const std::set<fs::path> files(fs::directory_iterator(workDir), {});
    EXPECT_TRUE(files == (std::set{one, year, folder})) << files.size() << " files";
}

}  // namespace
