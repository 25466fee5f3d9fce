// A fresh folder for one test's files, removed with everything in it at the end of the test.
#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

class TTempFolder {
public:
    TTempFolder()
        : path_(std::filesystem::temp_directory_path() / ("tessaly-test-" + std::to_string(std::random_device()())))
    {
        std::filesystem::create_directories(path_);
    }
    ~TTempFolder()
    {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    std::vector<std::string> Entries() const // sorted
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path path_;
};

inline std::vector<std::uint8_t> ReadBytes(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The message of the exception of type E that action raises; any other exception goes on.
template <typename E, typename F>
std::string MessageOf(F&& action)
{
    try {
        action();
    } catch (const E& e) {
        return e.what();
    }
    return "(no exception)";
}

inline void WriteBytes(const std::string& fileName, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream(fileName, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
