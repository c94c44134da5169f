// Application-wide state: which windows are open and the display settings.
#pragma once

class CStatus {
public:
    static int bChildCreate;  // the day window is open
    static int bRokyoCreate;  // the six-day-cycle window is open
    static int bUmsLoad;      // the fortune file has been loaded
    static int EventInfo;     // > 0: show today's events at start-up
    static int TableType;     // detail of the month grid: 0, 1 or 2
    static int UnseiDisp;     // > 0: the day window shows the fortune texts
    static int HolidayLaw;    // > 0: the holidays as the law had them in each year, else the fixed table
    static int Precise;       // > 0: the calendar from precise astronomy, else from the short series
};
