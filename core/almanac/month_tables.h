// The tables the month table is built from: the fixed holidays and the month
// lengths of the year being built.
#pragma once

// Holidays on fixed dates as {month, day}, in calendar order; position p names
// szHolyday[p + 1]. Day 0 marks an equinox holiday; {0, 0} ends the table.
extern const int nHolyday[16][2];

// Day-of-month counts for the table being built; index 2 is rewritten with
// urucheck of the year whenever a February is built.
extern int nMonthl[13];
