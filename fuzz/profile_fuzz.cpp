// Any bytes as a profile file (memory-backed where the machine has it: every
// write flushes to disk): every read gives a defined value, and writing
// one key gives that key back while every other key keeps its value.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include <unistd.h>

#include "platform/profile.h"

namespace {

const char* const kSections[] = {"VESOMA", "vesoma", "A", ""};
const char* const kKeys[] = {"EventFile", "Table", "table", "k", ""};

std::string ProfilePath()
{
    return (access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + std::string("/vesoma_profile_fuzz_") +
           std::to_string(getpid()) + ".ini";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string file = ProfilePath();
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    std::string before[4][5];
    for (int s = 0; s < 4; ++s) {
        for (int k = 0; k < 5; ++k) {
            before[s][k] = platform::ReadProfileString(file, kSections[s], kKeys[k], "\x01");
            platform::ReadProfileInt(file, kSections[s], kKeys[k], 1);
        }
    }

    if (!platform::WriteProfileString(file, "VESOMA", "Table", "2"))
        std::abort();
    for (int s = 0; s < 4; ++s) {
        for (int k = 0; k < 5; ++k) {
            const std::string after = platform::ReadProfileString(file, kSections[s], kKeys[k], "\x01");
            const bool written = (s == 0 || s == 1) && (k == 1 || k == 2);
            if (written ? after != "2" : after != before[s][k])
                std::abort();
        }
    }
    if (platform::ReadProfileInt(file, "vesoma", "TABLE", 0) != 2)
        std::abort();
    std::remove(file.c_str());
    return 0;
}
