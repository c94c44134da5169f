// Every month the almanac can show, 1900-2100, checked against the calendar
// functions and against itself.
#include <cstdint>
#include <map>
#include <vector>

#include <gtest/gtest.h>

#include "core/almanac/vesoma.h"
#include "core/calendar/date_arith.h"
#include "core/calendar/lunisolar.h"

namespace {

struct MonthStart {
    int lunarYear;
    int month;
    int leap;
};

class WholeRange : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        for (int year = 1900; year <= 2100; ++year) {
            for (int month = 1; month <= 12; ++month) {
                Vesoma table;
                const int date[3] = {year, month, 1};
                table.SetCalender(date);
                for (int i = 0; i < table.nDays; ++i)
                    days_->push_back(table.Day[i]);
            }
        }
    }
    static std::vector<DayEntry>* days_;
};

std::vector<DayEntry>* WholeRange::days_ = new std::vector<DayEntry>;

}  // namespace

TEST_F(WholeRange, EveryFieldInRange)
{
    ASSERT_EQ(days_->size(), 73414u);
    for (const DayEntry& d : *days_) {
        SCOPED_TRACE(::testing::Message() << d.nYear << "/" << d.nMonth << "/" << d.nDay);
        ASSERT_EQ(d.nWeekCode / 32, (d.nDay - 1) / 7 + 1);
        ASSERT_TRUE(d.nInMonth >= 1 && d.nInMonth <= 12);
        ASSERT_TRUE(d.nInDay >= 1 && d.nInDay <= 30);
        ASSERT_TRUE(d.nUrus == 0 || d.nUrus == 1);
        ASSERT_TRUE(d.nKanshi >= 0 && d.nKanshi < 60);
        ASSERT_TRUE(d.nKusei >= 0 && d.nKusei < 9);
        ASSERT_TRUE(d.nRoki >= 0 && d.nRoki < 6);
        ASSERT_TRUE(d.nShuku >= 0 && d.nShuku < 28);
        ASSERT_TRUE(d.nChoku >= 0 && d.nChoku < 12);
        ASSERT_TRUE(d.nReki >= 1 && d.nReki < 256 && (d.nReki & 1) == 1);
        ASSERT_TRUE(d.nHoly >= 0 && d.nHoly <= 16);
        ASSERT_TRUE(d.nSekki >= 0 && d.nSekki <= 24);
    }
}

TEST_F(WholeRange, CyclesContinueAcrossMonthEnds)
{
    const std::vector<DayEntry>& days = *days_;
    for (std::size_t i = 1; i < days.size(); ++i) {
        const DayEntry& a = days[i - 1];
        const DayEntry& b = days[i];
        SCOPED_TRACE(::testing::Message() << b.nYear << "/" << b.nMonth << "/" << b.nDay);
        ASSERT_EQ((a.nWeekCode % 32 + 1) % 7, b.nWeekCode % 32);
        ASSERT_EQ((a.nKanshi + 1) % 60, b.nKanshi);
        ASSERT_EQ((a.nShuku + 1) % 28, b.nShuku);
        const bool newLunarMonth = b.nInDay == 1;
        if (newLunarMonth) {
            ASSERT_GE(a.nInDay, 29);
            ASSERT_EQ(b.nRoki, (b.nInMonth + 1 - 2) % 6);
        } else {
            ASSERT_EQ(a.nInDay + 1, b.nInDay);
            ASSERT_EQ(a.nInMonth, b.nInMonth);
            ASSERT_EQ(a.nUrus, b.nUrus);
            ASSERT_EQ((a.nRoki + 1) % 6, b.nRoki);
        }
        const int step = (b.nKusei - a.nKusei + 9) % 9;
        ASSERT_TRUE(step == 1 || step == 8 || b.nKusei == 0 || b.nKusei == 8);
    }
}

TEST_F(WholeRange, EveryDayAgreesWithItsOwnLunisolarDateAndNewMoon)
{
    for (const DayEntry& d : *days_) {
        const int date[3] = {d.nYear, d.nMonth, d.nDay};
        int lunar[4];
        std::int32_t dayNumber;
        Calc_Inreki(lunar, date, &dayNumber);
        ASSERT_EQ(lunar[1], d.nInMonth) << d.nYear << "/" << d.nMonth << "/" << d.nDay;
        ASSERT_EQ(lunar[2], d.nInDay) << d.nYear << "/" << d.nMonth << "/" << d.nDay;
        ASSERT_EQ(lunar[3], d.nUrus) << d.nYear << "/" << d.nMonth << "/" << d.nDay;
        double t;
        calcnen(&t, date, &dayNumber);
        double record[2];
        ASSERT_EQ(saku(t, record) == 1, d.nInDay == 1) << d.nYear << "/" << d.nMonth << "/" << d.nDay;
    }
}

TEST_F(WholeRange, LunisolarYearsHaveTwelveOrThirteenMonthsAndOneLeapAtMost)
{
    std::map<int, std::vector<MonthStart>> years;
    for (const DayEntry& d : *days_) {
        if (d.nInDay != 1)
            continue;
        const int date[3] = {d.nYear, d.nMonth, d.nDay};
        int lunar[4];
        std::int32_t dayNumber;
        Calc_Inreki(lunar, date, &dayNumber);
        years[lunar[0]].push_back({lunar[0], lunar[1], lunar[3]});
    }
    // The first and last lunisolar years are cut by the range.
    years.erase(years.begin());
    years.erase(std::prev(years.end()));
    for (const auto& [year, months] : years) {
        int leaps = 0;
        for (const MonthStart& m : months)
            leaps += m.leap;
        EXPECT_TRUE(months.size() == 12 || months.size() == 13) << year << ": " << months.size();
        EXPECT_LE(leaps, 1) << year;
        // The series number three months out of the usual order: a leap month
        // in a twelve-month year (1984, 2033, 2052) and a month number repeated
        // without leap in the year after (1985, 2053).
        const bool renumbered = year == 1984 || year == 2033 || year == 2052;
        const bool repeated = year == 1985 || year == 2053;
        if (months.size() == 13)
            EXPECT_EQ(leaps, repeated ? 0 : 1) << year;
        else
            EXPECT_EQ(leaps, renumbered ? 1 : 0) << year;
    }
}
