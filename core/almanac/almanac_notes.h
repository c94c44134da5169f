// The seven almanac notes of a day, as bits 1-7 of a bit set (bit 0 always set):
// 1 三隣亡, 2 一粒万倍日, 3 天赦日, 4 不成就日, 5 天上天一, 6 十方暮, 7 八専.
#pragma once

int setbit(int value, int bit);
int chkbit(int value, int bit);

// 三隣亡 branches (szChi index) by (solar month - 1) mod 3.
extern const int nSanrinbo[3];
// 一粒万倍日 branch pairs by solar month mod 12 (0 = the month from 小寒).
extern const int nIchiryu[12][2];
