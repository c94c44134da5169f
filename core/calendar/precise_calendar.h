// The calendar as the official Japanese calendar defines it, from precise
// astronomy (core/calendar/ephemeris.h). Days are civil days of Japan
// Standard Time. A new moon is the instant at which the apparent longitudes
// of moon and sun are equal, a solar term the instant at which the sun's
// reaches a multiple of 15 degrees. A lunisolar month begins on the day that
// holds a new moon and holds the principal terms (中気) whose days fall in it.
// The month that holds 冬至 is the 11th. From one such month to the next
// there are 12 or 13 months: with 12 they are numbered on from 11; with 13 the
// first of them without a principal term is the leap month, repeating the
// number before it.
//
// Instants are found by Newton steps on the longitudes and remembered per
// thread, so months near each other share them.
#pragma once

#include <cstdint>

// Instant (UT days from J2000.0) of new moon k; k = 0 is that of 6 January 2000.
double NewMoonInstant(int k);

// Instant at which the sun's apparent longitude reaches 15n degrees; n = 0 is
// the vernal equinox of 2000. The term index of szSekki is n mod 24.
double SolarTermInstant(int n);

// Day number (1 January 1975 is day 1) of the JST day that holds instant ut.
std::int32_t JstDayOf(double ut);

// The precise answers in the shapes of the standard ones: Calc_Inreki,
// CalcSekki and NichKusei (the nine-star rule itself unchanged, on the
// solstice days found here).
int PreciseInreki(int* record, const int* date, std::int32_t* dayNumber);
int PreciseSekki(int* record, std::int32_t* dayNumber);
void PreciseKusei(const int* date, int* result);
