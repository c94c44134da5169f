// Today's date. The application reads the system clock; tests fix the date so
// that start-up behaviour does not depend on the day they run.
#pragma once

namespace platform {

// date receives {year, month 1-12, day 1-31} of today in local time, or of
// the date fixed by SetToday.
void GetToday(int* date);

// Fixes today's date to {year, month, day}; nullptr returns to the system clock.
void SetToday(const int* date);

}  // namespace platform
