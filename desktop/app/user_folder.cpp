#include "desktop/app/user_folder.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "core/fortune/ums_location.h"

const char* const kUserFolderOption = "--user-folder";

namespace {

// The base directory spec of the desktop: a relative or empty XDG_DATA_HOME
// is ignored.
std::string UserFolderPath()
{
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data != nullptr && data[0] == '/')
        return std::string(data) + "/vesoma";
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] != '/')
        return "";
    return std::string(home) + "/.local/share/vesoma";
}

// mkdir -p: each missing parent is made private to the user, as the desktop
// expects of ~/.local and ~/.local/share.
bool MakeFolders(const std::string& path)
{
    for (std::size_t at = 1; at != std::string::npos; ++at) {
        at = path.find('/', at);
        const std::string part = path.substr(0, at);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
        if (at == std::string::npos)
            break;
    }
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

bool AskedForUserFolder(int count, char** arguments)
{
    for (int i = 1; i < count; ++i) {
        if (arguments[i] != nullptr && std::strcmp(arguments[i], kUserFolderOption) == 0)
            return true;
    }
    return false;
}

int EnterUserFolder()
{
    const std::string path = UserFolderPath();
    if (path.empty()) {
        std::fprintf(stderr, "vesoma: neither XDG_DATA_HOME nor HOME names a folder\n");
        return 1;
    }
    if (!MakeFolders(path) || chdir(path.c_str()) != 0) {
        std::fprintf(stderr, "vesoma: cannot use the folder %s: %s\n", path.c_str(), std::strerror(errno));
        return 1;
    }
    if (access(UmsFilePath(), R_OK) != 0)
        std::fprintf(stderr, "vesoma: the fortune file vesoma.ums is neither in %s nor at %s\n", path.c_str(),
                     InstalledUmsFilePath());
    return 0;
}
