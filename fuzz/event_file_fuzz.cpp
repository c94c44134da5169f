// Any bytes as an event file: loaded and saved, then changed as the user
// changes events (some deleted, some changed, one added, the store rebuilt as
// the event list rebuilds it), saved, loaded and saved again. A line is the
// text up to a LF; the text after the last LF is no line. Nothing of the file
// may be lost or altered: every line comes back byte for byte and in its
// place unless the harness deleted or changed its event; the changed and
// added events follow in their record line form, then the text after the last
// line end. Reading the saved file again must give the same records, and
// saving them the same bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

#include "core/events/events.h"
#include "platform/message_box.h"

namespace {

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Memory-backed when the machine has it: every save flushes to disk.
const std::string& EventFile()
{
    static const std::string path = [] {
        char pattern[] = "/dev/shm/vesoma-fuzz-XXXXXX";
        char fallback[] = "/tmp/vesoma-fuzz-XXXXXX";
        const char* folder = mkdtemp(pattern);
        if (folder == nullptr)
            folder = mkdtemp(fallback);
        if (folder == nullptr)
            std::abort();
        return std::string(folder) + "/VESOMA.CAL";
    }();
    return path;
}

// Whether a line (without its line end) holds a record: no NUL byte (reading
// it up to one would drop the rest), a name, and a date rule the validation
// accepts.
bool IsRecord(std::string line)
{
    static Events codec;
    if (line.find('\0') != std::string::npos)
        return false;
    codec.SplitEvent(line.data());
    return codec.szEvent[0] != '\0' && codec.CheckEventDate() == 1;
}

std::vector<std::pair<std::string, int>> ListStore()
{
    std::vector<std::pair<std::string, int>> listed;
    char line[nEventLineSize];
    const EventRecords& records = Events::hMem;
    for (int i = 0; Evs.SetEventList(i, line) == 1; ++i)
        listed.emplace_back(line, records[static_cast<std::size_t>(i)].nLine);
    return listed;
}

void SaveOrAbort()
{
    if (Evs.SaveEvent(Evs.szFile) != 1)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Neither loading nor saving these files may have anything to tell the user.
    platform::SetMessageBoxHandler(
        [](const platform::MessageBoxRequest&) -> platform::MbResult { std::abort(); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = EventFile();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    if (Evs.LoadEvent(path.c_str()) != 1)
        std::abort();
    SaveOrAbort();
    if (ReadBytes(path) != bytes)
        std::abort();

    // The k-th record line of the file is the k-th record. Each record is
    // kept, deleted or changed to 25 December by the bytes' length and its
    // number; a record line kept comes back in place, the others go.
    const std::vector<std::pair<std::string, int>> listed = ListStore();
    std::string expected, added;
    std::vector<std::pair<std::string, int>> rebuilt;
    std::size_t start = 0, record = 0;
    for (std::size_t end = bytes.find('\n'); end != std::string::npos;
         start = end + 1, end = bytes.find('\n', start)) {
        const std::string line = bytes.substr(start, end + 1 - start);
        const std::size_t content = line.size() - 1 - (line.size() > 1 && line[line.size() - 2] == '\r');
        if (!IsRecord(line.substr(0, content))) {
            expected += line;
            continue;
        }
        if (record >= listed.size())
            std::abort();
        const std::size_t choice = (size + record * 7) % 5;
        const std::pair<std::string, int>& entry = listed[record++];
        if (choice < 3) {
            expected += line;
            rebuilt.push_back(entry);
        } else if (choice == 3) {
            const std::string name = entry.first.substr(entry.first.find(',') + 1);
            rebuilt.emplace_back("****/12/25," + name, -1);
            added += rebuilt.back().first + "\r\n";
        }
    }
    if (record != listed.size())
        std::abort();
    rebuilt.emplace_back("****/ 1/ 1,new", -1);
    added += "****/ 1/ 1,new\r\n";
    // Kept records first, in file order; the changed and the added after them.
    std::stable_partition(rebuilt.begin(), rebuilt.end(),
                          [](const auto& entry) { return entry.second >= 0; });
    Events::nCount = 0;
    for (const auto& [line, fileLine] : rebuilt) {
        std::string cut = line;
        Evs.SplitEvent(cut.data());
        Evs.CheckEventDate();
        if (Evs.AddEvent(fileLine) != 1)
            std::abort();
    }
    SaveOrAbort();
    const std::string saved = ReadBytes(path);
    if (saved != expected + added + bytes.substr(start))
        std::abort();

    const std::vector<std::pair<std::string, int>> before = ListStore();
    if (Evs.LoadEvent(path.c_str()) != 1)
        std::abort();
    const std::vector<std::pair<std::string, int>> after = ListStore();
    if (before.size() != after.size())
        std::abort();
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (before[i].first != after[i].first)
            std::abort();
    }
    SaveOrAbort();
    if (ReadBytes(path) != saved)
        std::abort();
    return 0;
}
