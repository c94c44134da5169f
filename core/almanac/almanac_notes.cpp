#include "core/almanac/almanac_notes.h"

#include "core/almanac/vesoma.h"

const int nSanrinbo[3] = {11, 2, 6};

const int nIchiryu[12][2] = {
    {0, 3}, {1, 6}, {2, 9}, {0, 3}, {3, 4}, {5, 6}, {6, 9}, {0, 7}, {3, 8}, {6, 9}, {9, 10}, {0, 11},
};

int setbit(int value, int bit)
{
    return value | (1 << bit);
}

int chkbit(int value, int bit)
{
    return (value >> bit) & 1;
}

namespace {

int Residue(int value, int modulus)
{
    return (value % modulus + modulus) % modulus;
}

}  // namespace

int Vesoma::GetRekicyu(const int* lunar, const int* solar)
{
    const int lunarMonth = lunar[0];
    const int lunarDay = lunar[1];
    const int solarMonth = Residue(solar[0], 12);
    const int sexagenary = solar[1];
    const int branch = Residue(sexagenary, 12);
    int notes = 0;

    if (branch == nSanrinbo[Residue(solarMonth - 1, 3)])
        notes = setbit(notes, 1);
    if (branch == nIchiryu[solarMonth][0] || branch == nIchiryu[solarMonth][1])
        notes = setbit(notes, 2);
    // 天赦日: 戊寅 in spring, 甲午 in summer, 戊申 in autumn, 甲子 in winter.
    const int season = solarMonth / 3 + 1;
    if (sexagenary == 15 * (season % 4) - (season % 2))
        notes = setbit(notes, 3);
    const int f = Residue(lunarMonth - 1, 6);
    const int base = f < 3 ? 3 - f : f + 1;
    if (lunarDay == base || lunarDay == base + 8 || lunarDay == base + 16 || lunarDay == base + 24)
        notes = setbit(notes, 4);
    if (sexagenary >= 29 && sexagenary <= 44)
        notes = setbit(notes, 5);
    if (sexagenary >= 20 && sexagenary <= 29)
        notes = setbit(notes, 6);
    else if (sexagenary >= 48 && sexagenary <= 59)
        notes = setbit(notes, 7);
    return setbit(notes, 0);
}
