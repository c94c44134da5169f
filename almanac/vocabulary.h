// The almanac's words, as CP932 byte strings. Names are drawn with fixed byte
// counts (4 for two characters, 2 for one), so the bytes here are exact,
// trailing blanks of the holiday names included.
#pragma once

extern const char* const szWeek[7];
extern const char* const szMonName[13];
extern const char* const szSekki[28];
extern const char* const szHolyday[17];
extern const char* const szTen[10];
extern const char* const szChi[12];
extern const char* const szKusei[9];
extern const char* const szRoki[6];
extern const char* const szShuku[28];
extern const char* const szChoku[12];
extern const char* const szReki[8];
extern const char* const szUrus[2];

// Holidays on fixed dates as {month, day}, in calendar order; position p names
// szHolyday[p + 1]. Day 0 marks an equinox holiday; {0, 0} ends the table.
extern const int nHolyday[16][2];

// Day-of-month counts for the table being built; index 2 is rewritten with
// urucheck of the year whenever a February is built.
extern int nMonthl[13];
