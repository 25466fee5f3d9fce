#include "TempFolder.h"
#include "kit/FileImage.h"
#include "kit/Utility.h"

#include <gtest/gtest.h>

#include <functional>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> Pattern(std::size_t size, std::uint8_t seed)
{
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(seed + i * 7);
    return bytes;
}

template <typename E>
std::string MessageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const E& e) {
        return e.what();
    }
    return "(no exception)";
}

} // namespace

TEST(FileImage, SaveReplacesTheTargetAndLeavesNothingElse)
{
    TTempFolder folder;
    const std::string name = folder.File("kit.tsy");
    SaveFileImage(name, Pattern(4572, 1));
    EXPECT_EQ(ReadBytes(name), Pattern(4572, 1));

    fs::permissions(name, fs::perms::owner_read | fs::perms::owner_write);
    SaveFileImage(name, Pattern(100, 2)); // a shorter image leaves no tail of the old one
    EXPECT_EQ(ReadBytes(name), Pattern(100, 2));
    EXPECT_EQ(fs::status(name).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"kit.tsy"});

    const auto second = Pattern(100, 2);
    EXPECT_EQ(ReadFileImage(name, 60), std::vector<std::uint8_t>(second.begin(), second.begin() + 60));
}

TEST(FileImage, SavingThroughALinkReplacesTheLinkedFile)
{
    TTempFolder folder;
    const std::string target = folder.File("real.ck");
    const std::string link = folder.File("link.ck");
    WriteBytes(target, Pattern(10, 0));
    fs::create_symlink(target, link);
    SaveFileImage(link, Pattern(716, 3));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(target), Pattern(716, 3));
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"link.ck", "real.ck"}));
}

TEST(FileImage, FailedSavesReportTheirMessagesAndKeepTheTarget)
{
    TTempFolder folder;
    const std::string name = folder.File("CK_KIT");
    WriteBytes(name, Pattern(1426, 5));
    fs::permissions(name, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    ASSERT_TRUE(IsReadOnlyFile(name));
    EXPECT_EQ(MessageOf<EFileReadOnly>([&] { SaveFileImage(name, Pattern(1426, 6)); }),
              "Unable to save to file:  " + name + "\nThis is a read-only file.");
    EXPECT_EQ(ReadBytes(name), Pattern(1426, 5));

    const std::string missing = folder.File("no such folder/kit.tsy");
    EXPECT_EQ(MessageOf<ECannotSaveFile>([&] { SaveFileImage(missing, Pattern(10, 0)); }),
              "Unable to save file: " + missing + "\nReason unknown.");

    // A folder in the target's place is not replaced either.
    fs::create_directory(folder.File("sub.tsy"));
    EXPECT_THROW(SaveFileImage(folder.File("sub.tsy"), Pattern(10, 0)), ECannotSaveFile);
    EXPECT_TRUE(fs::is_directory(folder.File("sub.tsy")));
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"CK_KIT", "sub.tsy"}));
}

TEST(FileImage, ReadOnlyMeansNoWritePermission)
{
    TTempFolder folder;
    const std::string name = folder.File("a.tsy");
    EXPECT_FALSE(IsReadOnlyFile(name)); // missing
    WriteBytes(name, Pattern(1, 0));
    EXPECT_FALSE(IsReadOnlyFile(name));
    fs::permissions(name, fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_TRUE(IsReadOnlyFile(name));
    EXPECT_FALSE(IsReadOnlyFile(folder.Path().string()));
}

#ifndef _WIN32
// The disk fills up part-way through the write: the file size limit makes every write beyond
// 100 bytes fail, as a full disk would.
TEST(FileImage, AWriteThatFailsPartWayLeavesTheOldFileIntact)
{
    TTempFolder folder;
    const std::string name = folder.File("kit.tsy");
    WriteBytes(name, Pattern(4572, 9));

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        setrlimit(RLIMIT_FSIZE, &limit);
        int status = 3;
        try {
            SaveFileImage(name, Pattern(4572, 10));
            status = 1;
        } catch (const ECannotSaveFile& e) {
            status = std::string(e.what()) == "Unable to save file: " + name + "\nReason unknown." ? 0 : 2;
        } catch (...) {
        }
        _exit(status);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadBytes(name), Pattern(4572, 9));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"kit.tsy"});
}
#endif

TEST(FileImage, ReadingNeedsTheWholeImage)
{
    TTempFolder folder;
    const std::string name = folder.File("short.ck");
    WriteBytes(name, Pattern(715, 0));
    const std::string message = "Unable to open file: " + name + "\nReason unknown.";
    EXPECT_EQ(MessageOf<ECannotOpenFile>([&] { ReadFileImage(name, 716); }), message);
    EXPECT_EQ(ReadFileImage(name, 715), Pattern(715, 0));
    EXPECT_EQ(MessageOf<ECannotOpenFile>([&] { ReadFileImage(folder.File("none.ck"), 716); }),
              "Unable to open file: " + folder.File("none.ck") + "\nReason unknown.");
    EXPECT_THROW(ReadFileImage(folder.Path().string(), 1), ECannotOpenFile);
}
