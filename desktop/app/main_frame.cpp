#include "desktop/app/main_frame.h"

#include <wx/menu.h>
#include <wx/settings.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include "desktop/app/app_globals.h"
#include "desktop/app/my_window.h"
#include "desktop/app/remembered_place.h"
#include "desktop/platform/wx_text.h"
#include "desktop/resources/commands.h"
#include "desktop/resources/resources.h"
#include "platform/sjis.h"

namespace {

// The tool bar left to right; 0 is a separator.
const int kToolBar[] = {commands::kVesomaCreate,
                        0,
                        commands::kVesomaDate,
                        commands::kVesomaBefore,
                        commands::kVesomaAfter,
                        commands::kToday,
                        0,
                        commands::kVesomaRokyo,
                        0,
                        commands::kPrint,
                        commands::kPrintPreview};

wxFont ToolBarFont()
{
    wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    font.SetPointSize(10);
    font.SetWeight(wxFONTWEIGHT_NORMAL);
    font.SetStyle(wxFONTSTYLE_NORMAL);
    return font;
}

}  // namespace

TMainFrame::TMainFrame()
    : wxFrame(nullptr, wxID_ANY, platform::WxFromSjis(platform::SjisText("Ｑｕｅｌｏｎの運勢暦")))
{
    pClient = new TMyWindow(this);
    BuildStatusLine();
    BuildToolBar();
    SetIcon(resources::GetIcon("4096"));
    SetMenuBar(resources::LoadMenuBar());
    SetAcceleratorTable(resources::GetAccelerators());
    pClient->BindCommands(this);
}

TMainFrame* TMainFrame::Open()
{
    auto* frame = new TMainFrame();
    frame->Show();
    // The menu bar, tool bar and status line know their heights only once
    // they are on the screen.
    TMyWindow* client = frame->pClient;
    frame->SetClientSize(ClientSizeFor(wxSize(client->nCharWidth, client->nCharHeight)));
    client->EvCreate();
    RestorePlace(*client);
    client->SetFocus();
    return frame;
}

void TMainFrame::BuildStatusLine()
{
    sb = CreateStatusBar(1, wxSTB_DEFAULT_STYLE | wxSB_SUNKEN);
    sb->SetFont(ToolBarFont());
}

void TMainFrame::BuildToolBar()
{
    wxToolBar* toolBar = CreateToolBar(wxTB_HORIZONTAL | wxTB_FLAT);
    toolBar->SetFont(ToolBarFont());
    toolBar->SetToolBitmapSize(wxSize(22, 20));
    toolBar->SetToolSeparation(6);
    for (int id : kToolBar) {
        if (id == 0) {
            toolBar->AddSeparator();
            continue;
        }
        // The long help is what the status line shows while the pointer is on
        // the button; the short help its tooltip.
        toolBar->AddTool(id, wxString(), resources::GetToolBitmap(id), wxNullBitmap, wxITEM_NORMAL,
                         resources::HintText(id), resources::HintText(id));
    }
    toolBar->Realize();
}

wxSize TMainFrame::ClientSizeFor(const wxSize& cell)
{
    return wxSize(81 * cell.x, (TMyWindow::kHeaderLines + 31) * cell.y);
}
