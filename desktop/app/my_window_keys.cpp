// The main window's moves through the almanac: months, days and today, by
// command and by key, within the years the almanac is computed for.
#include <algorithm>

#include <wx/dc.h>
#include <wx/statusbr.h>

#include "core/almanac/vesoma.h"
#include "core/calendar/date_arith.h"
#include "core/calendar/date_steps.h"
#include "desktop/app/app_globals.h"
#include "desktop/app/my_window.h"
#include "platform/clock.h"

namespace {

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2100;

}  // namespace

bool TMyWindow::ShowDate(const int* date, bool select)
{
    if (date[0] < kFirstYear || date[0] > kLastYear) {
        sb->SetStatusText(wxString::FromUTF8(date[0] < kFirstYear ? "1900年1月より前の暦は表示できません"
                                                                  : "2100年12月より後の暦は表示できません"));
        return false;
    }
    sb->SetStatusText(wxString());
    const bool otherMonth = date[0] != ActDate[0] || date[1] != ActDate[1];
    std::copy(date, date + 3, ActDate);
    if (otherMonth)
        InvalidateAll();
    if (!select)
        return true;
    // The band needs the month's length and scroll range before the next paint.
    kc.SetCalender(ActDate);
    SetScrollRanges();
    const int line = std::min(ActDate[2], kc.nDays) + kHeaderLines - 1;
    CellSet(line);
    ScrollToLine(line);
    FollowDay();
    return true;
}

void TMyWindow::StepMonth(int delta, bool select)
{
    int date[3] = {ActDate[0], ActDate[1], ActDate[2]};
    StepDate(date, kMonthField, delta);
    ShowDate(date, select);
}

void TMyWindow::MoveDay(int delta)
{
    int date[3] = {ActDate[0], ActDate[1], ActDate[2]};
    if (bSelect) {
        date[2] += delta;
        DayChange(date);
    }
    ShowDate(date, true);
}

void TMyWindow::CmNextDay()
{
    MoveDay(+1);
}

void TMyWindow::CmPreviousDay()
{
    MoveDay(-1);
}

void TMyWindow::CmToday()
{
    int today[3];
    platform::GetToday(today);
    std::copy(today, today + 3, Today);
    GetDayWeek(Today);
    ShowDate(today, true);
}

void TMyWindow::ScrollToLine(int line)
{
    const int top = GetViewStart().y;
    const int visible = std::max(GetClientSize().y / nCharHeight, 1);
    if (line <= kHeaderLines)
        Scroll(-1, 0);  // the first day with the title above it
    else if (line < top)
        Scroll(-1, line);
    else if (line >= top + visible)
        Scroll(-1, line - visible + 1);
}

void TMyWindow::DrawTodayMarker(wxDC& dc)
{
    if (Today[0] != kc.nYear || Today[1] != kc.nMonth)
        return;
    // Columns 1 and 2 hold the day number; 0 and 3 stay blank for the frame.
    dc.SetPen(wxPen(wxColour(255, 128, 0), 2));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(nCharWidth / 2, (Today[2] + kHeaderLines - 1) * nCharHeight + 1, 3 * nCharWidth,
                     nCharHeight - 1);
}

void TMyWindow::EvKeyDown(wxKeyEvent& event)
{
    // With a modifier the key is the accelerators' (Shift+Up and Shift+Down
    // step the month); Left, Right and the others scroll as before.
    if (event.GetModifiers() != wxMOD_NONE) {
        event.Skip();
        return;
    }
    switch (event.GetKeyCode()) {
    case WXK_UP:
        MoveDay(-1);
        break;
    case WXK_DOWN:
        MoveDay(+1);
        break;
    case WXK_PAGEUP:
        StepMonth(-1, bSelect != 0);
        break;
    case WXK_PAGEDOWN:
        StepMonth(+1, bSelect != 0);
        break;
    case WXK_HOME:
        CmToday();
        break;
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
        CmVesomaCreate();
        break;
    default:
        event.Skip();
    }
}
