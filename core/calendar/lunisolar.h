// New moons and the lunisolar (旧暦) calendar. A month begins on the civil day
// (JST) of a new moon and is numbered by the principal term (中気) it holds; a
// month without one may be a leap month repeating the number before it.
#pragma once

#include <cstdint>

// 1 when a new moon falls within the day that begins at time argument t.
// record receives the moon's and the sun's longitude at t (the sun's plus 360
// when the moon is caught crossing the sun across 0 degrees).
int saku(double t, double* record);

// Finds the nearest new-moon day at least (*distance + 28) days before (bfsaku)
// or after (afsaku) time argument t. sector[0] receives the sector
// floor(sun / 30) of that new moon (12 across the 0-degree point); sector[1]
// belongs to the caller. On return *distance is the day's distance + 1.
int bfsaku(int* sector, double* distance, double t);
int afsaku(int* sector, double* distance, double t);

// For a month whose new moons both lie in sector sectors[1] (sectors[0] being
// the previous new moon's): 1 when it is a leap month; 0 when it is not, after
// writing its number into *month. distances = {backward, forward} as left by
// the searches of Calc_Inreki.
int jm_check(const int* sectors, int* month, const double* distances, double t);

// record = {year, month 1-12, day 1-30, leap flag} of the lunisolar date of
// date; *dayNumber receives the date's day number. Returns 0.
int Calc_Inreki(int* record, const int* date, std::int32_t* dayNumber);
