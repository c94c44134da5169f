// Printing a run of months on the held PDF queue of a private print server: one page each, in order, each
// titled with its own month, on the paper the page set-up kept.
#include <chrono>
#include <cstdlib>
#include <thread>

#include <wx/spinctrl.h>

#include "desktop/app/page_setup.h"
#include "desktop/dialogs/month_span_dialog.h"
#include "tests/core/event_files.h"
#include "tests/support/app_fixture.h"

namespace {

namespace fs = std::filesystem;

// The document of the newest job the held queue has taken in completely: d<job>-001, whose control file
// c<job> is written last.
fs::path NewestJob()
{
    fs::path newest;
    const fs::path spool = fs::path(std::getenv("VESOMA_CUPS_DIR")) / "spool";
    for (const auto& entry : fs::directory_iterator(spool)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > 5 && name[0] == 'd' && name.compare(name.size() - 4, 4, "-001") == 0 &&
            fs::exists(spool / ("c" + name.substr(1, name.size() - 5))) && entry.path() > newest)
            newest = entry.path();
    }
    return newest;
}

std::string Output(const std::string& command)
{
    return std::system((command + " > output.txt").c_str()) == 0 ? ReadBytes("output.txt") : "";
}

using PrintSpan = AppTest;

TEST_F(PrintSpan, ThreeMonthsOnThreePagesInOrder)
{
    ASSERT_NE(std::getenv("VESOMA_CUPS_DIR"), nullptr);
    const fs::path before = NewestJob();
    TMainFrame* frame = StartProgram();
    wxPageSetupDialogData a5;  // as the page set-up keeps the user's choice
    a5.GetPrintData().SetPaperId(wxPAPER_A5);
    KeepPageSetup(a5);
    WhenModal<MonthSpanDialog>([](MonthSpanDialog& dialog) {
        dialog.pTo[1]->SetValue(7);
        dialog.CmOk();
    });
    SendCommand(frame, commands::kPrintSpan);
    EXPECT_TRUE(messages.shown.empty()) << messages.LastText();
    fs::path job = NewestJob();
    for (int wait = 0; wait < 400 && job == before; ++wait, job = NewestJob()) {
        PumpEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ASSERT_NE(job, before) << "no job reached the queue";
    const std::string info = Output("pdfinfo " + job.string());
    EXPECT_NE(info.find("Pages:           3\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Page size:       419.528 x 595.276 pts"), std::string::npos) << info;
    for (const auto& [page, title] : {std::pair{"1", "2001年 5月"}, {"2", "2001年 6月"}, {"3", "2001年 7月"}})
        EXPECT_NE(Output("pdftotext -f " + std::string(page) + " -l " + page + " -layout -enc UTF-8 " +
                         job.string() + " -")
                      .find(title),
                  std::string::npos)
            << "page " << page;
}

}  // namespace
