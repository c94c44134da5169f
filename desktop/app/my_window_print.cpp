// The main window's printing commands: the shown month on one page of the
// default printer, and the system's print-setup dialog.
#include <cstdio>

#include <wx/cmndata.h>
#include <wx/gdicmn.h>
#include <wx/printdlg.h>
#include <wx/statusbr.h>

#include "core/almanac/text_attr.h"
#include "core/almanac/vesoma.h"
#include "desktop/app/app_globals.h"
#include "desktop/app/my_window.h"
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

// The month of kc on the printer page, inside its margins.
void DrawPrintedMonth(wxDC& page)
{
    page.SetFont(PrintFont(page));
    platform::WxDrawSurface surface(page);
    int origin[2];
    GetPageOrigin(surface, origin);
    page.SetLogicalOrigin(origin[0], origin[1]);
    kc.DarwCalender(surface);
}

}  // namespace

void TMyWindow::CmPrint()
{
    char progress[80];
    std::snprintf(progress, sizeof progress, platform::SjisText("%d年%d月の%s印刷中..."), ActDate[0],
                  ActDate[1], szShortName);

    pPrinter = new Printer(this);
    if (!pPrinter->hPrnDC) {
        ShowPrintFailure(OpenFailureText(pPrinter->nOpenState));
    } else {
        pPrinter->StartDocument(szShortName);
        sb->SetStatusText(platform::WxFromSjis(progress));
        pPrinter->SetPage(DrawPrintedMonth);
        const int ejected = pPrinter->NewPage();
        pPrinter->EndDocument();
        // A cancelled job ends quietly; only a printer that failed is reported.
        if (ejected < 0)
            ShowPrintFailure(OpenFailureText(platform::PrintDestination::Ready));
    }
    delete pPrinter;
    pPrinter = nullptr;
    sb->SetStatusText(wxString());
}

void TMyWindow::CmPrinterSetup()
{
    // The choices made here are not used: printing always goes to the
    // system's default printer.
    wxPageSetupDialog dialog(this);
    dialog.ShowModal();
}
