// Reading record lines of the event file and writing them back.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "event_files.h"
#include "events/events.h"
#include "message_recorder.h"
#include "platform/sjis.h"

namespace {

struct LineCase {
    const char* line;     // as the user wrote it (UTF-8 here, CP932 in the file)
    const char* written;  // as the store writes it back; nullptr: not a record
    int weekCode;
};

// Loads one line and returns how the store writes it, or "-" when it is no record.
std::string RoundTrip(const EventFolder& folder, const char* utf8Line)
{
    EXPECT_EQ(LoadBytes(folder.File("VESOMA.CAL"), CalLines({utf8Line})), 1);
    return ListedLine(0);
}

}  // namespace

TEST(EventLines, ReadAndWrittenBack)
{
    const LineCase cases[] = {
        {"****/12/25,X", "****/12/25,X", -1},
        {"1996/ 5/ 3,X", "1996/ 5/ 3,X", -1},
        {"1996/5/3日,X", "1996/ 5/ 3,X", -1},
        {"****/**/ 1,X", "****/**/ 1,X", -1},
        {"第２火曜日,X", "****/**/第２火曜日,X", 66},
        {"****/**/毎週日曜日,X", "****/**/毎週日曜日,X", 0},
        {"1996/**/毎週金曜日,X", "1996/**/毎週金曜日,X", 5},
        {"****/**/第５土曜日,X", "****/**/第５土曜日,X", 166},
        {"1996/13/第２火曜日,X", "1996/13/第２火曜日,X", 66},
        {"1996/ 5/ 3,A,B", "1996/ 5/ 3,A", -1},
        {",,1996//5/3,,X,", "1996/ 5/ 3,X", -1},
        {"火曜,X", "****/**/毎週火曜日,X", 2},
        // The first ordinal word in table order counts, not the first in the text.
        {"****/**/第３第１水曜,X", "****/**/第１水曜日,X", 35},
        {"1996/ 5/**,X", nullptr, 0},
        {"****/**/**,X", nullptr, 0},
        {"1949/ 5/ 3,X", nullptr, 0},
        {"1996/13/ 3,X", nullptr, 0},
        {"1996/ 5/32,X", nullptr, 0},
        {"12/25,X", nullptr, 0},
        {"1996/ 5/ 3,", nullptr, 0},
        {"1996/ 5/ 3", nullptr, 0},
        {"****/**/第２火,X", nullptr, 0},
        {"", nullptr, 0},
    };
    EventFolder folder;
    for (const LineCase& c : cases) {
        std::string written = RoundTrip(folder, c.line);
        if (c.written == nullptr) {
            EXPECT_EQ(written, "-") << c.line;
            EXPECT_EQ(Events::nCount, 0) << c.line;
            continue;
        }
        EXPECT_EQ(written, c.written) << c.line;
        EXPECT_EQ(Events::hMem[0].nWeekCode, c.weekCode) << c.line;
    }
}

TEST(EventLines, HandEditedExcessNeverOverflows)
{
    EventFolder folder;
    // 40 full-width characters: the name is cut to 31 of them, never inside one.
    std::string longName;
    for (int i = 0; i < 40; ++i)
        longName += "名";
    EXPECT_EQ(RoundTrip(folder, ("1996/5/3," + longName).c_str()),
              "1996/ 5/ 3," + longName.substr(0, 31 * 3));
    EXPECT_EQ(std::strlen(Events::hMem[0].szEvent), 62u);
    EXPECT_EQ(RoundTrip(folder, ("1996/5/3,A" + longName).c_str()),
              "1996/ 5/ 3,A" + longName.substr(0, 31 * 3));
    EXPECT_EQ(std::strlen(Events::hMem[0].szEvent), 63u);

    // Over-long date fields are cut to their buffers: a number at the front
    // is still read, one behind the cut is not, and the line is then no record.
    std::string blanks(40, ' ');
    EXPECT_EQ(RoundTrip(folder, ("1996" + blanks + "/5" + blanks + "/3" + blanks + ",X").c_str()),
              "1996/ 5/ 3,X");
    EXPECT_EQ(RoundTrip(folder, ("1996/" + blanks + "5/3,X").c_str()), "-");
    // Numbers beyond int range saturate and then survive a save unchanged.
    EXPECT_EQ(RoundTrip(folder, "99999999999/-99999999999/毎週日曜日,X"),
              "2147483647/-2147483648/毎週日曜日,X");
    EXPECT_EQ(Events::hMem[0].nYear, INT_MAX);
    EXPECT_EQ(Events::hMem[0].nMonth, INT_MIN);
}

TEST(EventLines, BrokenDoubleByteTextIsNeverReadPast)
{
    EventFolder folder;
    // A lone lead byte ends the name, and another stands right before a comma.
    std::string bytes = "1996/5/3,AB\x81\r\n1996/5/4,C\x81,D\r\n";
    ASSERT_EQ(LoadBytes(folder.File("VESOMA.CAL"), bytes), 1);
    ASSERT_EQ(Events::nCount, 2);
    EXPECT_STREQ(Events::hMem[0].szEvent, "AB\x81");
    EXPECT_STREQ(Events::hMem[1].szEvent, "C\x81");
}

TEST(EventLines, WeekdayRuleTexts)
{
    Events store;
    char text[16];
    store.SetWeekDate(66, text);
    EXPECT_EQ(platform::ToUtf8(text), "第２火曜日");
    store.SetWeekDate(0, text);
    EXPECT_EQ(platform::ToUtf8(text), "毎週日曜日");
    store.SetWeekDate(5, 6);
    EXPECT_EQ(platform::ToUtf8(store.szDate[3]), "第５土曜日");
    // Codes outside the tables still give table words.
    store.SetWeekDate(-1, text);
    EXPECT_EQ(platform::ToUtf8(text).substr(9), "曜日");

    int rule[2] = {-1, -1};
    std::strcpy(store.szDate[3], platform::SjisText("第４木曜日"));
    EXPECT_EQ(store.GetWeekDate(rule), 1);
    EXPECT_EQ(rule[0], 4);
    EXPECT_EQ(rule[1], 4);
    std::strcpy(store.szDate[3], platform::SjisText("曜日"));
    EXPECT_EQ(store.GetWeekDate(rule), 0);
}

TEST(EventLines, WorkingRecordValidation)
{
    Events store;
    char line[] = "1996/**/3";
    store.SplitEvent(line);
    EXPECT_EQ(store.CheckEventDate(), 1);
    EXPECT_EQ(store.nDate[0], 1996);
    EXPECT_EQ(store.nDate[1], 0);
    EXPECT_STREQ(store.szDate[1], "**");
    EXPECT_EQ(store.nDate[3], -1);
    EXPECT_EQ(store.bWeek, 0);

    std::string weekday = platform::ToSjis("****/ 2/第３月曜日,Y");
    store.SplitEvent(weekday.data());
    EXPECT_EQ(store.bWeek, 1);
    EXPECT_STREQ(store.szDate[2], "");
    EXPECT_STREQ(store.szEvent, "Y");
    EXPECT_EQ(store.CheckEventDate(), 1);
    EXPECT_EQ(store.nDate[3], 3 * 32 + 1);
    EXPECT_EQ(store.bWeek, 1);
    char written[nEventLineSize];
    EXPECT_EQ(store.SetEvent(written), 1);
    EXPECT_EQ(platform::ToUtf8(written), "****/ 2/第３月曜日,Y");
}
