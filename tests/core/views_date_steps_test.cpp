// The date dialog's arrow steps and field reading, without the dialog.
#include <gtest/gtest.h>

#include <array>

#include "views/date_steps.h"

namespace {

using Date = std::array<int, 3>;

struct Stepped {
    Date date;
    int shown;
};

Stepped Step(Date date, DateField field, int delta)
{
    const int shown = StepDate(date.data(), field, delta);
    return {date, shown};
}

constexpr int kAll = kYearField | kMonthField | kDayField;

}  // namespace

TEST(DateSteps, DayArrowsCarryAcrossMonthsAndYears)
{
    EXPECT_EQ(Step({2000, 12, 31}, kDayField, +1).date, (Date{2001, 1, 1}));
    EXPECT_EQ(Step({2000, 12, 31}, kDayField, +1).shown, kAll);
    EXPECT_EQ(Step({2000, 1, 1}, kDayField, -1).date, (Date{1999, 12, 31}));
    EXPECT_EQ(Step({2000, 1, 31}, kDayField, +1).date, (Date{2000, 2, 1}));
    EXPECT_EQ(Step({2000, 1, 31}, kDayField, +1).shown, kMonthField | kDayField);
    EXPECT_EQ(Step({2000, 5, 10}, kDayField, +1).date, (Date{2000, 5, 11}));
    EXPECT_EQ(Step({2000, 5, 10}, kDayField, +1).shown, kDayField);
}

TEST(DateSteps, DayArrowsKnowLeapFebruaries)
{
    EXPECT_EQ(Step({2000, 3, 1}, kDayField, -1).date, (Date{2000, 2, 29}));
    EXPECT_EQ(Step({1999, 3, 1}, kDayField, -1).date, (Date{1999, 2, 28}));
    EXPECT_EQ(Step({1900, 3, 1}, kDayField, -1).date, (Date{1900, 2, 28}));
    EXPECT_EQ(Step({2000, 2, 28}, kDayField, +1).date, (Date{2000, 2, 29}));
    EXPECT_EQ(Step({2000, 2, 29}, kDayField, +1).date, (Date{2000, 3, 1}));
    EXPECT_EQ(Step({2001, 2, 28}, kDayField, +1).date, (Date{2001, 3, 1}));
    // A typed day beyond the month starts the next month.
    EXPECT_EQ(Step({2001, 2, 40}, kDayField, -1).date, (Date{2001, 3, 1}));
}

TEST(DateSteps, MonthArrowsCarryIntoTheYearAndLeaveTheDay)
{
    EXPECT_EQ(Step({2000, 12, 31}, kMonthField, +1).date, (Date{2001, 1, 31}));
    EXPECT_EQ(Step({2000, 12, 31}, kMonthField, +1).shown, kYearField | kMonthField);
    EXPECT_EQ(Step({2000, 1, 5}, kMonthField, -1).date, (Date{1999, 12, 5}));
    EXPECT_EQ(Step({2000, 1, 31}, kMonthField, +1).date, (Date{2000, 2, 31}));
    EXPECT_EQ(Step({2000, 1, 31}, kMonthField, +1).shown, kMonthField);
    // Typed months beyond the year carry whole years.
    EXPECT_EQ(Step({2000, 24, 1}, kMonthField, +1).date, (Date{2002, 1, 1}));
    EXPECT_EQ(Step({2000, -9, 1}, kMonthField, -1).date, (Date{1999, 2, 1}));
}

TEST(DateSteps, YearArrowsCarryTheTypedMonthButLeaveIt)
{
    const Stepped leap = Step({2000, 2, 29}, kYearField, +1);
    EXPECT_EQ(leap.date, (Date{2001, 2, 29}));
    EXPECT_EQ(leap.shown, kYearField);
    const Stepped thirteen = Step({2000, 13, 1}, kYearField, +1);
    EXPECT_EQ(thirteen.date, (Date{2002, 13, 1}));
    EXPECT_EQ(thirteen.shown, kYearField);
    // Month 0 takes a year away again: the step and the carry cancel.
    EXPECT_EQ(Step({2000, 0, 1}, kYearField, +1).date, (Date{2000, 0, 1}));
    // Steps are not bounded to the years OK accepts.
    EXPECT_EQ(Step({2100, 6, 1}, kYearField, +1).date, (Date{2101, 6, 1}));
    EXPECT_EQ(Step({0, 6, 1}, kYearField, -1).date, (Date{-1, 6, 1}));
}

TEST(DateSteps, DayArrowsWithMonthsWithoutDays)
{
    // Months 0 and 13 have no days, so every day carries into the next month.
    EXPECT_EQ(Step({2000, 0, 5}, kDayField, +1).date, (Date{2000, 1, 1}));
    EXPECT_EQ(Step({2000, 0, 5}, kDayField, -1).date, (Date{2000, 1, 1}));
    EXPECT_EQ(Step({2000, 13, 5}, kDayField, +1).date, (Date{2001, 2, 1}));
    EXPECT_EQ(Step({2000, 13, 5}, kDayField, -1).date, (Date{2001, 2, 1}));
    EXPECT_EQ(Step({2000, 13, 5}, kDayField, -1).shown, kAll);
    EXPECT_EQ(Step({2000, 0, 1}, kDayField, -1).date, (Date{1999, 11, 30}));
    // Beyond 0-13 the month is made real first, then the day steps in it.
    EXPECT_EQ(Step({2000, 20, 1}, kDayField, -1).date, (Date{2001, 7, 31}));
    EXPECT_EQ(Step({2000, 20, 1}, kDayField, -1).shown, kAll);
    EXPECT_EQ(Step({2000, 14, 10}, kDayField, +1).date, (Date{2001, 2, 11}));
    EXPECT_EQ(Step({2000, -5, 10}, kDayField, +1).date, (Date{1999, 7, 11}));
    EXPECT_EQ(Step({2000, 99, 31}, kDayField, +1).date, (Date{2008, 4, 1}));
}

TEST(DateSteps, EmptyOrTextFieldsStepFromZero)
{
    // An unreadable day reads 0: up gives the 1st, down the last of the month before.
    EXPECT_EQ(Step({2000, 3, 0}, kDayField, +1).date, (Date{2000, 3, 1}));
    EXPECT_EQ(Step({2000, 3, 0}, kDayField, -1).date, (Date{2000, 2, 29}));
    EXPECT_EQ(Step({0, 0, 0}, kMonthField, +1).date, (Date{0, 1, 0}));
    // Month 0 stands for December of the year before, so down gives November.
    EXPECT_EQ(Step({0, 0, 0}, kMonthField, -1).date, (Date{-1, 11, 0}));
}

TEST(DateSteps, FieldsReadAsDecimalNumbers)
{
    EXPECT_EQ(ReadDateField("2000", 4), 2000);
    EXPECT_EQ(ReadDateField("20001", 4), 2000);  // only four characters count
    EXPECT_EQ(ReadDateField(" 7", 2), 7);
    EXPECT_EQ(ReadDateField("  7", 2), 0);
    EXPECT_EQ(ReadDateField("-3", 2), -3);
    EXPECT_EQ(ReadDateField("+5", 2), 5);
    EXPECT_EQ(ReadDateField("1x", 2), 1);
    EXPECT_EQ(ReadDateField("ab", 2), 0);
    EXPECT_EQ(ReadDateField("", 2), 0);
    EXPECT_EQ(ReadDateField("-", 2), 0);
    EXPECT_EQ(ReadDateField("\x82\x50", 2), 0);  // a full-width digit is no digit
    EXPECT_EQ(ReadDateField("12", 0), 0);
    EXPECT_EQ(ReadDateField("99999999999999999999", 40), 999999999);  // never overflows
}
