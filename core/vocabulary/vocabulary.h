// The almanac's words, as CP932 byte strings. Names are drawn with fixed byte
// counts (4 for two characters, 2 for one), so the bytes here are exact,
// trailing blanks of the holiday names included.
#pragma once

extern const char* const szWeek[7];
extern const char* const szMonName[13];
extern const char* const szSekki[28];
extern const char* const szHolyday[25];  // 16 = 振替休日; 17-24 only by the law of each year
extern const char* const szTen[10];
extern const char* const szChi[12];
extern const char* const szKusei[9];
extern const char* const szRoki[6];
extern const char* const szShuku[28];
extern const char* const szChoku[12];
extern const char* const szReki[8];
extern const char* const szUrus[2];
