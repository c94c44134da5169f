// Colours shared by every view of the almanac.
#pragma once

#include "platform/rgb.h"

// [0] black, [1] red, [2] green, [3] blue, [4] yellow, [5] magenta, [6] cyan, [7] white.
extern const platform::Rgb wColor[8];
