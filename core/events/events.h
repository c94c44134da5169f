// The user's own events: the event file, the records held for the whole run,
// their text form and the matching of records to days. The application keeps
// the single instance Evs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/file_io.h"

struct EventRecord {
    std::int32_t nYear;      // 0 = every year
    std::int32_t nMonth;     // 0 = every month
    std::int32_t nDay;       // 0 (or never a day) for a weekday rule
    std::int32_t nWeekCode;  // -1 = no weekday rule, else ordinal * 32 + weekday
    char szEvent[64];
    // The line of the event file the record was read from, which a save
    // writes back as it was; -1 for a record entered in the program.
    std::int32_t nLine = -1;
};

// The record array. It counts every change made through it, so that the index
// of days built from the records knows when it is out of date; reading goes
// through a const reference.
class EventRecords {
public:
    EventRecords& operator=(std::vector<EventRecord> records)
    {
        records_ = std::move(records);
        ++nChanges_;
        return *this;
    }
    EventRecord& operator[](std::size_t i)
    {
        ++nChanges_;
        return records_[i];
    }
    const EventRecord& operator[](std::size_t i) const { return records_[i]; }
    EventRecord* data()
    {
        ++nChanges_;
        return records_.data();
    }
    const EventRecord* data() const { return records_.data(); }
    std::size_t size() const { return records_.size(); }
    bool empty() const { return records_.empty(); }
    void reserve(std::size_t n) { records_.reserve(n); }
    void resize(std::size_t n)
    {
        records_.resize(n);
        ++nChanges_;
    }
    void push_back(const EventRecord& record)
    {
        records_.push_back(record);
        ++nChanges_;
    }
    void clear()
    {
        records_.clear();
        ++nChanges_;
    }
    std::vector<EventRecord>::const_iterator begin() const { return records_.begin(); }
    std::vector<EventRecord>::const_iterator end() const { return records_.end(); }
    std::uint64_t Changes() const { return nChanges_; }

private:
    std::vector<EventRecord> records_;
    std::uint64_t nChanges_ = 0;
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

    // Saves are refused, the records entered staying in memory: the file
    // could not be read (so it is never written over) until another file is
    // chosen; or another program writes the file, or the store was read for
    // showing only.
    int bLoadFailed = 0;
    int bReadOnly = 0;
    // Lines of the file last loaded that hold text but no record (a file
    // written in another encoding, say): kept as they are at every save.
    int nUnreadLines = 0;

    static int nCount;
    static int nDayCount;
    // The record array; the store is its first nCount records.
    static EventRecords hMem;

    Events();
    Events(const Events&) = delete;
    Events& operator=(const Events&) = delete;
    // Asks about unsaved changes when AskSaveAtExit was never called.
    ~Events();

    // Reads the event file at path: a regular file of at most kEventFileLimit
    // bytes, never waited on. With bLock the store holds the advisory lock on
    // the file for the whole run, so that one program at a time writes it;
    // when another program holds it the store says so once and is read-only.
    int LoadEvent(const char* path, int bLock = 1);
    // Tells the user how many lines of the file just loaded could not be
    // read, when there are any.
    void ReportUnreadLines() const;
    // Writes the store to the file it was loaded from. Every line of the file
    // comes back byte for byte unless its event was changed or deleted; new
    // records are written in their record line form. Asks before replacing a
    // file that changed since it was loaded.
    int SaveEvent(const char* path);
    // nFileLine: the file line the record comes from (loading, and the event
    // list rebuilding the store), -1 for a record entered in the program.
    int AddEvent(int nFileLine = -1);
    // The event file setting changed to path. A store that refuses to save
    // moves to that file: loads it and adds the records it held after the
    // file's own; the result is 1 then, else 0 and the new file is loaded at
    // the next start.
    int ChangeFile(const char* path);
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
    // to save (Yes, No or Cancel) and saves on Yes. Call it while message
    // boxes can still be shown. Returns 0 when the program must stay open (the
    // user cancelled, or a chosen save failed), else 1.
    int AskSaveAtExit();

    // The largest event file read: a million lines of generous length, and
    // never so many lines that the records would exhaust memory.
    static constexpr std::size_t kEventFileLimit = std::size_t{128} << 20;
    static constexpr std::size_t kEventLineLimit = 2000000;

private:
    // A line of the loaded (or last saved) file: its bytes with the line end
    // in szFileText, and for a record line a hash of the record read from it,
    // so that a changed record is never written as its old line.
    struct FileLine {
        std::uint32_t nStart;
        std::uint32_t nLength;
        std::uint64_t nRecordHash;  // 0: no record
    };
    static std::string szFileText;
    static std::vector<FileLine> fileLines;
    static std::size_t nTailStart;  // text after the last line end, never a record

    platform::FileLock lock;
    platform::FileStamp stamp;  // the file as loaded or last saved
    int bExitAsked = 0;

    // The file's lines as they are to be saved, into content and lines.
    void WriteLines(std::string& content, std::vector<FileLine>& lines, std::vector<int>& recordLines);
    // Keeps the index of records by day current (event_match.cpp).
    static void RefreshDayIndex();
};

extern Events Evs;
