// The today's-events window: today's date and one greeting sentence per event.
#pragma once

#include "core/almanac/vesoma.h"
#include "core/events/events.h"
#include "platform/draw_surface.h"

// The window's size and place in pixels, and its one button "了解", for
// events counted today and a character cell of cellWidth x cellHeight.
struct InfoLayout {
    platform::Rect window;  // on the screen
    platform::Rect button;  // inside the window
};
InfoLayout GetInfoLayout(int events, int cellWidth, int cellHeight, int screenWidth);

// The button's command id.
constexpr int kInfoButtonId = 3568;

// Draws the current day of table (its nYear, nMonth, nDay) and a sentence for
// each of its events in store, with the surface's current font. Returns how
// many events it drew; with none the window has nothing to say.
int DrawInfo(platform::DrawSurface& surface, const Vesoma& table, Events& store);
