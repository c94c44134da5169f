// The calendar of the precise astronomy: against instants, leap months and new years as the almanacs
// published them, and day by day over 1900-2100 against the definitions of the official calendar.
#include "core/calendar/precise_calendar.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/almanac/vesoma.h"
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

std::string When(const DayEntry& d)
{
    return std::to_string(d.nYear) + "/" + std::to_string(d.nMonth) + "/" + std::to_string(d.nDay);
}

// Every day of 1900-2100 in precise month tables, and by day the new moons and the terms (index + 1) that
// the instants put on it.
struct Range {
    std::vector<DayEntry> days;
    std::vector<int> newMoon, term;
};

const Range& WholeRange()
{
    static const Range range = [] {
        Range r;
        Vesoma table;
        table.choices.astronomy = Astronomy::Precise;
        for (int month = 0; month < 201 * 12; ++month) {
            const int date[3] = {1900 + month / 12, month % 12 + 1, 1};
            table.SetCalender(date);
            r.days.insert(r.days.end(), table.Day, table.Day + table.nDays);
        }
        r.newMoon.resize(r.days.size());
        r.term.resize(r.days.size());
        const auto mark = [&](double instant, std::vector<int>& on, int value) {
            const std::size_t i = static_cast<std::size_t>(JstDayOf(instant) - DayNumber(1900, 1, 1));
            if (i < on.size())
                on[i] = value;
        };
        for (int k = -1250; k < 1250; ++k)
            mark(NewMoonInstant(k), r.newMoon, 1);
        for (int n = -2440; n < 2440; ++n)
            mark(SolarTermInstant(n), r.term, (n % 24 + 24) % 24 + 1);
        return r;
    }();
    return range;
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

TEST(PreciseCalendar, LeapMonthsAndNewYearsAsPublished)
{
    // {first day of a month, its number, 1 for a leap month}; the day before ends a plain month of the leap
    // month's number, or the 12th month.
    const int months[][5] = {{2001, 5, 23, 4, 1},   {2004, 3, 21, 2, 1},   {2006, 8, 24, 7, 1},
                             {2009, 6, 23, 5, 1},   {2012, 4, 21, 3, 1},   {2014, 10, 24, 9, 1},
                             {2017, 6, 24, 5, 1},   {2020, 5, 23, 4, 1},   {2023, 3, 22, 2, 1},
                             {2025, 7, 25, 6, 1},   {1984, 11, 23, 10, 1}, {1985, 2, 20, 1, 0},
                             {2033, 12, 22, 11, 1}, {2034, 2, 19, 1, 0},   {2053, 2, 19, 1, 0}};
    const Range& r = WholeRange();
    for (const auto& m : months) {
        const std::size_t i = static_cast<std::size_t>(DayNumber(m[0], m[1], m[2]) - DayNumber(1900, 1, 1));
        EXPECT_EQ((std::array{r.days[i].nInMonth, r.days[i].nInDay, r.days[i].nUrus, r.days[i - 1].nInMonth,
                              r.days[i - 1].nUrus}),
                  (std::array{m[3], 1, m[4], m[4] ? m[3] : (m[3] + 10) % 12 + 1, 0}))
            << m[0] << "/" << m[1] << "/" << m[2];
    }
}

TEST(PreciseWholeRange, MonthsFromNewMoonDaysNumberedFromTheWinterSolsticeMonths)
{
    const Range& r = WholeRange();
    std::vector<std::string> breaks;
    int months = -99, leaps = 0, terms = 0;  // months and leaps counted from the first 冬至 on
    for (std::size_t i = 1; i < r.days.size(); ++i) {
        const DayEntry& a = r.days[i - 1];
        const DayEntry& d = r.days[i];
        SCOPED_TRACE(When(d));
        ASSERT_EQ(d.nInDay == 1, r.newMoon[i] == 1);
        if (d.nInDay == 1)
            ASSERT_TRUE(a.nInDay == 29 || a.nInDay == 30);
        else
            ASSERT_EQ((std::array{d.nInDay, d.nInMonth, d.nUrus}),
                      (std::array{a.nInDay + 1, a.nInMonth, a.nUrus}));
        // Terms on their days; the equinoxes show as their holidays instead.
        ASSERT_EQ(d.nSekki, r.term[i] % 12 == 1 ? 0 : r.term[i]);
        terms += r.term[i] > 0;
        months += d.nInDay == 1;
        leaps += d.nInDay == 1 && d.nUrus == 1;
        if (r.term[i] == 7 || r.term[i] == 19) {
            // The nine stars turn C days before the solstice day whose place in the sixty-day cycle is C
            // (60 - C beyond 29): up from 一白 at 冬至, down from 九紫 at 夏至.
            const std::size_t turn = i - static_cast<std::size_t>(std::min(d.nKanshi, 60 - d.nKanshi));
            const int first = r.term[i] == 19 ? 0 : 8;
            ASSERT_EQ((std::array{r.days[turn].nKusei, r.days[turn + 1].nKusei}),
                      (std::array{first, first ? 7 : 1}));
        }
        if (r.term[i] == 19) {  // 冬至
            ASSERT_TRUE(d.nInMonth == 11 && d.nUrus == 0);
            ASSERT_TRUE(months < 0 || (months == 12 && leaps == 0) || (months == 13 && leaps == 1));
            months = leaps = 0;
        }
        // 春分 (index 0) names the 2nd month, each principal term the next.
        if (r.term[i] % 2 == 1 && d.nInMonth != ((r.term[i] - 1) / 2 + 1) % 12 + 1)
            breaks.push_back(When(d));
    }
    EXPECT_EQ(terms, 201 * 24);
    // Where a month holds two principal terms, the months after it cannot carry the numbers their terms
    // name until the next leap month or 冬至.
    EXPECT_EQ(breaks,
              (std::vector<std::string>{"1965/10/24", "1985/1/20", "1985/2/19", "2033/9/23", "2033/10/23",
                                        "2033/11/22", "2034/2/18", "2053/1/19", "2053/2/18"}));
}

}  // namespace
