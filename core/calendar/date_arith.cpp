#include "core/calendar/date_arith.h"

#include <cmath>
#include <cstdio>

#include "platform/message_box.h"

const double yd = 1.0 / 365.25;

const int nMonthLength[14] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 0};

namespace {

int MonthDays(int year, int month)
{
    return month == 2 ? urucheck(year) : nMonthLength[month];
}

}  // namespace

int urucheck(int year)
{
    int days = 28;
    if (year % 4 == 0)
        ++days;
    if (year % 100 == 0) {
        --days;
        if (year % 400 == 0)
            ++days;
    }
    return days;
}

int dotwell(int year)
{
    int b = year - 1;
    return (year + b / 4 - b / 100 + b / 400) % 7;
}

int GetMaxDate(const int* date)
{
    int month = date[1];
    if (month < 0 || month > 13)
        return 0;
    return MonthDays(date[0], month);
}

int calcday(const int* from, const int* to, int* diff)
{
    if (to[0] < from[0] || (to[0] == from[0] && to[1] < from[1])) {
        calcday(to, from, diff);
        for (int i = 0; i < 3; ++i)
            diff[i] = -diff[i];
        return 0;
    }
    const bool sameYear = from[0] == to[0];
    const bool sameMonth = sameYear && from[1] == to[1];
    int years = 1;
    int months = 1;
    int monthBound = 13;
    int monthLength = MonthDays(from[0], from[1]);
    if (sameMonth) {
        monthLength = to[2];
        months = 0;
    }
    int days = monthLength - from[2];
    if (sameYear) {
        monthBound = to[1];
        years = 0;
    }
    for (int m = from[1] + 1; m < monthBound; ++m) {
        days += MonthDays(from[0], m);
        ++months;
    }
    for (int y = from[0] + 1; y < to[0]; ++y) {
        days += urucheck(y) + 337;
        ++years;
        months += 12;
    }
    if (!sameYear) {
        for (int m = 1; m < to[1]; ++m) {
            days += MonthDays(to[0], m);
            ++months;
        }
    }
    if (!sameMonth)
        days += to[2];
    diff[0] = years;
    diff[1] = months;
    diff[2] = days;
    return 0;
}

int GetDayWeek(int* date)
{
    const int newYear[3] = {date[0], 1, 1};
    const int monthStart[3] = {date[0], date[1], 1};
    int diff[3];
    calcday(newYear, monthStart, diff);
    int weekday = (dotwell(date[0]) + diff[2] + date[2] - 1) % 7;
    date[3] = ((date[2] - 1) / 7 + 1) * 32 + weekday;
    return weekday;
}

int CheckDate(const int* date)
{
    const int limits[3][2] = {{1900, 2100}, {1, 12}, {1, GetMaxDate(date)}};
    for (int i = 0; i < 3; ++i) {
        if (date[i] < limits[i][0] || date[i] > limits[i][1]) {
            char text[80];
            std::snprintf(text, sizeof text, "%d/%d/%d %d/%d/%d", date[0], date[1], date[2], limits[0][1],
                          limits[1][1], limits[2][1]);
            platform::ShowMessageBox(text, "CheckDate", platform::MbButtons::Ok, platform::MbIcon::None);
            return 0;
        }
    }
    return 1;
}

int calcnen(double* t, const int* date, std::int32_t* dayNumber)
{
    const double y = date[0];
    const double m = date[1];
    const double d = date[2];
    double p = (m - 1) * 31 + d - 27393 + std::floor(1461 * ((y - 1900) * 0.25));
    p -= std::floor(m * 0.4 + 2.21) * std::floor((m + 7) * 0.1);
    if (date[0] % 4 == 0 && (date[1] == 1 || date[1] == 2))
        p -= 1;
    // The four-year rule above is right only from March 1900 to February 2100;
    // the century rule, counted in March-based years, mends both ends.
    const int marchYear = date[1] >= 3 ? date[0] : date[0] - 1;
    p += 15 - (marchYear / 100 - marchYear / 400);
    *dayNumber = static_cast<std::int32_t>(p);
    *t = (p - 0.375) * yd;
    return 0;
}
