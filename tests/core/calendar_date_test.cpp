// Date arithmetic: month lengths, differences, week codes, the range check and
// the day numbers, against a day count of its own.
#include <cstdint>

#include <gtest/gtest.h>

#include "core/calendar/date_arith.h"
#include "tests/core/message_recorder.h"

namespace {

// Days from 1 January 1900, counted month by month by the Gregorian rules.
int DaysSince1900(const int* date)
{
    int days = date[2] - 1;
    for (int y = 1900; y < date[0]; ++y)
        days += 365 + (y % 4 == 0 && (y % 100 != 0 || y % 400 == 0));
    for (int m = 1; m < date[1]; ++m) {
        const int probe[3] = {date[0], m, 1};
        days += GetMaxDate(probe);
    }
    return days;
}

}  // namespace

TEST(DateArithmetic, MonthLengthsDifferencesAndDayNumbersAgreeWithAPlainDayCount)
{
    const int months[][3] = {{1900, 2, 1}, {2000, 2, 1}, {2100, 2, 1},
                             {2001, 4, 1}, {2001, 8, 1}, {2000, 13, 1}};
    const int lengths[] = {28, 29, 28, 30, 31, 0};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(GetMaxDate(months[i]), lengths[i]) << i;

    const int dates[][3] = {{1900, 1, 1},   {1900, 2, 28}, {1900, 3, 1},  {1937, 7, 7},
                            {1974, 12, 31}, {1975, 1, 1},  {2000, 2, 29}, {2064, 10, 9},
                            {2100, 2, 28},  {2100, 3, 1},  {2100, 12, 31}};
    for (const auto& a : dates) {
        double t;
        std::int32_t n;
        calcnen(&t, a, &n);
        EXPECT_EQ(n, DaysSince1900(a) - 27392)
            << a[0] << "/" << a[1] << "/" << a[2];      // 1 January 1975 is day 1
        EXPECT_DOUBLE_EQ(t, (n - 1 + 0.625) / 365.25);  // from 0:00 UT on 31 December 1974 to 0:00 JST
        for (const auto& b : dates) {
            int diff[3];
            EXPECT_EQ(calcday(a, b, diff), 0);
            EXPECT_EQ(diff[2], DaysSince1900(b) - DaysSince1900(a)) << a[0] << "/" << a[1] << " " << b[0];
            // Whole years and months between the two months, whatever the days.
            EXPECT_EQ(diff[0], b[0] - a[0]);
            EXPECT_EQ(diff[1], 12 * (b[0] - a[0]) + b[1] - a[1]);
        }
    }
}

TEST(DateArithmetic, WeekdayAndWeekCode)
{
    // 1 January 1900 was a Monday, 15 January 2000 a Saturday, the third.
    const int cases[][5] = {{1900, 1, 1, 1, 33}, {2000, 1, 15, 6, 3 * 32 + 6}, {2000, 12, 30, 6, 5 * 32 + 6}};
    for (const auto& c : cases) {
        int date[4] = {c[0], c[1], c[2], 0};
        EXPECT_EQ(GetDayWeek(date), c[3]) << c[0] << "/" << c[1] << "/" << c[2];
        EXPECT_EQ(date[3], c[4]) << c[0] << "/" << c[1] << "/" << c[2];
    }
}

TEST(DateArithmetic, CheckDateAcceptsTheRangeAndTellsWhatIsWrong)
{
    MessageRecorder recorder;
    const int leapDay[3] = {2000, 2, 29};
    const int lastDay[3] = {2100, 12, 31};
    EXPECT_EQ(CheckDate(leapDay) + CheckDate(lastDay), 2);
    EXPECT_TRUE(recorder.shown.empty());

    const struct {
        int date[3];
        const char* text;
    } refused[] = {{{1900, 2, 29}, "1900/2/29 2100/12/28"},
                   {{2101, 1, 1}, "2101/1/1 2100/12/31"},
                   {{2000, 13, 1}, "2000/13/1 2100/12/0"}};
    for (const auto& r : refused) {
        EXPECT_EQ(CheckDate(r.date), 0);
        EXPECT_EQ(recorder.LastText(), r.text);
        EXPECT_EQ(recorder.LastCaption(), "CheckDate");
        EXPECT_EQ(recorder.shown.back().buttons, platform::MbButtons::Ok);
    }
    EXPECT_EQ(recorder.shown.size(), 3u);
}
