#include "core/calendar/nine_stars.h"

#include <cstdint>

#include "core/calendar/date_arith.h"
#include "core/calendar/solar_terms.h"

namespace {

struct Solstice {
    int date[3];
    int offset;  // days before the solstice day at which its period begins
};

// Finds the solstice day from the 18th of June or December.
Solstice FindSolstice(int year, int month, int (*findTerm)(int*, std::int32_t*))
{
    int record[4] = {year, month, 18, 0};
    std::int32_t dayNumber;
    findTerm(record, &dayNumber);
    const int sexagenary = ((dayNumber + 42) % 60 + 60) % 60;
    return {{record[0], record[1], record[2]}, sexagenary <= 29 ? sexagenary : 60 - sexagenary};
}

int DaysBetween(const int* from, const int* to)
{
    int diff[3];
    calcday(from, to, diff);
    return diff[2];
}

}  // namespace

void NichKusei(const int* date, int* result)
{
    NichKuseiBy(date, result, CalcSekki);
}

void NichKuseiBy(const int* date, int* result, int (*findTerm)(int* record, std::int32_t* dayNumber))
{
    const bool firstHalf = date[1] <= 6;
    const Solstice summer = FindSolstice(date[0], 6, findTerm);
    const Solstice winter = FindSolstice(firstHalf ? date[0] - 1 : date[0], 12, findTerm);
    const Solstice& current = firstHalf ? winter : summer;
    const Solstice& coming = firstHalf ? summer : winter;
    int direction = firstHalf ? 1 : 0;

    int count = current.offset + DaysBetween(current.date, date);
    const int next = DaysBetween(date, coming.date) - coming.offset;
    if (next < 0) {
        count = -next;
        direction = 1 - direction;
    }
    const int firstStar = direction == 1 ? 0 : 8;
    const int step = 8 - 7 * direction;
    result[0] = (firstStar + count * step) % 9;
    result[1] = direction;
    result[2] = next;
}
