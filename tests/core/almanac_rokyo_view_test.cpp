// The six-day-cycle calendar on the character-cell surface.
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "core/almanac/rokyo_view.h"
#include "core/almanac/vesoma.h"
#include "core/vocabulary/vocabulary.h"
#include "platform/cell_surface.h"
#include "platform/sjis.h"

using platform::Rgb;

TEST(RokyoCalendar, EachDayUnderItsWeekdayOverItsSixDayNameInTheirColours)
{
    const Rgb black{0, 0, 0}, red{255, 0, 0}, blue{0, 0, 255};
    // 31 days from a Saturday fill six week rows, 28 from a Sunday four.
    for (const auto& [year, month, first] : {std::tuple{2000, 1, 6}, {2015, 2, 0}, {2001, 5, 2}}) {
        Vesoma table;
        const int date[3] = {year, month, 1};
        table.SetCalender(date);
        platform::CellSurface surface(43, 15, 8, 16);  // a column and a line beyond the rules
        DrawRokyo(surface, table, 8, 16);
        int place = first;
        for (int day = 1; day <= table.nDays; ++day, ++place) {
            SCOPED_TRACE(std::to_string(year) + "/" + std::to_string(month) + "/" + std::to_string(day));
            const int column = 6 * (place % 7);
            const int row = 2 * (place / 7) + 1;
            const int roki = table.Day[day - 1].nRoki;
            char number[8];
            std::snprintf(number, sizeof number, "%2d", day);
            EXPECT_EQ(surface.TextAt(column + 2, row, 2) + surface.TextAt(column + 1, row + 1, 4),
                      number + std::string(szRoki[roki], 4));
            EXPECT_EQ(surface.ColourAt(column + 3, row), place % 7 == 0   ? red
                                                         : place % 7 == 6 ? blue
                                                                          : black);
            const Rgb sixDay = roki == 3   ? Rgb{255, 0, 255}
                               : roki == 4 ? Rgb{0, 255, 0}
                                           : black;  // 仏滅, 大安
            EXPECT_EQ(surface.ColourAt(column + 1, row + 1), sixDay);
        }
        // After the last day only the rules, to the bottom line.
        for (; place < 42; ++place)
            EXPECT_EQ(surface.TextAt(6 * (place % 7) + 1, 2 * (place / 7) + 1, 5) +
                          surface.TextAt(6 * (place % 7) + 1, 2 * (place / 7) + 2, 5),
                      "-----     ")
                << place;
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(surface.TextAt(6 * i + 2, 0, 2) + surface.TextAt(6 * i + 6, 0, 1) +
                          surface.TextAt(6 * i + 6, 14, 1) + surface.TextAt(0, 2 * i + 1, 1),
                      szWeek[i] + std::string("||-"))
                << i;
        // None at the top or left, none beyond the bottom line.
        EXPECT_EQ(surface.TextAt(0, 0, 1) + surface.TextAt(0, 2, 1) + surface.TextAt(0, 14, 1), "   ");
        EXPECT_EQ(surface.ColourAt(2, 0), red);
        EXPECT_EQ(surface.ColourAt(38, 0), blue);
    }
}

TEST(RokyoCalendar, CaptionPadsTheMonth)
{
    EXPECT_EQ(RokyoCaption(2001, 3), platform::SjisText("六曜暦-2001年 3月"));
    EXPECT_EQ(RokyoCaption(1999, 12), platform::SjisText("六曜暦-1999年12月"));
}
