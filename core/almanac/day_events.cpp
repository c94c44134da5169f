#include "core/almanac/vesoma.h"
#include "core/events/events.h"

int Vesoma::CountDayEvents(int i, char* names)
{
    DayEntry& day = Day[i];
    int date[4] = {day.nYear, day.nMonth, day.nDay, day.nWeekCode};
    Evs.nMode = 0;
    Evs.nMaxLen = 63;
    Evs.nStart = 0;
    day.nEvent = Evs.CheckEvent(date, names);
    return day.nEvent;
}
