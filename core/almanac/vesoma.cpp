#include "core/almanac/vesoma.h"

#include <algorithm>

#include "core/almanac/holiday_law.h"
#include "core/almanac/month_tables.h"
#include "core/calendar/astronomy.h"
#include "core/calendar/date_arith.h"
#include "core/vocabulary/vocabulary.h"

Vesoma kc;

const int Vesoma::nWcolor[7] = {1, 0, 0, 0, 0, 0, 3};
const int Vesoma::nRcolor[6] = {0, 0, 0, 5, 2, 0};

namespace {

int Residue(std::int32_t value, int modulus)
{
    return static_cast<int>((value % modulus + modulus) % modulus);
}

struct SolarTerm {
    int day;  // -1 when the search found none
    int index;
};

// Searches the month from startDay for its next solar term.
SolarTerm FindTerm(const CalendarComputation& calendar, int year, int month, int startDay)
{
    int record[4] = {year, month, startDay, 0};
    std::int32_t dayNumber;
    if (calendar.Sekki(record, &dayNumber) != 0)
        return {-1, 0};
    return {record[2], record[3]};
}

// Position of the month's first fixed holiday in nHolyday, or of the end pair.
int FirstHolidayOf(int month)
{
    int h = 0;
    while (h < 15 && nHolyday[h][0] != month)
        ++h;
    return h;
}

}  // namespace

void Vesoma::SetCalender(const int* date)
{
    nYear = date[0];
    nMonth = date[1];
    int running[3] = {nYear, nMonth, 1};
    const CalendarComputation& calendar = ComputationOf(choices.astronomy);

    int lunar[4];
    std::int32_t dayNumber;
    calendar.Inreki(lunar, running, &dayNumber);
    nWeek1 = Residue(dayNumber + 2, 7);

    SolarTerm terms[2];
    terms[0] = FindTerm(calendar, nYear, nMonth, 3);
    terms[1] = FindTerm(calendar, nYear, nMonth, (terms[0].day > 0 ? terms[0].day : 3) + 13);
    const bool byLaw = choices.holidays == Holidays::Law;
    // The law puts the equinox holidays on the days this astronomy found.
    EquinoxDays equinoxes{0, 0};
    for (const SolarTerm& found : terms) {
        if (found.day > 0 && found.index == 0)
            equinoxes.nMarch = found.day;
        else if (found.day > 0 && found.index == 12)
            equinoxes.nSeptember = found.day;
    }

    int roki = (lunar[1] + lunar[2] - 2) % 6;
    const int mansionBase = Residue(dayNumber + 12, 28);
    int sexagenary = Residue(dayNumber + 42, 60);
    int officer = (sexagenary % 12 - nMonth + 13) % 12;

    int stars[3];
    calendar.Kusei(running, stars);
    int star = stars[0];
    int direction = stars[1];
    const int switchDay = stars[2];
    int starStep = 8 - 7 * direction;

    if (nMonth == 2)
        nMonthl[2] = urucheck(nYear);
    nDays = nMonthl[nMonth];
    nDay = std::clamp(nDay, 1, nDays);

    int solarMonth = (nMonth + 10) % 12;
    int holiday = FirstHolidayOf(nMonth);
    int lunarMonth = lunar[1];
    int lunarDay = lunar[2];
    int leap = lunar[3];
    int term = 0;
    int weekdayCount[7] = {};

    for (int i = 0; i < nDays; ++i) {
        DayEntry& entry = Day[i];
        running[2] = i + 1;

        if (lunarDay > 28) {
            int fresh[4];
            std::int32_t unused;
            calendar.Inreki(fresh, running, &unused);
            // A new month may carry the same number and leap flag as the one
            // running (the series number some months alike): the day tells.
            if (fresh[1] != lunarMonth || fresh[3] != leap || fresh[2] != lunarDay) {
                lunarDay = fresh[2];
                lunarMonth = fresh[1];
                leap = fresh[3];
                roki = (fresh[1] + fresh[2] - 2) % 6;
            }
        }

        entry.nHoly = 0;
        entry.nSekki = 0;
        const int weekday = (nWeek1 + i) % 7;
        if (byLaw) {
            entry.nHoly = LawHolidayOf(nYear, nMonth, i + 1, equinoxes);
        } else if (nHolyday[holiday][0] == nMonth && nHolyday[holiday][1] == i + 1) {
            ++holiday;
            entry.nHoly = holiday;
        } else if (i >= 2 && weekday == 1 && Day[i - 1].nHoly > 0) {
            entry.nHoly = 16;
        }

        if (term < 2 && terms[term].day == i + 1) {
            if (term == 0)
                officer = (sexagenary % 12 - nMonth + 12) % 12;
            if (terms[term].index % 12 == 0) {
                // An equinox is shown as its holiday; before the holiday law
                // there was none, and it shows as the solar term it is.
                if (!byLaw)
                    entry.nHoly = terms[term].index == 0 ? 4 : 11;
                else if (entry.nHoly == 0)
                    entry.nSekki = terms[term].index + 1;
            } else {
                if (term == 0)
                    solarMonth = solarMonth % 12 + 1;
                entry.nSekki = terms[term].index + 1;
            }
            ++term;
        }

        if (i == switchDay) {
            direction = 1 - direction;
            star = direction == 1 ? 0 : 8;
            starStep = 8 - 7 * direction;
        }

        entry.nYear = nYear;
        entry.nMonth = nMonth;
        entry.nDay = i + 1;
        ++weekdayCount[weekday];
        entry.nWeekCode = weekday + 32 * weekdayCount[weekday];
        entry.nKanshi = sexagenary % 60;
        entry.nKusei = star % 9;
        entry.nInMonth = lunarMonth;
        entry.nInDay = lunarDay;
        entry.nUrus = leap;
        entry.nRoki = roki % 6;
        entry.nChoku = officer % 12;
        entry.nShuku = (mansionBase + i) % 28;
        const int lunarDate[2] = {lunarMonth, lunarDay};
        const int solarDate[2] = {solarMonth, sexagenary % 60};
        entry.nReki = GetRekicyu(lunarDate, solarDate);

        star = (star + starStep) % 9;
        ++lunarDay;
        ++officer;
        ++roki;
        ++sexagenary;
    }
}

void Vesoma::SetDate(const int* date)
{
    nYear = date[0];
    nMonth = date[1];
    nDay = date[2];
}
