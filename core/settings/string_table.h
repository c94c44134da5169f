// The program's string table of start-up texts (2049-2053): the caption, the
// short name, the profile section, the event file and the help file. Plain
// CP932 data, usable without the toolkit.
#pragma once

#include <cstddef>

namespace resources {

// CP932 text of string id, or nullptr when the table has no such string.
const char* LoadString(int id);

// Copies string id, or fallback when the table lacks it, into dst (which
// holds maxBytes + 1), cut at a character boundary.
void CopyString(int id, const char* fallback, char* dst, std::size_t maxBytes);

}  // namespace resources
