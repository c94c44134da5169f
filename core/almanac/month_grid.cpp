// The month grid: a title line and one row of almanac fields per day. The
// same routine draws the main window, the printed page and the terminal.
#include <climits>
#include <cstdio>
#include <cstring>

#include "core/almanac/almanac_notes.h"
#include "core/almanac/colours.h"
#include "core/almanac/text_attr.h"
#include "core/almanac/vesoma.h"
#include "core/settings/status.h"
#include "core/vocabulary/vocabulary.h"
#include "platform/draw_surface.h"
#include "platform/sjis.h"

namespace {

constexpr platform::Rgb kBlack{0, 0, 0};
constexpr platform::Rgb kHolidayRed{255, 0, 0};
constexpr platform::Rgb kTermBlue{0, 64, 255};
constexpr platform::Rgb kEventTeal{0, 128, 128};

// Where the almanac columns of a row begin; the notes end before kLeapColumn.
constexpr int kDayColumn = 1;
constexpr int kWeekdayColumn = 4;
constexpr int kStemColumn = 8;
constexpr int kBranchColumn = 10;
constexpr int kTextColumn = 14;
constexpr int kLeapColumn = 54;
constexpr int kLunarDateColumn = 56;
constexpr int kNineStarColumn = 62;
constexpr int kSixDayColumn = 67;
constexpr int kMansionColumn = 72;
constexpr int kOfficerColumn = 75;

// Holds everything of one text row: the surface, the cell size and the row's y.
class RowPen {
public:
    RowPen(platform::DrawSurface& surface, int charWidth, int y)
        : surface_(surface), charWidth_(charWidth), y_(y)
    {
    }
    void Colour(platform::Rgb colour) { surface_.SetTextColour(colour); }
    void Text(int column, const char* text, std::size_t length)
    {
        surface_.DrawText(column * charWidth_, y_, text, length);
    }
    void Text(int column, const char* text) { Text(column, text, std::strlen(text)); }

private:
    platform::DrawSurface& surface_;
    int charWidth_;
    int y_;
};

}  // namespace

void Vesoma::DarwCalender(platform::DrawSurface& surface)
{
    int cell[2];
    GetTextAttr().GetFontSize(surface, cell);
    const int w = cell[0];
    const int h = cell[1];

    char title[64];
    std::snprintf(title, sizeof title, platform::SjisText("%2d年%2d月　"), nYear, nMonth);
    if (nMonth >= 1 && nMonth <= 12)
        std::strncat(title, szMonName[nMonth], sizeof title - std::strlen(title) - 1);
    surface.SetTextColour(kBlack);
    surface.DrawText(4 * w, h / 4, title, std::strlen(title));

    int lastLunarDay = 32;
    for (int i = 0; i < nDays; ++i) {
        DayEntry& day = Day[i];
        RowPen row(surface, w, (i + 2) * h);
        const int weekday = (day.nWeekCode % 32) % 7;
        int cursor = kTextColumn;
        // The events end before the first almanac column the table shows.
        int textEnd = CStatus::TableType >= 1 ? kLeapColumn : INT_MAX;

        row.Colour(kBlack);
        char number[16];
        std::snprintf(number, sizeof number, "%2d", i + 1);
        row.Text(kDayColumn, number);
        row.Text(kStemColumn, szTen[day.nKanshi % 10], 2);
        row.Text(kBranchColumn, szChi[day.nKanshi % 12], 2);

        row.Colour(wColor[nWcolor[weekday]]);
        if (day.nHoly > 0) {
            row.Colour(kHolidayRed);
            const std::size_t length = std::strlen(szHolyday[day.nHoly]);
            row.Text(cursor, szHolyday[day.nHoly], length);
            cursor += static_cast<int>(length) + 2;
        }
        row.Text(kWeekdayColumn, szWeek[weekday], 2);
        if (day.nSekki > 0) {
            row.Colour(kTermBlue);
            row.Text(cursor, szSekki[day.nSekki - 1], 4);
            cursor += 5;
        }

        if (CStatus::TableType >= 1) {
            row.Colour(kBlack);
            if (day.nInDay < lastLunarDay)
                row.Text(kLeapColumn, szUrus[day.nUrus], 2);
            char lunarDate[16];
            std::snprintf(lunarDate, sizeof lunarDate, "%2d/%2d", day.nInMonth, day.nInDay);
            row.Text(kLunarDateColumn, lunarDate);
            row.Text(kNineStarColumn, szKusei[day.nKusei], 4);
            const int sixDay = day.nRoki % 6;
            row.Colour(wColor[nRcolor[sixDay]]);
            row.Text(kSixDayColumn, szRoki[sixDay], 4);
            row.Colour(kBlack);
            row.Text(kMansionColumn, szShuku[day.nShuku], 2);
            row.Text(kOfficerColumn, szChoku[day.nChoku], 2);
        }

        if (CStatus::TableType >= 2) {
            lastLunarDay = day.nInDay;
            int noteEnd = kLeapColumn;
            for (int bit = 7; bit >= 1; --bit) {
                if (chkbit(day.nReki, bit) == 1) {
                    const std::size_t length = std::strlen(szReki[bit]);
                    noteEnd -= static_cast<int>(length) + 1;
                    row.Text(noteEnd, szReki[bit], length);
                }
            }
            textEnd = noteEnd;
        }

        char events[64] = "";
        if (CountDayEvents(i, events) > 0 && cursor < textEnd) {
            row.Colour(kEventTeal);
            row.Text(cursor, events, platform::CutLength(events, static_cast<std::size_t>(textEnd - cursor)));
        }
    }
}
