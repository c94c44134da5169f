// The main window: the month table of ActDate's month, one line per day, and
// the selection of a day by a click on its line.
#pragma once

#include <wx/dc.h>
#include <wx/scrolwin.h>

#include "core/settings/init_info.h"
#include "desktop/platform/text_image_cache.h"

class Printer;

class TMyWindow : public wxScrolledWindow {
public:
    // The month grid is 78 character cells wide; lines 0 and 1 are its header.
    static constexpr int kGridColumns = 78;
    static constexpr int kHeaderLines = 2;

    explicit TMyWindow(wxWindow* frame);

    // Start-up: today's date, the settings, the event file, today's events.
    void EvCreate();

    // One full repaint onto dc, which must already carry the scroll offset:
    // measures the cell, rebuilds the month table, draws the grid and the
    // selection band. The paint handler and off-screen renderings share it.
    void PaintMonth(wxDC& dc);

    // Selects the day on grid line, which must hold a day of the month.
    void CellSet(int line);

    // Repaints the whole window; the selection band goes with the old picture.
    void InvalidateAll();

    // The shown month on one page of the default printer; the system's
    // print-setup dialog (app/my_window_print.cpp).
    void CmPrint();
    void CmPrinterSetup();
    void CmPrintPreview();
    void CmPrintSpan();
    void CmPdfSave();
    // The iCalendar export of a span of years (app/my_window_ics.cpp).
    void CmIcsExport();
    void CmVesomaAfter();
    void CmVesomaBefore();
    // "今日": today's month with today selected (app/my_window_keys.cpp).
    void CmToday();
    // Shows the month of date {year, month, day}; with select the day's line
    // carries the band and is scrolled into sight. A month before January
    // 1900 or after December 2100 changes nothing and the status line says
    // why; false then.
    bool ShowDate(const int* date, bool select);
    // Move the band by a day, into the next or previous month at the ends;
    // without a band the first move selects ActDate's day.
    void CmNextDay();
    void CmPreviousDay();
    // The date dialog, the six-day-cycle window, the day window and the
    // today's-events window (app/my_window_views.cpp).
    void CmVesomaDate();
    void CmVesomaRokyo();
    void CmVesomaCreate();
    void OpenInfoWindow();
    void CmInitSetup();
    // The event dialogs; the month is repainted when the store gained records.
    void CmEventList();
    void CmEventEdit();
    void CmEventSave();
    void CmHelp();
    void CmHelpUsage();
    void CmAbout();
    // "運勢暦の終了": closes the program as the close box does.
    void CmExit();

    // Whether a command of the menu or the tool bar has a handler here.
    static bool HasHandler(int id);
    // Binds the commands of the menu, the tool bar and the accelerators, and
    // the close of the frame, to this window's handlers.
    void BindCommands(wxWindow* frame);

    char szEventFile[kEventFileSize] = {};
    char szIniFile[kIniFileSize] = {};
    char szSection[kSectionSize] = {};
    int Today[4] = {0, 0, 0, 0};  // year, month, day, week code at start-up
    wxWindow* pDayWindow = nullptr;
    wxWindow* pInfoWindow = nullptr;
    wxWindow* pRokyoWindow = nullptr;
    Printer* pPrinter = nullptr;
    char szTitle[kTitleSize] = {};
    char szShortName[kTitleSize] = {};
    int bHelpShown = 0;
    wxRect rcSelect;  // the selection band in grid coordinates
    int nCharWidth = 0;
    int nCharHeight = 0;
    int bSelect = 0;
    int nSelectLine = 0;

private:
    wxRect rcScrollGrid;                  // the grid size the scroll bars were last set for
    platform::TextImageCache textImages;  // keeps stepping through months quick

    void Paint(wxPaintEvent& event);
    void EvLButtonDown(wxMouseEvent& event);
    void EvLButtonDblclk(wxMouseEvent& event);
    void EvClose(wxCloseEvent& event);
    void EvKeyDown(wxKeyEvent& event);
    void EnableCommand(wxUpdateUIEvent& event);

    void GetInitInfo();
    void PutInitInfo();
    InitInfoFields Fields();
    // The grid line under a point of the client area, scrolled position included.
    int LineAt(const wxPoint& point) const;
    bool IsDayLine(int line) const;
    void MeasureCell(wxDC& dc);
    void SetScrollRanges();
    void DrawSelectBand(wxDC& dc);
    // The frame around today's day number, in the window only.
    void DrawTodayMarker(wxDC& dc);
    void StepMonth(int delta, bool select);
    void MoveDay(int delta);
    // Scrolls as little as needed to show grid line.
    void ScrollToLine(int line);
    // An open day window shows ActDate's day.
    void FollowDay();
};
