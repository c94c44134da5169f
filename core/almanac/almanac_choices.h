// The user's choices that change what the almanac computes. The window takes
// them from the profile, the terminal tool from its options; the month table
// holds them and passes each on to the computation it selects.
#pragma once

#include "core/calendar/astronomy.h"

// Table: the fixed holidays of the almanac in every year; Law: the holidays
// as the holiday law had them in each year.
enum class Holidays { Table, Law };

struct AlmanacChoices {
    Astronomy astronomy = Astronomy::Standard;
    Holidays holidays = Holidays::Table;
};
