// Any bytes as an event file: loaded, saved, loaded and saved again. Nothing
// of the file may be lost or altered: the first save must write every line
// the reader takes for a record in its written form, then every other line
// byte for byte, then whatever followed the last line end. Reading the saved
// file again must give the same records, and saving them the same bytes.
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

// The save the bytes of a file must come back as. A line is the text before a
// CR LF; it is a record when it holds no NUL byte (reading it up to one would
// drop the rest), has a name and a date rule the validation accepts. Records
// come first, in file order, each written as the list shows it; the lines
// that are not records follow as they were, in file order; then the text
// after the last CR LF, which is never a record.
std::string ExpectedSave(const std::string& bytes)
{
    static Events codec;
    std::string records;
    std::string others;
    std::size_t start = 0;
    for (std::size_t end = bytes.find("\r\n"); end != std::string::npos;
         start = end + 2, end = bytes.find("\r\n", start)) {
        const std::string line = bytes.substr(start, end - start);
        if (line.find('\0') == std::string::npos) {
            std::string cut = line;  // cut up by the parsing
            codec.SplitEvent(cut.data());
            if (codec.szEvent[0] != '\0' && codec.CheckEventDate() == 1) {
                char written[nEventLineSize];
                codec.SetEvent(written);
                records += written;
                records += "\r\n";
                continue;
            }
        }
        others += line + "\r\n";
    }
    return records + others + bytes.substr(start);
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
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;

    if (Evs.LoadEvent(path.data()) != 1)
        std::abort();
    std::vector<Listed> first = ListStore();
    SaveOrAbort();
    const std::string saved = ReadBytes(path);
    if (saved != ExpectedSave(bytes))
        std::abort();

    if (Evs.LoadEvent(path.data()) != 1 || !SameRecords(first, ListStore()))
        std::abort();
    SaveOrAbort();
    if (ReadBytes(path) != saved)
        std::abort();
    return 0;
}
