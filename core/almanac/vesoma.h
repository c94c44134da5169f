// The month table: one entry per day of one Gregorian month with every
// almanac field. The application keeps the single instance kc.
#pragma once

#include <cstdint>

#include "core/almanac/almanac_choices.h"

namespace platform {
class DrawSurface;
}

struct DayEntry {
    std::int32_t nYear;
    std::int32_t nMonth;
    std::int32_t nDay;
    std::int32_t nWeekCode;  // weekday + 32 * its occurrence in the month (1-5)
    std::int32_t nInMonth;   // lunisolar month 1-12
    std::int32_t nInDay;     // lunisolar day 1-30
    std::int32_t nUrus;      // 1 in a leap month
    std::int32_t nKanshi;    // sexagenary index, 0 = 甲子
    std::int32_t nKusei;     // nine star, 0 = 一白
    std::int32_t nRoki;      // six-day cycle, 0 = 先勝
    std::int32_t nShuku;     // mansion, 0 = 角
    std::int32_t nChoku;     // officer, 0 = 建
    std::int32_t nReki;      // almanac notes bit set
    std::int32_t nEvent;     // events on the day, written by the month drawing
    std::int32_t nHoly;      // szHolyday index; 16 = 振替休日, 17-24 holidays of the law only
    std::int32_t nSekki;     // solar term index + 1, or 0
};

class Vesoma {
public:
    int nYear = 0;
    int nMonth = 0;
    int nDay = 0;    // the current day shown by the day and today's windows
    int nWeek1 = 0;  // weekday of the 1st
    int nDays = 0;
    DayEntry Day[32] = {};
    // What the next SetCalender computes with.
    AlmanacChoices choices;

    static const int nWcolor[7];
    static const int nRcolor[6];

    // Rebuilds the table for the month of date {year, month, ...}. The current
    // day is kept, brought into 1..nDays.
    void SetCalender(const int* date);

    // Asks the event store for the events of Day[i] as the month grid lists
    // them (all names in one text of at most 63 bytes, into names of 64) and
    // stores their number in its nEvent; returns that number.
    int CountDayEvents(int i, char* names);

    // Makes date {year, month, day} the current date without rebuilding.
    void SetDate(const int* date);

    // Notes bit set for lunar = {lunisolar month, day} and solar = {solar month, sexagenary index}.
    static int GetRekicyu(const int* lunar, const int* solar);

    // Draws the title and one row per day in the surface's current font, and
    // stores each day's event count in its nEvent.
    void DarwCalender(platform::DrawSurface& surface);
};

extern Vesoma kc;
