#include "desktop/app/info_window.h"

#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/settings.h>

#include "core/almanac/info_view.h"
#include "core/almanac/vesoma.h"
#include "core/events/events.h"
#include "desktop/app/screen_cell.h"
#include "desktop/platform/almanac_font.h"
#include "desktop/platform/wx_draw_surface.h"
#include "desktop/platform/wx_text.h"
#include "platform/sjis.h"

namespace {

wxRect ToWx(const platform::Rect& r)
{
    return wxRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

}  // namespace

TInfoWindow::TInfoWindow(wxWindow* parent, const char* title)
{
    const wxSize cell = ScreenCell();
    const InfoLayout layout =
        GetInfoLayout(Events::nDayCount, cell.x, cell.y, wxSystemSettings::GetMetric(wxSYS_SCREEN_X));
    // No caption, no system menu: only the frame of a dialog.
    Create(parent, wxID_ANY, platform::WxFromSjis(title), ToWx(layout.window).GetPosition(),
           ToWx(layout.window).GetSize(), wxBORDER_RAISED | wxFRAME_NO_TASKBAR | wxFRAME_FLOAT_ON_PARENT,
           "VESOMA:Event");
    SetBackgroundColour(*wxWHITE);  // the almanac's colours are for white paper
    SetFont(platform::AlmanacScreenFont());
    // Keeps the frame from stretching its only child, the button, over itself.
    SetAutoLayout(true);
    const wxRect button = ToWx(layout.button);
    new wxButton(this, kInfoButtonId, platform::WxFromSjis(platform::SjisText("了解")), button.GetPosition(),
                 button.GetSize());
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { HandleButtonMsg(); }, kInfoButtonId);
    Bind(wxEVT_PAINT, &TInfoWindow::EvPaint, this);
    Show();
}

void TInfoWindow::HandleButtonMsg()
{
    Close();
}

void TInfoWindow::Paint(wxDC& dc)
{
    dc.SetFont(GetFont());
    platform::WxDrawSurface surface(dc);
    if (DrawInfo(surface, kc, Evs) == 0) {
        // Not from inside the paint: the window must outlive its paint DC.
        CallAfter([this] { Close(); });
    }
}

void TInfoWindow::EvPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    Paint(dc);
}
