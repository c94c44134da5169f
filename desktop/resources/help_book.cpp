#include "desktop/resources/help_book.h"

#include <cstddef>

#include <wx/filesys.h>
#include <wx/fs_arc.h>
#include <wx/fs_mem.h>

#include "desktop/resources/help_line_breaks.h"

// Generated from help/ at build time.
extern const unsigned char kHelpBookData[];
extern const std::size_t kHelpBookSize;

namespace resources {

void RegisterHelpBook()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    // The dialog resources already installed the memory handler.
    wxFileSystem::AddHandler(new wxArchiveFSHandler);
    wxMemoryFSHandler::AddFile("vesoma.htb", kHelpBookData, kHelpBookSize);
    InstallHelpLineBreaks();
}

}  // namespace resources
