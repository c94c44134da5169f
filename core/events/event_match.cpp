// Which of the user's events fall on a day. The records are indexed by the
// days they can fall on, so that a day looks only at its own records; the
// result is the scan of every record in store order, found faster.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <unordered_map>
#include <utility>
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
// (kind 0), a week code (kind 1), or both (kind 2: the code times 32 plus the
// day).
std::uint64_t Key(int year, int month, int kind, std::uint32_t value)
{
    return static_cast<std::uint64_t>(year) << 20 | static_cast<std::uint64_t>(month) << 16 |
           static_cast<std::uint64_t>(kind) << 14 | static_cast<std::uint64_t>(value);
}

std::uint32_t Both(int code, int day)
{
    return static_cast<std::uint32_t>(code) << 5 | static_cast<std::uint32_t>(day);
}

bool Indexed(int code)
{
    return (code >= 0 && code <= 6) || (code >= 32 && code <= 5 * 32 + 6 && code % 32 <= 6);
}

// The records of one key in store order, with the length of the shortest name
// from each place on: once no name ahead fits the day's text, the rest are
// only counted.
struct DayList {
    std::vector<int> records;
    std::vector<std::uint8_t> shortest;
};

// For each key the records that a served day of that key matches: by their
// day of the month, or by their week code (every week or the ordinal one). A
// record can be in one list of each kind; those in both are listed once more
// under both, so that a count can take them off.
struct DayIndex {
    std::uint64_t nChanges = 0;
    int nIndexed = -1;
    std::unordered_map<std::uint64_t, DayList> lists;

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
            const bool byDay = record.nDay >= 1 && record.nDay <= 31;
            const bool byWeek = Indexed(record.nWeekCode);
            const std::uint8_t name =
                static_cast<std::uint8_t>(strnlen(record.szEvent, sizeof record.szEvent - 1));
            for (const auto& [kind, value] : {std::pair{0, static_cast<std::uint32_t>(record.nDay)},
                                              std::pair{1, static_cast<std::uint32_t>(record.nWeekCode)},
                                              std::pair{2, Both(record.nWeekCode, record.nDay)}}) {
                if ((kind == 0 && byDay) || (kind == 1 && byWeek) || (kind == 2 && byDay && byWeek)) {
                    DayList& list = lists[Key(year, month, kind, value)];
                    list.records.push_back(i);
                    list.shortest.push_back(name);
                }
            }
        }
        for (auto& entry : lists) {
            std::vector<std::uint8_t>& shortest = entry.second.shortest;
            for (std::size_t i = shortest.size() - 1; i-- > 0;)
                shortest[i] = std::min(shortest[i], shortest[i + 1]);
        }
        nChanges = records.Changes();
        nIndexed = count;
    }

    bool Current(const EventRecords& records, int count) const
    {
        return nIndexed == count && nChanges == records.Changes();
    }

    // The lists a served day looks at (at most 12), and those of records it
    // finds twice (at most 8); their numbers go to nFound and nTwice.
    void Lists(const int* day, const DayList** found, int& nFound, const DayList** twice, int& nTwice) const
    {
        nFound = nTwice = 0;
        const int week = day[3] % 32;
        for (int year : {0, day[0]}) {
            for (int month : {0, day[1]}) {
                for (const auto& [kind, value] :
                     {std::pair{0, static_cast<std::uint32_t>(day[2])},
                      std::pair{1, static_cast<std::uint32_t>(day[3])},
                      std::pair{1, static_cast<std::uint32_t>(week)}, std::pair{2, Both(day[3], day[2])},
                      std::pair{2, Both(week, day[2])}}) {
                    auto it = lists.find(Key(year, month, kind, value));
                    if (it != lists.end() && kind == 2)
                        twice[nTwice++] = &it->second;
                    else if (it != lists.end())
                        found[nFound++] = &it->second;
                }
            }
        }
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
        const DayList* lists[12];
        const DayList* twice[8];
        int n = 0;
        int nTwice = 0;
        Index().Lists(day, lists, n, twice, nTwice);
        std::size_t at[12];
        for (int k = 0; k < n; ++k) {
            const std::vector<int>& list = lists[k]->records;
            at[k] =
                static_cast<std::size_t>(std::lower_bound(list.begin(), list.end(), first) - list.begin());
        }
        for (;;) {
            int next = nCount;
            bool room = false;  // a name ahead may still fit the text
            for (int k = 0; k < n; ++k) {
                if (at[k] == lists[k]->records.size())
                    continue;
                next = std::min(next, lists[k]->records[at[k]]);
                room = room || lists[k]->shortest[at[k]] + length < limit;
            }
            if (next >= nCount)
                break;
            if (!room && nMode != 1) {
                // Every record from next on is counted, none appended.
                for (int k = 0; k < n; ++k)
                    nDayCount += static_cast<int>(lists[k]->records.size() - at[k]);
                for (int k = 0; k < nTwice; ++k) {
                    const std::vector<int>& list = twice[k]->records;
                    nDayCount -=
                        static_cast<int>(list.end() - std::lower_bound(list.begin(), list.end(), next));
                }
                break;
            }
            for (int k = 0; k < n; ++k) {
                if (at[k] < lists[k]->records.size() && lists[k]->records[at[k]] == next)
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
