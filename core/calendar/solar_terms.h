// The 24 solar terms: index k is the sun's crossing of 15k degrees, 0 = 春分.
#pragma once

#include <cstdint>

// record = {year, month, start day, term}. Searches from the start day on
// (day counter below 32, not wrapped at the month's end) for the first day
// during which the sun crosses a 15-degree boundary. On success returns 0,
// record[2] = that day, record[3] = term index 0-23, *dayNumber = its day
// number. Returns -1 when no day below 32 has a crossing; the record is then
// unchanged and *dayNumber is the start day's number + (32 - start day).
int CalcSekki(int* record, std::int32_t* dayNumber);
