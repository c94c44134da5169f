// One print job on the system's default printer, driven by the classic
// printer escapes: open the printer, start the document, eject the page, end
// the document.
//
// The toolkit hands out the printer page only inside its own page callback,
// so the page's drawing is given beforehand (SetPage) and the escape that
// ejects the page (NEWFRAME) runs the whole toolkit job, which calls it.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include <wx/cmndata.h>
#include <wx/dc.h>
#include <wx/event.h>
#include <wx/window.h>

#include "desktop/platform/print_server.h"

class wxPrinter;
class PrinterPage;
class AbortFilter;
typedef struct _GtkPrintOperation GtkPrintOperation;

// Printer escape codes.
constexpr int NEWFRAME = 1;
constexpr int SETABORTPROC = 9;
constexpr int STARTDOC = 10;

class Printer {
public:
    using PageRoutine = std::function<void(wxDC& page)>;
    // Draws page `number` (from 1) of a job of several pages.
    using PagesRoutine = std::function<void(wxDC& page, int number)>;

    // Opens the default printer (DeleteAll).
    explicit Printer(wxWindow* parent);
    // Ends an open document first.
    ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    // Ends an open document, drops the printer and opens the default one again.
    void DeleteAll();
    // Starts the document under name (CP932), with the abort procedure installed.
    void StartDocument(const char* name);
    // Prints on the paper and in the orientation of setup from now on.
    void UsePaper(const wxPrintData& setup);
    // The drawing of the page, run on the printer page when it is ejected.
    void SetPage(PageRoutine routine);
    // The drawing of each of `count` pages, all ejected at once.
    void SetPages(int count, PagesRoutine routine);
    // Ejects the page: Escape(NEWFRAME). Its result: 1 printed, 0 cancelled,
    // -1 no printer or the printer failed.
    int NewPage();
    // Ends the document; the abort procedure stops watching the input.
    void EndDocument();
    // The escape on the printer; -1 without one, 0 for an unknown code.
    int Escape(int code, int length, const void* input, void* output);

    // What becomes of one event the toolkit dispatches while the job spools:
    // paints go through; the Escape character cancels the job; any other
    // input is dropped. Returns a wxEventFilter answer.
    static int AbortProc(wxEvent& event);
    // The toolkit's print operation while the job runs, else none.
    GtkPrintOperation* RunningJob();
    // Stops the toolkit job that is spooling, if there is one.
    void CancelRunningJob();

    // Set when the user cancels the job; cleared when a printer is opened and
    // when a document starts.
    static int bAborted;

    wxWindow* pParent;
    // The default destination's name, while the printer is being opened.
    const char* pDevice = nullptr;
    int bDocOpen = 0;
    // The toolkit's printer for the default destination; none when there is
    // no server or no default destination (then nOpenState says which).
    std::unique_ptr<wxPrinter> hPrnDC;
    platform::PrintDestination nOpenState = platform::PrintDestination::NoServer;

private:
    std::unique_ptr<PrinterPage> pPage;
    std::unique_ptr<AbortFilter> pAbortFilter;

    int RunJob();
};
