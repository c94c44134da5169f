#include "desktop/print/printer.h"

#include <cstring>

#include <wx/app.h>
#include <wx/eventfilter.h>
#include <wx/gtk/print.h>
#include <wx/log.h>
#include <wx/modalhook.h>
#include <wx/print.h>

#include "desktop/platform/wx_text.h"

// The toolkit's own calls for what wx does not offer: cancelling a running
// print operation and naming the job on the spooler.
extern "C" void gtk_print_operation_cancel(GtkPrintOperation* operation);
extern "C" void gtk_print_operation_set_job_name(GtkPrintOperation* operation, const char* name);

int Printer::bAborted = 0;

// The pages of a job: runs the page routine unless the job was cancelled.
class PrinterPage : public wxPrintout {
public:
    explicit PrinterPage(Printer& printer) : job(printer) {}

    void SetDocumentName(const wxString& name) { szName = name; }
    void SetRoutine(int count, Printer::PagesRoutine routine)
    {
        nPages = count;
        drawPage = std::move(routine);
    }

    wxString GetTitle() const override { return szName; }
    bool HasPage(int page) override { return page >= 1 && page <= nPages; }
    void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override
    {
        *minPage = *pageFrom = 1;
        *maxPage = *pageTo = nPages;
    }
    bool OnPrintPage(int number) override
    {
        // Input that waits for the abort procedure is delivered before the
        // page is drawn: an Escape typed meanwhile cancels the job before any
        // of it reaches the print server.
        wxTheApp->ProcessPendingEvents();
        wxDC* dc = GetDC();
        if (Printer::bAborted != 0 || dc == nullptr || !drawPage)
            return true;
        // The toolkit calls this from C code, which nothing may be thrown through.
        try {
            drawPage(*dc, number);
        } catch (...) {
            bFailed = true;
            job.CancelRunningJob();
        }
        return true;
    }

    // The page routine failed while drawing.
    bool bFailed = false;

private:
    Printer& job;
    wxString szName;
    int nPages = 1;
    Printer::PagesRoutine drawPage;
};

// Watches every event the toolkit dispatches while a job is open; the
// toolkit pumps its own message loop during the job, so this is where the
// abort procedure sees the input.
class AbortFilter : public wxEventFilter {
public:
    AbortFilter(Printer& printer, int (*abortProc)(wxEvent&)) : job(printer), proc(abortProc)
    {
        wxEvtHandler::AddFilter(this);
    }
    ~AbortFilter() override { wxEvtHandler::RemoveFilter(this); }
    AbortFilter(const AbortFilter&) = delete;
    AbortFilter& operator=(const AbortFilter&) = delete;

    int FilterEvent(wxEvent& event) override
    {
        const int wasAborted = Printer::bAborted;
        const int answer = proc(event);
        if (wasAborted == 0 && Printer::bAborted != 0)
            job.CancelRunningJob();
        return answer;
    }

private:
    Printer& job;
    int (*proc)(wxEvent&);
};

// The toolkit names the spooled job before the printout sees it; its print
// operation exists from the moment it runs its (here unseen) print dialog on.
class JobNamer : public wxModalDialogHook {
public:
    JobNamer(Printer& printer, const wxString& name) : job(printer), szName(name) { Register(); }
    ~JobNamer() override { Unregister(); }
    JobNamer(const JobNamer&) = delete;
    JobNamer& operator=(const JobNamer&) = delete;

protected:
    int Enter(wxDialog* dialog) override
    {
        GtkPrintOperation* operation = job.RunningJob();
        if (dynamic_cast<wxGtkPrintDialog*>(dialog) != nullptr && operation != nullptr)
            gtk_print_operation_set_job_name(operation, szName.utf8_str());
        return wxID_NONE;
    }
    void Exit(wxDialog*) override {}

private:
    Printer& job;
    wxString szName;
};

namespace {

// Events that only the user's hands make: while a page spools they are dropped.
bool IsUserInput(const wxEvent& event)
{
    const wxEventType type = event.GetEventType();
    return event.IsCommandEvent() || type == wxEVT_CLOSE_WINDOW ||
           dynamic_cast<const wxMouseEvent*>(&event) != nullptr ||
           dynamic_cast<const wxKeyEvent*>(&event) != nullptr ||
           dynamic_cast<const wxScrollWinEvent*>(&event) != nullptr;
}

}  // namespace

Printer::Printer(wxWindow* parent) : pParent(parent)
{
    DeleteAll();
}

Printer::~Printer()
{
    if (bDocOpen)
        EndDocument();
}

void Printer::DeleteAll()
{
    if (bDocOpen)
        EndDocument();
    hPrnDC.reset();
    pPage.reset();

    std::string device;
    nOpenState = platform::FindDefaultPrintDestination(&device);
    if (nOpenState == platform::PrintDestination::Ready) {
        pDevice = device.c_str();
        // Printing goes to exactly the destination the server named, never to
        // whichever queue the toolkit would pick.
        wxPrintDialogData setup;
        setup.GetPrintData().SetPrinterName(wxString::FromUTF8(pDevice));
        hPrnDC = std::make_unique<wxPrinter>(&setup);
        pPage = std::make_unique<PrinterPage>(*this);
        pDevice = nullptr;
    }
    bAborted = 0;
}

void Printer::StartDocument(const char* name)
{
    if (bDocOpen)
        EndDocument();
    bAborted = 0;
    Escape(SETABORTPROC, 0, reinterpret_cast<const void*>(&Printer::AbortProc), nullptr);
    Escape(STARTDOC, static_cast<int>(std::strlen(name)), name, nullptr);
    bDocOpen = 1;
}

void Printer::UsePaper(const wxPrintData& setup)
{
    if (!hPrnDC)
        return;
    wxPrintData& data = hPrnDC->GetPrintDialogData().GetPrintData();
    data.SetPaperId(setup.GetPaperId());
    data.SetPaperSize(setup.GetPaperSize());
    data.SetOrientation(setup.GetOrientation());
}

void Printer::SetPage(PageRoutine routine)
{
    SetPages(1, [routine](wxDC& page, int) { routine(page); });
}

void Printer::SetPages(int count, PagesRoutine routine)
{
    if (pPage)
        pPage->SetRoutine(count, std::move(routine));
}

int Printer::NewPage()
{
    return Escape(NEWFRAME, 0, nullptr, nullptr);
}

void Printer::EndDocument()
{
    pAbortFilter.reset();
    bDocOpen = 0;
}

int Printer::Escape(int code, int length, const void* input, void*)
{
    if (!hPrnDC)
        return -1;
    switch (code) {
    case SETABORTPROC:
        pAbortFilter.reset();
        pAbortFilter = std::make_unique<AbortFilter>(*this, reinterpret_cast<int (*)(wxEvent&)>(input));
        return 1;
    case STARTDOC:
        pPage->SetDocumentName(platform::WxFromSjis(static_cast<const char*>(input), length));
        return 1;
    case NEWFRAME:
        return RunJob();
    default:
        return 0;
    }
}

int Printer::RunJob()
{
    // The toolkit reports its failures in a log window of its own; the
    // caller tells the user in the program's words instead.
    wxLogNull quiet;
    JobNamer namer(*this, pPage->GetTitle());
    pPage->bFailed = false;
    const bool printed = hPrnDC->Print(pParent, pPage.get(), false);
    if (pPage->bFailed)
        return -1;
    if (bAborted || wxPrinter::GetLastError() == wxPRINTER_CANCELLED)
        return 0;
    return printed ? 1 : -1;
}

GtkPrintOperation* Printer::RunningJob()
{
    if (!hPrnDC)
        return nullptr;
    auto* native =
        static_cast<wxGtkPrintNativeData*>(hPrnDC->GetPrintDialogData().GetPrintData().GetNativeData());
    return native != nullptr ? native->GetPrintJob() : nullptr;
}

void Printer::CancelRunningJob()
{
    GtkPrintOperation* operation = RunningJob();
    if (operation != nullptr)
        gtk_print_operation_cancel(operation);
}

int Printer::AbortProc(wxEvent& event)
{
    if (event.GetEventType() == wxEVT_CHAR && static_cast<wxKeyEvent&>(event).GetKeyCode() == WXK_ESCAPE) {
        bAborted = 1;
        return wxEventFilter::Event_Ignore;
    }
    if (IsUserInput(event))
        return wxEventFilter::Event_Ignore;
    return wxEventFilter::Event_Skip;
}
