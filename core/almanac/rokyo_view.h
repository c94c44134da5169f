// The six-day-cycle calendar: the month of the month table in seven columns,
// each day's number over its six-day-cycle name.
#pragma once

#include <string>

#include "core/almanac/vesoma.h"
#include "platform/draw_surface.h"

// The window caption "六曜暦-%4d年%2d月" in CP932.
std::string RokyoCaption(int year, int month);

// Size of the calendar in pixels for a character cell of cellWidth x
// cellHeight: the length of the horizontal and of the vertical rules.
int RokyoWidth(int cellWidth);
int RokyoHeight(int cellHeight);

// Draws the month of table: weekday names on line 0, then two lines per week
// (day numbers, six-day-cycle names) between rules, columns 6 cells wide.
void DrawRokyo(platform::DrawSurface& surface, const Vesoma& table, int cellWidth, int cellHeight);
