// Any bytes as a fortune file: every whole record loaded, and every record the
// day window could ask for (and those before and after them) drawn at widths
// from the narrowest to a wide window. Nothing is read outside the records,
// nothing drawn outside the surface, a record that is not loaded takes no
// line, and no file of records has anything to tell the user.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include <unistd.h>

#include "core/fortune/fortune_file.h"
#include "platform/cell_surface.h"
#include "platform/message_box.h"

namespace {

const std::string& FortuneFile()
{
    static const std::string path = (access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                                    std::string("/vesoma_fortune_fuzz_") + std::to_string(getpid()) + ".ums";
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    platform::SetMessageBoxHandler(
        [](const platform::MessageBoxRequest&) -> platform::MbResult { std::abort(); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::ofstream(FortuneFile(), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    FUms file;
    if (file.LoadUmsFile(FortuneFile().c_str()) != 1 ||
        file.nRecords != static_cast<int>(size / FUms::nRecordSize))
        std::abort();
    platform::CellSurface surface(80, 40, 8, 16);
    file.nCharWidth = 8;
    file.nCharHeight = 16;
    for (int width : {0, 9, 10, 11, 28, 50, 80}) {
        file.nWidth = width;
        for (int record = -1; record <= file.nRecords; ++record) {
            const int lines = file.DrawTextUms(surface, record, record % 38);
            if (lines < 0 || ((record < 0 || record >= file.nRecords) && lines != 0))
                std::abort();
        }
    }
    return 0;
}
