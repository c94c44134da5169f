#include "core/almanac/colours.h"

const platform::Rgb wColor[8] = {
    {0, 0, 0},     {255, 0, 0},   {0, 255, 0},   {0, 0, 255},
    {255, 255, 0}, {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
};
