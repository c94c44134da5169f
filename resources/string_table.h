// The program's string table: status hints (by command id) and the start-up
// texts 2049-2053. Plain CP932 data, usable without the toolkit.
#pragma once

namespace resources {

// CP932 text of string id, or nullptr when the table has no such string.
const char* LoadString(int id);

}  // namespace resources
