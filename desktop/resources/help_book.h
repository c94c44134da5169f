// The zipped help book built into the program.
#pragma once

namespace resources {

// Puts the help book into the in-memory file system as "memory:vesoma.htb"
// and enables reading zip archives; its pages are read with line breaks
// between Japanese characters.
void RegisterHelpBook();

}  // namespace resources
