// Which of the user's events fall on a day. The records are indexed by the
// days they can fall on, so that a day looks only at its own records; the
// result is the scan of every record in store order, found faster.
#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <vector>

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

// The days the index serves: those of a month table. Any other day is
// matched by the scan.
constexpr int kMaxIndexedYear = 65535;
bool Served(const int* day)
{
    return day[0] >= 1 && day[0] <= kMaxIndexedYear && day[1] >= 1 && day[1] <= 12 && day[2] >= 1 &&
           day[2] <= 31 && day[3] >= 32 && day[3] <= 5 * 32 + 6 && day[3] % 32 <= 6;
}

// Year (0 for every year), month (0 for every month), then a day of the month
// or a week code.
std::uint32_t Key(int year, int month, bool week, int value)
{
    return static_cast<std::uint32_t>(year) << 13 | static_cast<std::uint32_t>(month) << 9 |
           static_cast<std::uint32_t>(week) << 8 | static_cast<std::uint32_t>(value);
}

// For each key the records, in store order, that a served day of that key
// matches: by their day of the month, or by their week code (every week or
// the ordinal one). A record can be in one list of each kind.
struct DayIndex {
    std::uint64_t nChanges = 0;
    int nIndexed = -1;
    std::unordered_map<std::uint32_t, std::vector<int>> lists;

    void Build(const EventRecords& records, int count)
    {
        lists.clear();
        nIndexed = -1;
        for (int i = 0; i < count; ++i) {
            const EventRecord& record = records[static_cast<std::size_t>(i)];
            const int year = record.nYear > 0 ? record.nYear : 0;
            const int month = record.nMonth > 0 ? record.nMonth : 0;
            if (year > kMaxIndexedYear || month > 12)
                continue;  // never on a served day
            if (record.nDay >= 1 && record.nDay <= 31)
                lists[Key(year, month, false, record.nDay)].push_back(i);
            const int code = record.nWeekCode;
            if ((code >= 0 && code <= 6) || (code >= 32 && code <= 5 * 32 + 6 && code % 32 <= 6))
                lists[Key(year, month, true, code)].push_back(i);
        }
        nChanges = records.Changes();
        nIndexed = count;
    }

    bool Current(const EventRecords& records, int count) const
    {
        return nIndexed == count && nChanges == records.Changes();
    }

    // The lists a served day looks at.
    int Lists(const int* day, const std::vector<int>** found) const
    {
        int n = 0;
        for (int year : {0, day[0]}) {
            for (int month : {0, day[1]}) {
                for (const std::uint32_t key :
                     {Key(year, month, false, day[2]), Key(year, month, true, day[3]),
                      Key(year, month, true, day[3] % 32)}) {
                    auto it = lists.find(key);
                    if (it != lists.end())
                        found[n++] = &it->second;
                }
            }
        }
        return n;
    }
};

DayIndex& Index()
{
    static DayIndex index;
    return index;
}

}  // namespace

void Events::RefreshDayIndex()
{
    const EventRecords& records = hMem;
    if (nCount < 0 || nCount > static_cast<int>(records.size()))
        return;
    if (!Index().Current(records, nCount))
        Index().Build(records, nCount);
}

int Events::CheckEvent(int* day, char* out)
{
    const EventRecords& records = hMem;
    if (nCount < 0 || nCount > static_cast<int>(records.size()))
        return -1;
    nDayCount = 0;
    std::size_t length = 0;
    std::size_t limit = nMaxLen > 0 ? static_cast<std::size_t>(nMaxLen) : 0;
    // Counts record i and appends its name while it fits; true when the
    // call is to stop there.
    auto take = [&](int i) {
        const EventRecord& record = records[static_cast<std::size_t>(i)];
        ++nDayCount;
        std::size_t nameLength = strnlen(record.szEvent, sizeof record.szEvent - 1);
        if (nameLength + length < limit) {
            std::memcpy(out + length, record.szEvent, nameLength);
            length += nameLength;
            out[length++] = ',';
        }
        if (nMode == 1) {
            nStart = i + 1;
            return true;
        }
        return false;
    };
    const int first = nStart < 0 ? 0 : nStart;
    if (Served(day)) {
        RefreshDayIndex();
        // The day's lists merged in store order; a record in two of them
        // counts once.
        const std::vector<int>* lists[12];
        std::vector<int>::const_iterator at[12];
        const int n = Index().Lists(day, lists);
        for (int k = 0; k < n; ++k)
            at[k] = std::lower_bound(lists[k]->begin(), lists[k]->end(), first);
        for (;;) {
            int next = nCount;
            for (int k = 0; k < n; ++k) {
                if (at[k] != lists[k]->end())
                    next = std::min(next, *at[k]);
            }
            if (next >= nCount)
                break;
            for (int k = 0; k < n; ++k) {
                if (at[k] != lists[k]->end() && *at[k] == next)
                    ++at[k];
            }
            if (take(next))
                break;
        }
    } else {
        for (int i = first; i < nCount; ++i) {
            if (Matches(records[static_cast<std::size_t>(i)], day) && take(i))
                break;
        }
    }
    if (length > 0)
        --length;
    out[length++] = ' ';
    out[length] = '\0';
    return nDayCount;
}
