#include "kit/FileImage.h"

#include "kit/Utility.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#else
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

std::string CannotOpenMessage(const std::string& fileName)
{
    return "Unable to open file: " + fileName + "\nReason unknown.";
}

std::string CorruptKitMessage(const std::string& fileName)
{
    return "Unable to open file: " + fileName + "\nThe cal kit data is corrupt.";
}

std::string CannotSaveMessage(const std::string& fileName)
{
    return "Unable to save file: " + fileName + "\nReason unknown.";
}

std::string ReadOnlyMessage(const std::string& fileName)
{
    return "Unable to save to file:  " + fileName + "\nThis is a read-only file.";
}

namespace {

// Closes a C stream when it goes out of scope, unless it was closed explicitly.
class TStream {
public:
    explicit TStream(std::FILE* file) : file_(file) {}
    ~TStream()
    {
        if (file_ != nullptr)
            std::fclose(file_);
    }
    TStream(const TStream&) = delete;
    TStream& operator=(const TStream&) = delete;

    std::FILE* Get() const { return file_; }
    // True when the stream was flushed and closed without an error.
    bool Close()
    {
        std::FILE* file = file_;
        file_ = nullptr;
        return std::fclose(file) == 0;
    }

private:
    std::FILE* file_;
};

// Opens a regular file for reading; nullptr for anything else. A FIFO or a device is opened
// without blocking (opening a FIFO would wait for a writer) and then refused, so that no
// read can hang.
std::FILE* OpenForReading(const std::string& fileName)
{
#ifdef _WIN32
    std::FILE* file = _fsopen(fileName.c_str(), "rb", _SH_DENYRW);
    struct _stat64 status {};
    if (file != nullptr && (_fstat64(_fileno(file), &status) != 0 || (status.st_mode & _S_IFMT) != _S_IFREG)) {
        std::fclose(file);
        return nullptr;
    }
    return file;
#else
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
#endif
}

// Forces the written bytes to the disk, so that a rename never publishes an empty file.
bool SyncToDisk(std::FILE* file)
{
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

// The file that a save replaces: the target of a symbolic link, else the name itself. A link
// that leads nowhere (its target missing, or links that lead round in a loop) is refused
// rather than replaced by a file of its own.
fs::path SaveTarget(const std::string& fileName)
{
    const fs::path path(fileName);
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(path, ec)))
        return path;
    fs::path resolved = fs::canonical(path, ec);
    if (ec)
        throw ECannotSaveFile(CannotSaveMessage(fileName));
    return resolved;
}

// A new, empty temporary file beside target, created exclusively; its stream and name.
std::FILE* CreateTemporaryBeside(const fs::path& target, fs::path& temporary)
{
    std::random_device random;
    const std::string stem = "." + target.filename().string() + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        char token[16];
        std::snprintf(token, sizeof token, "%08x", static_cast<unsigned>(random()));
        temporary = target.parent_path() / (stem + token + ".tmp");
        errno = 0;
        if (std::FILE* file = std::fopen(temporary.string().c_str(), "wbx"))
            return file;
        if (errno != EEXIST)
            return nullptr;
    }
    return nullptr;
}

bool WriteAll(std::FILE* file, TConstByteSpan image)
{
    return std::fwrite(image.data(), 1, image.size(), file) == image.size() && std::fflush(file) == 0 &&
           SyncToDisk(file);
}

} // namespace

void IgnoreFileSizeLimitSignal()
{
#if defined(SIGXFSZ)
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

std::vector<std::uint8_t> ReadFileImage(const std::string& fileName, std::size_t size)
{
    TStream stream(OpenForReading(fileName));
    if (stream.Get() == nullptr)
        throw ECannotOpenFile(CannotOpenMessage(fileName));
    std::vector<std::uint8_t> image(size);
    if (std::fread(image.data(), 1, size, stream.Get()) != size)
        throw ECannotOpenFile(CannotOpenMessage(fileName));
    return image;
}

bool IsReadOnlyFile(const std::string& fileName)
{
    std::error_code ec;
    const fs::file_status status = fs::status(fs::path(fileName), ec);
    if (ec || !fs::exists(status) || fs::is_directory(status))
        return false;
#ifdef _WIN32
    // The read-only attribute shows as missing write permission.
    return (status.permissions() & fs::perms::owner_write) == fs::perms::none;
#else
    if (geteuid() == 0)
        return (status.permissions() & (fs::perms::owner_write | fs::perms::group_write |
                                        fs::perms::others_write)) == fs::perms::none;
    return access(fileName.c_str(), W_OK) != 0 && (errno == EACCES || errno == EROFS);
#endif
}

void SaveFileImage(const std::string& fileName, TConstByteSpan image)
{
    const fs::path target = SaveTarget(fileName);
    if (IsReadOnlyFile(target.string()))
        throw EFileReadOnly(ReadOnlyMessage(fileName));

    fs::path temporary;
    TStream stream(CreateTemporaryBeside(target, temporary));
    if (stream.Get() == nullptr)
        throw ECannotSaveFile(CannotSaveMessage(fileName));

    std::error_code ec;
    const bool written = WriteAll(stream.Get(), image);
    if (!stream.Close() || !written) {
        fs::remove(temporary, ec);
        throw ECannotSaveFile(CannotSaveMessage(fileName));
    }
    const fs::file_status existing = fs::status(target, ec);
    if (!ec && fs::is_regular_file(existing))
        fs::permissions(temporary, existing.permissions(), ec);
    fs::rename(temporary, target, ec);
    if (ec) {
        fs::remove(temporary, ec);
        throw ECannotSaveFile(CannotSaveMessage(fileName));
    }
}
