// The solar term search and the nine stars where they say more than the days
// of the month table show.
#include <array>
#include <cstdint>

#include <gtest/gtest.h>

#include "core/calendar/nine_stars.h"
#include "core/calendar/solar_terms.h"

TEST(SolarTerms, NoTermBeforeDay32LeavesTheRecordAlone)
{
    int found[4] = {2000, 6, 18, -7};
    std::int32_t n;
    ASSERT_EQ(CalcSekki(found, &n), 0);
    EXPECT_EQ((std::array<int, 2>{found[2], found[3]}), (std::array<int, 2>{21, 6}));  // 夏至 on 21 June
    EXPECT_EQ(n, 9304);  // the day number of the term day
    int none[4] = {2000, 3, 31, -7};
    EXPECT_EQ(CalcSekki(none, &n), -1);
    EXPECT_EQ((std::array<int, 2>{none[2], none[3]}), (std::array<int, 2>{31, -7}));
    EXPECT_EQ(n, 9223);  // 1 April 2000, where the search stopped
}

TEST(NineStars, StarDirectionAndDaysToTheNextPeriod)
{
    // Periods from 6 December 1999, 7 June 2000 and 10 December 2000; on the
    // first day of a period the old one still counts, the caller switches.
    const int cases[][6] = {{1999, 12, 31, 7, 1, -25}, {2000, 1, 1, 8, 1, 158}, {2000, 6, 1, 7, 1, 6},
                            {2000, 6, 7, 4, 1, 0},     {2000, 6, 8, 7, 0, -1},  {2000, 6, 9, 6, 0, -2},
                            {2000, 7, 1, 2, 0, 162},   {2000, 12, 1, 2, 0, 9},  {2000, 12, 31, 3, 1, -21}};
    for (const auto& c : cases) {
        int result[3];
        NichKusei(c, result);
        EXPECT_EQ((std::array<int, 3>{result[0], result[1], result[2]}),
                  (std::array<int, 3>{c[3], c[4], c[5]}))
            << c[0] << "/" << c[1] << "/" << c[2];
    }
}
