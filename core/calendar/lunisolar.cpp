#include "core/calendar/lunisolar.h"

#include <cmath>

#include "core/calendar/date_arith.h"
#include "core/calendar/sun_moon.h"

namespace {

int SectorOf(double sunLongitude)
{
    return static_cast<int>(std::floor(sunLongitude / 30));
}

// Tests day after day, `direction` (-1 or +1) days apart, for a new moon.
void SearchNewMoon(int* sector, double* distance, double t, int direction)
{
    *distance += 28;
    double record[2];
    int found;
    do {
        found = saku(t + direction * *distance * yd, record);
        *distance += 1;
    } while (!found);
    sector[0] = SectorOf(record[1]);
}

}  // namespace

int saku(double t, double* record)
{
    double m0, s0, m1, s1;
    calcmok(&m0, t);
    calcsn(&s0, t);
    calcmok(&m1, t + yd);
    calcsn(&s1, t + yd);
    if (m1 < m0)
        m1 += 360;
    if (s1 < s0)
        s1 += 360;
    for (int k = 0; k <= 1; ++k) {
        // The moon behind the sun when the day begins, ahead of it when it ends.
        if (s0 + 360 * k > m0 && s1 + 360 * k < m1) {
            record[0] = m0;
            record[1] = s0 + 360 * k;
            return 1;
        }
    }
    record[0] = m0;
    record[1] = s0;
    return 0;
}

int bfsaku(int* sector, double* distance, double t)
{
    SearchNewMoon(sector, distance, t, -1);
    return 0;
}

int afsaku(int* sector, double* distance, double t)
{
    SearchNewMoon(sector, distance, t, +1);
    return 0;
}

int jm_check(const int* sectors, int* month, const double* distances, double t)
{
    const int a = sectors[1];
    const int quarter = (a / 3) * 3;

    // New moons of the quarter at or before the month's own first new moon.
    int backward[2] = {sectors[0], 0};
    double dw = distances[0];
    while (backward[0] >= quarter) {
        ++backward[1];
        bfsaku(backward, &dw, t);
        if (backward[0] > a)
            backward[0] -= 12;
    }
    const int x = backward[0];
    const int nb = backward[1];

    // New moons after the month's end up to the next quarter; the first
    // (2 - nb) are counted without being tested.
    int na = nb < 2 ? 2 - nb : 0;
    double dv = distances[1] + 29 * na;
    int forward[2] = {a, 0};
    while (forward[0] < quarter + 3) {
        ++na;
        afsaku(forward, &dv, t);
        if (forward[0] < x)
            forward[0] += 12;
    }

    if (nb + na == 3) {
        *month = quarter + nb + 2;
        return 0;
    }
    return 1;
}

int Calc_Inreki(int* record, const int* date, std::int32_t* dayNumber)
{
    double t;
    calcnen(&t, date, dayNumber);
    double w = 1;
    int day = 1;

    double moonSun[2];
    const int isNewMoonDay = saku(t, moonSun);
    int sectors[2] = {SectorOf(moonSun[1]), 0};
    double elongation = moonSun[0] - moonSun[1];
    if (moonSun[0] < moonSun[1])
        elongation += 360;

    if (!isNewMoonDay) {
        // The moon gains about 13 degrees a day on the sun: start the backward
        // scan about as many days back as the elongation says.
        w = std::floor(elongation * (1 / 13.0)) - 28;
        int found[2] = {0, 0};
        bfsaku(found, &w, t);
        sectors[0] = found[0];
        day = static_cast<int>(w);
    }

    double v = -w;
    int next[2] = {0, 0};
    afsaku(next, &v, t);
    sectors[1] = next[0];

    int yearFlag = 0;
    if (sectors[1] < sectors[0]) {
        sectors[1] += 12;
        yearFlag = 1;
    }
    int month = sectors[1] + 2;
    int leap = 0;
    if (sectors[1] == sectors[0]) {
        const double distances[2] = {w, v};
        leap = jm_check(sectors, &month, distances, t);
    }
    if (month > 12) {
        month -= 12;
        yearFlag = 2;
    } else if (date[1] >= 3) {
        yearFlag = 1;
    }
    record[0] = date[0] - 1 + (yearFlag != 0 ? 1 : 0);
    record[1] = month;
    record[2] = day;
    record[3] = leap;
    return 0;
}
