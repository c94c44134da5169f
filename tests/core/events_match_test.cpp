// Which events fall on a day, in the month grid's and the day window's ways.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "calendar/date_arith.h"
#include "events/events.h"

namespace {

void StoreRecords(const std::vector<EventRecord>& records)
{
    Events::hMem = records;
    Events::nCount = static_cast<int>(records.size());
}

EventRecord Record(int year, int month, int day, int weekCode, const std::string& name)
{
    EventRecord record{year, month, day, weekCode, {}};
    std::strncpy(record.szEvent, name.c_str(), sizeof record.szEvent - 1);
    return record;
}

class EventMatching : public ::testing::Test {
protected:
    void SetUp() override
    {
        store.nMode = 0;
        store.nMaxLen = 63;
        store.nStart = 0;
    }
    void TearDown() override { StoreRecords({}); }

    // The day's four ints as the month table carries them.
    int Check(int year, int month, int day)
    {
        int date[4] = {year, month, day, 0};
        GetDayWeek(date);
        std::memset(out, 'x', sizeof out);
        return store.CheckEvent(date, out);
    }

    // Days of year on which the stored records match.
    int MatchingDays(int year)
    {
        int days = 0;
        for (int month = 1; month <= 12; ++month) {
            int date[3] = {year, month, 1};
            for (int day = 1; day <= GetMaxDate(date); ++day) {
                store.nStart = 0;
                days += Check(year, month, day) > 0;
            }
        }
        return days;
    }

    Events store;
    char out[64];
};

}  // namespace

TEST_F(EventMatching, GridTextOfADay)
{
    StoreRecords({Record(1996, 5, 3, -1, "A"), Record(0, 5, 3, -1, "B"), Record(0, 0, 4, -1, "N"),
                  Record(1996, 0, 3, -1, "C")});
    EXPECT_EQ(Check(1996, 5, 3), 3);
    EXPECT_STREQ(out, "A,B,C ");
    EXPECT_EQ(Events::nDayCount, 3);
    EXPECT_EQ(Check(1997, 6, 3), 0);
    EXPECT_STREQ(out, " ");
    EXPECT_EQ(Events::nDayCount, 0);
}

TEST_F(EventMatching, NamesThatDoNotFitAreCountedOnly)
{
    std::string thirty(30, 'n');
    StoreRecords({Record(0, 0, 3, -1, thirty), Record(0, 0, 3, -1, thirty),
                  Record(0, 0, 3, -1, thirty)});
    EXPECT_EQ(Check(1996, 5, 3), 3);
    EXPECT_EQ(std::string(out), thirty + "," + thirty + " ");
    EXPECT_EQ(std::strlen(out), 62u);

    StoreRecords({Record(0, 0, 3, -1, std::string(63, 'm'))});
    EXPECT_EQ(Check(1996, 5, 3), 1);
    EXPECT_STREQ(out, " ");

    // The start-up count: no limit set, every event counted, no name.
    store.nMaxLen = 0;
    StoreRecords({Record(0, 0, 3, -1, "A"), Record(0, 0, 3, -1, "B")});
    EXPECT_EQ(Check(1996, 5, 3), 2);
    EXPECT_STREQ(out, " ");
}

TEST_F(EventMatching, OneEventPerCall)
{
    StoreRecords({Record(0, 0, 3, -1, "A"), Record(0, 0, 4, -1, "N"), Record(0, 0, 3, -1, "B"),
                  Record(0, 0, 3, -1, "C")});
    store.nMode = 1;
    const char* expected[] = {"A ", "B ", "C "};
    for (const char* name : expected) {
        EXPECT_EQ(Check(1996, 5, 3), 1);
        EXPECT_STREQ(out, name);
    }
    int startAfterLast = store.nStart;
    EXPECT_EQ(startAfterLast, 4);
    EXPECT_EQ(Check(1996, 5, 3), 0);
    EXPECT_STREQ(out, " ");
    EXPECT_EQ(store.nStart, startAfterLast);
}

TEST_F(EventMatching, WeekdayRulesOverAYear)
{
    // 1996 began on a Monday and was a leap year: 53 Mondays and 53 Tuesdays.
    StoreRecords({Record(0, 0, 0, 2, "every Tuesday")});
    EXPECT_EQ(MatchingDays(1996), 53);
    EXPECT_EQ(MatchingDays(1997), 52);

    StoreRecords({Record(0, 0, 0, 66, "second Tuesday")});
    EXPECT_EQ(MatchingDays(1996), 12);
    for (int day = 1; day <= 31; ++day) {
        store.nStart = 0;
        EXPECT_EQ(Check(1996, 10, day), day == 8 ? 1 : 0) << day;
    }

    // Fifth Saturdays of 1996: March, June, August and November.
    StoreRecords({Record(0, 0, 0, 166, "fifth Saturday")});
    EXPECT_EQ(MatchingDays(1996), 4);
    EXPECT_EQ(Check(1996, 3, 30), 1);
    EXPECT_EQ(Check(1996, 6, 29), 1);
    EXPECT_EQ(Check(1996, 8, 31), 1);
    EXPECT_EQ(Check(1996, 11, 30), 1);

    // A weekday rule restricted to one month of one year.
    StoreRecords({Record(1996, 2, 0, 0, "Sundays of February 1996")});
    EXPECT_EQ(MatchingDays(1996), 4);
    EXPECT_EQ(MatchingDays(1997), 0);
}

TEST_F(EventMatching, MonthlyDateOfOneYear)
{
    StoreRecords({Record(1996, 0, 1, -1, "first")});
    EXPECT_EQ(MatchingDays(1996), 12);
    EXPECT_EQ(MatchingDays(1997), 0);
    // Out-of-range fields of a weekday rule never match.
    StoreRecords({Record(1996, 13, 0, 66, "never")});
    EXPECT_EQ(MatchingDays(1996), 0);
}

TEST_F(EventMatching, InaccessibleRecordsLeaveTheTextAlone)
{
    StoreRecords({Record(0, 0, 3, -1, "A")});
    Events::nCount = 2;  // more records than the block holds
    int date[4] = {1996, 5, 3, 0};
    GetDayWeek(date);
    std::strcpy(out, "untouched");
    EXPECT_EQ(store.CheckEvent(date, out), -1);
    EXPECT_STREQ(out, "untouched");
}
