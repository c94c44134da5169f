// Whether the system can take a print job: a print server that answers and a
// default destination on it. The toolkit's printing waits forever for a
// server that does not run, so printing asks here first.
#pragma once

#include <string>

namespace platform {

enum class PrintDestination {
    Ready,      // the server answers and names a default destination
    NoServer,   // no print server answers
    NoDefault,  // the server answers but has no default destination
};

// Asks the system's print server (the one the toolkit prints to) for its
// default destination and puts its name into name when there is one; gives up
// after a few seconds instead of blocking.
PrintDestination FindDefaultPrintDestination(std::string* name);

}  // namespace platform
