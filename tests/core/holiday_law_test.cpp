// Holidays by the law of each year: every day of 1900-2050 against the
// published list (tests/data), the law's landmarks, and its edges with
// equinox days other astronomies might find.
#include "core/almanac/holiday_law.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "core/almanac/vesoma.h"
#include "core/calendar/solar_terms.h"
#include "core/vocabulary/vocabulary.h"
#include "platform/sjis.h"

namespace {

// The equinox days the almanac's own astronomy finds for year.
EquinoxDays Equinoxes(int year)
{
    int march[4] = {year, 3, 15, 0};
    int september[4] = {year, 9, 15, 0};
    std::int32_t unused;
    const bool found = CalcSekki(march, &unused) == 0 && CalcSekki(september, &unused) == 0;
    EXPECT_TRUE(found && march[3] == 0 && september[3] == 12) << year;
    return {march[2], september[2]};
}

// A holiday's name as UTF-8 without the trailing blank; - for none.
std::string Name(int holiday)
{
    std::string name = platform::ToUtf8(szHolyday[holiday]);
    name.erase(name.find_last_not_of(' ') + 1);
    return name.empty() ? "-" : name;
}

// The name shown on a date.
std::string Law(int year, int month, int day, EquinoxDays equinoxes)
{
    return Name(LawHolidayOf(year, month, day, equinoxes));
}

}  // namespace

// The month table in law mode: none before the law of 1948, then the
// published days, and the count of days off in years well known.
TEST(HolidayLaw, EveryDayOf1900To2050AsPublished)
{
    std::map<std::string, std::string> published;
    std::string path = __FILE__;
    std::ifstream list(path.substr(0, path.rfind("core/")) + "data/holidays_1948_2050.txt");
    for (std::string date, name; list >> date >> name;) {
        if (date == "#")
            std::getline(list, name);
        else
            published[date] = name;
    }
    ASSERT_GT(published.size(), 1500u);
    int daysOff[2051 - 1900] = {};
    Vesoma table;
    table.choices.holidays = Holidays::Law;
    for (int year = 1900; year <= 2050; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const int first[3] = {year, month, 1};
            table.SetCalender(first);
            for (int i = 0; i < table.nDays; ++i) {
                char date[16];
                std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, month, i + 1);
                const auto it = published.find(date);
                EXPECT_EQ(Name(table.Day[i].nHoly), it == published.end() ? "-" : it->second) << date;
                daysOff[year - 1900] += table.Day[i].nHoly > 0;
            }
        }
    }
    const int counts[][2] = {{1947, 0}, {1948, 3},  {1949, 9},  {1958, 9}, {1959, 10},
                             {1965, 9}, {2019, 22}, {2020, 18}, {2021, 17}};
    for (const auto& count : counts)
        EXPECT_EQ(daysOff[count[0] - 1900], count[1]) << count[0];
    for (const char* name : szHolyday)  // the grid's holiday column and the day window
        EXPECT_LE(std::strlen(name), 14u) << platform::ToUtf8(name);
}

// The amendments' first and last years, 振替休日 reaching on from 2007, the
// days between two holidays and 2019-2021, with the almanac's equinoxes.
TEST(HolidayLaw, Landmarks)
{
    std::istringstream cases(  // a date and its name, - for none
        "1999-01-15 成人の日 2000-01-10 成人の日 2000-01-15 - 1966-02-11 - "
        "1967-02-11 建国記念の日 1988-04-29 天皇誕生日 1989-04-29 みどりの日 "
        "2006-04-29 みどりの日 2007-04-29 昭和の日 2006-05-04 休日 2007-05-04 みどりの日 "
        "1988-12-23 - 1989-12-23 天皇誕生日 2018-12-24 振替休日 2019-12-23 - "
        "2020-02-23 天皇誕生日 1995-07-20 - 1996-07-20 海の日 2002-07-20 海の日 "
        "2003-07-21 海の日 2015-08-11 - 2016-08-11 山の日 1965-09-15 - 1966-09-15 敬老の日 "
        "2002-09-16 振替休日 2003-09-15 敬老の日 2004-09-15 - 1966-10-10 体育の日 "
        "1999-10-11 振替休日 2000-10-09 体育の日 2019-10-14 体育の日 2022-10-10 スポーツの日 "
        "1973-02-12 - 1973-04-30 振替休日 2008-05-06 振替休日 2025-05-06 振替休日 "
        "1986-05-04 - 1987-05-04 振替休日 1988-05-04 休日 2009-09-22 休日 2015-09-22 休日 "
        "2019-04-30 休日 2019-05-01 即位の日 2019-05-02 休日 2019-10-22 即位礼正殿の儀 "
        "2020-07-20 - 2020-07-24 スポーツの日 2020-08-10 山の日 2021-07-22 海の日 "
        "2021-08-09 振替休日 2021-10-11 - ");
    for (std::string date, name; cases >> date >> name;) {
        int year, month, day;
        ASSERT_EQ(std::sscanf(date.c_str(), "%d-%d-%d", &year, &month, &day), 3);
        EXPECT_EQ(Law(year, month, day, Equinoxes(year)), name) << date;
    }
}

// Equinoxes put where the astronomy might: the holidays around them follow,
// and a month is told only its own.
TEST(HolidayLaw, EquinoxesAsGivenAndTheDaysBesideThem)
{
    const struct {
        int year, month, day;
        EquinoxDays equinoxes;
        const char* name;
    } cases[] = {
        {1948, 9, 22, {0, 22}, "秋分の日"},
        {1948, 3, 21, {21, 0}, "-"},         // the law of 20 July 1948
        {2007, 9, 16, {0, 15}, "休日"},      // a Sunday between two holidays from 2007
        {2006, 9, 17, {0, 16}, "-"},         // but not before
        {2007, 9, 18, {0, 16}, "振替休日"},  // after 秋分 on Sunday and 敬老の日
        {2006, 9, 19, {0, 17}, "-"},         // but not before
        {2015, 9, 22, {0, 0}, "-"},          // no equinox known: no 休日 either
        {2009, 9, 22, {21, 0}, "-"},         // March's equinox is no September day
        {2019, 4, 30, {0, 0}, "休日"},
        {2100, 1, 11, {20, 23}, "成人の日"},
        {2100, 2, 23, {20, 23}, "天皇誕生日"},
        {2100, 2, 29, {20, 23}, "-"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Law(c.year, c.month, c.day, c.equinoxes), c.name)
            << c.year << "-" << c.month << "-" << c.day;
}
