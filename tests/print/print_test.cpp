// Printing the shown month. CTest runs each group against its own print
// server (see CMakeLists.txt): PrintPdf against a private server whose default
// destination is a held PDF queue, PrintNoDestination against one without any
// destination, PrintNoServer against a socket where no server listens.
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <set>
#include <sstream>
#include <thread>

#include <cups/cups.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <wx/dialog.h>
#include <wx/eventfilter.h>
#include <wx/modalhook.h>
#include <wx/statusbr.h>

#include "desktop/print/printer.h"
#include "platform/cell_surface.h"
#include "tests/core/event_files.h"
#include "tests/support/app_fixture.h"

namespace fs = std::filesystem;

namespace {

// Every change of the status text, and whether a job was open then.
struct RecordingStatusBar : wxStatusBar {
    RecordingStatusBar(wxWindow* frame, TMyWindow* window) : wxStatusBar(frame), pWindow(window) {}
    void DoUpdateStatusText(int number) override
    {
        texts.emplace_back(GetStatusText(number).utf8_string(),
                           pWindow->pPrinter && pWindow->pPrinter->bDocOpen);
        wxStatusBar::DoUpdateStatusText(number);
    }
    TMyWindow* pWindow;
    std::vector<std::pair<std::string, bool>> texts;
};

// Answers every modal dialog with OK without showing it, and names its class.
struct DialogAnswerer : wxModalDialogHook {
    DialogAnswerer() { Register(); }
    ~DialogAnswerer() override { Unregister(); }
    int Enter(wxDialog* dialog) override
    {
        shown.emplace_back(wxString(dialog->GetClassInfo()->GetClassName()).ToStdString());
        return wxID_OK;
    }
    void Exit(wxDialog*) override {}
    std::vector<std::string> shown;
};

// A paint as the toolkit delivers it: of the paint type, yet no wxPaintEvent.
struct PaintEvent : wxEvent {
    PaintEvent() : wxEvent(0, wxEVT_PAINT) {}
    wxEvent* Clone() const override { return new PaintEvent(*this); }
};

// What a command of the system writes to its standard output.
std::string RunCommand(const std::string& command)
{
    return std::system((command + " > output.txt").c_str()) == 0 ? ReadBytes("output.txt") : "";
}

// A word of pdftotext -bbox and where it starts, in points from the top left.
struct Word {
    std::string text;
    double x, y;
};
std::vector<Word> Words(const std::string& boxes)
{
    const std::regex word("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>");
    std::vector<Word> words;
    for (std::sregex_iterator it(boxes.begin(), boxes.end(), word), end; it != end; ++it)
        words.push_back({(*it)[3], std::stod((*it)[1]), std::stod((*it)[2])});
    return words;
}

// The non-empty lines, blanks of any width (the title has a full-width one)
// as one blank, none at the ends.
std::vector<std::string> SqueezedLines(const std::string& text)
{
    const std::regex blanks("(?:[ \\t\\f\\r\\v]|\xE3\x80\x80)+");
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        line = std::regex_replace(" " + line + " ", blanks, " ");
        if (line.size() > 1)
            lines.push_back(line.substr(1, line.size() - 2));
    }
    return lines;
}

// The month grid as the drawing routine lays it out, one squeezed line per row.
std::vector<std::string> GridLines()
{
    platform::CellSurface cells(TMyWindow::kGridColumns, 40, 8, 16);
    kc.DarwCalender(cells);
    return SqueezedLines(cells.RenderPlain());
}

// The document files of the jobs the held queue has taken in completely,
// oldest first: d<job>-001 beside c<job>, the control file written last.
std::set<fs::path> SpooledJobs()
{
    std::set<fs::path> jobs;
    const char* dir = std::getenv("VESOMA_CUPS_DIR");
    if (dir == nullptr)
        return jobs;
    const fs::path spool = fs::path(dir) / "spool";
    for (const auto& entry : fs::directory_iterator(spool)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > 5 && name[0] == 'd' && name.compare(name.size() - 4, 4, "-001") == 0 &&
            fs::exists(spool / ("c" + name.substr(1, name.size() - 5))))
            jobs.insert(entry.path());
    }
    return jobs;
}

// The name the server keeps for the latest job of the queue.
std::string NewestJobTitle()
{
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, "PDF", 0, CUPS_WHICHJOBS_ALL);
    const cups_job_t* newest =
        std::max_element(jobs, jobs + std::max(count, 0),
                         [](const cups_job_t& a, const cups_job_t& b) { return a.id < b.id; });
    const std::string title = count > 0 && newest->title != nullptr ? newest->title : "";
    cupsFreeJobs(count, jobs);
    return title;
}

class PrintTest : public AppTest {
protected:
    // The program showing February 2001 from its first day.
    void SetUp() override
    {
        AppTest::SetUp();
        frame = StartProgram();
        window = frame->Client();
        sb = status = new RecordingStatusBar(frame, window);
        CStatus::TableType = 2;
        ActDate[0] = 2001;
        ActDate[1] = 2;
        ActDate[2] = 1;
        window->InvalidateAll();
        RenderMonth(window);
        PumpEvents();
    }

    // The toolkit hands the job to the server from its message loop after the
    // command returned: the loop runs until `count` jobs are in or time is up.
    static std::set<fs::path> SpooledJobsOnceThereAre(std::size_t count, std::chrono::seconds patience)
    {
        std::set<fs::path> jobs = SpooledJobs();
        for (const auto end = std::chrono::steady_clock::now() + patience;
             jobs.size() < count && std::chrono::steady_clock::now() < end; jobs = SpooledJobs()) {
            PumpEvents();
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return jobs;
    }

    // Printing stops before any job with a message naming what is missing.
    void ExpectPrintStopsWith(const std::string& missing)
    {
        SendCommand(frame, commands::kPrint);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.LastCaption(), "印刷");
        EXPECT_EQ(messages.shown.front().icon, platform::MbIcon::Stop);
        EXPECT_NE(messages.LastText().find(missing), std::string::npos) << messages.LastText();
        EXPECT_TRUE(status->texts.empty()) << "the status line stays empty";
        EXPECT_EQ(window->pPrinter, nullptr);
    }

    TMainFrame* frame = nullptr;
    TMyWindow* window = nullptr;
    RecordingStatusBar* status = nullptr;
};

using PrintPdf = PrintTest;
using PrintNoDestination = PrintTest;
using PrintNoServer = PrintTest;

TEST(PrintServer, AServerThatTakesTheCallButNeverAnswersIsGivenUpOn)
{
    const std::string path = (fs::temp_directory_path() / "vesoma-print-silent.sock").string();
    unlink(path.c_str());
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(listener, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(listener, 4), 0);  // connections wait in the backlog, unanswered

    cupsSetServer(path.c_str());
    std::string name;
    EXPECT_EQ(platform::FindDefaultPrintDestination(&name), platform::PrintDestination::NoServer);
    cupsSetServer(nullptr);
    close(listener);
    unlink(path.c_str());
}

TEST(PrintPage, AbortProcCancelsOnEscapeKeepsPaintsDropsOtherInput)
{
    PaintEvent paint;
    wxSizeEvent size;
    wxMouseEvent click(wxEVT_LEFT_DOWN);
    wxCommandEvent command(wxEVT_MENU, commands::kPrint);
    wxKeyEvent letter(wxEVT_CHAR), escapeDown(wxEVT_KEY_DOWN), escape(wxEVT_CHAR);
    letter.m_keyCode = 'a';
    escapeDown.m_keyCode = escape.m_keyCode = WXK_ESCAPE;
    Printer::bAborted = 0;
    for (wxEvent* event : std::initializer_list<wxEvent*>{&paint, &size})
        EXPECT_EQ(Printer::AbortProc(*event), wxEventFilter::Event_Skip) << event->GetEventType();
    for (wxEvent* event : std::initializer_list<wxEvent*>{&click, &command, &letter, &escapeDown, &escape}) {
        EXPECT_EQ(Printer::bAborted, 0);
        EXPECT_EQ(Printer::AbortProc(*event), wxEventFilter::Event_Ignore) << event->GetEventType();
    }
    EXPECT_EQ(Printer::bAborted, 1);
    Printer::bAborted = 0;
}

// After a page setup closed with OK, the print is still the whole month on
// one page within the margins.
TEST_F(PrintPdf, FebruaryTwoThousandOneOnOnePageWithTitleAndTwentyEightDays)
{
    const std::vector<std::string> grid = GridLines();
    ASSERT_EQ(grid.size(), 29u);  // the title and 28 days
    const std::size_t before = SpooledJobs().size();
    {
        // Only around the setup: the toolkit runs its printing as a modal
        // dialog too, which the answerer would skip.
        DialogAnswerer answerer;
        SendCommand(frame, commands::kPrinterSetup);
        ASSERT_EQ(answerer.shown.size(), 1u);
        EXPECT_NE(answerer.shown.front().find("PageSetupDialog"), std::string::npos)
            << answerer.shown.front();
    }
    SendCommand(frame, commands::kPrint);
    EXPECT_TRUE(messages.shown.empty()) << messages.LastText();
    EXPECT_EQ(status->texts, (decltype(status->texts){{"2001年2月の運勢暦印刷中...", true}, {"", false}}));
    EXPECT_EQ(window->pPrinter, nullptr);
    const auto jobs = SpooledJobsOnceThereAre(before + 1, std::chrono::seconds(20));
    ASSERT_EQ(jobs.size(), before + 1);
    const std::string job = jobs.rbegin()->string();
    EXPECT_EQ(NewestJobTitle(), "運勢暦");  // what the queue lists the job as
    EXPECT_NE(RunCommand("pdfinfo " + job).find("Pages:           1\n"), std::string::npos);
    EXPECT_EQ(SqueezedLines(RunCommand("pdftotext -layout -enc UTF-8 " + job + " -")), grid);
    // The margins, from where the rows of the 10th and the 20th begin: the
    // day number at column 1, the weekday at column 4, rows one line apart.
    const std::vector<Word> words = Words(RunCommand("pdftotext -bbox " + job + " -"));
    const auto at = [&words](const char* text) {
        return std::find_if(words.begin(), words.end(), [text](const Word& w) { return w.text == text; });
    };
    const auto ten = at("10"), twenty = at("20");
    ASSERT_TRUE(twenty != words.end() && ten < twenty);
    EXPECT_EQ(ten[1].y, ten->y);  // the weekday
    const double cellWidth = (ten[1].x - ten->x) / 3;
    const double lineHeight = (twenty->y - ten->y) / 10;
    EXPECT_GT(cellWidth, 0);
    EXPECT_NEAR(ten->x - cellWidth, 0.4 * 72, 0.5);        // 4 units of 1/10 inch, in points
    EXPECT_NEAR(ten->y - 11 * lineHeight, 0.6 * 72, 0.5);  // 6 units
}

TEST_F(PrintPdf, EscapeWhileSpoolingCancelsQuietlyAndClicksAreDropped)
{
    const std::size_t before = SpooledJobs().size();
    // Input that arrives while the job is open: a click on the line of the
    // 10th, then the Escape key.
    auto* click = new wxMouseEvent(wxEVT_LEFT_DOWN);
    click->SetPosition(wxPoint(window->nCharWidth * 3, window->nCharHeight * 11 + 2));
    auto* escape = new wxKeyEvent(wxEVT_CHAR);
    escape->m_keyCode = WXK_ESCAPE;
    for (wxEvent* input : std::initializer_list<wxEvent*>{click, escape}) {
        input->SetEventObject(window);
        wxQueueEvent(window, input);
    }
    SendCommand(frame, commands::kPrint);
    PumpEvents();
    EXPECT_EQ(Printer::bAborted, 1);
    EXPECT_TRUE(messages.shown.empty()) << messages.LastText();
    // A job that got through would reach the server within this time.
    EXPECT_EQ(SpooledJobsOnceThereAre(before + 1, std::chrono::seconds(2)).size(), before);
    ASSERT_FALSE(status->texts.empty());
    EXPECT_EQ(status->texts.back().first, "");
    EXPECT_EQ((std::vector<int>{window->bSelect, ActDate[2]}), (std::vector<int>{0, 1}));
}

TEST_F(PrintNoDestination, StopsWithAMessageAndAnEmptyStatusLine)
{
    ExpectPrintStopsWith("プリンタ");
}

TEST_F(PrintNoServer, StopsWithAMessageInsteadOfWaitingAndEveryEscapeFails)
{
    ExpectPrintStopsWith("印刷サービス");

    Printer job(window);
    EXPECT_FALSE(job.hPrnDC);
    EXPECT_EQ(job.nOpenState, platform::PrintDestination::NoServer);
    job.StartDocument("x");
    EXPECT_EQ(job.Escape(STARTDOC, 1, "x", nullptr), -1);
    EXPECT_EQ(job.Escape(SETABORTPROC, 0, nullptr, nullptr), -1);
    EXPECT_EQ(job.NewPage(), -1);
    job.EndDocument();
    EXPECT_EQ(job.bDocOpen, 0);
}

}  // namespace
