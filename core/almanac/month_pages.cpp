#include "core/almanac/month_pages.h"

#include "core/almanac/text_attr.h"
#include "core/almanac/vesoma.h"

int CountMonths(const MonthSpan& span)
{
    return span.last[0] * 12 + span.last[1] - (span.first[0] * 12 + span.first[1]) + 1;
}

void MonthAfter(const int* first, int offset, int* month)
{
    const int index = first[0] * 12 + first[1] - 1 + offset;
    month[0] = index / 12;
    month[1] = index % 12 + 1;
}

bool WriteMonthsPdf(const MonthSpan& span, const AlmanacChoices& choices, platform::PaperSize paper,
                    const char* path, const std::function<void(int, int)>& progress)
{
    platform::PdfDocument document(paper);
    int origin[2];
    GetPageOrigin(document, origin);
    document.SetLogicalOrigin(origin[0], origin[1]);
    Vesoma table;
    table.choices = choices;
    const int pages = CountMonths(span);
    for (int page = 0; page < pages; ++page) {
        if (progress)
            progress(page + 1, pages);
        int date[3] = {0, 0, 1};
        MonthAfter(span.first, page, date);
        table.SetCalender(date);
        if (page > 0)
            document.NextPage();
        table.DarwCalender(document);
    }
    return document.Save(path);
}
