#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "core/almanac/almanac_notes.h"
#include "core/almanac/month_tables.h"
#include "core/almanac/vesoma.h"
#include "core/vocabulary/vocabulary.h"

namespace {

const Vesoma& Month(int year, int month)
{
    static Vesoma table;
    const int date[3] = {year, month, 1};
    table.SetCalender(date);
    return table;
}

const DayEntry& Day(int year, int month, int day)
{
    return Month(year, month).Day[day - 1];
}

}  // namespace

TEST(MonthTable, DayFieldsOnTheirKnownDays)
{
    struct Case {
        int year, month, day;
        std::int32_t DayEntry::*field;
        int expected;
        const char* why;
    } cases[] = {
        {2007, 2, 11, &DayEntry::nHoly, 3, "建国記念の日 on a Sunday"},
        {2007, 2, 12, &DayEntry::nHoly, 16, "振替休日 after a Sunday holiday"},
        {2003, 5, 5, &DayEntry::nHoly, 8, "a Monday holiday stays itself"},
        {2003, 5, 6, &DayEntry::nHoly, 0, "no substitute for a Monday holiday"},
        {2006, 1, 2, &DayEntry::nHoly, 0, "the substitute rule starts on the 3rd"},
        {2002, 5, 4, &DayEntry::nHoly, 7, "4 May, the holiday without a name"},
        {2000, 3, 20, &DayEntry::nHoly, 4, "春分の日"},
        {2000, 3, 20, &DayEntry::nSekki, 0, "an equinox is a holiday, not a term day"},
        {2000, 3, 5, &DayEntry::nSekki, 24, "啓蟄"},
        {2000, 9, 22, &DayEntry::nHoly, 0, "the sun reaches 180 degrees at 2:28 JST on the 23rd"},
        {2000, 9, 23, &DayEntry::nHoly, 11, "秋分の日"},
        {2005, 3, 21, &DayEntry::nHoly, 16, "振替休日 after a Sunday equinox"},
        {2000, 6, 21, &DayEntry::nSekki, 7, "夏至"},
        {2001, 1, 15, &DayEntry::nWeekCode, 97, "third Monday"},
        {1900, 1, 1, &DayEntry::nWeekCode, 33, "1 January 1900 was a Monday"},
        {1900, 1, 1, &DayEntry::nKanshi, 10, "甲戌"},
        {2000, 6, 6, &DayEntry::nKusei, 3, "ascending period"},
        {2000, 6, 7, &DayEntry::nKusei, 8, "九紫 opens the descending period"},
        {2000, 6, 8, &DayEntry::nKusei, 7, "descending"},
        {2000, 12, 10, &DayEntry::nKusei, 0, "一白 opens the ascending period"},
        {2001, 5, 23, &DayEntry::nRoki, 3, "a leap month restarts the six-day cycle"},
        {2001, 6, 20, &DayEntry::nRoki, 1, "day 29 of the leap month"},
        {2001, 6, 21, &DayEntry::nRoki, 4, "the 5th month restarts it again"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Day(c.year, c.month, c.day).*c.field, c.expected)
            << c.year << "/" << c.month << "/" << c.day << ": " << c.why;
    for (const DayEntry& d : Month(2000, 6).Day)
        EXPECT_EQ(d.nHoly, 0);  // June has no holiday
}

TEST(MonthTable, MonthLengthsFollowTheLeapYears)
{
    EXPECT_EQ(Month(2000, 2).nDays, 29);
    EXPECT_EQ(nMonthl[2], 29);
    EXPECT_EQ(Month(2001, 2).nDays, 28);
    EXPECT_EQ(nMonthl[2], 28);
    EXPECT_EQ(Month(1900, 2).nDays, 28);
}

TEST(MonthTable, OfficerRepeatsOnTheFirstTermDayOnly)
{
    for (int month = 1; month <= 12; ++month) {
        const Vesoma& table = Month(2000, month);
        int repeats = 0;
        for (int i = 1; i < table.nDays; ++i) {
            const DayEntry& d = table.Day[i];
            if (d.nChoku == table.Day[i - 1].nChoku) {
                ++repeats;
                EXPECT_TRUE(d.nSekki > 0 && d.nSekki % 2 == 0) << month << "/" << i + 1;
            } else {
                EXPECT_EQ(d.nChoku, (table.Day[i - 1].nChoku + 1) % 12);
            }
        }
        EXPECT_EQ(repeats, 1) << month;
    }
}

TEST(MonthTable, LeapMonthsCarryTheFlagOnEveryDay)
{
    struct Leap {
        int year, month;
    } leaps[] = {{2001, 4}, {2004, 2}, {2012, 3}, {2014, 9}, {2017, 5}, {2020, 4}, {2023, 2}};
    for (const Leap& leap : leaps) {
        int leapDays = 0;
        int plainDays = 0;
        for (int month = 1; month <= 12; ++month) {
            const Vesoma& table = Month(leap.year, month);
            for (int i = 0; i < table.nDays; ++i) {
                const DayEntry& d = table.Day[i];
                if (d.nInMonth != leap.month)
                    continue;
                if (d.nUrus == 1) {
                    ++leapDays;
                    // The leap month follows its plain namesake directly.
                    EXPECT_GT(plainDays, 28) << leap.year;
                } else {
                    EXPECT_EQ(leapDays, 0) << "plain days after the leap month " << leap.year;
                    ++plainDays;
                }
            }
        }
        EXPECT_GE(leapDays, 29) << leap.year;
        EXPECT_LE(leapDays, 30) << leap.year;
        EXPECT_GE(plainDays, 29) << leap.year;
    }
}

TEST(MonthTable, SelectedDayIsKeptWithinTheMonth)
{
    Vesoma table;
    const int selected[3] = {2000, 1, 31};
    table.SetDate(selected);
    const int february[3] = {2000, 2, 1};
    table.SetCalender(february);
    EXPECT_EQ(table.nDay, 29);
    const int march[3] = {2000, 3, 1};
    table.SetCalender(march);
    EXPECT_EQ(table.nDay, 29);
    Vesoma fresh;
    fresh.SetCalender(march);
    EXPECT_EQ(fresh.nDay, 1);
}

TEST(AlmanacNotes, EachRuleOnItsOwnDays)
{
    struct Case {
        int lunarMonth, lunarDay, solarMonth, sexagenary, bit, expected;
    } cases[] = {
        {1, 1, 1, 11, 1, 1},                                            // 三隣亡 on 亥 from 立春
        {1, 1, 2, 2, 1, 1},                                             // on 寅 from 啓蟄
        {1, 1, 12, 6, 1, 1},                                            // on 午 from 小寒 (12 counts as 0)
        {1, 1, 1, 6, 1, 0},  {1, 1, 4, 16, 2, 1},                       // 一粒万倍日 on 辰 from 立夏
        {1, 1, 1, 14, 3, 1},                                            // 天赦日: 戊寅 in spring
        {1, 1, 4, 14, 3, 0}, {1, 1, 10, 0, 3, 1},                       // 甲子 in winter
        {7, 27, 1, 1, 4, 1},                                            // 不成就日
        {6, 30, 1, 1, 4, 1}, {6, 29, 1, 1, 4, 0}, {1, 1, 1, 29, 5, 1},  // 癸巳: 天上天一 and 十方暮 together
        {1, 1, 1, 29, 6, 1}, {1, 1, 1, 29, 7, 0}, {1, 1, 1, 48, 7, 1},  // 八専
        {1, 1, 1, 47, 7, 0},
    };
    for (const Case& c : cases) {
        const int lunar[2] = {c.lunarMonth, c.lunarDay};
        const int solar[2] = {c.solarMonth, c.sexagenary};
        const int notes = Vesoma::GetRekicyu(lunar, solar);
        EXPECT_EQ(chkbit(notes, 0), 1);
        EXPECT_EQ(chkbit(notes, c.bit), c.expected)
            << c.lunarMonth << "/" << c.lunarDay << " month " << c.solarMonth << " g " << c.sexagenary;
    }
}

TEST(Vocabulary, ExactBytesOfTheNames)
{
    EXPECT_EQ(std::string(szHolyday[1]).size(), 5u);  // "元日 "
    EXPECT_EQ(std::string(szHolyday[9]).size(), 6u);  // "海の日", no blank
    EXPECT_EQ(std::string(szHolyday[14]).size(), 12u);
    EXPECT_STREQ(szHolyday[7], "");
    EXPECT_STREQ(szUrus[0], "  ");
    EXPECT_EQ(std::string(szSekki[27]).size(), 6u);
    EXPECT_STREQ(szSekki[24], "");
    for (const char* name : szKusei)
        EXPECT_EQ(std::string(name).size(), 4u);
    for (const char* name : szShuku)
        EXPECT_EQ(std::string(name).size(), 2u);
}
