// Which of the user's events fall on a day.
#include <cstring>

#include "core/events/events.h"

namespace {

bool Matches(const EventRecord& record, const int* day)
{
    if (record.nYear > 0 && record.nYear != day[0])
        return false;
    if (record.nMonth > 0 && record.nMonth != day[1])
        return false;
    return record.nDay == day[2] || record.nWeekCode == day[3] ||
           (record.nWeekCode < 32 && record.nWeekCode == (day[3] % 32) % 7);
}

}  // namespace

int Events::CheckEvent(int* day, char* out)
{
    if (nCount < 0 || nCount > static_cast<int>(hMem.size()))
        return -1;
    nDayCount = 0;
    std::size_t length = 0;
    std::size_t limit = nMaxLen > 0 ? static_cast<std::size_t>(nMaxLen) : 0;
    for (int i = nStart < 0 ? 0 : nStart; i < nCount; ++i) {
        const EventRecord& record = hMem[static_cast<std::size_t>(i)];
        if (!Matches(record, day))
            continue;
        ++nDayCount;
        std::size_t nameLength = strnlen(record.szEvent, sizeof record.szEvent - 1);
        if (nameLength + length < limit) {
            std::memcpy(out + length, record.szEvent, nameLength);
            length += nameLength;
            out[length++] = ',';
        }
        if (nMode == 1) {
            nStart = i + 1;
            break;
        }
    }
    if (length > 0)
        --length;
    out[length++] = ' ';
    out[length] = '\0';
    return nDayCount;
}
