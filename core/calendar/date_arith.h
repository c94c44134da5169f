// Gregorian date arithmetic over date triples {year, month 1-12, day 1-31},
// civil dates in Japan Standard Time, and the two time scales of the almanac:
// the day number (1 January 1975 is day 1) and the time argument (Julian years
// from 0:00 UT on 31 December 1974).
#pragma once

#include <cstdint>

// One day in time-argument years.
extern const double yd;

// Days per month, indexed 1-12; entries 0 and 13 are 0. February is never
// read from here: urucheck gives it.
extern const int nMonthLength[14];

// Days of February in year: 28 or 29.
int urucheck(int year);

// Weekday (0 = Sunday) of 1 January of year (year >= 1).
int dotwell(int year);

// Days in the month of date (only year and month are read); 0 for months 0 and 13.
int GetMaxDate(const int* date);

// diff = {years, months, days} from `from` to `to`. Returns 0.
int calcday(const int* from, const int* to, int* diff);

// Weekday of date; date[3] receives the week code ((day - 1) / 7 + 1) * 32 + weekday.
int GetDayWeek(int* date);

// 1 when the date lies within 1900-2100 and its month; 0 after telling the user.
int CheckDate(const int* date);

// *t receives the time argument of 0:00 JST of date, *dayNumber its day number.
// Returns 0. Gregorian over the whole range, including 1900 and 2100.
int calcnen(double* t, const int* date, std::int32_t* dayNumber);
