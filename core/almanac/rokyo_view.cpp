#include "core/almanac/rokyo_view.h"

#include <cstdio>

#include "core/almanac/colours.h"
#include "core/vocabulary/vocabulary.h"
#include "platform/sjis.h"

std::string RokyoCaption(int year, int month)
{
    char caption[64];
    std::snprintf(caption, sizeof caption, platform::SjisText("六曜暦-%4d年%2d月"), year, month);
    return caption;
}

int RokyoWidth(int cellWidth)
{
    return 42 * cellWidth;
}

int RokyoHeight(int cellHeight)
{
    return 14 * cellHeight + cellHeight / 4;
}

void DrawRokyo(platform::DrawSurface& surface, const Vesoma& table, int cellWidth, int cellHeight)
{
    const int cw = cellWidth;
    const int ch = cellHeight;
    const int width = RokyoWidth(cw);
    const int height = RokyoHeight(ch);
    for (int i = 0; i < 7; ++i) {
        surface.SetTextColour(wColor[Vesoma::nWcolor[i]]);
        surface.DrawText((6 * i + 2) * cw, 0, szWeek[i], 2);
        surface.DrawLine(6 * (i + 1) * cw, 0, 6 * (i + 1) * cw, height);
        surface.DrawLine(0, (2 * i + 1) * ch, width, (2 * i + 1) * ch);
    }
    int place = table.nWeek1;
    for (int d = 0; d < table.nDays; ++d, ++place) {
        const int column = place % 7;
        const int week = place / 7;
        char number[12];
        std::snprintf(number, sizeof number, "%2d", d + 1);
        surface.SetTextColour(wColor[Vesoma::nWcolor[column]]);
        surface.DrawText((6 * column + 2) * cw, (2 * week + 1) * ch + 1, number, 2);
        const int roki = table.Day[d].nRoki % 6;
        surface.SetTextColour(wColor[Vesoma::nRcolor[roki] % 6]);
        surface.DrawText((6 * column + 1) * cw, (2 * week + 2) * ch + 1, szRoki[roki], 4);
    }
}
