// The body of the day window: everything the almanac knows about one day, its
// events and, when given the fortune file, the day's fortune paragraphs.
#pragma once

#include "core/almanac/vesoma.h"
#include "core/events/events.h"
#include "core/fortune/fortune_file.h"
#include "platform/draw_surface.h"

// How far the drawn text reaches, in character cells of the surface's font.
struct DayViewExtent {
    int nColumns;  // the widest line, at least the nominal 400-pixel width
    int nLines;    // the line after the last one drawn
};

// The table's current day, brought into its month: a day kept from a longer
// month (the 31st after stepping to February) shows the month's last day.
const DayEntry& ShownDay(const Vesoma& table);

// Draws day on the surface with the surface's current font. The events are
// looked up in store one per call, day.nEvent times at most (the count the
// month drawing left); fortune is nullptr when no fortune section is wanted.
DayViewExtent DrawVesomaDay(platform::DrawSurface& surface, const DayEntry& day, Events& store,
                            FUms* fortune);
