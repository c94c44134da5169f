// The date functions where they say more than the days of the month table
// show: the date dialog's range check, the week code of any date, and the
// solar term search that finds nothing.
#include <array>
#include <cstdint>

#include <gtest/gtest.h>

#include "core/calendar/date_arith.h"
#include "core/calendar/solar_terms.h"
#include "tests/core/message_recorder.h"

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
        EXPECT_EQ(recorder.LastText() + " " + recorder.LastCaption(), r.text + std::string(" CheckDate"));
        EXPECT_EQ(recorder.shown.back().buttons, platform::MbButtons::Ok);
    }
    EXPECT_EQ(recorder.shown.size(), 3u);
}

TEST(DateArithmetic, WeekdayAndWeekCode)
{
    // 1 January 1900 was a Monday; 15 January 2000 the third Saturday, 30
    // December 2000 the fifth.
    const int cases[][5] = {{1900, 1, 1, 1, 33}, {2000, 1, 15, 6, 3 * 32 + 6}, {2000, 12, 30, 6, 5 * 32 + 6}};
    for (const auto& c : cases) {
        int date[4] = {c[0], c[1], c[2], 0};
        EXPECT_EQ(GetDayWeek(date), c[3]) << c[0] << "/" << c[1] << "/" << c[2];
        EXPECT_EQ(date[3], c[4]) << c[0] << "/" << c[1] << "/" << c[2];
    }
}

TEST(SolarTerms, NoTermBeforeDay32LeavesTheRecordAlone)
{
    int found[4] = {2000, 6, 18, -7};
    std::int32_t n;
    ASSERT_EQ(CalcSekki(found, &n), 0);
    EXPECT_EQ((std::array{found[2], found[3], n}), (std::array{21, 6, 9304}));  // 夏至, its day number
    int none[4] = {2000, 3, 31, -7};
    EXPECT_EQ(CalcSekki(none, &n), -1);
    EXPECT_EQ((std::array{none[2], none[3], n}), (std::array{31, -7, 9223}));  // the search ended on 1 April
}
