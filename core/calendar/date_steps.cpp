#include "core/calendar/date_steps.h"

#include <algorithm>

#include "core/calendar/date_arith.h"

int ReadDateField(const char* text, int maxChars)
{
    // A field holds four characters at most; nine digits still fit an int.
    maxChars = std::min(maxChars, 9);
    int at = 0;
    auto more = [&] { return at < maxChars && text[at] != '\0'; };
    while (more() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r')))
        ++at;
    bool negative = false;
    if (more() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    int value = 0;
    for (; more() && text[at] >= '0' && text[at] <= '9'; ++at)
        value = value * 10 + (text[at] - '0');
    return negative ? -value : value;
}

int YearChange(int* date)
{
    // Truncating division: 13 adds a year, 0 takes one away, 1-12 change nothing.
    date[0] += (date[1] + 11) / 12 - 1;
    return kYearField;
}

int MonthChange(int* date)
{
    int shown = kMonthField;
    if (date[1] < 1 || date[1] > 12) {
        shown |= YearChange(date);
        // A two-character field and one step keep the month above -11, so
        // the remainder is never negative here.
        date[1] = (date[1] + 11) % 12 + 1;
    }
    return shown;
}

int DayChange(int* date)
{
    int shown = kDayField;
    // Month lengths are known for months 0-13 only (0 and 13 have no days);
    // a month typed beyond that is first made a real one.
    if (date[1] < 0 || date[1] > 13)
        shown |= MonthChange(date);
    if (date[2] < 1 || date[2] > GetMaxDate(date)) {
        if (date[2] < 1) {
            --date[1];
        } else {
            date[2] = 1;
            ++date[1];
        }
        shown |= MonthChange(date);
        if (date[2] < 1)
            date[2] = GetMaxDate(date);
    }
    return shown;
}

int StepDate(int* date, DateField field, int delta)
{
    switch (field) {
    case kYearField:
        date[0] += delta;
        return YearChange(date);
    case kMonthField:
        date[1] += delta;
        return MonthChange(date);
    case kDayField:
        date[2] += delta;
        return DayChange(date);
    }
    return 0;
}
