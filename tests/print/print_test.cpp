// Printing the shown month. CTest runs each group against its own print
// server (see CMakeLists.txt): PrintPdf against a private server whose default
// destination is a held PDF queue, PrintNoDestination against one without any
// destination, PrintNoServer against a socket where no server listens.
#include <array>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cups/cups.h>
#include <gtest/gtest.h>
#include <wx/eventfilter.h>
#include <wx/modalhook.h>
#include <wx/printdlg.h>
#include <wx/statusbr.h>

#include "../app/app_fixture.h"
#include "almanac/text_attr.h"
#include "almanac/vesoma.h"
#include "app/app_globals.h"
#include "app/my_window.h"
#include "platform/cell_surface.h"
#include "platform/print_server.h"
#include "platform/wx/wx_text.h"
#include "print/printer.h"
#include "settings/status.h"

namespace fs = std::filesystem;

namespace {

constexpr int kPrint = 48;
constexpr int kPrinterSetup = 49;

// Every change of the status text, and whether a job was open then.
class RecordingStatusBar : public wxStatusBar {
public:
    RecordingStatusBar(wxWindow* frame, TMyWindow* window) : wxStatusBar(frame), pWindow(window) {}

    std::vector<std::pair<std::string, bool>> texts;

protected:
    void DoUpdateStatusText(int number) override
    {
        const bool jobOpen = pWindow->pPrinter != nullptr && pWindow->pPrinter->bDocOpen;
        texts.emplace_back(std::string(GetStatusText(number).utf8_str()), jobOpen);
        wxStatusBar::DoUpdateStatusText(number);
    }

private:
    TMyWindow* pWindow;
};

// Answers every modal dialog with OK without showing it, and names its class.
class DialogAnswerer : public wxModalDialogHook {
public:
    DialogAnswerer() { Register(); }
    ~DialogAnswerer() override { Unregister(); }

    std::vector<std::string> shown;

protected:
    int Enter(wxDialog* dialog) override
    {
        shown.emplace_back(wxString(dialog->GetClassInfo()->GetClassName()).ToStdString());
        return wxID_OK;
    }
    void Exit(wxDialog*) override {}
};

// A paint as the toolkit delivers it to a window.
class PaintEvent : public wxEvent {
public:
    PaintEvent() : wxEvent(0, wxEVT_PAINT) {}
    wxEvent* Clone() const override { return new PaintEvent(*this); }
};

std::string RunCommand(const std::string& command)
{
    std::string output;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe)
        return output;
    std::array<char, 4096> buffer{};
    std::size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0)
        output.append(buffer.data(), n);
    return output;
}

// Where pdftotext -bbox puts a word on the page, in points from the top left.
struct WordBox {
    double x = -1;
    double y = -1;
};

// A number in the attribute name="..." of the tag that starts at from.
double Attribute(const std::string& text, std::size_t from, const std::string& name)
{
    const std::size_t at = text.find(name + "=\"", from);
    return at == std::string::npos ? -1 : std::stod(text.substr(at + name.size() + 2));
}

std::vector<std::pair<std::string, WordBox>> Words(const std::string& boxes)
{
    std::vector<std::pair<std::string, WordBox>> words;
    for (std::size_t at = boxes.find("<word "); at != std::string::npos; at = boxes.find("<word ", at + 1)) {
        const std::size_t start = boxes.find('>', at) + 1;
        const std::size_t end = boxes.find("</word>", start);
        words.push_back({boxes.substr(start, end - start),
                         WordBox{Attribute(boxes, at, "xMin"), Attribute(boxes, at, "yMin")}});
    }
    return words;
}

WordBox FindWord(const std::string& boxes, const std::string& text)
{
    for (const auto& [word, box] : Words(boxes)) {
        if (word == text)
            return box;
    }
    return WordBox{};
}

// The next word on the same line.
WordBox FindWordRightOf(const std::string& boxes, const WordBox& left)
{
    for (const auto& [word, box] : Words(boxes)) {
        if (box.y == left.y && box.x > left.x)
            return box;
    }
    return WordBox{};
}

// Blanks of any width (the title has a full-width one) as one blank, none at the ends.
std::string Squeeze(const std::string& line)
{
    const std::string fullWidthBlank = "\xE3\x80\x80";
    std::string text = line;
    for (std::size_t at = text.find(fullWidthBlank); at != std::string::npos; at = text.find(fullWidthBlank))
        text.replace(at, fullWidthBlank.size(), " ");
    std::string squeezed;
    for (const char c : text) {
        if (std::isspace(static_cast<unsigned char>(c)) != 0) {
            if (!squeezed.empty() && squeezed.back() != ' ')
                squeezed += ' ';
        } else {
            squeezed += c;
        }
    }
    if (!squeezed.empty() && squeezed.back() == ' ')
        squeezed.pop_back();
    return squeezed;
}

std::vector<std::string> SqueezedLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!Squeeze(line).empty())
            lines.push_back(Squeeze(line));
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

class PrintTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        frame = StartProgram();
        window = frame->Client();
        status = new RecordingStatusBar(frame, window);
        previousStatus = sb;
        sb = status;
    }
    void TearDown() override
    {
        sb = previousStatus;
        AppTest::TearDown();
    }

    void ShowMonth(int year, int month)
    {
        ActDate[0] = year;
        ActDate[1] = month;
        ActDate[2] = 1;
        window->InvalidateAll();
        RenderMonth(window);
        PumpEvents();
    }

    TMainFrame* frame = nullptr;
    TMyWindow* window = nullptr;
    RecordingStatusBar* status = nullptr;
    wxStatusBar* previousStatus = nullptr;
};

// The held queue keeps every job it got as the PDF the program sent.
class PrintPdf : public PrintTest {
protected:
    // The document files of the jobs the server has taken in completely
    // (their control file is written last).
    static std::set<fs::path> SpooledJobs()
    {
        std::set<fs::path> jobs;
        const char* dir = std::getenv("VESOMA_CUPS_DIR");
        if (dir == nullptr)
            return jobs;
        const fs::path spool = fs::path(dir) / "spool";
        for (const auto& entry : fs::directory_iterator(spool)) {
            // d<job>-001 beside c<job>
            const std::string name = entry.path().filename().string();
            const std::string suffix = "-001";
            if (name.size() <= 1 + suffix.size() || name[0] != 'd' ||
                name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
                continue;
            const std::string job = name.substr(1, name.size() - 1 - suffix.size());
            if (fs::exists(spool / ("c" + job)))
                jobs.insert(entry.path());
        }
        return jobs;
    }

    // The jobs that came since before. The toolkit hands the job to the
    // server from its message loop after the command returned, so the loop
    // runs until the expected number came or the time is up.
    static std::vector<fs::path> NewJobs(const std::set<fs::path>& before, std::size_t expected,
                                         std::chrono::milliseconds patience)
    {
        std::vector<fs::path> jobs;
        const auto end = std::chrono::steady_clock::now() + patience;
        do {
            PumpEvents();
            jobs.clear();
            for (const fs::path& job : SpooledJobs()) {
                if (before.count(job) == 0)
                    jobs.push_back(job);
            }
            if (jobs.size() >= expected && expected > 0)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        } while (std::chrono::steady_clock::now() < end);
        return jobs;
    }
};

// The name the server keeps for the latest job of the queue.
std::string NewestJobTitle()
{
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, "PDF", 0, CUPS_WHICHJOBS_ALL);
    std::string title;
    int newest = 0;
    for (int i = 0; i < count; ++i) {
        if (jobs[i].id > newest && jobs[i].title != nullptr) {
            newest = jobs[i].id;
            title = jobs[i].title;
        }
    }
    cupsFreeJobs(count, jobs);
    return title;
}

class PrintNoDestination : public PrintTest {};
class PrintNoServer : public PrintTest {};

TEST(PrintPage, PrinterUnitAndMarginFollowTheResolution)
{
    struct Case {
        int dpi;
        int unit;
        int x;
        int y;
    };
    for (const Case c : {Case{300, 30, -120, -180}, Case{600, 60, -240, -360}, Case{96, 9, -36, -54}}) {
        platform::CellSurface page(10, 10, 8, 16, c.dpi);
        EXPECT_EQ(GetPrinterRaito(page), c.unit) << c.dpi;
        int origin[2] = {0, 0};
        GetPageOrigin(page, origin);
        EXPECT_EQ(origin[0], c.x) << c.dpi;
        EXPECT_EQ(origin[1], c.y) << c.dpi;
    }
}

TEST(PrintServer, AServerThatTakesTheCallButNeverAnswersIsGivenUpOn)
{
    const fs::path dir = fs::temp_directory_path() / "vesoma-print-silent";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string path = (dir / "cups.sock").string();
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
    fs::remove_all(dir);
}

TEST(PrintPage, AbortProcCancelsOnEscapeKeepsPaintsDropsOtherInput)
{
    Printer::bAborted = 0;
    PaintEvent paint;
    EXPECT_EQ(Printer::AbortProc(paint), wxEventFilter::Event_Skip);
    wxSizeEvent size;
    EXPECT_EQ(Printer::AbortProc(size), wxEventFilter::Event_Skip);

    wxMouseEvent click(wxEVT_LEFT_DOWN);
    EXPECT_EQ(Printer::AbortProc(click), wxEventFilter::Event_Ignore);
    wxCommandEvent command(wxEVT_MENU, kPrint);
    EXPECT_EQ(Printer::AbortProc(command), wxEventFilter::Event_Ignore);
    wxKeyEvent letter(wxEVT_CHAR);
    letter.m_keyCode = 'a';
    EXPECT_EQ(Printer::AbortProc(letter), wxEventFilter::Event_Ignore);
    wxKeyEvent escapeDown(wxEVT_KEY_DOWN);
    escapeDown.m_keyCode = WXK_ESCAPE;
    EXPECT_EQ(Printer::AbortProc(escapeDown), wxEventFilter::Event_Ignore);
    EXPECT_EQ(Printer::bAborted, 0);

    wxKeyEvent escape(wxEVT_CHAR);
    escape.m_keyCode = WXK_ESCAPE;
    EXPECT_EQ(Printer::AbortProc(escape), wxEventFilter::Event_Ignore);
    EXPECT_EQ(Printer::bAborted, 1);
    Printer::bAborted = 0;
}

TEST_F(PrintPdf, FebruaryTwoThousandOneOnOnePageWithTitleAndTwentyEightDays)
{
    CStatus::TableType = 2;
    ShowMonth(2001, 2);
    const std::vector<std::string> grid = GridLines();
    ASSERT_EQ(grid.size(), 29u);  // the title and 28 days
    const auto before = SpooledJobs();

    SendCommand(frame, kPrint);

    EXPECT_TRUE(messages.shown.empty()) << messages.LastText();
    const std::vector<std::pair<std::string, bool>> expectedStatus = {{"2001年2月の運勢暦印刷中...", true},
                                                                      {"", false}};
    EXPECT_EQ(status->texts, expectedStatus);
    EXPECT_EQ(window->pPrinter, nullptr);

    const auto jobs = NewJobs(before, 1, std::chrono::seconds(20));
    ASSERT_EQ(jobs.size(), 1u);
    const std::string job = jobs.front().string();
    EXPECT_EQ(NewestJobTitle(), "運勢暦");  // what the queue lists the job as
    EXPECT_NE(RunCommand("pdfinfo " + job).find("Pages:           1\n"), std::string::npos);

    const std::vector<std::string> printed = SqueezedLines(RunCommand("pdftotext -layout -enc UTF-8 " + job + " -"));
    ASSERT_EQ(printed.size(), grid.size()) << RunCommand("pdftotext -layout " + job + " -");
    for (std::size_t i = 0; i < grid.size(); ++i)
        EXPECT_EQ(printed[i], grid[i]) << "line " << i;
    EXPECT_EQ(printed.front(), "2001年 2月 如月");
    // 立春 2001 fell on Sunday 4 February, the 12th day of the first lunar month.
    EXPECT_EQ(printed[4], "4 日 戊戌 立春 天上天一 1/12 三碧 赤口 星 成");
    EXPECT_EQ(printed.back().rfind("28 水 ", 0), 0u) << printed.back();

    // The margins, from where the rows of the 10th and the 20th begin: the
    // day number at column 1, the weekday at column 4, rows one line apart.
    const std::string boxes = RunCommand("pdftotext -bbox " + job + " -");
    const WordBox ten = FindWord(boxes, "10");
    const WordBox twenty = FindWord(boxes, "20");
    const double cellWidth = (FindWordRightOf(boxes, ten).x - ten.x) / 3;
    const double lineHeight = (twenty.y - ten.y) / 10;
    EXPECT_GT(cellWidth, 0);
    EXPECT_NEAR(ten.x - cellWidth, 0.4 * 72, 0.5);        // 4 units of 1/10 inch, in points
    EXPECT_NEAR(ten.y - 11 * lineHeight, 0.6 * 72, 0.5);  // 6 units
}

TEST_F(PrintPdf, PageSetupClosedWithOkChangesNothingAboutTheNextPrint)
{
    ShowMonth(2001, 2);
    const auto before = SpooledJobs();
    {
        // Only around the setup: the toolkit runs its printing as a modal
        // dialog too, which the answerer would skip.
        DialogAnswerer answerer;
        SendCommand(frame, kPrinterSetup);
        ASSERT_EQ(answerer.shown.size(), 1u);
        EXPECT_NE(answerer.shown.front().find("PageSetupDialog"), std::string::npos) << answerer.shown.front();
    }

    SendCommand(frame, kPrint);
    EXPECT_TRUE(messages.shown.empty()) << messages.LastText();
    EXPECT_EQ(NewJobs(before, 1, std::chrono::seconds(20)).size(), 1u);
}

TEST_F(PrintPdf, EscapeWhileSpoolingCancelsQuietlyAndClicksAreDropped)
{
    ShowMonth(2001, 2);
    const auto before = SpooledJobs();
    // Input that arrives while the job is open: a click on the line of the
    // 10th, then the Escape key.
    wxMouseEvent* click = new wxMouseEvent(wxEVT_LEFT_DOWN);
    click->SetPosition(wxPoint(window->nCharWidth * 3, window->nCharHeight * 11 + 2));
    click->SetEventObject(window);
    wxQueueEvent(window, click);
    wxKeyEvent* escape = new wxKeyEvent(wxEVT_CHAR);
    escape->m_keyCode = WXK_ESCAPE;
    escape->SetEventObject(window);
    wxQueueEvent(window, escape);

    SendCommand(frame, kPrint);
    PumpEvents();

    EXPECT_EQ(Printer::bAborted, 1);
    EXPECT_TRUE(messages.shown.empty()) << messages.LastText();
    // A job that got through would reach the server within this time.
    EXPECT_TRUE(NewJobs(before, 0, std::chrono::seconds(2)).empty());
    ASSERT_FALSE(status->texts.empty());
    EXPECT_EQ(status->texts.back().first, "");
    EXPECT_EQ(window->bSelect, 0);
    EXPECT_EQ(ActDate[2], 1);
}

TEST_F(PrintNoDestination, StopsWithAMessageAndAnEmptyStatusLine)
{
    ShowMonth(2001, 2);
    SendCommand(frame, kPrint);

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.LastCaption(), "印刷");
    EXPECT_EQ(messages.shown.front().icon, platform::MbIcon::Stop);
    EXPECT_NE(messages.LastText().find("プリンタ"), std::string::npos) << messages.LastText();
    EXPECT_TRUE(status->texts.empty());
    EXPECT_TRUE(sb->GetStatusText().empty());
    EXPECT_EQ(window->pPrinter, nullptr);
}

TEST_F(PrintNoServer, StopsWithAMessageInsteadOfWaiting)
{
    ShowMonth(2001, 2);
    SendCommand(frame, kPrint);

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.LastCaption(), "印刷");
    EXPECT_EQ(messages.shown.front().icon, platform::MbIcon::Stop);
    EXPECT_NE(messages.LastText().find("印刷サービス"), std::string::npos) << messages.LastText();
    EXPECT_TRUE(status->texts.empty());
    EXPECT_TRUE(sb->GetStatusText().empty());
}

TEST_F(PrintNoServer, EveryEscapeFailsWithoutAPrinter)
{
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
