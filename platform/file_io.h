// Files by handle, and the replacement of a file that never leaves it missing
// or half written.
#pragma once

#include <cstddef>
#include <string_view>

namespace platform {

enum class SeekFrom { Start, End };

// A handle for reading, or -1 when the file cannot be opened.
int OpenForReading(const char* path);

// Moves the position of file; returns the new position, or -1.
long long SeekFile(int file, long long offset, SeekFrom from);

// Reads up to size bytes; returns how many were read (fewer only at the end
// of the file), or -1 on a read error.
long long ReadFile(int file, char* buffer, std::size_t size);

void CloseFile(int file);

// True when something exists under path.
bool FileExists(const char* path);

// True when path is gone afterwards (also when it never existed).
bool DeleteFile(const char* path);

// Gives path the new content. The content is written completely to tempPath
// and flushed to disk first; the previous content of path then stays under
// backupPath (a hard link, or a copy where links are impossible), and tempPath
// is renamed over path. At every moment path holds either its old or its new
// complete content. On failure path is untouched, tempPath is removed and the
// result is false.
bool ReplaceFile(const char* path, const char* tempPath, const char* backupPath, std::string_view content);

}  // namespace platform
