#include "platform/file_io.h"

#include <cerrno>
#include <cstdio>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

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

// Writes content to a new file at path and flushes it to disk; false (and no
// file left behind) when any step fails.
bool WriteDurably(const char* path, std::string_view content)
{
    int file = ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (file < 0)
        return false;
    bool written = WriteAll(file, content.data(), content.size()) && ::fsync(file) == 0;
    bool closed = ::close(file) == 0;
    if (written && closed)
        return true;
    ::unlink(path);
    return false;
}

bool CopyDurably(const char* from, const char* to)
{
    int file = OpenForReading(from);
    if (file < 0)
        return false;
    std::string content;
    char buffer[65536];
    long long n;
    while ((n = ReadFile(file, buffer, sizeof buffer)) > 0)
        content.append(buffer, static_cast<std::size_t>(n));
    CloseFile(file);
    return n == 0 && WriteDurably(to, content);
}

// The previous content of path goes to backupPath; nothing to keep when path
// does not exist yet.
bool KeepBackup(const char* path, const char* backupPath)
{
    if (!DeleteFile(backupPath))
        return false;
    if (!FileExists(path))
        return true;
    return ::link(path, backupPath) == 0 || CopyDurably(path, backupPath);
}

// Makes the renames in the folder of path durable. A failure here cannot undo
// a rename that already happened, so it is not reported.
void SyncFolder(const char* path)
{
    std::string folder(path);
    std::size_t slash = folder.rfind('/');
    folder = slash == std::string::npos ? "." : slash == 0 ? "/" : folder.substr(0, slash);
    int file = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
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

bool ReplaceFile(const char* path, const char* tempPath, const char* backupPath, std::string_view content)
{
    if (!WriteDurably(tempPath, content))
        return false;
    if (!KeepBackup(path, backupPath) || std::rename(tempPath, path) != 0) {
        ::unlink(tempPath);
        return false;
    }
    SyncFolder(path);
    return true;
}

}  // namespace platform
