// Which astronomy the almanac's calendar rests on, and the three answers the
// month table takes from it, in one table so that nothing above this folder
// knows which computation runs.
#pragma once

#include <cstdint>

enum class Astronomy {
    Standard,  // the short series of sun_moon.cpp, day by day
    Precise,   // ERFA, by the definitions of the official calendar (precise_calendar.h)
};

struct CalendarComputation {
    // The lunisolar date of a day, as Calc_Inreki.
    int (*Inreki)(int* record, const int* date, std::int32_t* dayNumber);
    // The next solar-term day, as CalcSekki.
    int (*Sekki)(int* record, std::int32_t* dayNumber);
    // The nine star of a day, as NichKusei.
    void (*Kusei)(const int* date, int* result);
};

const CalendarComputation& ComputationOf(Astronomy astronomy);
