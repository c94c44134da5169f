// The date dialog's fields as numbers and its arrow rules, which carry a step
// of the day into the month and of the month into the year.
#pragma once

// Which fields a rule changed and must show again.
enum DateField {
    kYearField = 1,
    kMonthField = 2,
    kDayField = 4,
};

// The number a field reads as: of text, at most maxChars bytes are taken;
// leading blanks are skipped, an optional sign is taken, then digits up to
// the first non-digit. No digits read as 0.
int ReadDateField(const char* text, int maxChars);

// The rules work on date = {year, month, day} as the fields read, not bounded
// to any range, and return the DateField bits of the fields to show.

// Carries a month of 0 or 13 (and further) into the year; the month is left.
int YearChange(int* date);
// Brings the month into 1-12, carrying into the year.
int MonthChange(int* date);
// Brings the day into its month, carrying into the month and the year.
int DayChange(int* date);

// One arrow step: field (one DateField) of date changed by delta (+1 up,
// -1 down), then its rule. Returns the fields to show.
int StepDate(int* date, DateField field, int delta);
