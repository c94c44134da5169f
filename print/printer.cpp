#include "print/printer.h"

#include <cstring>

#include <wx/eventfilter.h>
#include <wx/gtk/print.h>
#include <wx/log.h>
#include <wx/print.h>

#include "almanac/text_attr.h"
#include "platform/wx/wx_text.h"

// The toolkit's own cancel of a running print operation; wx offers none.
extern "C" void gtk_print_operation_cancel(GtkPrintOperation* operation);

int Printer::bAborted = 0;

// The one page of a job: runs the page routine unless the job was cancelled.
class PrinterPage : public wxPrintout {
public:
    void SetDocumentName(const wxString& name) { szName = name; }
    void SetRoutine(Printer::PageRoutine routine) { drawPage = std::move(routine); }

    wxString GetTitle() const override { return szName; }
    bool HasPage(int page) override { return page == 1; }
    void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override
    {
        *minPage = *maxPage = *pageFrom = *pageTo = 1;
    }
    bool OnPrintPage(int) override
    {
        wxDC* dc = GetDC();
        if (Printer::bAborted == 0 && dc != nullptr && drawPage)
            drawPage(*dc);
        return true;
    }

private:
    wxString szName;
    Printer::PageRoutine drawPage;
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

namespace {

// Events that only the user's hands make: while a page spools they are dropped.
bool IsUserInput(const wxEvent& event)
{
    const wxEventType type = event.GetEventType();
    return event.IsCommandEvent() || type == wxEVT_CLOSE_WINDOW ||
           wxDynamicCast(&event, wxMouseEvent) != nullptr || wxDynamicCast(&event, wxKeyEvent) != nullptr ||
           wxDynamicCast(&event, wxScrollWinEvent) != nullptr;
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
        pPage = std::make_unique<PrinterPage>();
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

void Printer::SetPage(PageRoutine routine)
{
    if (pPage)
        pPage->SetRoutine(std::move(routine));
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
    const bool printed = hPrnDC->Print(pParent, pPage.get(), false);
    if (bAborted || wxPrinter::GetLastError() == wxPRINTER_CANCELLED)
        return 0;
    return printed ? 1 : -1;
}

void Printer::CancelRunningJob()
{
    if (!hPrnDC)
        return;
    auto* native = static_cast<wxGtkPrintNativeData*>(hPrnDC->GetPrintDialogData().GetPrintData().GetNativeData());
    if (native != nullptr && native->GetPrintJob() != nullptr)
        gtk_print_operation_cancel(native->GetPrintJob());
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

void GetPageOrigin(const platform::DrawSurface& page, int* origin)
{
    const int r = GetPrinterRaito(page);
    origin[0] = -4 * r;
    origin[1] = -6 * r;
}
