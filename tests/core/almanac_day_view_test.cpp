// The day window's extent and the day it shows, which the terminal tool's
// golden outputs do not tell.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/almanac/day_view.h"
#include "core/almanac/vesoma.h"
#include "platform/cell_surface.h"
#include "tests/core/day_events.h"

TEST(DayWindow, WidthAndLinesFollowTheTextsAndTheCountedEvents)
{
    const struct {
        int day, cellWidth, stored, counted, nameLength, columns, lines;
    } cases[] = {
        {9, 8, 0, 0, 0, 50, 3},   // a plain day: 400 pixels wide, dates, signs, a blank line
        {9, 5, 0, 0, 0, 80, 3},   // 400 pixels of 5
        {5, 8, 0, 0, 0, 60, 4},   // こどもの日 and 立夏 end at 42 + 11 + 2 + 5; a line of notes
        {9, 8, 3, 2, 62, 64, 5},  // two of three events, the first's text and blank plus one
        {9, 8, 1, 3, 6, 50, 4},   // fewer events stored than counted
    };
    for (const auto& c : cases) {
        Vesoma table;
        const int date[3] = {2001, 5, c.day};
        table.SetCalender(date);
        DayEntry day = table.Day[c.day - 1];
        std::vector<std::string> names;
        for (int i = 0; i < c.stored; ++i)
            names.push_back(i == 0 ? std::string(c.nameLength, 'N') : "e" + std::to_string(i));
        StoredEvents events;
        events.Store(2001, 5, c.day, names);
        day.nEvent = c.counted;
        Events store;
        platform::CellSurface surface(100, 20, c.cellWidth, 16);
        const DayViewExtent extent = DrawVesomaDay(surface, day, store, nullptr);
        EXPECT_EQ(extent.nColumns, c.columns) << c.day << " " << c.cellWidth << " " << c.stored;
        EXPECT_EQ(extent.nLines, c.lines) << c.day << " " << c.cellWidth << " " << c.stored;
        EXPECT_EQ(surface.TextAt(8, 3 + c.counted, 1), " ");  // no more events than counted
    }
}

TEST(DayWindow, ShowsTheSelectedDayKeptWithinTheMonth)
{
    Vesoma table;
    const int dates[4][3] = {{2000, 1, 31}, {2000, 2, 1}, {2000, 3, 1}, {2000, 3, 10}};
    table.SetDate(dates[0]);
    table.SetCalender(dates[1]);
    EXPECT_EQ(table.nDay, 29);  // the 31st kept from January
    table.SetCalender(dates[2]);
    EXPECT_EQ(table.nDay, 29);  // and not given back in March
    table.SetDate(dates[3]);
    EXPECT_EQ(&ShownDay(table), &table.Day[9]);
    table.SetCalender(dates[1]);
    table.SetDate(dates[0]);  // chosen without a rebuild
    EXPECT_EQ(ShownDay(table).nDay, 29);
    Vesoma fresh;
    EXPECT_EQ(&ShownDay(fresh), &fresh.Day[0]);
    fresh.SetCalender(dates[2]);
    EXPECT_EQ(fresh.nDay, 1);
}
