#include "desktop/app/vesoma_window.h"

#include <algorithm>

#include <wx/dcclient.h>

#include "core/almanac/day_view.h"
#include "core/almanac/vesoma.h"
#include "core/events/events.h"
#include "core/fortune/fortune_file.h"
#include "core/fortune/ums_location.h"
#include "core/settings/status.h"
#include "desktop/app/screen_cell.h"
#include "desktop/platform/almanac_font.h"
#include "desktop/platform/wx_draw_surface.h"
#include "desktop/platform/wx_text.h"
#include "desktop/resources/resources.h"

namespace {

constexpr int kUnitX = 8;
constexpr int kUnitY = 16;

}  // namespace

wxPoint TVesomaWindow::ptPosition(200, 80);

TVesomaWindow::TVesomaWindow(wxWindow* parent, const char* title)
    : wxFrame(parent, wxID_ANY, platform::WxFromSjis(title), ptPosition, wxSize(420, 200),
              wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxFRAME_FLOAT_ON_PARENT, "VESOMA:DAY")
{
    SetIcon(resources::GetIcon("reki"));
    pCanvas = new wxScrolledCanvas(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                   wxHSCROLL | wxVSCROLL | wxFULL_REPAINT_ON_RESIZE);
    pCanvas->SetBackgroundColour(*wxWHITE);  // the almanac's colours are for white paper
    pCanvas->SetFont(platform::AlmanacScreenFont());
    pCanvas->SetScrollbars(kUnitX, kUnitY, 60, 32);
    pCanvas->Bind(wxEVT_PAINT, &TVesomaWindow::EvPaint, this);
    Bind(wxEVT_MOVE, &TVesomaWindow::EvMove, this);
    EvCreate();
    Show();
}

TVesomaWindow::~TVesomaWindow()
{
    CStatus::bChildCreate = 0;
}

void TVesomaWindow::EvCreate()
{
    // A missing file only leaves the fortune out; the next window tries again.
    if (CStatus::UnseiDisp > 0 && CStatus::bUmsLoad == 0 && ums.LoadUmsFile(UmsFilePath()) == 1)
        CStatus::bUmsLoad = 1;
}

void TVesomaWindow::EvMove(wxMoveEvent& event)
{
    ptPosition = GetPosition();
    event.Skip();
}

void TVesomaWindow::Refresh(bool eraseBackground, const wxRect* rect)
{
    // Another day is read from its top.
    const DayEntry& day = ShownDay(kc);
    if (pCanvas != nullptr && shownDay != std::array<int, 3>{day.nYear, day.nMonth, day.nDay})
        pCanvas->Scroll(0, 0);
    wxFrame::Refresh(eraseBackground, rect);
    if (pCanvas != nullptr)
        pCanvas->Refresh(eraseBackground);
}

void TVesomaWindow::Paint(wxDC& dc)
{
    dc.SetFont(pCanvas->GetFont());
    platform::WxDrawSurface surface(dc);
    const bool withFortune = CStatus::bUmsLoad && CStatus::UnseiDisp > 0;
    const DayEntry& day = ShownDay(kc);
    shownDay = {day.nYear, day.nMonth, day.nDay};
    dc.ResetBoundingBox();
    const DayViewExtent extent = DrawVesomaDay(surface, day, Evs, withFortune ? &ums : nullptr);

    // The scroll range covers everything drawn (the events begin eight
    // columns in, so they can reach past the widest line) and three lines below.
    const wxSize cell = MeasureCell(dc);
    const wxSize drawn(std::max(extent.nColumns * cell.x, dc.MaxX() + cell.x),
                       std::max(extent.nLines * cell.y, dc.MaxY()) + 3 * cell.y);
    if (drawn == szVirtual)
        return;
    szVirtual = drawn;
    const wxPoint start = pCanvas->GetViewStart();
    pCanvas->SetScrollbars(kUnitX, kUnitY, (drawn.x + kUnitX - 1) / kUnitX, (drawn.y + kUnitY - 1) / kUnitY,
                           start.x, start.y, true);
}

void TVesomaWindow::EvPaint(wxPaintEvent&)
{
    wxPaintDC dc(pCanvas);
    pCanvas->DoPrepareDC(dc);
    Paint(dc);
}
