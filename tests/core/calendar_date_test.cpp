#include <cstdint>
#include <tuple>

#include <gtest/gtest.h>

#include "core/calendar/date_arith.h"
#include "tests/core/message_recorder.h"

namespace {

std::tuple<int, int, int> Diff(int y1, int m1, int d1, int y2, int m2, int d2)
{
    const int from[3] = {y1, m1, d1};
    const int to[3] = {y2, m2, d2};
    int diff[3];
    EXPECT_EQ(calcday(from, to, diff), 0);
    return {diff[0], diff[1], diff[2]};
}

std::int32_t DayNumber(int y, int m, int d)
{
    const int date[3] = {y, m, d};
    double t;
    std::int32_t n;
    calcnen(&t, date, &n);
    return n;
}

}  // namespace

TEST(DateArithmetic, LeapYearsAndNewYearWeekdays)
{
    EXPECT_EQ(urucheck(1900), 28);
    EXPECT_EQ(urucheck(1996), 29);
    EXPECT_EQ(urucheck(2000), 29);
    EXPECT_EQ(urucheck(2100), 28);
    EXPECT_EQ(dotwell(1900), 1);
    EXPECT_EQ(dotwell(1975), 3);
    EXPECT_EQ(dotwell(2000), 6);
    EXPECT_EQ(dotwell(2100), 5);
    const int feb2000[3] = {2000, 2, 1};
    const int month13[3] = {2000, 13, 1};
    EXPECT_EQ(GetMaxDate(feb2000), 29);
    EXPECT_EQ(GetMaxDate(month13), 0);
}

TEST(DateArithmetic, DifferencesCountYearsMonthsAndExactDays)
{
    EXPECT_EQ(Diff(1999, 12, 31, 2000, 1, 1), std::make_tuple(1, 1, 1));
    EXPECT_EQ(Diff(2000, 1, 31, 2000, 3, 1), std::make_tuple(0, 2, 30));
    EXPECT_EQ(Diff(2000, 3, 1, 2000, 1, 31), std::make_tuple(0, -2, -30));
    EXPECT_EQ(Diff(2000, 1, 20, 2000, 1, 10), std::make_tuple(0, 0, -10));
    EXPECT_EQ(Diff(1975, 1, 1, 2000, 1, 1), std::make_tuple(25, 300, 9131));
    EXPECT_EQ(Diff(2000, 5, 5, 2000, 5, 5), std::make_tuple(0, 0, 0));
}

TEST(DateArithmetic, DifferenceAgreesWithDayNumbersOverTheRange)
{
    // Random-ish pairs across the whole range, including both century ends.
    const int dates[][3] = {{1900, 1, 1},  {1900, 2, 28}, {1900, 3, 1},  {1937, 7, 7}, {1999, 12, 31},
                            {2000, 2, 29}, {2064, 10, 9}, {2100, 2, 28}, {2100, 3, 1}, {2100, 12, 31}};
    for (const auto& a : dates) {
        for (const auto& b : dates) {
            int diff[3];
            calcday(a, b, diff);
            EXPECT_EQ(diff[2], DayNumber(b[0], b[1], b[2]) - DayNumber(a[0], a[1], a[2]))
                << a[0] << "/" << a[1] << "/" << a[2] << " -> " << b[0] << "/" << b[1] << "/" << b[2];
        }
    }
}

TEST(DateArithmetic, WeekdayAndWeekCode)
{
    int date[4] = {2000, 1, 15, 0};
    EXPECT_EQ(GetDayWeek(date), 6);
    EXPECT_EQ(date[3], 3 * 32 + 6);
    int monday[4] = {1900, 1, 1, 0};
    EXPECT_EQ(GetDayWeek(monday), 1);
    EXPECT_EQ(monday[3], 33);
    int fifthSaturday[4] = {2000, 12, 30, 0};
    GetDayWeek(fifthSaturday);
    EXPECT_EQ(fifthSaturday[3], 5 * 32 + 6);
}

TEST(DateArithmetic, CheckDateAcceptsTheRangeAndTellsWhatIsWrong)
{
    MessageRecorder recorder;
    const int leapDay[3] = {2000, 2, 29};
    const int lastDay[3] = {2100, 12, 31};
    EXPECT_EQ(CheckDate(leapDay), 1);
    EXPECT_EQ(CheckDate(lastDay), 1);
    EXPECT_TRUE(recorder.shown.empty());

    const int noLeapDay[3] = {1900, 2, 29};
    EXPECT_EQ(CheckDate(noLeapDay), 0);
    EXPECT_EQ(recorder.LastText(), "1900/2/29 2100/12/28");
    EXPECT_EQ(recorder.LastCaption(), "CheckDate");
    EXPECT_EQ(recorder.shown.back().buttons, platform::MbButtons::Ok);

    const int tooLate[3] = {2101, 1, 1};
    EXPECT_EQ(CheckDate(tooLate), 0);
    EXPECT_EQ(recorder.LastText(), "2101/1/1 2100/12/31");

    const int badMonth[3] = {2000, 13, 1};
    EXPECT_EQ(CheckDate(badMonth), 0);
    EXPECT_EQ(recorder.LastText(), "2000/13/1 2100/12/0");
    EXPECT_EQ(recorder.shown.size(), 3u);
}

TEST(DateArithmetic, DayNumbersAndTimeArguments)
{
    const int epoch[3] = {1975, 1, 1};
    double t;
    std::int32_t n;
    calcnen(&t, epoch, &n);
    EXPECT_EQ(n, 1);
    EXPECT_DOUBLE_EQ(t, 0.625 / 365.25);
    const int dayZero[3] = {1974, 12, 31};
    calcnen(&t, dayZero, &n);
    EXPECT_EQ(n, 0);
    EXPECT_DOUBLE_EQ(t, -0.375 / 365.25);
    EXPECT_EQ(DayNumber(2000, 1, 1), 9132);
    EXPECT_EQ(DayNumber(1950, 1, 1), -9130);
    // 1900 and 2100 are no leap years: the count must not skip or repeat a
    // day there, so 1 January 1900 is a Monday and 31 December 2100 a Friday.
    EXPECT_EQ(DayNumber(1900, 3, 1) - DayNumber(1900, 2, 28), 1);
    EXPECT_EQ(DayNumber(2100, 3, 1) - DayNumber(2100, 2, 28), 1);
    EXPECT_EQ(DayNumber(1900, 1, 1), -27392);
    EXPECT_EQ(DayNumber(2100, 3, 1), 45716);
    EXPECT_EQ(((DayNumber(1900, 1, 1) + 2) % 7 + 7) % 7, 1);
    EXPECT_EQ(((DayNumber(2100, 12, 31) + 2) % 7 + 7) % 7, 5);
}
