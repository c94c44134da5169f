// Holidays by the law at its edges, with equinox days other astronomies might
// find; the days of 1900-2100 as shown are locked by the golden outputs.
#include "core/almanac/holiday_law.h"

#include <string>

#include <gtest/gtest.h>

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

// Equinoxes put where the astronomy might: the holidays around them follow,
// and a month is told only its own.
TEST(HolidayLaw, EquinoxesAsGivenAndTheDaysBesideThem)
{
    const struct {
        int year, month, day;
        EquinoxDays equinoxes;
        const char* name;
    } cases[] = {
        {1948, 9, 22, {0, 22}, "秋分の日"}, {1948, 3, 21, {21, 0}, "-"},  // the law of 20 July 1948
        {2007, 9, 16, {0, 15}, "休日"},      // a Sunday between two holidays from 2007
        {2006, 9, 17, {0, 16}, "-"},         // but not before
        {2007, 9, 18, {0, 16}, "振替休日"},  // after 秋分 on Sunday and 敬老の日
        {2006, 9, 19, {0, 17}, "-"},         // but not before
        {2015, 9, 22, {0, 0}, "-"},          // no equinox known: no 休日 either
        {2009, 9, 22, {21, 0}, "-"},         // March's equinox is no September day
        {2100, 2, 29, {20, 23}, "-"},        // no such day
    };
    for (const auto& c : cases)
        EXPECT_EQ(Name(LawHolidayOf(c.year, c.month, c.day, c.equinoxes)), c.name)
            << c.year << "-" << c.month << "-" << c.day;
}
