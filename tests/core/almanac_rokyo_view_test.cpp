// The six-day-cycle calendar on the character-cell surface.
#include <string>

#include <gtest/gtest.h>

#include "core/almanac/rokyo_view.h"
#include "core/almanac/vesoma.h"
#include "core/vocabulary/vocabulary.h"
#include "platform/cell_surface.h"
#include "platform/sjis.h"

namespace {

using platform::Rgb;

const Rgb kBlack{0, 0, 0};
const Rgb kRed{255, 0, 0};
const Rgb kBlue{0, 0, 255};

class RokyoCalendar : public ::testing::Test {
protected:
    void Draw(int year, int month)
    {
        const int date[3] = {year, month, 1};
        table.SetCalender(date);
        DrawRokyo(surface, table, 8, 16);
    }
    std::string At(int column, int row, int count) const { return surface.TextAt(column, row, count); }
    std::string RokiOf(int day) const { return std::string(szRoki[table.Day[day - 1].nRoki], 4); }

    Vesoma table;
    // One column and one line more than the rules reach.
    platform::CellSurface surface{43, 15, 8, 16};
};

}  // namespace

TEST_F(RokyoCalendar, ThirtyOneDaysFromSaturdayFillSixWeekRows)
{
    Draw(2000, 1);  // 1 January 2000 was a Saturday
    EXPECT_EQ(At(38, 1, 2) + At(37, 2, 4), " 1" + RokiOf(1));
    EXPECT_EQ(surface.ColourAt(39, 1), kBlue);
    EXPECT_EQ(At(2, 3, 2), " 2");
    EXPECT_EQ(surface.ColourAt(3, 3), kRed);
    EXPECT_EQ(At(2, 11, 2) + At(8, 11, 2), "3031");  // 31 on the Monday of the sixth row
    EXPECT_EQ(surface.ColourAt(8, 11), kBlack);
    EXPECT_EQ(At(7, 12, 4), RokiOf(31));
    EXPECT_EQ(At(14, 11, 2), "--");  // nothing after the last day
    // Each day's number and name in the six-day cycle's colour.
    int seen = 0;
    for (int day = 1; day <= table.nDays; ++day) {
        const int place = table.nWeek1 + day - 1;
        const int roki = table.Day[day - 1].nRoki;
        const Rgb expected = roki == 3   ? Rgb{255, 0, 255}
                             : roki == 4 ? Rgb{0, 255, 0}
                                         : kBlack;  // 仏滅, 大安
        EXPECT_EQ(surface.ColourAt(6 * (place % 7) + 1, 2 * (place / 7) + 2), expected) << day;
        seen |= roki == 3 ? 1 : roki == 4 ? 2 : 0;
    }
    EXPECT_EQ(seen, 3);
}

TEST_F(RokyoCalendar, TwentyEightDaysFromSundayFillFourWeekRowsUnderTheHead)
{
    Draw(2015, 2);  // 1 February 2015 was a Sunday
    EXPECT_EQ(At(2, 1, 2), " 1");
    EXPECT_EQ(At(38, 7, 2) + At(37, 8, 4), "28" + RokiOf(28));
    // Week rows 5 and 6 stay empty between their rules.
    for (int row = 9; row <= 12; ++row)
        EXPECT_EQ(At(0, row, 43).find_first_not_of(row % 2 ? "-|+" : " |"), std::string::npos) << row;
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(At(6 * i + 2, 0, 2), szWeek[i]);
    EXPECT_EQ(surface.ColourAt(2, 0), kRed);
    EXPECT_EQ(surface.ColourAt(8, 0), kBlack);
    EXPECT_EQ(surface.ColourAt(38, 0), kBlue);
    // Rules after every column and under every line pair; none at the top or left.
    EXPECT_EQ(At(0, 0, 1) + At(0, 2, 1) + At(0, 14, 1), "   ");
    for (int column = 6; column <= 42; column += 6)
        EXPECT_EQ(At(column, 0, 1) + At(column, 14, 1), "||") << column;
    for (int row = 1; row <= 13; row += 2)
        EXPECT_EQ(At(0, row, 1), "-") << row;
}

TEST(RokyoCaption, PadsTheMonth)
{
    EXPECT_EQ(RokyoCaption(2001, 3), platform::SjisText("六曜暦-2001年 3月"));
    EXPECT_EQ(RokyoCaption(1999, 12), platform::SjisText("六曜暦-1999年12月"));
}
