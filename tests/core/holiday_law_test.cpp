// Holidays by the law of each year: every day of 1900-2050 against the published list (tests/data), which
// holds every amendment's first and last year, and the law's edges with equinox days other astronomies
// might find.
#include "core/almanac/holiday_law.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "core/almanac/vesoma.h"
#include "core/vocabulary/vocabulary.h"
#include "platform/sjis.h"

namespace {

// A holiday's name as UTF-8 without the trailing blank; - for none.
std::string Name(int holiday)
{
    std::string name = platform::ToUtf8(szHolyday[holiday]);
    name.erase(name.find_last_not_of(' ') + 1);
    return name.empty() ? "-" : name;
}

}  // namespace

// The month table in law mode: none before the law of 1948, then the published days.
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
    Vesoma table;
    table.choices.holidays = Holidays::Law;
    for (int year = 1900; year <= 2050; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const int first[3] = {year, month, 1};
            table.SetCalender(first);
            for (int i = 0; i < table.nDays; ++i) {
                char date[40];  // room for any int, as the compiler asks
                std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, month, i + 1);
                const auto it = published.find(date);
                EXPECT_EQ(Name(table.Day[i].nHoly), it == published.end() ? "-" : it->second) << date;
            }
        }
    }
    for (const char* name : szHolyday)  // the grid's holiday column and the day window
        EXPECT_LE(std::strlen(name), 14u) << platform::ToUtf8(name);
}

// Equinoxes put where the astronomy might: the holidays around them follow, and a month is told only its
// own.
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
        EXPECT_EQ(Name(LawHolidayOf(c.year, c.month, c.day, c.equinoxes)), c.name)
            << c.year << "-" << c.month << "-" << c.day;
}
