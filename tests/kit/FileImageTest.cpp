#include "SampleKits.h"
#include "TempFolder.h"
#include "analyzers/DiskFile8510.h"
#include "analyzers/DiskFile8753.h"
#include "kit/FileImage.h"
#include "kit/FileSystem.h"
#include "kit/KitFile.h"
#include "kit/TextExport.h"
#include "kit/Utility.h"
#include "response/StandardTouchstone.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <functional>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
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

} // namespace

TEST(FileImage, SaveReplacesTheTargetAndKeepsItsPermissions)
{
    TTempFolder folder;
    const std::string name = folder.File("kit.tsy");
    SaveFileImage(name, Pattern(4572, 1));
#ifndef _WIN32
    fs::permissions(name, fs::perms::owner_read | fs::perms::owner_write);
#endif
    SaveFileImage(name, Pattern(100, 2)); // a shorter image leaves no tail of the old one
    EXPECT_EQ(ReadBytes(name), Pattern(100, 2));
#ifndef _WIN32
    EXPECT_EQ(fs::status(name).permissions(), fs::perms::owner_read | fs::perms::owner_write);
#endif
    EXPECT_FALSE(IsReadOnlyFile(name));
    EXPECT_EQ(ReadFileImage(name, 60), Pattern(60, 2)); // the first bytes of the file
    EXPECT_THROW(ReadFileImage(name, 101), ECannotOpenFile);
    EXPECT_THROW(ReadFileImage(folder.Path().string(), 1), ECannotOpenFile);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"kit.tsy"});
}

TEST(FileImage, SaveThroughASymbolicLinkReplacesItsTarget)
{
#ifdef _WIN32
    GTEST_SKIP() << "creating a symbolic link needs an administrator's privilege on Windows";
#endif
    TTempFolder folder;
    const std::string name = folder.File("kit.tsy");
    SaveFileImage(name, Pattern(4572, 1));
    const std::string link = folder.File("link.tsy");
    fs::create_symlink(name, link);
    SaveFileImage(link, Pattern(716, 3));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(name), Pattern(716, 3));
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"kit.tsy", "link.tsy"}));
}

// A name outside any single-byte code page reaches the file system whole: the kit is saved
// under exactly that name, reopened from it, and named so in the messages.
TEST(FileImage, AKitSavedUnderAUnicodeNameReadsBack)
{
    TTempFolder folder;
    const std::string file = "K\xC3\x9Chl \xC3\xB8.tsy"; // "KÜhl ø.tsy" in UTF-8
    const std::string name = Utf8FromPath(folder.Path()) + "/" + file;
    TVna& vna = *FindVna("8753D/E");
    TCalKit kit(vna);
    FillSampleKit(kit);
    WriteKitFile(kit, name);
    WriteKitFile(kit, name); // the second save replaces the first
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder.Path()))
        names.push_back(Utf8FromPath(entry.path().filename()));
    EXPECT_EQ(names, std::vector<std::string>{file});

    TCalKit read(*FindVna("8510C"));
    ReadKitFile(read, name);
    kit.SetDateLastModified(TodayOleDate());
    EXPECT_EQ(DumpKit(read), DumpKit(kit));

    fs::permissions(PathFromUtf8(name), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_TRUE(IsReadOnlyFile(name));
    EXPECT_EQ(MessageOf<EFileReadOnly>([&] { WriteKitFile(kit, name); }),
              "Unable to save to file:  " + name + "\nThis is a read-only file.");
    const std::string missing = Utf8FromPath(folder.Path()) + "/\xC3\xB8 missing.tsy";
    EXPECT_EQ(MessageOf<ECannotOpenFile>([&] { ReadKitFile(read, missing); }),
              "Unable to open file: " + missing + "\nReason unknown.");
}

// The temporary file of a save is created only where no file was: an existing file of that
// name is neither opened nor emptied.
TEST(FileImage, ANewFileNeverTakesThePlaceOfAnExistingOne)
{
    TTempFolder folder;
    const std::string name = folder.File(".kit.tsy.0badcafe.tmp");
    WriteBytes(name, Pattern(50, 5));
    errno = 0;
    EXPECT_EQ(CreateNewFile(name), nullptr);
    EXPECT_EQ(errno, EEXIST);
    EXPECT_EQ(ReadBytes(name), Pattern(50, 5));

    const std::string fresh = folder.File("fresh.tmp");
    std::FILE* file = CreateNewFile(fresh);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(std::fwrite("\r\n", 1, 2, file), 2u);
    EXPECT_EQ(std::fclose(file), 0);
    EXPECT_EQ(ReadBytes(fresh), (std::vector<std::uint8_t>{'\r', '\n'})); // binary: no CR added

    EXPECT_TRUE(MoveFileOver(fresh, name)); // the new file takes the place of the old one
    EXPECT_EQ(ReadBytes(name), (std::vector<std::uint8_t>{'\r', '\n'}));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{".kit.tsy.0badcafe.tmp"});
    EXPECT_FALSE(MoveFileOver(fresh, name));
}

// Every writer: a read-only target is refused and kept, a missing folder is reported, and no
// temporary file stays behind.
TEST(FileImage, EveryWriterKeepsReadOnlyFilesAndReportsMissingFolders)
{
    TTempFolder folder;
    TVna& vna8753 = *FindVna("8753D/E");
    TVna& vna8510 = *FindVna("8510C");
    TCalKit kit(vna8753);
    FillSampleKit(kit);
    const std::vector<std::pair<std::string, std::function<void(const std::string&)>>> writers{
        {"kit.tsy", [&](const std::string& name) { WriteKitFile(kit, name); }},
        {"KIT.ck", [&](const std::string& name) { vna8753.WriteDiskFile(kit, name); }},
        {"CK_KIT", [&](const std::string& name) { vna8510.WriteDiskFile(kit, name); }},
        {"kit.csv", [&](const std::string& name) { ExportText(kit, name, ','); }},
        {"std1.s1p",
         [&](const std::string& name) { WriteTouchstone(name, StandardTouchstone(kit, 1, std::vector<double>{1})); }},
    };
    for (const auto& [file, write] : writers) {
        SCOPED_TRACE(file);
        const std::string name = folder.File(file);
        WriteBytes(name, Pattern(50, 4));
        fs::permissions(name, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        EXPECT_EQ(MessageOf<EFileReadOnly>([&] { write(name); }),
                  "Unable to save to file:  " + name + "\nThis is a read-only file.");
        EXPECT_EQ(ReadBytes(name), Pattern(50, 4));
        EXPECT_TRUE(IsReadOnlyFile(name));
        const std::string nowhere = folder.File("missing/" + file);
        EXPECT_EQ(MessageOf<ECannotSaveFile>([&] { write(nowhere); }),
                  "Unable to save file: " + nowhere + "\nReason unknown.");
    }
    // A folder in the target's place is not replaced either.
    fs::create_directory(folder.File("sub.tsy"));
    EXPECT_THROW(WriteKitFile(kit, folder.File("sub.tsy")), ECannotSaveFile);
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"CK_KIT", "KIT.ck", "kit.csv", "kit.tsy", "std1.s1p", "sub.tsy"}));
}

// The disk fills up part-way through the write: the file size limit makes every write beyond
// 100 bytes fail, as a full disk would.
TEST(FileImage, AWriteThatFailsPartWayLeavesTheOldFileIntact)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no per-process file size limit to make a write fail part-way";
#else
    TTempFolder folder;
    const std::string name = folder.File("kit.tsy");
    WriteBytes(name, Pattern(4572, 9));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        setrlimit(RLIMIT_FSIZE, &limit);
        const std::string message = MessageOf<ECannotSaveFile>([&] { SaveFileImage(name, Pattern(4572, 10)); });
        _exit(message == "Unable to save file: " + name + "\nReason unknown." ? 0 : 1);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadBytes(name), Pattern(4572, 9));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"kit.tsy"});
#endif
}

#ifndef _WIN32
// Only a regular file is read: a FIFO (which would wait for a writer) and a device (which
// never ends) are refused at once, by every reader, with the format's message. A save refuses
// a link that leads nowhere and leaves it as it was.
TEST(FileImage, PipesDevicesAndBrokenLinksAreRefusedAtOnce)
{
    TTempFolder folder;
    const std::string fifo = folder.File("pipe.tsy");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    TCalKit kit(*FindVna("8753D/E"));
    for (const std::string& name : {fifo, std::string("/dev/zero")}) {
        SCOPED_TRACE(name);
        const std::string message = "Unable to open file: " + name + "\nReason unknown.";
        EXPECT_EQ(MessageOf<ECannotOpenFile>([&] { ReadFileImage(name, 4); }), message);
        EXPECT_EQ(MessageOf<ECannotOpenFile>([&] { ReadKitFile(kit, name); }), message);
        EXPECT_EQ(MessageOf<ECannotOpenFile>([&] { FindVna("8510C")->ReadDiskFile(kit, name); }), message);
    }

    fs::create_symlink(folder.File("loop-b"), folder.File("loop-a"));
    fs::create_symlink(folder.File("loop-a"), folder.File("loop-b"));
    fs::create_symlink(folder.File("gone.tsy"), folder.File("dangling.tsy"));
    for (const char* link : {"loop-a", "dangling.tsy"}) {
        SCOPED_TRACE(link);
        const std::string name = folder.File(link);
        const fs::path target = fs::read_symlink(name);
        EXPECT_EQ(MessageOf<ECannotSaveFile>([&] { WriteKitFile(kit, name); }),
                  "Unable to save file: " + name + "\nReason unknown.");
        EXPECT_TRUE(fs::is_symlink(name));
        EXPECT_EQ(fs::read_symlink(name), target);
    }
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"dangling.tsy", "loop-a", "loop-b", "pipe.tsy"}));
}
#endif
