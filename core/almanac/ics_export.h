// The almanac as an iCalendar file (RFC 5545) that phone and web calendars
// import: one all-day event per chosen item and day, for a span of years.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/almanac/almanac_choices.h"

class Events;

// Which items of each day become events.
struct IcsKinds {
    bool bHolidays = true;
    bool bTerms = true;  // the 24 solar terms, the equinoxes included
    bool bRokuyo = true;
    bool bEvents = true;  // the user's events, as the month grid matches them
};

// Called after each month with the months done and the months in all; a
// false answer stops the export.
using IcsProgress = std::function<bool(int done, int total)>;

// The calendar of every day from 1 January of firstYear to 31 December of
// lastYear (1900-2100) into out: UTF-8, lines ended by CR LF and folded at 75
// octets. stamp (seconds since 1970, UTC) is every event's DTSTAMP, so that
// the same stamp gives the same bytes. An item's UID depends only on its day,
// kind and text, so that a calendar updates what it imported before. Returns
// the number of events, or -1 for a bad span or a stop asked by progress.
long ExportIcs(const AlmanacChoices& choices, Events& store, int firstYear, int lastYear,
               const IcsKinds& kinds, std::int64_t stamp, std::string& out,
               const IcsProgress& progress = nullptr);

// The text of a property value escaped as iCalendar TEXT.
std::string IcsEscape(const std::string& utf8);

// Appends one content line, folded at 75 octets between UTF-8 characters.
void IcsAppendLine(std::string& out, const std::string& line);
