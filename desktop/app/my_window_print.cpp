// The main window's printing commands: the shown month on one page of the
// default printer, its preview on the screen, and the system's page set-up
// dialog, whose choice the session keeps.
#include <cstdio>
#include <cstring>

#include <wx/cmndata.h>
#include <wx/gdicmn.h>
#include <wx/printdlg.h>
#include <wx/prntbase.h>
#include <wx/statusbr.h>

#include "core/almanac/month_pages.h"
#include "core/almanac/text_attr.h"
#include "core/almanac/vesoma.h"
#include "desktop/app/app_globals.h"
#include "desktop/app/my_window.h"
#include "desktop/app/page_setup.h"
#include "desktop/dialogs/month_span_dialog.h"
#include "desktop/platform/almanac_font.h"
#include "desktop/platform/wx_draw_surface.h"
#include "desktop/platform/wx_text.h"
#include "desktop/print/printer.h"
#include "platform/almanac_face.h"
#include "platform/message_box.h"
#include "platform/sjis.h"

namespace {

const char* OpenFailureText(platform::PrintDestination state)
{
    switch (state) {
    case platform::PrintDestination::NoServer:
        return platform::SjisText("印刷サービスが動作していないため印刷できません");
    case platform::PrintDestination::NoDefault:
        return platform::SjisText("通常使うプリンタが設定されていないため印刷できません");
    case platform::PrintDestination::Ready:
        break;
    }
    return platform::SjisText("プリンタを開けませんでした");
}

void ShowPrintFailure(const char* text)
{
    platform::ShowMessageBox(text, platform::SjisText("印刷"), platform::MbButtons::Ok,
                             platform::MbIcon::Stop);
}

// The almanac face at kPrintPointSize points on paper. The toolkit's printer
// page sizes a font of n points as n points at the screen's resolution, so
// the size asked for is scaled by the printer's resolution over the screen's.
wxFont PrintFont(const wxDC& page)
{
    const double scale = static_cast<double>(page.GetPPI().y) / wxGetDisplayPPI().y;
    return wxFont(wxFontInfo(platform::kPrintPointSize * scale).FaceName(platform::AlmanacFaceName()));
}

// The month of table on the printer page, inside its margins.
void DrawPrintedMonth(wxDC& page, Vesoma& table)
{
    page.SetFont(PrintFont(page));
    platform::WxDrawSurface surface(page);
    int origin[2];
    GetPageOrigin(surface, origin);
    page.SetLogicalOrigin(origin[0], origin[1]);
    table.DarwCalender(surface);
}

// The shown month's printed page as the preview draws it.
class MonthPage : public wxPrintout {
public:
    explicit MonthPage(const wxString& title) : wxPrintout(title) {}
    bool HasPage(int page) override { return page == 1; }
    void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override
    {
        *minPage = *maxPage = *pageFrom = *pageTo = 1;
    }
    bool OnPrintPage(int) override
    {
        if (GetDC() == nullptr)
            return true;
        // The preview's page measures itself at the screen's resolution:
        // one unit a screen pixel, as on paper, not a printer dot.
        MapScreenSizeToPage();
        DrawPrintedMonth(*GetDC(), kc);
        return true;
    }
};

// The toolkit's preview of the month, whose print button runs the window's
// own print command, with its checks and messages.
class MonthPreview : public wxPrintPreview {
public:
    MonthPreview(TMyWindow* window, wxPrintDialogData& setup)
        : wxPrintPreview(new MonthPage(platform::WxFromSjis(window->szShortName)),
                         new MonthPage(platform::WxFromSjis(window->szShortName)), &setup),
          pWindow(window)
    {
    }
    bool Print(bool) override
    {
        pWindow->CmPrint();
        return true;
    }

private:
    TMyWindow* pWindow;
};

// What the status line says while the month {year, month} prints; with its
// page number in a job of more than one page.
wxString PrintingText(const char* name, const int* month, int page, int pages)
{
    char text[96];
    std::snprintf(text, sizeof text, platform::SjisText("%d年%d月の%s印刷中..."), month[0], month[1], name);
    if (pages > 1)
        std::snprintf(text + std::strlen(text), sizeof text - std::strlen(text), " %d / %d", page, pages);
    return platform::WxFromSjis(text);
}

// The months of span on the default printer, one page each; a span of one
// month is the shown month, printed as the print command always has.
void PrintMonths(TMyWindow& window, const MonthSpan& span)
{
    const int pages = CountMonths(span);
    window.pPrinter = new Printer(&window);
    Printer& printer = *window.pPrinter;
    if (const wxPageSetupDialogData* setup = ChosenPageSetup())
        printer.UsePaper(setup->GetPrintData());
    if (!printer.hPrnDC) {
        ShowPrintFailure(OpenFailureText(printer.nOpenState));
    } else {
        printer.StartDocument(window.szShortName);
        sb->SetStatusText(PrintingText(window.szShortName, span.first, 1, pages));
        Vesoma table = kc;
        printer.SetPages(pages, [&](wxDC& page, int number) {
            if (pages > 1) {
                int date[3] = {0, 0, 1};
                MonthAfter(span.first, number - 1, date);
                table.SetCalender(date);
                sb->SetStatusText(PrintingText(window.szShortName, date, number, pages));
            }
            DrawPrintedMonth(page, table);
        });
        const int ejected = printer.NewPage();
        printer.EndDocument();
        // A cancelled job ends quietly; only a printer that failed is reported.
        if (ejected < 0)
            ShowPrintFailure(OpenFailureText(platform::PrintDestination::Ready));
    }
    delete window.pPrinter;
    window.pPrinter = nullptr;
    sb->SetStatusText(wxString());
}

}  // namespace

void TMyWindow::CmPrint()
{
    PrintMonths(*this, {{ActDate[0], ActDate[1]}, {ActDate[0], ActDate[1]}});
}

void TMyWindow::CmPrintSpan()
{
    MonthSpanDialog dialog(this, "複数月の印刷", ActDate);
    if (dialog.ShowModal() == 1)
        PrintMonths(*this, dialog.Span());
}

void TMyWindow::CmPrinterSetup()
{
    // Printing always goes to the system's default printer; the paper and
    // its orientation chosen here are kept for the rest of the session.
    wxPageSetupDialogData setup = ChosenPageSetup() != nullptr ? *ChosenPageSetup() : wxPageSetupDialogData();
    wxPageSetupDialog dialog(this, &setup);
    if (dialog.ShowModal() == wxID_OK)
        KeepPageSetup(dialog.GetPageSetupDialogData());
}

void TMyWindow::CmPrintPreview()
{
    wxPrintDialogData setup;
    if (const wxPageSetupDialogData* chosen = ChosenPageSetup())
        setup.SetPrintData(chosen->GetPrintData());
    auto* preview = new MonthPreview(this, setup);
    if (!preview->IsOk()) {
        delete preview;
        ShowPrintFailure(platform::SjisText("印刷プレビューを開けませんでした"));
        return;
    }
    auto* frame = new wxPreviewFrame(preview, GetParent(), wxString::FromUTF8("印刷プレビュー"));
    frame->Initialize();
    frame->Show();
}
