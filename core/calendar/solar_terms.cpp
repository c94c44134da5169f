#include "core/calendar/solar_terms.h"

#include "core/calendar/date_arith.h"
#include "core/calendar/sun_moon.h"

int CalcSekki(int* record, std::int32_t* dayNumber)
{
    double t;
    calcnen(&t, record, dayNumber);
    double s0;
    calcsn(&s0, t);
    t += yd;
    for (int day = record[2]; day < 32; ++day) {
        double s1;
        calcsn(&s1, t);
        if (s1 < s0)
            s1 += 360;
        const int q0 = static_cast<int>(s0 * (1 / 15.0));
        const int q1 = static_cast<int>(s1 * (1 / 15.0));
        if (q0 < q1) {
            record[2] = day;
            record[3] = q1 % 24;
            return 0;
        }
        s0 = s1;
        t += yd;
        ++*dayNumber;
    }
    return -1;
}
