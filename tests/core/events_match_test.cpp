// Which events fall on a day, in the month grid's and the day window's ways.
#include <gtest/gtest.h>

#include "core/calendar/date_arith.h"
#include "tests/core/event_files.h"

namespace {

class EventMatching : public ::testing::Test {
protected:
    void SetUp() override { store.nMaxLen = 63; }
    void TearDown() override { StoreRecords({}); }

    // Matches the day as the month table carries it, from the first record on.
    int Check(int year, int month, int day)
    {
        int date[4] = {year, month, day, 0};
        GetDayWeek(date);
        std::memset(out, 'x', sizeof out);
        store.nStart = 0;
        return store.CheckEvent(date, out);
    }

    // How many days of year the stored records match, and the first and last.
    std::string MatchingDays(int year)
    {
        int days = 0;
        std::string first, last;
        for (int month = 1; month <= 12; ++month) {
            int date[3] = {year, month, 1};
            for (int day = 1; day <= GetMaxDate(date); ++day) {
                if (Check(year, month, day) <= 0)
                    continue;
                last = std::to_string(month) + "/" + std::to_string(day);
                first = ++days == 1 ? last : first;
            }
        }
        return days == 0 ? "0" : std::to_string(days) + " from " + first + " to " + last;
    }

    Events store;
    char out[64];
};

const std::string kThirty(30, 'n');

}  // namespace

TEST_F(EventMatching, GridTextOfADay)
{
    struct Case {
        std::vector<EventRecord> records;
        int maxLen, year, month, day, count;
        std::string text;
    } const cases[] = {
        {{Record(1996, 5, 3, -1, "A"), Record(0, 5, 3, -1, "B"), Record(0, 0, 4, -1, "N"),
          Record(1996, 0, 3, -1, "C")},
         63,
         1996,
         5,
         3,
         3,
         "A,B,C "},
        {{Record(1996, 5, 3, -1, "A"), Record(0, 5, 3, -1, "B")}, 63, 1997, 6, 3, 0, " "},
        // Names that do not fit are counted only.
        {{Record(0, 0, 3, -1, kThirty), Record(0, 0, 3, -1, kThirty), Record(0, 0, 3, -1, kThirty)},
         63,
         1996,
         5,
         3,
         3,
         kThirty + "," + kThirty + " "},
        {{Record(0, 0, 3, -1, std::string(63, 'm'))}, 63, 1996, 5, 3, 1, " "},
        // The start-up count: no limit set, every event counted, no name.
        {{Record(0, 0, 3, -1, "A"), Record(0, 0, 3, -1, "B")}, 0, 1996, 5, 3, 2, " "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " on " + std::to_string(c.month) + "/" + std::to_string(c.day));
        StoreRecords(c.records);
        store.nMaxLen = c.maxLen;
        EXPECT_EQ(Check(c.year, c.month, c.day), c.count);
        EXPECT_EQ(out, c.text);
        EXPECT_EQ(Events::nDayCount, c.count);
    }
}

TEST_F(EventMatching, DaysOfAYear)
{
    struct Case {
        EventRecord record;
        int year;
        const char* days;
    } const cases[] = {
        // 1996 began on a Monday and was a leap year: 53 Mondays and 53 Tuesdays.
        {Record(0, 0, 0, 2, "every Tuesday"), 1996, "53 from 1/2 to 12/31"},
        {Record(0, 0, 0, 2, "every Tuesday"), 1997, "52 from 1/7 to 12/30"},
        {Record(0, 0, 0, 66, "second Tuesday"), 1996, "12 from 1/9 to 12/10"},
        // Fifth Saturdays of 1996: March, June, August and November.
        {Record(0, 0, 0, 166, "fifth Saturday"), 1996, "4 from 3/30 to 11/30"},
        {Record(1996, 2, 0, 0, "Sundays of February 1996"), 1996, "4 from 2/4 to 2/25"},
        {Record(1996, 2, 0, 0, "Sundays of February 1996"), 1997, "0"},
        {Record(1996, 0, 1, -1, "first of each month"), 1996, "12 from 1/1 to 12/1"},
        {Record(1996, 0, 1, -1, "first of each month"), 1997, "0"},
        // Out-of-range fields of a weekday rule never match.
        {Record(1996, 13, 0, 66, "never"), 1996, "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.record.szEvent) + " " + std::to_string(c.year));
        StoreRecords({c.record});
        EXPECT_EQ(MatchingDays(c.year), c.days);
    }
}

TEST_F(EventMatching, OneEventPerCall)
{
    StoreRecords({Record(0, 0, 3, -1, "A"), Record(0, 0, 4, -1, "N"), Record(0, 0, 3, -1, "B"),
                  Record(0, 0, 3, -1, "C")});
    store.nMode = 1;
    int date[4] = {1996, 5, 3, 0};
    GetDayWeek(date);
    for (const char* name : {"A ", "B ", "C "}) {
        EXPECT_EQ(store.CheckEvent(date, out), 1);
        EXPECT_STREQ(out, name);
    }
    EXPECT_EQ(store.nStart, 4);
    EXPECT_EQ(store.CheckEvent(date, out), 0);
    EXPECT_STREQ(out, " ");
    EXPECT_EQ(store.nStart, 4);

    // More records than the block holds: no match, and the text left alone.
    Events::nCount = 5;
    std::strcpy(out, "untouched");
    EXPECT_EQ(store.CheckEvent(date, out), -1);
    EXPECT_STREQ(out, "untouched");
}
