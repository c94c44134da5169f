// A private folder per test for event files, their bytes, and records put straight into the store.
#pragma once

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "core/events/events.h"
#include "platform/sjis.h"

class EventFolder {
public:
    EventFolder() : path_(MakeFolder()) {}
    ~EventFolder()
    {
        // The next test finds the program's store empty, and it never saves into a folder that is gone.
        Evs.bModify = 0;
        Evs.LoadEvent(File("none.CAL").c_str());
        std::filesystem::remove_all(path_, ignored_);
    }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    // Opens the folder to every user, for children that run as nobody.
    void OpenToAll() const { std::filesystem::permissions(path_, std::filesystem::perms::all); }

private:
    static std::string MakeFolder() { return mkdtemp(std::string("/tmp/vesoma-events-XXXXXX").data()); }
    std::string path_;
    std::error_code ignored_;
};

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The CP932 bytes of UTF-8 lines, each ended with CR LF.
inline std::string CalLines(const std::vector<std::string>& utf8Lines)
{
    std::string bytes;
    for (const std::string& line : utf8Lines)
        bytes += platform::ToSjis(line) + "\r\n";
    return bytes;
}

// Writes bytes as the event file path and loads it into Evs.
inline int LoadBytes(const std::string& path, const std::string& bytes)
{
    WriteBytes(path, bytes);
    return Evs.LoadEvent(path.c_str());
}

// Record line i of Evs as UTF-8, or "-" past the end.
inline std::string ListedLine(int i)
{
    char line[nEventLineSize];
    return Evs.SetEventList(i, line) == 1 ? platform::ToUtf8(line) : "-";
}

// A record with a UTF-8 name, stored in CP932 as the event file gives it.
inline EventRecord Record(int year, int month, int day, int weekCode, const std::string& utf8Name)
{
    EventRecord record{year, month, day, weekCode, {}};
    std::strncpy(record.szEvent, platform::ToSjis(utf8Name).c_str(), sizeof record.szEvent - 1);
    return record;
}

inline void StoreRecords(const std::vector<EventRecord>& records)
{
    Events::hMem = records;
    Events::nCount = static_cast<int>(records.size());
}

// Runs body in a child process (as the user nobody when asUser and this is root, who reads and writes
// everything), killed when it takes more than 10 s. 0 when body returned true, 1 when false, 2 when the
// user could not be changed, -1 when it crashed or hung.
inline int InChild(bool asUser, const std::function<bool()>& body)
{
    pid_t child = fork();
    if (child == 0) {
        alarm(10);
        if (asUser && getuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(2);
        _exit(body() ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
