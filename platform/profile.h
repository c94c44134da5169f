// Private profile (INI) files with the Windows rules: sections and keys match
// without regard to ASCII case, reading never touches the file, writing one
// key keeps every other line and comment as it was. Text is CP932 bytes.
#pragma once

#include <string>

namespace platform {

// The value of key in section, without surrounding blanks or quotes; def when
// the file, the section or the key is missing, and when the file cannot be
// read (only a regular file of reasonable size is, never waited on).
std::string ReadProfileString(const std::string& file, const char* section, const char* key, const char* def);

// The value read as an integer: missing (or empty) gives def; otherwise the
// leading decimal number (optional sign) counts and what follows is ignored,
// so "2x" gives 2 and "abc" gives 0. Out-of-range values saturate.
int ReadProfileInt(const std::string& file, const char* section, const char* key, int def);

// Sets key in section to value, adding the section or key when missing.
// The file is replaced as a whole as ReplaceFile does (flushed to disk, its
// mode and link kept), under its advisory lock, so a failed write leaves the
// old file. A profile that exists but cannot be read is never written over.
// Returns false when it could not write.
bool WriteProfileString(const std::string& file, const char* section, const char* key, const char* value);

}  // namespace platform
