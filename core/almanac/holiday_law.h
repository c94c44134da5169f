// The public holidays as the holiday law had them in each year, from its
// first day in force (20 July 1948) on: the holidays of every amendment, the
// one-off holidays of the ceremonies and of 2020-2021, and the two kinds of
// day off that follow from them (振替休日 and the day between two holidays,
// 休日). Years after the last amendment follow the rules in force today.
// Before 20 July 1948 there are none.
//
// The equinox holidays fall on the days the caller's astronomy finds; nothing
// here computes a position of the sun.
#pragma once

// The days of the two equinoxes of a year, as the almanac's astronomy finds
// them (solar terms 0 and 12). 0 means not known: that month then has no
// equinox holiday.
struct EquinoxDays {
    int nMarch;      // day of March on which 春分 begins
    int nSeptember;  // day of September on which 秋分 begins
};

// The holiday of date (year, month 1-12, day) as an index into szHolyday,
// 0 for none or for a date that does not exist. Only the equinox of the
// asked date's own month is read (no holiday rule reaches across a month's
// end to an equinox), so a month table may pass just the one it found and 0
// for the other.
int LawHolidayOf(int year, int month, int day, const EquinoxDays& equinoxes);
