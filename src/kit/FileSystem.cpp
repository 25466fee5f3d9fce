#include "kit/FileSystem.h"

#include <cerrno>

#ifdef _WIN32
#include "kit/WindowsApi.h"

#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

fs::path PathFromUtf8(const std::string& fileName)
{
    return fs::path(std::u8string(fileName.begin(), fileName.end()));
}

std::string Utf8FromPath(const fs::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

#ifdef _WIN32

namespace {

// The UTF-16 form of a UTF-8 name; empty for an empty name or one that is not UTF-8.
std::wstring WideName(const std::string& fileName)
{
    if (fileName.empty() || fileName.size() > 0x7fffffff)
        return {};
    const int source = static_cast<int>(fileName.size());
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, fileName.data(), source, nullptr, 0);
    if (length <= 0)
        return {};
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, fileName.data(), source, wide.data(), length);
    return wide;
}

} // namespace

std::FILE* OpenFileForReading(const std::string& fileName)
{
    const std::wstring wide = WideName(fileName);
    if (wide.empty()) {
        errno = ENOENT;
        return nullptr;
    }
    std::FILE* file = _wfsopen(wide.c_str(), L"rb", _SH_DENYRW);
    struct _stat64 status {};
    if (file != nullptr && (_fstat64(_fileno(file), &status) != 0 || (status.st_mode & _S_IFMT) != _S_IFREG)) {
        std::fclose(file);
        return nullptr;
    }
    return file;
}

std::FILE* CreateNewFile(const std::string& fileName)
{
    const std::wstring wide = WideName(fileName);
    if (wide.empty()) {
        errno = EINVAL;
        return nullptr;
    }
    const int descriptor =
        _wopen(wide.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
    if (descriptor == -1)
        return nullptr;
    std::FILE* file = _fdopen(descriptor, "wb");
    if (file == nullptr)
        _close(descriptor);
    return file;
}

bool SyncToDisk(std::FILE* file)
{
    return _commit(_fileno(file)) == 0;
}

bool MoveFileOver(const std::string& from, const std::string& to)
{
    const std::wstring wideFrom = WideName(from);
    const std::wstring wideTo = WideName(to);
    return !wideFrom.empty() && !wideTo.empty() &&
           MoveFileExW(wideFrom.c_str(), wideTo.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool RemoveFile(const std::string& fileName)
{
    const std::wstring wide = WideName(fileName);
    return !wide.empty() && DeleteFileW(wide.c_str()) != 0;
}

bool IsReadOnlyFile(const std::string& fileName)
{
    const std::wstring wide = WideName(fileName);
    if (wide.empty())
        return false;
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
           (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

#else

std::FILE* OpenFileForReading(const std::string& fileName)
{
    // Opened without blocking (opening a FIFO would wait for a writer), then refused unless it
    // is a regular file, so that no read can hang on a FIFO or run on forever on a device.
    const int descriptor = open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor == -1)
        return nullptr;
    struct stat status {};
    const int flags = fcntl(descriptor, F_GETFL);
    std::FILE* file = nullptr;
    if (fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) && flags != -1 &&
        fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) == 0)
        file = fdopen(descriptor, "rb");
    if (file == nullptr)
        close(descriptor);
    return file;
}

std::FILE* CreateNewFile(const std::string& fileName)
{
    const int descriptor = open(fileName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor == -1)
        return nullptr;
    std::FILE* file = fdopen(descriptor, "wb");
    if (file == nullptr)
        close(descriptor);
    return file;
}

bool SyncToDisk(std::FILE* file)
{
    return fsync(fileno(file)) == 0;
}

bool MoveFileOver(const std::string& from, const std::string& to)
{
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool RemoveFile(const std::string& fileName)
{
    return std::remove(fileName.c_str()) == 0;
}

bool IsReadOnlyFile(const std::string& fileName)
{
    struct stat status {};
    if (stat(fileName.c_str(), &status) != 0 || S_ISDIR(status.st_mode))
        return false;
    if (geteuid() == 0)
        return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    return access(fileName.c_str(), W_OK) != 0 && (errno == EACCES || errno == EROFS);
}

#endif
