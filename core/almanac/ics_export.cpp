#include "core/almanac/ics_export.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "core/almanac/one_event_per_call.h"
#include "core/almanac/vesoma.h"
#include "core/events/events.h"
#include "core/vocabulary/vocabulary.h"
#include "platform/sjis.h"

namespace {

// The vocabulary pads some names with blanks for the grid's columns.
std::string Utf8Name(const char* sjis)
{
    std::string text = platform::ToUtf8(sjis);
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

std::uint32_t Fnv1a(const std::string& text)
{
    std::uint32_t hash = 2166136261u;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 16777619u;
    }
    return hash;
}

// Year, month and day of a count of days since 1970-01-01.
void CivilDate(std::int64_t days, int& year, int& month, int& day)
{
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shifted = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * shifted + 2) / 5 + 1);
    month = static_cast<int>(shifted < 10 ? shifted + 3 : shifted - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2));
}

std::string UtcStamp(std::int64_t stamp)
{
    std::int64_t days = stamp / 86400;
    std::int64_t seconds = stamp % 86400;
    if (seconds < 0) {
        seconds += 86400;
        --days;
    }
    int year, month, day;
    CivilDate(days, year, month, day);
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02dZ", year, month, day,
                  static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
                  static_cast<int>(seconds % 60));
    return text;
}

struct Writer {
    std::string& out;
    std::string stamp;
    long nEvents = 0;
    char start[40] = {};
    char end[40] = {};

    void Day(const DayEntry& day, int nDays)
    {
        std::snprintf(start, sizeof start, "%04d%02d%02d", day.nYear, day.nMonth, day.nDay);
        int year = day.nYear, month = day.nMonth, next = day.nDay + 1;
        if (next > nDays) {
            next = 1;
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
        std::snprintf(end, sizeof end, "%04d%02d%02d", year, month, next);
    }

    // ordinal > 1 tells apart items of one day with the same kind and text.
    void Event(const char* kind, const char* category, const std::string& summary, int ordinal)
    {
        char uid[160];
        const int n = std::snprintf(uid, sizeof uid, "UID:%s-%s-%08x", start, kind,
                                    static_cast<unsigned>(Fnv1a(summary)));
        if (ordinal > 1)
            std::snprintf(uid + n, sizeof uid - static_cast<std::size_t>(n), "-%d", ordinal);
        out += "BEGIN:VEVENT\r\n";
        out += uid;
        out += "@vesoma.almanac\r\nDTSTAMP:";
        out += stamp;
        out += "\r\nDTSTART;VALUE=DATE:";
        out += start;
        out += "\r\nDTEND;VALUE=DATE:";
        out += end;
        out += "\r\n";
        IcsAppendLine(out, "SUMMARY:" + IcsEscape(summary));
        out += "CATEGORIES:";
        out += category;
        out += "\r\nTRANSP:TRANSPARENT\r\nEND:VEVENT\r\n";
        ++nEvents;
    }
};

}  // namespace

std::string IcsEscape(const std::string& utf8)
{
    std::string text;
    text.reserve(utf8.size() + 8);
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        if (c == '\\' || c == ';' || c == ',') {
            text += '\\';
            text += c;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n')
                ++i;
            text += "\\n";
        } else if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') {
            text += c;
        }
    }
    return text;
}

void IcsAppendLine(std::string& out, const std::string& line)
{
    std::size_t at = 0;
    std::size_t room = 75;
    while (line.size() - at > room) {
        std::size_t cut = at + room;
        // Never inside a character: back up over continuation bytes.
        while (cut > at && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
            --cut;
        out.append(line, at, cut - at);
        out += "\r\n ";
        at = cut;
        room = 74;
    }
    out.append(line, at, std::string::npos);
    out += "\r\n";
}

long ExportIcs(const AlmanacChoices& choices, Events& store, int firstYear, int lastYear,
               const IcsKinds& kinds, std::int64_t stamp, std::string& out, const IcsProgress& progress)
{
    if (firstYear < 1900 || lastYear > 2100 || lastYear < firstYear)
        return -1;
    std::vector<std::string> holidays, terms, rokuyo;
    for (const char* name : szHolyday)
        holidays.push_back(Utf8Name(name));
    for (int i = 0; i < 24; ++i)
        terms.push_back(Utf8Name(szSekki[i]));
    for (const char* name : szRoki)
        rokuyo.push_back(Utf8Name(name));
    const EventRecords& records = Events::hMem;
    std::vector<std::string> names(static_cast<std::size_t>(Events::nCount > 0 ? Events::nCount : 0));
    std::vector<bool> converted(names.size());

    out.clear();
    out.reserve(static_cast<std::size_t>(lastYear - firstYear + 1) * 365 * 3 * 220);
    out +=
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Vesoma//Vesoma Almanac//JA\r\n"
        "CALSCALE:GREGORIAN\r\nMETHOD:PUBLISH\r\n";
    IcsAppendLine(out, "X-WR-CALNAME:" + IcsEscape("運勢暦"));
    Writer writer{out, UtcStamp(stamp)};

    Vesoma table;
    table.choices = choices;
    const OneEventPerCall oneByOne(store);
    std::vector<const std::string*> seen;  // the day's event names so far
    const int total = (lastYear - firstYear + 1) * 12;
    for (int done = 0; done < total; ++done) {
        const int date[3] = {firstYear + done / 12, done % 12 + 1, 1};
        table.SetCalender(date);
        for (int i = 0; i < table.nDays; ++i) {
            const DayEntry& day = table.Day[i];
            writer.Day(day, table.nDays);
            if (kinds.bHolidays && day.nHoly > 0 && day.nHoly < 25) {
                // The table's 4 May has no name of its own: the day between two holidays.
                const std::string& name = holidays[static_cast<std::size_t>(day.nHoly)];
                writer.Event("holiday", "祝日", name.empty() ? holidays[20] : name, 1);
            }
            // The table shows an equinox as its holiday; it is the term all the same.
            int term = day.nSekki - 1;
            if (day.nSekki == 0 && (day.nHoly == 4 || day.nHoly == 11))
                term = day.nHoly == 4 ? 0 : 12;
            if (kinds.bTerms && term >= 0 && term < 24)
                writer.Event("term", "二十四節気", terms[static_cast<std::size_t>(term)], 1);
            if (kinds.bRokuyo && day.nRoki >= 0 && day.nRoki < 6)
                writer.Event("rokuyo", "六曜", rokuyo[static_cast<std::size_t>(day.nRoki)], 1);
            if (!kinds.bEvents || names.empty())
                continue;
            int when[4] = {day.nYear, day.nMonth, day.nDay, day.nWeekCode};
            char text[64];
            store.nStart = 0;
            seen.clear();
            while (store.CheckEvent(when, text) > 0 && store.nStart > 0 &&
                   store.nStart <= static_cast<int>(names.size())) {
                const std::size_t r = static_cast<std::size_t>(store.nStart - 1);
                if (!converted[r]) {
                    const char* name = records[r].szEvent;
                    names[r] =
                        platform::ToUtf8(std::string(name, strnlen(name, sizeof records[r].szEvent - 1)));
                    converted[r] = true;
                }
                int ordinal = 1;
                for (const std::string* other : seen)
                    ordinal += *other == names[r];
                seen.push_back(&names[r]);
                writer.Event("event", "予定", names[r], ordinal);
            }
        }
        if (progress && !progress(done + 1, total)) {
            out.clear();
            return -1;
        }
    }
    out += "END:VCALENDAR\r\n";
    return writer.nEvents;
}
