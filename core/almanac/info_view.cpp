#include "core/almanac/info_view.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/almanac/colours.h"
#include "core/almanac/one_event_per_call.h"
#include "core/almanac/text_attr.h"
#include "core/calendar/date_arith.h"
#include "core/vocabulary/vocabulary.h"
#include "platform/sjis.h"

using platform::SjisText;

InfoLayout GetInfoLayout(int events, int cellWidth, int cellHeight, int screenWidth)
{
    const int w = cellWidth;
    const int h = cellHeight;
    const int width = 50 * w;
    // Room for eight sentences; more are cut off at the bottom edge.
    const int height = (std::min(events, 8) + 6) * h;
    const int left = screenWidth / 2 - 200;
    const int top = 5 * h;
    const int buttonLeft = 200 - 4 * w;
    const int buttonTop = height - 3 * h;
    return {{left, top, left + width, top + height},
            {buttonLeft, buttonTop, buttonLeft + 8 * w, buttonTop + 3 * (h / 2)}};
}

int DrawInfo(platform::DrawSurface& surface, const Vesoma& table, Events& store)
{
    int size[2];
    GetTextAttr(surface, size);
    const int w = std::max(size[0], 1);
    const int h = std::max(size[1], 1);

    int date[4] = {table.nYear, table.nMonth, table.nDay, 0};
    GetDayWeek(date);
    const int weekday = (date[3] % 32) % 7;
    char text[64];
    std::snprintf(text, sizeof text, SjisText("%d年%2d月%2d日"), date[0], date[1], date[2]);
    surface.DrawText(w, h / 2, text, std::strlen(text));
    std::snprintf(text, sizeof text, "%.2s%s", szWeek[weekday], SjisText("曜日"));
    surface.SetTextColour(wColor[Vesoma::nWcolor[weekday]]);
    surface.DrawText(16 * w, h / 2, text, std::strlen(text));
    surface.SetTextColour(wColor[0]);

    const OneEventPerCall oneByOne(store);
    int line = 2;
    int shown = 0;
    const int columns = std::max(400 / w - 4, 2);
    for (;;) {
        char event[64];
        if (store.CheckEvent(date, event) < 1)
            break;
        const std::string sentence = std::string(SjisText("　きょうは ")) + event + SjisText(" です。");
        const int length = static_cast<int>(sentence.size());
        const int lines = (columns + length - 1) / columns;
        const platform::Rect box{3 * w, line * h, (columns + 3) * w, (line + lines) * h + line * h};
        // Breaking at blanks can take a line more than the count by bytes;
        // the next sentence starts below whatever was drawn.
        const int drawn = surface.DrawTextWrapped(sentence.c_str(), sentence.size(), box);
        ++shown;
        line += std::max(lines, drawn);
    }
    return shown;
}
