// Reading record lines of the event file and writing them back.
#include <vector>

#include <gtest/gtest.h>

#include "tests/core/event_files.h"

TEST(EventLines, ReadAndWrittenBack)
{
    std::string name40, name31;
    for (int i = 0; i < 40; ++i)
        (i < 31 ? name31 : name40) += "名";
    name40 = name31 + name40;
    const std::string blanks(40, ' ');
    struct Case {
        std::string line;     // as the user wrote it (UTF-8 here, CP932 in the file)
        std::string written;  // as the store writes it back; "-": not a record
        int weekCode;
    } const cases[] = {
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
        {"****/ 2/第３月曜日,Y", "****/ 2/第３月曜日,Y", 97},
        // The first ordinal word in table order counts, not the first in the text.
        {"****/**/第３第１水曜,X", "****/**/第１水曜日,X", 35},
        {"1996/ 5/**,X", "-", 0},
        {"****/**/**,X", "-", 0},
        {"1949/ 5/ 3,X", "-", 0},
        {"1996/13/ 3,X", "-", 0},
        {"1996/ 5/32,X", "-", 0},
        {"12/25,X", "-", 0},
        {"1996/ 5/ 3,", "-", 0},
        {"1996/ 5/ 3", "-", 0},
        {"****/**/第２火,X", "-", 0},
        {"曜日,X", "-", 0},
        {"", "-", 0},
        // Names are cut at 63 bytes, never inside a character.
        {"1996/5/3," + name40, "1996/ 5/ 3," + name31, -1},
        {"1996/5/3,A" + name40, "1996/ 5/ 3,A" + name31, -1},
        // Over-long date fields are cut to their buffers: a number at the front
        // is still read, one behind the cut is not, and the line is then no record.
        {"1996" + blanks + "/5" + blanks + "/3" + blanks + ",X", "1996/ 5/ 3,X", -1},
        {"1996/" + blanks + "5/3,X", "-", 0},
        // Numbers beyond int range saturate and then survive a save unchanged.
        {"99999999999/-99999999999/毎週日曜日,X", "2147483647/-2147483648/毎週日曜日,X", 0},
    };
    EventFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        ASSERT_EQ(LoadBytes(folder.File("VESOMA.CAL"), CalLines({c.line.c_str()})), 1);
        EXPECT_EQ(ListedLine(0), c.written);
        EXPECT_EQ(Events::nCount, c.written == "-" ? 0 : 1);
        if (c.written != "-") {
            EXPECT_EQ(Events::hMem[0].nWeekCode, c.weekCode);
            EXPECT_EQ(Evs.bWeek, c.weekCode >= 0);
        }
    }
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
    // The editor's way in, by ordinal and weekday; codes outside the tables
    // still give table words.
    Events store;
    store.SetWeekDate(5, 6);
    EXPECT_EQ(platform::ToUtf8(store.szDate[3]), "第５土曜日");
    store.SetWeekDate(-1, store.szDate[3]);
    EXPECT_EQ(platform::ToUtf8(store.szDate[3]).substr(9), "曜日");
    // A date without a name is still a valid date for the editor to check.
    char line[] = "1996/**/3";
    store.SplitEvent(line);
    EXPECT_EQ(store.CheckEventDate(), 1);
    EXPECT_EQ(std::vector<int>(store.nDate, store.nDate + 4), (std::vector<int>{1996, 0, 3, -1}));
    EXPECT_STREQ(store.szDate[1], "**");
}
