// The user's own events: the event file, the records held for the whole run,
// their text form and the matching of records to days. The application keeps
// the single instance Evs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct EventRecord {
    std::int32_t nYear;      // 0 = every year
    std::int32_t nMonth;     // 0 = every month
    std::int32_t nDay;       // 0 (or never a day) for a weekday rule
    std::int32_t nWeekCode;  // -1 = no weekday rule, else ordinal * 32 + weekday
    char szEvent[64];
};

// Bytes a buffer that receives one record line must hold. A line the program
// writes stays within 80 bytes, but a hand-edited file can make the texts of a
// record longer than the editor ever would.
constexpr std::size_t nEventLineSize = 128;

// Valid ranges, inclusive, of year, month and day.
extern const int nDateLimit[3][2];
// Ordinal words: 毎週, 第１ ... 第５.
extern const char* const szWeekNum[6];

class Events {
public:
    char szFile[262] = {};
    char szEvent[64] = {};
    char szDate[4][16] = {};  // year, month, day and weekday-rule texts
    int bChanged = 0;
    int bWeek = 0;
    int bEdit = 0;
    int bModify = 0;
    int nMode = 0;    // 1: CheckEvent returns one event per call
    int nMaxLen = 0;  // length limit of CheckEvent's text
    int nStart = 0;   // record at which CheckEvent starts
    int nDate[4] = {};

    static int nCount;
    static int nDayCount;
    // The record array; the store is its first nCount records.
    static std::vector<EventRecord> hMem;

    Events();
    Events(const Events&) = delete;
    Events& operator=(const Events&) = delete;
    // Asks about unsaved changes when AskSaveAtExit was never called.
    ~Events();

    int LoadEvent(char* path);
    int SaveEvent(char* path);
    int AddEvent();
    int SetEventList(int index, char* line);
    int SetEvent(char* line);
    int SetEventList(char* line);
    void SplitEvent(char* line);
    int CheckEventDate();
    int GetWeekDate(int* out);
    void SetWeekDate(int code, char* text);
    void SetWeekDate(int ordinal, int weekday);
    int FileLength(int file);

    // Matches day = {year, month, day, week code} against the records from
    // nStart on; out receives the names (at least nMaxLen + 1 bytes, and 2).
    int CheckEvent(int* day, char* out);

    // The question at the end of the run: with unsaved changes asks whether
    // to save and saves on Yes. Call it while message boxes can still be
    // shown. Returns 0 when a chosen save failed, else 1.
    int AskSaveAtExit();

private:
    // Lines of the file that are not records, kept byte for byte (each with
    // its CR LF) so that a save writes them back after the records.
    std::string szUnreadLines;
    int bExitAsked = 0;
};

extern Events Evs;
