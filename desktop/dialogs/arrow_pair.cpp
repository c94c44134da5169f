#include "desktop/dialogs/arrow_pair.h"

#include <algorithm>

#include <wx/dcclient.h>
#include <wx/settings.h>
#include <wx/spinbutt.h>

ArrowPair::ArrowPair(wxWindow* parent, wxWindowID id)
    : wxControl(parent, id, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE)
{
    SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
    Bind(wxEVT_PAINT, &ArrowPair::EvPaint, this);
    Bind(wxEVT_LEFT_DOWN, &ArrowPair::EvLButtonDown, this);
    // Quick clicks arrive as double clicks; each one is a step.
    Bind(wxEVT_LEFT_DCLICK, &ArrowPair::EvLButtonDown, this);
}

void ArrowPair::EvPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    const wxSize size = GetClientSize();
    const int half = size.y / 2;
    dc.SetPen(wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW)));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(0, 0, size.x, half);
    dc.DrawRectangle(0, half, size.x, size.y - half);

    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT)));
    const int w = std::max(size.x / 4, 2);
    const int h = std::max(half / 3, 2);
    const int cx = size.x / 2;
    const int upY = (half - h) / 2;
    const wxPoint up[3] = {{cx - w, upY + h}, {cx + w, upY + h}, {cx, upY}};
    dc.DrawPolygon(3, up);
    const int downY = half + (size.y - half - h) / 2;
    const wxPoint down[3] = {{cx - w, downY}, {cx + w, downY}, {cx, downY + h}};
    dc.DrawPolygon(3, down);
}

void ArrowPair::EvLButtonDown(wxMouseEvent& event)
{
    wxSpinEvent step(event.GetY() < GetClientSize().y / 2 ? wxEVT_SPIN_UP : wxEVT_SPIN_DOWN, GetId());
    step.SetEventObject(this);
    ProcessWindowEvent(step);
}
