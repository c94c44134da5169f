// Reading record lines of the event file and writing them back. Which lines
// count as events on which days is locked by the golden outputs too.
#include <tuple>

#include <gtest/gtest.h>

#include "tests/core/event_files.h"

TEST(EventLines, ReadAndWrittenBack)
{
    std::string name31, name9;
    for (int i = 0; i < 40; ++i)
        (i < 31 ? name31 : name9) += "名";
    const std::string blanks(40, ' ');
    // A line as the user wrote it (UTF-8 here, CP932 in the file), as the
    // store writes it back ("-": not a record), and its week code (0 for none).
    const std::tuple<std::string, std::string, int> cases[] = {
        {"****/12/25,X", "****/12/25,X", -1},
        {"1996/5/3日,X", "1996/ 5/ 3,X", -1},
        {"****/**/ 1,X", "****/**/ 1,X", -1},
        {"第２火曜日,X", "****/**/第２火曜日,X", 66},
        {"1996/**/毎週金曜日,X", "1996/**/毎週金曜日,X", 5},
        {"****/**/第５土曜日,X", "****/**/第５土曜日,X", 166},
        {"1996/13/第２火曜日,X", "1996/13/第２火曜日,X", 66},
        {"1996/ 5/ 3,A,B", "1996/ 5/ 3,A", -1},
        {",,1996//5/3,,X,", "1996/ 5/ 3,X", -1},
        {"火曜,X", "****/**/毎週火曜日,X", 2},
        {"****/**/第３第１水曜,X", "****/**/第１水曜日,X", 35},  // the first ordinal of the table counts
        {"1996/ 5/32,X", "-", 0},
        {"1996/ 5/ 3,", "-", 0},
        {"****/**/第２火,X", "-", 0},
        // Names are cut at 63 bytes, never inside a character.
        {"1996/5/3," + name31 + name9, "1996/ 5/ 3," + name31, -1},
        {"1996/5/3,A" + name31 + name9, "1996/ 5/ 3,A" + name31, -1},
        // Over-long date fields are cut to their buffers: a number at the front
        // is still read, one behind the cut is not, and the line is no record.
        {"1996" + blanks + "/5" + blanks + "/3" + blanks + ",X", "1996/ 5/ 3,X", -1},
        {"1996/" + blanks + "5/3,X", "-", 0},
        // Numbers beyond int range saturate and then survive a save unchanged.
        {"99999999999/-99999999999/毎週日曜日,X", "2147483647/-2147483648/毎週日曜日,X", 0},
    };
    EventFolder folder;
    for (const auto& [line, written, weekCode] : cases) {
        SCOPED_TRACE(line);
        ASSERT_EQ(LoadBytes(folder.File("VESOMA.CAL"), CalLines({line})), 1);
        EXPECT_EQ(ListedLine(0) + " " + ListedLine(1), written + " -");
        EXPECT_EQ(Events::nCount == 1 ? Events::hMem[0].nWeekCode : 0, weekCode);
    }
}

TEST(EventLines, BrokenDoubleByteTextIsNeverReadPast)
{
    EventFolder folder;
    // A lone lead byte ends the name, another stands right before a comma.
    ASSERT_EQ(LoadBytes(folder.File("VESOMA.CAL"), "1996/5/3,AB\x81\r\n1996/5/4,C\x81,D\r\n"), 1);
    ASSERT_EQ(Events::nCount, 2);
    EXPECT_STREQ(Events::hMem[0].szEvent, "AB\x81");
    EXPECT_STREQ(Events::hMem[1].szEvent, "C\x81");
    // Week codes outside the tables still give table words.
    Evs.SetWeekDate(-1, Evs.szDate[3]);
    EXPECT_EQ(platform::ToUtf8(Evs.szDate[3]).substr(9), "曜日");
}
