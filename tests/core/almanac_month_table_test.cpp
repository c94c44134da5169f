#include <gtest/gtest.h>

#include "almanac/almanac_notes.h"
#include "almanac/vesoma.h"
#include "almanac/vocabulary.h"

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

TEST(MonthTable, HolidaysAndSubstituteHolidays)
{
    EXPECT_EQ(Day(2007, 2, 11).nHoly, 3);
    EXPECT_EQ(Day(2007, 2, 12).nHoly, 16);  // after a Sunday holiday
    EXPECT_EQ(Day(2003, 5, 5).nHoly, 8);    // a Monday holiday stays itself
    EXPECT_EQ(Day(2003, 5, 6).nHoly, 0);
    EXPECT_EQ(Day(2006, 1, 1).nHoly, 1);    // a Sunday, but the rule starts on the 3rd
    EXPECT_EQ(Day(2006, 1, 2).nHoly, 0);
    for (int year : {1999, 2000, 2001, 2002, 2003, 2004, 2005})
        EXPECT_EQ(Day(year, 5, 4).nHoly, 7) << year;
    for (const DayEntry& d : Month(2000, 6).Day)
        EXPECT_EQ(d.nHoly, 0);
}

TEST(MonthTable, EquinoxesAreHolidaysNotTermDays)
{
    EXPECT_EQ(Day(2000, 3, 20).nHoly, 4);
    EXPECT_EQ(Day(2000, 3, 20).nSekki, 0);
    EXPECT_EQ(Day(2000, 3, 5).nSekki, 24);  // 啓蟄
    EXPECT_EQ(Day(2000, 9, 22).nHoly, 0);  // the sun reaches 180 degrees at 2:28 JST on the 23rd
    EXPECT_EQ(Day(2000, 9, 23).nHoly, 11);
    EXPECT_EQ(Day(2000, 9, 23).nSekki, 0);
    EXPECT_EQ(Day(2005, 3, 20).nHoly, 4);   // a Sunday
    EXPECT_EQ(Day(2005, 3, 21).nHoly, 16);
    EXPECT_EQ(Day(2000, 6, 21).nSekki, 7);  // 夏至
    EXPECT_EQ(Day(2000, 6, 5).nSekki, 6);   // 芒種
}

TEST(MonthTable, MonthLengthsAndWeekCodes)
{
    EXPECT_EQ(Month(2000, 2).nDays, 29);
    EXPECT_EQ(nMonthl[2], 29);
    EXPECT_EQ(Month(2001, 2).nDays, 28);
    EXPECT_EQ(nMonthl[2], 28);
    EXPECT_EQ(Month(1900, 2).nDays, 28);
    EXPECT_EQ(Month(2001, 1).nWeek1, 1);
    EXPECT_EQ(Day(2001, 1, 15).nWeekCode, 97);  // third Monday
    EXPECT_EQ(Day(1900, 1, 1).nWeekCode, 33);   // a Monday
    EXPECT_EQ(Day(1900, 1, 1).nKanshi, 10);     // 甲戌
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

TEST(MonthTable, NineStarPeriodSwitch)
{
    EXPECT_EQ(Day(2000, 6, 6).nKusei, 3);
    EXPECT_EQ(Day(2000, 6, 7).nKusei, 8);  // 九紫 opens the descending period
    EXPECT_EQ(Day(2000, 6, 8).nKusei, 7);
    EXPECT_EQ(Day(2000, 12, 10).nKusei, 0);  // 一白 opens the ascending period
    EXPECT_EQ(Day(2000, 12, 11).nKusei, 1);
    EXPECT_EQ(Day(2000, 1, 1).nKusei, 8);
    EXPECT_EQ(Day(2000, 7, 1).nKusei, 2);
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

TEST(MonthTable, SixDayCycleRestartsWithEachLunisolarMonth)
{
    // June 2001: the leap 4th month runs on, the 5th month begins on the 21st.
    EXPECT_EQ(Day(2001, 5, 23).nRoki, (4 + 1 - 2) % 6);
    EXPECT_EQ(Day(2001, 6, 21).nRoki, (5 + 1 - 2) % 6);
    EXPECT_EQ(Day(2001, 6, 20).nRoki, (4 + 29 - 2) % 6);
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
    auto notes = [](int lunarMonth, int lunarDay, int solarMonth, int sexagenary) {
        const int lunar[2] = {lunarMonth, lunarDay};
        const int solar[2] = {solarMonth, sexagenary};
        return Vesoma::GetRekicyu(lunar, solar);
    };
    // Bit 0 always; 甲子 (0) in the month from 立春 (1) has no other note but 天赦日 in winter.
    EXPECT_EQ(notes(1, 1, 1, 0), 1);
    EXPECT_EQ(chkbit(notes(1, 1, 1, 11), 1), 1);   // 三隣亡 on 亥 from 立春
    EXPECT_EQ(chkbit(notes(1, 1, 2, 2), 1), 1);    // 寅 from 啓蟄
    EXPECT_EQ(chkbit(notes(1, 1, 12, 6), 1), 1);   // 午 from 小寒 (12 counts as 0)
    EXPECT_EQ(chkbit(notes(1, 1, 4, 4 + 12), 2), 1);  // 一粒万倍日 on 辰 from 立夏
    EXPECT_EQ(chkbit(notes(1, 1, 1, 14), 3), 1);   // 天赦日 戊寅 in spring
    EXPECT_EQ(chkbit(notes(1, 1, 4, 14), 3), 0);
    EXPECT_EQ(chkbit(notes(1, 1, 10, 0), 3), 1);   // 甲子 in winter
    EXPECT_EQ(chkbit(notes(7, 27, 1, 1), 4), 1);   // 不成就日
    EXPECT_EQ(chkbit(notes(6, 30, 1, 1), 4), 1);
    EXPECT_EQ(chkbit(notes(6, 29, 1, 1), 4), 0);
    const int kiShi = notes(1, 1, 1, 29);           // 癸巳
    EXPECT_EQ(chkbit(kiShi, 5), 1);
    EXPECT_EQ(chkbit(kiShi, 6), 1);
    EXPECT_EQ(chkbit(kiShi, 7), 0);
    EXPECT_EQ(chkbit(notes(1, 1, 1, 48), 7), 1);    // 八専
    EXPECT_EQ(chkbit(notes(1, 1, 1, 47), 7), 0);
    EXPECT_EQ(setbit(0, 3), 8);
}

TEST(Vocabulary, ExactBytesOfTheNames)
{
    EXPECT_EQ(std::string(szHolyday[1]).size(), 5u);   // "元日 "
    EXPECT_EQ(std::string(szHolyday[9]).size(), 6u);   // "海の日", no blank
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
