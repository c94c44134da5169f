#include "core/almanac/day_view.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "core/almanac/almanac_notes.h"
#include "core/almanac/colours.h"
#include "core/almanac/one_event_per_call.h"
#include "core/almanac/text_attr.h"
#include "core/vocabulary/vocabulary.h"
#include "platform/sjis.h"

namespace {

using platform::SjisText;

constexpr platform::Rgb kHolidayColour{255, 0, 0};
constexpr platform::Rgb kTermColour{0, 64, 255};

class CellWriter {
public:
    CellWriter(platform::DrawSurface& surface, int width, int height)
        : surface_(surface), width_(width), height_(height)
    {
    }
    void Text(int column, int line, const char* text, std::size_t length)
    {
        surface_.DrawText(column * width_, line * height_, text, length);
    }
    void Text(int column, int line, const char* text) { Text(column, line, text, std::strlen(text)); }

private:
    platform::DrawSurface& surface_;
    int width_;
    int height_;
};

// Line 0: the dates, holiday, weekday and solar term. Returns the column
// after the holiday and term names.
int DrawDates(platform::DrawSurface& surface, CellWriter& cells, const DayEntry& day)
{
    const int weekday = (day.nWeekCode % 32) % 7;
    char text[64];
    std::snprintf(text, sizeof text, SjisText("%4d年%2d月%2d日"), day.nYear, day.nMonth, day.nDay);
    cells.Text(1, 0, text);
    std::snprintf(text, sizeof text, SjisText("（旧暦   %2d月%2d日）"), day.nInMonth, day.nInDay);
    cells.Text(15, 0, text);
    cells.Text(21, 0, szUrus[day.nUrus % 2], 2);

    surface.SetTextColour(wColor[Vesoma::nWcolor[weekday]]);
    int after = 42;
    if (day.nHoly > 0) {
        surface.SetTextColour(kHolidayColour);
        cells.Text(after, 0, szHolyday[day.nHoly]);
        after += static_cast<int>(std::strlen(szHolyday[day.nHoly])) + 2;
    }
    std::snprintf(text, sizeof text, "%.2s%s", szWeek[weekday], SjisText("曜日"));
    cells.Text(33, 0, text);
    if (day.nSekki > 0) {
        surface.SetTextColour(kTermColour);
        cells.Text(after, 0, szSekki[day.nSekki - 1], 4);
        after += 5;
    }
    return after;
}

// Line 1: six-day cycle, sexagenary sign, nine star, mansion and officer.
void DrawSigns(platform::DrawSurface& surface, CellWriter& cells, const DayEntry& day)
{
    const int roki = day.nRoki % 6;
    surface.SetTextColour(wColor[Vesoma::nRcolor[roki] % 6]);
    cells.Text(20, 1, szRoki[roki], 4);
    surface.SetTextColour(wColor[0]);
    cells.Text(14, 1, szTen[day.nKanshi % 10], 2);
    cells.Text(16, 1, szChi[day.nKanshi % 12], 2);
    cells.Text(26, 1, szKusei[day.nKusei], 4);
    cells.Text(32, 1, szShuku[day.nShuku], 2);
    cells.Text(34, 1, SjisText("宿"), 2);
    cells.Text(38, 1, szChoku[day.nChoku], 2);
}

// Line 2: the almanac notes side by side. Returns how many there are.
int DrawNotes(CellWriter& cells, const DayEntry& day)
{
    int notes = 0;
    int column = 14;
    for (int bit = 1; bit <= 7; ++bit) {
        if (!chkbit(day.nReki, bit))
            continue;
        cells.Text(column, 2, szReki[bit]);
        column += static_cast<int>(std::strlen(szReki[bit])) + 2;
        ++notes;
    }
    return notes;
}

}  // namespace

const DayEntry& ShownDay(const Vesoma& table)
{
    const int day = std::clamp(table.nDay, 1, std::max(table.nDays, 1));
    return table.Day[day - 1];
}

DayViewExtent DrawVesomaDay(platform::DrawSurface& surface, const DayEntry& day, Events& store, FUms* fortune)
{
    int size[2];
    GetTextAttr(surface, size);
    const int w = std::max(size[0], 1);
    const int h = std::max(size[1], 1);
    CellWriter cells(surface, w, h);

    int widest = std::max(400 / w, DrawDates(surface, cells, day));
    DrawSigns(surface, cells, day);
    const int notes = DrawNotes(cells, day);

    int line = (notes + 6) / 7 + 3;
    const OneEventPerCall oneByOne(store);
    int date[4] = {day.nYear, day.nMonth, day.nDay, day.nWeekCode};
    for (int i = 0; i < day.nEvent; ++i) {
        char text[64];
        if (store.CheckEvent(date, text) < 1)
            break;
        const int length = static_cast<int>(std::strlen(text));
        widest = std::max(widest, length + 1);
        cells.Text(8, line, text, static_cast<std::size_t>(length));
        ++line;
    }

    if (fortune != nullptr) {
        line += (day.nEvent + 9) / 10;
        cells.Text(2, line, SjisText("《運　勢》"), 10);
        fortune->nWidth = widest;
        fortune->nCharWidth = w;
        fortune->nCharHeight = h;
        ++line;
        for (int record : {day.nRoki, 7 + day.nShuku, 36 + 2 * day.nChoku})
            line += fortune->DrawTextUms(surface, record, line);
        for (int bit = 1; bit <= 7; ++bit) {
            if (chkbit(day.nReki, bit))
                line += fortune->DrawTextUms(surface, 60 + bit, line);
        }
    }
    return {widest, line};
}
