// Which days of a year an event falls on, the weekday rules above all. The
// grid's text of a day and the day window's one-by-one listing are locked by
// the golden outputs.
#include <tuple>

#include <gtest/gtest.h>

#include "core/calendar/date_arith.h"
#include "tests/core/event_files.h"

TEST(EventMatching, DaysOfAYear)
{
    const std::tuple<EventRecord, int, const char*> cases[] = {
        // 1996 began on a Monday and was a leap year: 53 Mondays and 53 Tuesdays.
        {Record(0, 0, 0, 2, "every Tuesday"), 1996, "53 1/2-12/31"},
        {Record(0, 0, 0, 2, "every Tuesday"), 1997, "52 1/7-12/30"},
        {Record(0, 0, 0, 66, "second Tuesday"), 1996, "12 1/9-12/10"},
        {Record(0, 0, 0, 166, "fifth Saturday"), 1996, "4 3/30-11/30"},
        {Record(1996, 2, 0, 0, "Sundays of February 1996"), 1996, "4 2/4-2/25"},
        {Record(1996, 2, 0, 0, "Sundays of February 1996"), 1997, "0 -"},
        {Record(1996, 0, 1, -1, "first of each month"), 1996, "12 1/1-12/1"},
        {Record(0, 2, 29, -1, "leap day"), 1997, "0 -"},
        {Record(1996, 13, 0, 66, "out of range: never"), 1996, "0 -"},
    };
    Events store;
    store.nMaxLen = 63;
    for (const auto& [record, year, expected] : cases) {
        StoreRecords({record});
        int days = 0;
        std::string first, last;
        for (int month = 1; month <= 12; ++month) {
            int date[4] = {year, month, 1, 0};
            for (int day = 1, length = GetMaxDate(date); day <= length; ++day) {
                date[2] = day;
                GetDayWeek(date);
                char names[64];
                if (store.CheckEvent(date, names) > 0)
                    (++days == 1 ? first : last) = std::to_string(month) + "/" + std::to_string(day);
            }
        }
        EXPECT_EQ(std::to_string(days) + " " + first + "-" + (days > 1 ? last : first), expected)
            << record.szEvent << " " << year;
    }
    StoreRecords({});
}
