#include "platform/file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// A backup copy is made only where no hard link can be; it may be as large as
// any file the program keeps.
constexpr std::size_t kCopyLimit = std::size_t{1} << 30;

bool WriteAll(int file, const char* data, std::size_t size)
{
    while (size > 0) {
        ssize_t n = ::write(file, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

FileStamp StampOfInfo(const struct stat& info)
{
    FileStamp stamp;
    stamp.bExists = true;
    stamp.nDevice = info.st_dev;
    stamp.nInode = info.st_ino;
    stamp.nSize = info.st_size;
    stamp.nModified = info.st_mtim.tv_sec;
    stamp.nModifiedNsec = info.st_mtim.tv_nsec;
    return stamp;
}

// Reads file to its end into content; more than limit bytes is TooLarge.
ReadResult ReadAll(int file, std::size_t expected, std::size_t limit, std::string& content)
{
    try {
        std::size_t size = 0;
        content.resize(std::max<std::size_t>(4096, std::min(expected, limit) + 1));
        for (;;) {
            if (size == content.size()) {
                if (size > limit)
                    break;
                content.resize(std::min(size * 2, limit + 1));
            }
            ssize_t n = ::read(file, &content[size], content.size() - size);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                content.clear();
                return ReadResult::Unreadable;
            }
            if (n == 0)
                break;
            size += static_cast<std::size_t>(n);
        }
        if (size > limit) {
            content.clear();
            return ReadResult::TooLarge;
        }
        content.resize(size);
        return ReadResult::Read;
    } catch (const std::bad_alloc&) {
        content.clear();
        return ReadResult::Unreadable;
    }
}

// Whether the open file is still the one path names: a file renamed over it
// between the open and the lock would be locked in vain.
bool StillNamed(int file, const char* path)
{
    struct stat opened;
    struct stat named;
    return ::fstat(file, &opened) == 0 && ::stat(path, &named) == 0 && opened.st_dev == named.st_dev &&
           opened.st_ino == named.st_ino;
}

std::string FolderOf(const std::string& path)
{
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// The file path names in the end: path itself unless it is a link. False for
// a link that leads nowhere or in circles: there is no file to replace.
bool RealFile(const char* path, std::string& real)
{
    struct stat info;
    if (::lstat(path, &info) != 0 || !S_ISLNK(info.st_mode)) {
        real = path;
        return true;
    }
    char* resolved = ::realpath(path, nullptr);
    if (resolved == nullptr)
        return false;
    real = resolved;
    std::free(resolved);
    return true;
}

// A new empty file in folder, named like tempPath with a unique ending before
// its extension ("VESOMA.TCA" becomes "VESOMA.k3Xq9z.TCA"), created
// exclusively: never an existing file, never through a link.
int CreateTemporary(const std::string& folder, const char* tempPath, std::string& name)
{
    std::string base(tempPath);
    base.erase(0, base.rfind('/') + 1);
    std::size_t dot = base.rfind('.');
    const std::string extension = dot == std::string::npos || dot == 0 ? "" : base.substr(dot);
    name = folder + "/" + base.substr(0, base.size() - extension.size()) + ".XXXXXX" + extension;
    return ::mkostemps(name.data(), static_cast<int>(extension.size()), O_CLOEXEC);
}

mode_t CurrentUmask()
{
    mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// Owner and mode of the file being replaced, or the mode a new file gets.
void TakeOwnerAndMode(int file, const struct stat* old)
{
    if (old == nullptr) {
        ::fchmod(file, 0666 & ~CurrentUmask());
        return;
    }
    // Where the owner cannot be kept the group may still be; the mode comes
    // after, since a change of owner may clear bits of it.
    if ((old->st_uid != ::geteuid() || old->st_gid != ::getegid()) &&
        ::fchown(file, old->st_uid, old->st_gid) != 0)
        static_cast<void>(::fchown(file, static_cast<uid_t>(-1), old->st_gid));
    ::fchmod(file, old->st_mode & 07777);
}

// A copy of from at to, which must not exist yet, with from's mode, flushed.
bool CopyDurably(const char* from, const char* to, mode_t mode)
{
    std::string content;
    if (ReadRegularFile(from, kCopyLimit, content) != ReadResult::Read)
        return false;
    int file = ::open(to, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode & 07777);
    if (file < 0)
        return false;
    bool written = WriteAll(file, content.data(), content.size()) && ::fsync(file) == 0;
    if (::close(file) == 0 && written)
        return true;
    ::unlink(to);
    return false;
}

// The previous content of real, when there is one, goes to backupPath; an
// older backup goes in any case. A backup name that leads to real itself
// stays as it is: removing it would remove the file.
bool KeepBackup(const std::string& real, const char* backupPath, const struct stat* old)
{
    struct stat backup;
    if (old != nullptr && ::stat(backupPath, &backup) == 0 && backup.st_dev == old->st_dev &&
        backup.st_ino == old->st_ino)
        return true;
    if (!DeleteFile(backupPath))
        return false;
    return old == nullptr || ::link(real.c_str(), backupPath) == 0 ||
           CopyDurably(real.c_str(), backupPath, old->st_mode);
}

// Makes the renames in the folder of path durable. A failure here cannot undo
// a rename that already happened, so it is not reported.
void SyncFolder(const std::string& path)
{
    int file = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (file >= 0) {
        ::fsync(file);
        ::close(file);
    }
}

}  // namespace

int OpenForReading(const char* path)
{
    return ::open(path, O_RDONLY | O_CLOEXEC);
}

long long SeekFile(int file, long long offset, SeekFrom from)
{
    return ::lseek(file, static_cast<off_t>(offset), from == SeekFrom::End ? SEEK_END : SEEK_SET);
}

long long ReadFile(int file, char* buffer, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        ssize_t n = ::read(file, buffer + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return static_cast<long long>(done);
}

void CloseFile(int file)
{
    ::close(file);
}

bool FileExists(const char* path)
{
    struct stat info;
    return ::lstat(path, &info) == 0;
}

bool DeleteFile(const char* path)
{
    return ::unlink(path) == 0 || errno == ENOENT;
}

bool operator==(const FileStamp& a, const FileStamp& b)
{
    return a.bExists == b.bExists && a.nDevice == b.nDevice && a.nInode == b.nInode && a.nSize == b.nSize &&
           a.nModified == b.nModified && a.nModifiedNsec == b.nModifiedNsec;
}

FileStamp StampOf(const char* path)
{
    struct stat info;
    return ::stat(path, &info) == 0 ? StampOfInfo(info) : FileStamp{};
}

void FileLock::Release()
{
    if (nFile >= 0)
        ::close(nFile);
    nFile = -1;
}

void FileLock::Hold(int file)
{
    Release();
    nFile = file;
}

ReadResult ReadRegularFile(const char* path, std::size_t limit, std::string& content, FileStamp* stamp,
                           FileLock* lock)
{
    content.clear();
    if (lock != nullptr)
        lock->Release();
    // A few rounds only where another program keeps renaming files over path.
    for (int round = 0; round < 16; ++round) {
        struct stat info;
        if (::stat(path, &info) != 0)
            return errno == ENOENT && !FileExists(path) ? ReadResult::Missing : ReadResult::Unreadable;
        if (!S_ISREG(info.st_mode))
            return ReadResult::NotRegular;
        if (static_cast<unsigned long long>(info.st_size) > limit)
            return ReadResult::TooLarge;
        // Not blocking: should path have become a FIFO since, the open returns.
        int file = ::open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (file < 0) {
            if (errno == ENOENT)
                continue;
            return ReadResult::Unreadable;
        }
        if (::fstat(file, &info) != 0 || !S_ISREG(info.st_mode)) {
            ::close(file);
            return ReadResult::NotRegular;
        }
        bool locked = false;
        if (lock != nullptr) {
            // A file system without locks refuses them to every program alike:
            // then this one writes as if it held the lock.
            locked = ::flock(file, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
            if (locked && !StillNamed(file, path)) {
                ::close(file);
                continue;
            }
        }
        ReadResult result = ReadAll(file, static_cast<std::size_t>(info.st_size), limit, content);
        if (result == ReadResult::Read && stamp != nullptr && ::fstat(file, &info) == 0)
            *stamp = StampOfInfo(info);
        if (locked && result == ReadResult::Read)
            lock->Hold(file);
        else
            ::close(file);
        return result;
    }
    return ReadResult::Unreadable;
}

bool ReplaceFile(const char* path, const char* tempPath, const char* backupPath, std::string_view content,
                 FileStamp* written, FileLock* lock)
{
    std::string real;
    if (!RealFile(path, real))
        return false;
    struct stat old;
    const bool exists = ::stat(real.c_str(), &old) == 0;
    if (exists && (!S_ISREG(old.st_mode) || ::faccessat(AT_FDCWD, real.c_str(), W_OK, AT_EACCESS) != 0))
        return false;

    std::string temporary;
    int file = CreateTemporary(FolderOf(real), tempPath, temporary);
    if (file < 0)
        return false;
    TakeOwnerAndMode(file, exists ? &old : nullptr);
    struct stat info;
    bool done =
        WriteAll(file, content.data(), content.size()) && ::fsync(file) == 0 && ::fstat(file, &info) == 0;
    if (done && lock != nullptr && ::flock(file, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
        done = false;
    done = done && (backupPath == nullptr || KeepBackup(real, backupPath, exists ? &old : nullptr)) &&
           std::rename(temporary.c_str(), real.c_str()) == 0;
    if (!done) {
        ::unlink(temporary.c_str());
        ::close(file);
        return false;
    }
    SyncFolder(real);
    if (written != nullptr)
        *written = StampOfInfo(info);
    if (lock != nullptr)
        lock->Hold(file);
    else
        ::close(file);
    return true;
}

}  // namespace platform
