#include "desktop/app/my_window.h"

#include <algorithm>
#include <cstring>

#include <wx/dcclient.h>
#include <wx/dcscreen.h>
#include <wx/graphics.h>
#include <wx/statusbr.h>
#include <wx/toplevel.h>

#include "core/almanac/vesoma.h"
#include "core/calendar/astronomy.h"
#include "core/calendar/date_arith.h"
#include "core/events/events.h"
#include "core/settings/status.h"
#include "desktop/app/app_globals.h"
#include "desktop/app/remembered_place.h"
#include "desktop/app/screen_cell.h"
#include "desktop/dialogs/init_set_dialog.h"
#include "desktop/platform/almanac_font.h"
#include "desktop/platform/wx_draw_surface.h"
#include "desktop/platform/wx_text.h"
#include "desktop/resources/commands.h"
#include "desktop/resources/help.h"
#include "desktop/resources/resources.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/sjis.h"

namespace {

struct CommandEntry {
    int id;
    void (TMyWindow::*handler)();
};

const CommandEntry kCommands[] = {
    {commands::kPrint, &TMyWindow::CmPrint},
    {commands::kPrinterSetup, &TMyWindow::CmPrinterSetup},
    {commands::kPrintPreview, &TMyWindow::CmPrintPreview},
    {commands::kPrintSpan, &TMyWindow::CmPrintSpan},
    {commands::kPdfSave, &TMyWindow::CmPdfSave},
    {commands::kIcsExport, &TMyWindow::CmIcsExport},
    {commands::kExit, &TMyWindow::CmExit},
    {commands::kVesomaAfter, &TMyWindow::CmVesomaAfter},
    {commands::kVesomaBefore, &TMyWindow::CmVesomaBefore},
    {commands::kToday, &TMyWindow::CmToday},
    {commands::kNextDay, &TMyWindow::CmNextDay},
    {commands::kPreviousDay, &TMyWindow::CmPreviousDay},
    {commands::kVesomaDate, &TMyWindow::CmVesomaDate},
    {commands::kVesomaRokyo, &TMyWindow::CmVesomaRokyo},
    {commands::kVesomaCreate, &TMyWindow::CmVesomaCreate},
    {commands::kInitSetup, &TMyWindow::CmInitSetup},
    {commands::kEventList, &TMyWindow::CmEventList},
    {commands::kEventEdit, &TMyWindow::CmEventEdit},
    {commands::kEventSave, &TMyWindow::CmEventSave},
    {commands::kHelp, &TMyWindow::CmHelp},
    {commands::kHelpUsage, &TMyWindow::CmHelpUsage},
    {commands::kAbout, &TMyWindow::CmAbout},
};

// The month table takes the almanac's choices from the settings; true when
// they changed.
bool TakeChoices()
{
    AlmanacChoices choices;
    choices.astronomy = CStatus::Precise > 0 ? Astronomy::Precise : Astronomy::Standard;
    choices.holidays = CStatus::HolidayLaw > 0 ? Holidays::Law : Holidays::Table;
    const bool changed = kc.choices.astronomy != choices.astronomy || kc.choices.holidays != choices.holidays;
    kc.choices = choices;
    return changed;
}

}  // namespace

TMyWindow::TMyWindow(wxWindow* frame)
    : wxScrolledWindow(frame, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                       wxHSCROLL | wxVSCROLL | wxFULL_REPAINT_ON_RESIZE, "vesoma:MAIN")
{
    // The almanac's colours are chosen for white paper, whatever the desktop's theme.
    SetBackgroundColour(*wxWHITE);
    SetFont(platform::AlmanacScreenFont());
    wxScreenDC screen;
    MeasureCell(screen);
    SetScrollRate(nCharWidth, nCharHeight);

    Bind(wxEVT_PAINT, &TMyWindow::Paint, this);
    Bind(wxEVT_LEFT_DOWN, &TMyWindow::EvLButtonDown, this);
    Bind(wxEVT_LEFT_DCLICK, &TMyWindow::EvLButtonDblclk, this);
    Bind(wxEVT_KEY_DOWN, &TMyWindow::EvKeyDown, this);
}

void TMyWindow::EvCreate()
{
    int today[3];
    platform::GetToday(today);
    std::memcpy(Today, today, sizeof today);
    GetDayWeek(Today);
    std::memcpy(ActDate, today, sizeof today);

    GetInitInfo();

    if (Evs.LoadEvent(FullEventFile(szEventFile)) == 0) {
        platform::ShowMessageBox(platform::SjisText("イベント読み込みに失敗しました"),
                                 platform::SjisText("イベント読み込み"), platform::MbButtons::Ok,
                                 platform::MbIcon::Stop);
    } else {
        Evs.ReportUnreadLines();
    }

    char names[64];
    if (CStatus::EventInfo > 0 && Evs.CheckEvent(Today, names) > 0) {
        // The today's-events window shows the day the month table marks.
        kc.SetDate(Today);
        OpenInfoWindow();
    }
}

void TMyWindow::GetInitInfo()
{
    ::GetInitInfo(Fields());
    TakeChoices();
    GetParent()->SetLabel(platform::WxFromSjis(szTitle));
}

void TMyWindow::PutInitInfo()
{
    ::PutInitInfo(Fields());
}

InitInfoFields TMyWindow::Fields()
{
    return InitInfoFields{szTitle, szShortName, szEventFile, szIniFile, szSection};
}

void TMyWindow::MeasureCell(wxDC& dc)
{
    dc.SetFont(GetFont());
    const wxSize cell = ::MeasureCell(dc);
    // Clicks are divided by the cell; a font that measures nothing must not crash them.
    nCharWidth = std::max(cell.x, 1);
    nCharHeight = std::max(cell.y, 1);
}

void TMyWindow::SetScrollRanges()
{
    // The toolkit's scroller takes the whole grid and subtracts the visible
    // part itself; a grid that fits does not scroll.
    const wxRect grid(0, 0, kGridColumns * nCharWidth, (kc.nDays + kHeaderLines) * nCharHeight);
    if (grid == rcScrollGrid)
        return;
    rcScrollGrid = grid;
    const wxPoint start = GetViewStart();
    SetScrollbars(nCharWidth, nCharHeight, kGridColumns, kc.nDays + kHeaderLines, start.x, start.y, true);
}

void TMyWindow::PaintMonth(wxDC& dc)
{
    MeasureCell(dc);
    kc.SetCalender(ActDate);
    if (CStatus::bRokyoCreate && pRokyoWindow != nullptr)
        pRokyoWindow->Refresh();
    SetScrollRanges();

    platform::WxDrawSurface surface(dc, &textImages);
    kc.DarwCalender(surface);
    DrawTodayMarker(dc);
    if (bSelect)
        DrawSelectBand(dc);
}

void TMyWindow::DrawSelectBand(wxDC& dc)
{
    // Inverting through the device context draws nothing on GTK3; the
    // graphics context's difference mode with white inverts the band.
    wxGraphicsContext* gc = dc.GetGraphicsContext();
    if (gc == nullptr)
        return;
    gc->SetCompositionMode(wxCOMPOSITION_DIFF);
    gc->SetBrush(*wxWHITE_BRUSH);
    gc->SetPen(*wxTRANSPARENT_PEN);
    gc->DrawRectangle(rcSelect.x, rcSelect.y, rcSelect.width, rcSelect.height);
    gc->SetCompositionMode(wxCOMPOSITION_OVER);
}

void TMyWindow::Paint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    DoPrepareDC(dc);
    PaintMonth(dc);
}

int TMyWindow::LineAt(const wxPoint& point) const
{
    return point.y / nCharHeight + GetViewStart().y;
}

bool TMyWindow::IsDayLine(int line) const
{
    return line >= kHeaderLines && line < kc.nDays + kHeaderLines;
}

void TMyWindow::CellSet(int line)
{
    // The band is drawn by the paint handler; moving it repaints the old and
    // the new line only.
    if (bSelect)
        RefreshRect(wxRect(CalcScrolledPosition(rcSelect.GetPosition()), rcSelect.GetSize()));
    ActDate[2] = line - 1;
    nSelectLine = line;
    bSelect = 1;
    rcSelect = wxRect(0, line * nCharHeight, kGridColumns * nCharWidth, nCharHeight);
    RefreshRect(wxRect(CalcScrolledPosition(rcSelect.GetPosition()), rcSelect.GetSize()));
}

void TMyWindow::EvLButtonDown(wxMouseEvent& event)
{
    event.Skip();
    const int line = LineAt(event.GetPosition());
    if (!IsDayLine(line))
        return;
    CellSet(line);
    FollowDay();
}

void TMyWindow::FollowDay()
{
    if (CStatus::bChildCreate && pDayWindow != nullptr) {
        kc.SetDate(ActDate);
        pDayWindow->Refresh();
    }
}

void TMyWindow::EvLButtonDblclk(wxMouseEvent& event)
{
    event.Skip();
    const int line = LineAt(event.GetPosition());
    if (!IsDayLine(line))
        return;
    CellSet(line);
    wxCommandEvent command(wxEVT_MENU, commands::kVesomaCreate);
    GetParent()->GetEventHandler()->ProcessEvent(command);
}

void TMyWindow::InvalidateAll()
{
    bSelect = 0;
    Refresh();
}

void TMyWindow::CmVesomaAfter()
{
    StepMonth(+1, false);
}

void TMyWindow::CmVesomaBefore()
{
    StepMonth(-1, false);
}

void TMyWindow::CmInitSetup()
{
    if (RunInitSetup(this, szEventFile) != 1)
        return;
    if (TakeChoices()) {
        // Another computation: the month anew, and every open view with it.
        kc.SetCalender(ActDate);
        for (wxWindow* window : wxTopLevelWindows)
            window->Refresh();
    }
    // A store that refuses to save moves to the file now chosen.
    Evs.ChangeFile(FullEventFile(szEventFile));
    InvalidateAll();
    PutInitInfo();
}

void TMyWindow::CmEventSave()
{
    const bool saved = Evs.SaveEvent(szEventFile) == 1;
    sb->SetStatusText(wxString::FromUTF8(saved ? "保存しました" : "保存できませんでした"));
}

void TMyWindow::CmHelp()
{
    platform::CopyCut(szHelpFile, "vesoma.hlp", kHelpFileSize - 1);
    resources::ShowHelpContext(this, szHelpFile, resources::HelpProgram);
    bHelpShown = 1;
}

void TMyWindow::CmHelpUsage()
{
    resources::ShowHelpUsage(this);
    bUsingHelp = 1;
}

void TMyWindow::CmAbout()
{
    resources::RunAboutBox(this);
}

void TMyWindow::CmExit()
{
    GetParent()->Close();
}

void TMyWindow::EvClose(wxCloseEvent& event)
{
    // Asked here, not when the store is torn down, so the box can still be shown.
    // When the user cancelled, or wanted the events saved and the save
    // failed, the program stays open rather than losing them.
    if (Evs.AskSaveAtExit() == 0 && event.CanVeto()) {
        event.Veto();
        return;
    }
    if (bHelpShown || bUsingHelp)
        resources::QuitHelp();
    RememberPlace(*this);
    event.Skip();
}

bool TMyWindow::HasHandler(int id)
{
    for (const CommandEntry& command : kCommands) {
        if (command.id == id)
            return true;
    }
    return false;
}

void TMyWindow::EnableCommand(wxUpdateUIEvent& event)
{
    event.Enable(HasHandler(event.GetId()));
}

void TMyWindow::BindCommands(wxWindow* frame)
{
    for (const CommandEntry& command : kCommands) {
        auto handler = command.handler;
        frame->Bind(
            wxEVT_MENU, [this, handler](wxCommandEvent&) { (this->*handler)(); }, command.id);
    }
    frame->Bind(wxEVT_UPDATE_UI, &TMyWindow::EnableCommand, this, commands::kFirst, commands::kLast);
    frame->Bind(wxEVT_CLOSE_WINDOW, &TMyWindow::EvClose, this);
}
