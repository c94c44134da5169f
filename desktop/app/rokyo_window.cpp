#include "desktop/app/rokyo_window.h"

#include <wx/dcclient.h>

#include "core/almanac/rokyo_view.h"
#include "core/almanac/vesoma.h"
#include "core/settings/status.h"
#include "desktop/app/screen_cell.h"
#include "desktop/platform/almanac_font.h"
#include "desktop/platform/wx_draw_surface.h"
#include "desktop/platform/wx_text.h"
#include "desktop/resources/resources.h"

TRokyoWindow::TRokyoWindow(wxWindow* parent, const char* caption)
{
    const wxSize cell = ScreenCell();
    nCharWidth = cell.x;
    nCharHeight = cell.y;
    nWidth = RokyoWidth(nCharWidth);
    nHeight = RokyoHeight(nCharHeight);
    // The size is the whole window's, frame and caption included, so the
    // last rules may lie just outside the client area.
    Create(parent, wxID_ANY, platform::WxFromSjis(caption), wxPoint(100, 100), wxSize(nWidth, nHeight),
           (wxDEFAULT_FRAME_STYLE & ~wxMAXIMIZE_BOX) | wxFRAME_FLOAT_ON_PARENT);
    SetBackgroundColour(*wxWHITE);  // the almanac's colours are for white paper
    SetFont(platform::AlmanacScreenFont());
    SetIcon(resources::GetIcon("4100"));
    Bind(wxEVT_PAINT, &TRokyoWindow::EvPaint, this);
    Show();
}

TRokyoWindow::~TRokyoWindow()
{
    CStatus::bRokyoCreate = 0;
}

void TRokyoWindow::Paint(wxDC& dc)
{
    SetTitle(platform::WxFromSjis(RokyoCaption(kc.nYear, kc.nMonth).c_str()));
    dc.SetFont(GetFont());
    platform::WxDrawSurface surface(dc);
    DrawRokyo(surface, kc, nCharWidth, nCharHeight);
}

void TRokyoWindow::EvPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    Paint(dc);
}
