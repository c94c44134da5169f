// Any bytes as an event file: loaded, listed, saved and loaded again. Every
// record must come back unchanged, and a second save must write the same
// bytes, so that nothing of the file is lost either.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

#include "core/events/events.h"
#include "platform/message_box.h"

namespace {

struct Listed {
    EventRecord record;
    std::string line;
};

std::vector<Listed> ListStore()
{
    std::vector<Listed> listed;
    char line[nEventLineSize];
    for (int i = 0; Evs.SetEventList(i, line) == 1; ++i)
        listed.push_back({Events::hMem[static_cast<std::size_t>(i)], line});
    return listed;
}

bool SameRecords(const std::vector<Listed>& a, const std::vector<Listed>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const EventRecord& x = a[i].record;
        const EventRecord& y = b[i].record;
        if (x.nYear != y.nYear || x.nMonth != y.nMonth || x.nDay != y.nDay || x.nWeekCode != y.nWeekCode ||
            std::strcmp(x.szEvent, y.szEvent) != 0 || a[i].line != b[i].line)
            return false;
    }
    return true;
}

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
    std::string path = EventFile();
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    if (Evs.LoadEvent(path.data()) != 1)
        std::abort();
    std::vector<Listed> first = ListStore();
    SaveOrAbort();
    std::string saved = ReadBytes(path);

    if (Evs.LoadEvent(path.data()) != 1 || !SameRecords(first, ListStore()))
        std::abort();
    SaveOrAbort();
    if (ReadBytes(path) != saved)
        std::abort();
    return 0;
}
