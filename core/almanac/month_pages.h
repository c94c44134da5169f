// The almanac on paper without a printer: a run of months, one page each, laid
// out as the printed page is, written as a PDF file.
#pragma once

#include <functional>

#include "core/almanac/almanac_choices.h"
#include "platform/pdf_document.h"

// The months from first to last inclusive, each {year, month}.
struct MonthSpan {
    int first[2];
    int last[2];
};

// The most pages a run of months may take.
constexpr int kMaxSpanPages = 25;

// How many months the span holds; 0 or less when it runs backwards.
int CountMonths(const MonthSpan& span);

// The {year, month} that is `offset` months after first.
void MonthAfter(const int* first, int offset, int* month);

// Writes the span's months, one page each with the month grid inside the
// printed page's margins in the print face, as the PDF file path. progress,
// when given, hears (n, N) before page n of N is drawn. False when the file
// cannot be written; then nothing is left under path.
bool WriteMonthsPdf(const MonthSpan& span, const AlmanacChoices& choices, platform::PaperSize paper,
                    const char* path, const std::function<void(int, int)>& progress = {});
