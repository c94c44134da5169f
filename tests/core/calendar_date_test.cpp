// The date functions where they say more than the days of the month table
// show: the date dialog's range check, arrow steps and field reading, the week
// code of any date, and the solar term search that finds nothing.
#include <array>
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "core/calendar/date_arith.h"
#include "core/calendar/date_steps.h"
#include "core/calendar/solar_terms.h"
#include "tests/core/message_recorder.h"

namespace {

using Date = std::array<int, 3>;
constexpr DateField Y = kYearField, M = kMonthField, D = kDayField;
constexpr int kAll = Y | M | D;

}  // namespace

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
    // 1 January 1900 was a Monday; 15 January 2000 the third Saturday, 30 December 2000 the fifth.
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

TEST(DateSteps, EveryArrowRule)
{
    const struct {
        Date from;
        DateField field;
        int delta;
        Date to;
        int shown;  // 0: not checked
    } steps[] = {
        // The day carries into the month and the year, and knows leap Februaries.
        {{2000, 12, 31}, D, +1, {2001, 1, 1}, kAll},
        {{2000, 1, 1}, D, -1, {1999, 12, 31}, 0},
        {{2000, 1, 31}, D, +1, {2000, 2, 1}, M | D},
        {{2000, 5, 10}, D, +1, {2000, 5, 11}, D},
        {{2000, 3, 1}, D, -1, {2000, 2, 29}, 0},
        {{1900, 3, 1}, D, -1, {1900, 2, 28}, 0},
        {{2000, 2, 29}, D, +1, {2000, 3, 1}, 0},
        {{2001, 2, 28}, D, +1, {2001, 3, 1}, 0},
        {{2001, 2, 40}, D, -1, {2001, 3, 1}, 0},  // a typed day beyond the month starts the next
        // The month carries into the year and leaves the day, typed months whole years.
        {{2000, 12, 31}, M, +1, {2001, 1, 31}, Y | M},
        {{2000, 1, 5}, M, -1, {1999, 12, 5}, 0},
        {{2000, 1, 31}, M, +1, {2000, 2, 31}, M},
        {{2000, 24, 1}, M, +1, {2002, 1, 1}, 0},
        {{2000, -9, 1}, M, -1, {1999, 2, 1}, 0},
        // The year carries a typed month 0 or 13 but leaves it; no bounds on years.
        {{2000, 2, 29}, Y, +1, {2001, 2, 29}, Y},
        {{2000, 13, 1}, Y, +1, {2002, 13, 1}, Y},
        {{2000, 0, 1}, Y, +1, {2000, 0, 1}, 0},
        {{0, 6, 1}, Y, -1, {-1, 6, 1}, 0},
        // Months 0 and 13 have no days: every day carries into the next month.
        {{2000, 0, 5}, D, +1, {2000, 1, 1}, 0},
        {{2000, 0, 5}, D, -1, {2000, 1, 1}, 0},
        {{2000, 13, 5}, D, +1, {2001, 2, 1}, 0},
        {{2000, 13, 5}, D, -1, {2001, 2, 1}, kAll},
        {{2000, 0, 1}, D, -1, {1999, 11, 30}, 0},
        // Beyond 0-13 the month is made real first, then the day steps in it.
        {{2000, 20, 1}, D, -1, {2001, 7, 31}, kAll},
        {{2000, 14, 10}, D, +1, {2001, 2, 11}, 0},
        {{2000, -5, 10}, D, +1, {1999, 7, 11}, 0},
        {{2000, 99, 31}, D, +1, {2008, 4, 1}, 0},
        // Unreadable fields read 0; month 0 stands for December of the year before.
        {{2000, 3, 0}, D, +1, {2000, 3, 1}, 0},
        {{2000, 3, 0}, D, -1, {2000, 2, 29}, 0},
        {{0, 0, 0}, M, +1, {0, 1, 0}, 0},
        {{0, 0, 0}, M, -1, {-1, 11, 0}, 0},
    };
    for (const auto& s : steps) {
        Date date = s.from;
        const int shown = StepDate(date.data(), s.field, s.delta);
        SCOPED_TRACE(::testing::PrintToString(s.from) + " field " + std::to_string(s.field) + " by " +
                     std::to_string(s.delta));
        EXPECT_EQ(date, s.to);
        EXPECT_TRUE(s.shown == 0 || shown == s.shown) << "shows " << shown;
    }
}

TEST(DateSteps, FieldsReadAsDecimalNumbers)
{
    const struct {
        const char* text;
        int maxChars;
        int value;
    } fields[] = {
        {"2000", 4, 2000},  {"20001", 4, 2000},
        {" 7", 2, 7},       {"  7", 2, 0},
        {"-3", 2, -3},      {"+5", 2, 5},
        {"1x", 2, 1},       {"ab", 2, 0},
        {"", 2, 0},         {"-", 2, 0},
        {"\x82\x50", 2, 0},                                           // a full-width digit is no digit
        {"12", 0, 0},       {"99999999999999999999", 40, 999999999},  // never overflows
    };
    for (const auto& f : fields)
        EXPECT_EQ(ReadDateField(f.text, f.maxChars), f.value) << '"' << f.text << "\" " << f.maxChars;
}
