#include "kit/FileImage.h"

#include "kit/FileSystem.h"
#include "kit/Utility.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#include <csignal>

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

// The file that a save replaces: the target of a symbolic link, else the name itself. A link
// that leads nowhere (its target missing, or links that lead round in a loop) is refused
// rather than replaced by a file of its own.
fs::path SaveTarget(const std::string& fileName)
{
    const fs::path path = PathFromUtf8(fileName);
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(path, ec)))
        return path;
    fs::path resolved = fs::canonical(path, ec);
    if (ec)
        throw ECannotSaveFile(CannotSaveMessage(fileName));
    return resolved;
}

// A new, empty temporary file beside target, created exclusively; its stream and name.
std::FILE* CreateTemporaryBeside(const fs::path& target, std::string& temporary)
{
    std::random_device random;
    const fs::path stem = target.parent_path() / PathFromUtf8("." + Utf8FromPath(target.filename()) + ".");
    for (int attempt = 0; attempt < 100; ++attempt) {
        char token[16];
        std::snprintf(token, sizeof token, "%08x", static_cast<unsigned>(random()));
        temporary = Utf8FromPath(stem) + token + ".tmp";
        errno = 0;
        if (std::FILE* file = CreateNewFile(temporary))
            return file;
        if (errno != EEXIST)
            return nullptr;
    }
    return nullptr;
}

bool WriteAll(std::FILE* file, TConstByteSpan image)
{
    return std::fwrite(image.data(), 1, image.size(), file) == image.size() && std::fflush(file) == 0 &&
           SyncToDisk(file); // so that the replace never publishes an empty file
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
    TStream stream(OpenFileForReading(fileName));
    if (stream.Get() == nullptr)
        throw ECannotOpenFile(CannotOpenMessage(fileName));
    std::vector<std::uint8_t> image(size);
    if (std::fread(image.data(), 1, size, stream.Get()) != size)
        throw ECannotOpenFile(CannotOpenMessage(fileName));
    return image;
}

void SaveFileImage(const std::string& fileName, TConstByteSpan image)
{
    const fs::path target = SaveTarget(fileName);
    const std::string targetName = Utf8FromPath(target);
    if (IsReadOnlyFile(targetName))
        throw EFileReadOnly(ReadOnlyMessage(fileName));

    std::string temporary;
    TStream stream(CreateTemporaryBeside(target, temporary));
    if (stream.Get() == nullptr)
        throw ECannotSaveFile(CannotSaveMessage(fileName));

    const bool written = WriteAll(stream.Get(), image);
    if (!stream.Close() || !written) {
        RemoveFile(temporary);
        throw ECannotSaveFile(CannotSaveMessage(fileName));
    }
    std::error_code ec;
    const fs::file_status existing = fs::status(target, ec);
    if (!ec && fs::is_regular_file(existing))
        fs::permissions(PathFromUtf8(temporary), existing.permissions(), ec);
    if (!MoveFileOver(temporary, targetName)) {
        RemoveFile(temporary);
        throw ECannotSaveFile(CannotSaveMessage(fileName));
    }
}
