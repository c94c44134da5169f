#include <cstdint>

#include <gtest/gtest.h>

#include "core/calendar/date_arith.h"
#include "core/calendar/lunisolar.h"
#include "core/calendar/nine_stars.h"
#include "core/calendar/solar_terms.h"
#include "core/calendar/sun_moon.h"

namespace {

double TimeOf(int y, int m, int d)
{
    const int date[3] = {y, m, d};
    double t;
    std::int32_t n;
    calcnen(&t, date, &n);
    return t;
}

struct Longitudes {
    double sun;
    double moon;
};

Longitudes At(double t)
{
    Longitudes l;
    calcsn(&l.sun, t);
    calcmok(&l.moon, t);
    return l;
}

constexpr double kFourDecimals = 0.00005;

}  // namespace

TEST(SunAndMoon, ReferenceLongitudes)
{
    struct Case {
        int y, m, d;
        double sun, moon;
    } cases[] = {
        {1975, 1, 1, 279.5525, 133.6134}, {2000, 1, 1, 279.4770, 212.4619}, {2000, 3, 20, 359.3145, 171.8246},
        {2000, 3, 21, 0.3077, 185.4206},  {2023, 6, 22, 89.9991, 127.9275},
    };
    for (const Case& c : cases) {
        const Longitudes l = At(TimeOf(c.y, c.m, c.d));
        EXPECT_NEAR(l.sun, c.sun, kFourDecimals) << c.y << "/" << c.m << "/" << c.d;
        EXPECT_NEAR(l.moon, c.moon, kFourDecimals) << c.y << "/" << c.m << "/" << c.d;
    }
    const Longitudes zero = At(0);
    EXPECT_NEAR(zero.sun, 278.9157, kFourDecimals);
    EXPECT_NEAR(zero.moon, 124.3027, kFourDecimals);
}

TEST(SolarTerms, FindsTheDayAndIndexOfTheNextTerm)
{
    struct Case {
        int y, m, start, day, index;
        std::int32_t dayNumber;
    } cases[] = {
        {2000, 6, 18, 21, 6, 9304}, {2000, 12, 18, 21, 18, 9487}, {2000, 3, 3, 5, 23, 0},
        {2000, 3, 18, 20, 0, 9211}, {2000, 1, 3, 6, 19, 0},       {2023, 6, 18, 22, 6, 0},
    };
    for (const Case& c : cases) {
        int record[4] = {c.y, c.m, c.start, -7};
        std::int32_t n;
        ASSERT_EQ(CalcSekki(record, &n), 0);
        EXPECT_EQ(record[2], c.day);
        EXPECT_EQ(record[3], c.index);
        if (c.dayNumber != 0) {
            EXPECT_EQ(n, c.dayNumber);
        }
    }
}

TEST(SolarTerms, NoTermBeforeDay32LeavesTheRecordAlone)
{
    int record[4] = {2000, 3, 31, -7};
    std::int32_t n;
    EXPECT_EQ(CalcSekki(record, &n), -1);
    EXPECT_EQ(record[2], 31);
    EXPECT_EQ(record[3], -7);
    EXPECT_EQ(n, 9223);  // 1 April 2000
}

TEST(Lunisolar, ReferenceDates)
{
    struct Case {
        int y, m, d;
        std::int32_t dayNumber;
        int lunar[4];
    } cases[] = {
        {2000, 2, 4, 9166, {1999, 12, 29, 0}},  {2000, 2, 5, 9167, {2000, 1, 1, 0}},
        {2000, 3, 5, 9196, {2000, 1, 30, 0}},   {2000, 12, 31, 9497, {2000, 12, 6, 0}},
        {2001, 1, 1, 9498, {2000, 12, 7, 0}},   {2001, 5, 22, 9639, {2001, 4, 29, 0}},
        {2001, 5, 23, 9640, {2001, 4, 1, 1}},   {2001, 6, 21, 9669, {2001, 5, 1, 0}},
        {1970, 1, 1, -1825, {1969, 11, 24, 0}},
    };
    for (const Case& c : cases) {
        const int date[3] = {c.y, c.m, c.d};
        int lunar[4];
        std::int32_t n;
        EXPECT_EQ(Calc_Inreki(lunar, date, &n), 0);
        EXPECT_EQ(n, c.dayNumber);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(lunar[i], c.lunar[i]) << c.y << "/" << c.m << "/" << c.d << " field " << i;
    }
}

TEST(Lunisolar, TheMonthsAround2033WithTwoMonthsWithoutPrincipalTerm)
{
    struct Case {
        int y, m, d, month, leap;
    } starts[] = {
        {2033, 9, 24, 9, 0},   {2033, 10, 23, 9, 0}, {2033, 11, 22, 11, 0},
        {2033, 12, 22, 11, 1}, {2034, 1, 20, 1, 0},
    };
    for (const Case& c : starts) {
        const int date[3] = {c.y, c.m, c.d};
        int lunar[4];
        std::int32_t n;
        Calc_Inreki(lunar, date, &n);
        EXPECT_EQ(lunar[1], c.month) << c.y << "/" << c.m << "/" << c.d;
        EXPECT_EQ(lunar[2], 1) << c.y << "/" << c.m << "/" << c.d;
        EXPECT_EQ(lunar[3], c.leap) << c.y << "/" << c.m << "/" << c.d;
    }
}

TEST(Lunisolar, NewMoonTestAndSearches)
{
    double record[2];
    EXPECT_EQ(saku(TimeOf(2000, 2, 5), record), 1);
    EXPECT_EQ(saku(TimeOf(2000, 2, 4), record), 0);
    // From 5 March 2000 (day 30) the previous new moon is 5 February, 29 days
    // back; the search starting 28 days back returns that distance + 1.
    int sector[2] = {0, 99};
    double distance = 0;
    bfsaku(sector, &distance, TimeOf(2000, 3, 5));
    EXPECT_EQ(distance, 30);
    EXPECT_EQ(sector[1], 99);  // the caller's half of the record is not touched
    distance = 0;
    afsaku(sector, &distance, TimeOf(2000, 2, 5));
    EXPECT_EQ(distance, 31);  // 6 March 2000
}

TEST(NineStars, ReferenceResults)
{
    struct Case {
        int y, m, d, star, direction, next;
    } cases[] = {
        {1999, 12, 31, 7, 1, -25}, {2000, 1, 1, 8, 1, 158}, {2000, 6, 1, 7, 1, 6},
        {2000, 6, 9, 6, 0, -2},    {2000, 7, 1, 2, 0, 162}, {2000, 12, 1, 2, 0, 9},
        {2000, 12, 31, 3, 1, -21}, {2000, 6, 7, 4, 1, 0},   {2000, 6, 8, 7, 0, -1},
    };
    for (const Case& c : cases) {
        const int date[3] = {c.y, c.m, c.d};
        int result[3];
        NichKusei(date, result);
        EXPECT_EQ(result[0], c.star) << c.y << "/" << c.m << "/" << c.d;
        EXPECT_EQ(result[1], c.direction) << c.y << "/" << c.m << "/" << c.d;
        EXPECT_EQ(result[2], c.next) << c.y << "/" << c.m << "/" << c.d;
    }
}
