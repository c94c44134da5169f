#include "core/fortune/ums_location.h"

#include "platform/file_io.h"

#ifndef VESOMA_DATADIR
#define VESOMA_DATADIR "/usr/local/share/vesoma"
#endif

const char* InstalledUmsFilePath()
{
    return VESOMA_DATADIR "/vesoma.ums";
}

const char* UmsFilePath()
{
    if (platform::FileExists("vesoma.ums") || !platform::FileExists(InstalledUmsFilePath()))
        return "vesoma.ums";
    return InstalledUmsFilePath();
}
