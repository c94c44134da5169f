// The nine stars (九星), 0 = 一白 ... 8 = 九紫. They ascend after the winter
// solstice and descend after the summer one; each period starts on a day set
// by the solstice's place in the sexagenary cycle.
#pragma once

#include <cstdint>

// result = {star of date, direction (1 ascending, 0 descending), days from
// date to the next period's first day (0: it is date itself; negative: the
// period switch already happened)}. On a switch day the result still continues
// the ending period: the caller applies the switch.
void NichKusei(const int* date, int* result);

// The same rule on the solstice days that findTerm (in the shape of
// CalcSekki) finds from the 18th of June and of December.
void NichKuseiBy(const int* date, int* result, int (*findTerm)(int* record, std::int32_t* dayNumber));
