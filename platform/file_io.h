// Files by handle, the careful reading of a file the user owns, and its
// replacement that never leaves it missing, half written or changed in kind.
#pragma once

#include <cstddef>
#include <string>
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

// True when something exists under path (a link that leads nowhere too).
bool FileExists(const char* path);

// True when path is gone afterwards (also when it never existed).
bool DeleteFile(const char* path);

// What a file was when it was read or written. A save compares it with what
// is there now to see whether someone else replaced or changed the file.
struct FileStamp {
    bool bExists = false;
    unsigned long long nDevice = 0;
    unsigned long long nInode = 0;
    long long nSize = 0;
    long long nModified = 0;  // seconds and nanoseconds
    long long nModifiedNsec = 0;
};
bool operator==(const FileStamp& a, const FileStamp& b);
inline bool operator!=(const FileStamp& a, const FileStamp& b)
{
    return !(a == b);
}

// The stamp of what path names now, links followed.
FileStamp StampOf(const char* path);

// An advisory lock on a file that one program at a time holds; it goes with
// the object. It stays on the file it was taken on, also when a link is
// followed: ReplaceFile moves it onto the new file.
class FileLock {
public:
    FileLock() = default;
    ~FileLock() { Release(); }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Held() const { return nFile >= 0; }
    // Gives the lock up. Only this handle is closed: a child process that
    // shares it never takes the lock away from its parent.
    void Release();
    // Holds file, which the caller opened and locked, instead.
    void Hold(int file);

private:
    int nFile = -1;
};

enum class ReadResult {
    Read,        // content holds the whole file
    Missing,     // nothing under path
    NotRegular,  // a folder, FIFO, device or socket: never read, never waited on
    TooLarge,    // more than the limit
    Unreadable,  // there, but cannot be read: no permission, a link to nowhere, a read error
};

// Reads the regular file that path names (links followed) whole into
// content, at most limit bytes; stamp receives what the file was. With lock,
// the advisory lock is tried on the file read without waiting: lock->Held()
// tells whether this program got it.
ReadResult ReadRegularFile(const char* path, std::size_t limit, std::string& content,
                           FileStamp* stamp = nullptr, FileLock* lock = nullptr);

// Gives the file that path names the new content and keeps what it was: a
// link stays a link and its target gets the content; the new file takes the
// old one's mode and, where the system allows, its owner. The content goes
// first to a temporary file named like tempPath with a unique ending, created
// exclusively (never through a link) beside the real file, and is flushed to
// disk; the previous content then stays under backupPath (unless it is null)
// and the temporary file is renamed over the real one. At every moment the
// file holds either its old or its new complete content. A file that is not
// regular, or that this program may not write, is not replaced. On failure
// nothing changes and the result is false; on success written receives the
// new file's stamp and lock, when given, holds the new file.
bool ReplaceFile(const char* path, const char* tempPath, const char* backupPath, std::string_view content,
                 FileStamp* written = nullptr, FileLock* lock = nullptr);

}  // namespace platform
