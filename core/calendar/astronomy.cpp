#include "core/calendar/astronomy.h"

#include "core/calendar/lunisolar.h"
#include "core/calendar/nine_stars.h"
#include "core/calendar/precise_calendar.h"
#include "core/calendar/solar_terms.h"

const CalendarComputation& ComputationOf(Astronomy astronomy)
{
    static const CalendarComputation standard = {Calc_Inreki, CalcSekki, NichKusei};
    static const CalendarComputation precise = {PreciseInreki, PreciseSekki, PreciseKusei};
    return astronomy == Astronomy::Precise ? precise : standard;
}
