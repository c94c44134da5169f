// The instants of the precise astronomy against those the almanacs published,
// to the minute: finer than the days the golden outputs lock.
#include "core/calendar/precise_calendar.h"

#include <cmath>
#include <cstdint>

#include <gtest/gtest.h>

#include "core/calendar/date_arith.h"
#include "core/calendar/ephemeris.h"

namespace {

std::int32_t DayNumber(int year, int month, int day)
{
    const int date[3] = {year, month, day};
    double t;
    std::int32_t n;
    calcnen(&t, date, &n);
    return n;
}

TEST(PreciseCalendar, PublishedInstantsToTheMinuteAndDeltaT)
{
    // {date, hour and minute of UT, 0 for a new moon or 1 for a term}: equinoxes,
    // solstices and terms just before a midnight of Japan (小雪 2019, 立春 2021).
    const int events[][6] = {{2000, 1, 6, 18, 14, 0},   {2005, 12, 1, 15, 1, 0},   {2009, 7, 22, 2, 35, 0},
                             {2017, 2, 26, 14, 58, 0},  {2017, 8, 21, 18, 30, 0},  {2024, 4, 8, 18, 21, 0},
                             {2000, 3, 20, 7, 35, 1},   {2000, 6, 21, 1, 48, 1},   {2000, 9, 22, 17, 28, 1},
                             {2000, 12, 21, 13, 37, 1}, {2019, 11, 22, 14, 59, 1}, {2021, 2, 3, 14, 59, 1},
                             {2023, 6, 21, 14, 58, 1}};
    for (const auto& e : events) {
        const double published = DayNumber(e[0], e[1], e[2]) - 9132.5 + (e[3] * 60 + e[4]) / 1440.0;
        const double found =
            e[5] ? SolarTermInstant(static_cast<int>(std::lround((published - 78.8) / 15.2184)))
                 : NewMoonInstant(static_cast<int>(std::lround((published - 5.6) / 29.530589)));
        EXPECT_NEAR(found, published, 1 / 1440.0) << e[0] << "/" << e[1] << "/" << e[2];
    }
    // Observed on 1 January of 1900 ... 2000, then extrapolated.
    const double deltaT[][2] = {{1900, -2.7}, {1910, 10.4}, {1930, 24.0}, {1950, 29.1}, {1970, 40.2},
                                {1990, 56.9}, {2000, 63.8}, {2050, 93.0}, {2100, 202.7}};
    for (const auto& c : deltaT)
        EXPECT_NEAR(DeltaT(c[0]), c[1], 0.5) << c[0];
}

}  // namespace
