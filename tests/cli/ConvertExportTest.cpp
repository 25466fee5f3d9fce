// tessaly-kit convert and export: every format in and out, and the exit statuses.
#include "../kit/SampleKits.h"
#include "../kit/TempFolder.h"
#include "KitRun.h"
#include "analyzers/DiskFile8510.h"
#include "analyzers/DiskFile8753.h"
#include "kit/KitFile.h"
#include "kit/TextExport.h"

#include <gtest/gtest.h>

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

namespace {

std::string Text(const std::vector<std::uint8_t>& bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

// The kit the tool holds after reading a file: a new kit on the first catalogue entry, then
// the file (a disk file through diskModel).
std::unique_ptr<TCalKit> ReadAsTheToolDoes(const std::string& fileName, TVna* diskModel = nullptr)
{
    auto kit = TCalKit::Create(*Vnas().front());
    if (diskModel == nullptr) {
        ReadKitFile(*kit, fileName);
    } else {
        kit->SetVna(*diskModel);
        diskModel->ReadDiskFile(*kit, fileName);
    }
    return kit;
}

class ConvertExport : public ::testing::Test {
protected:
    void SetUp() override
    {
        TCalKit kit(*FindVna("8753D/E"));
        FillSampleKit(kit);
        WriteKitFile(kit, sample);
    }
    // Runs the tool, expecting success; its standard output.
    std::string Run(const std::vector<std::string>& arguments, const std::string& err = "")
    {
        const TKitRun run = Kit(arguments);
        EXPECT_EQ(run.Status, 0) << run.Err;
        EXPECT_EQ(run.Err, err);
        return run.Out;
    }

    TTempFolder folder;
    std::string sample = folder.File("sample.tsy");
};

} // namespace

TEST_F(ConvertExport, ConvertBetweenAllFormats)
{
    const auto kit = ReadAsTheToolDoes(sample);
    const std::string ck = folder.File("SAMPLE.ck");
    Run({"convert", sample, ck});
    EXPECT_EQ(ReadBytes(ck), EncodeDiskFile8753(*kit, *FindVna("8753D/E"), ck));
    const std::string back = folder.File("back.tsy");
    Run({"convert", ck, back});
    EXPECT_EQ(DumpKit(*ReadAsTheToolDoes(back)), DumpKit(*ReadAsTheToolDoes(ck, FindVna("8753D/E"))));

    // The 8753D/E has no 8510 files: the kit is switched to the 8510C first, and the tool says so.
    const std::string ck8510 = folder.File("CK_SAMPLE");
    Run({"convert", sample, ck8510}, "The model Agilent 8753D/E has no CK_* disk files: the kit was switched "
                                           "to the model Agilent 8510C.\n");
    auto switched = ReadAsTheToolDoes(sample);
    switched->SetVna(*FindVna("8510C"));
    EXPECT_EQ(ReadBytes(ck8510), EncodeDiskFile8510(*switched, *FindVna("8510C"), ck8510));
    const std::string from8510 = folder.File("from8510.tsy");
    Run({"convert", ck8510, from8510});
    EXPECT_EQ(DumpKit(*ReadAsTheToolDoes(from8510)), DumpKit(*ReadAsTheToolDoes(ck8510, FindVna("8510C"))));

    // A disk file is read by the model given, and the kit file then carries that model.
    const std::string by8720 = folder.File("by8720.tsy");
    Run({"convert", ck, by8720, "--model", "8720d/e"});
    EXPECT_EQ(DumpKit(*ReadAsTheToolDoes(by8720)), DumpKit(*ReadAsTheToolDoes(ck, FindVna("8720D/E"))));
    const std::string pna = folder.File("pna.TSY");
    Run({"convert", sample, pna, "--model", "PNA"});
    kit->SetVna(*FindVna("PNA"));
    EXPECT_EQ(DumpKit(*ReadAsTheToolDoes(pna)), DumpKit(*kit));
    const std::string csv = folder.File("sample.csv");
    Run({"convert", sample, csv});
    EXPECT_EQ(Text(ReadBytes(csv)), ExportTextImage(*ReadAsTheToolDoes(sample), ','));
}

TEST_F(ConvertExport, ExportFromEveryReadableFormat)
{
    EXPECT_EQ(Run({"export", sample}), ExportTextImage(*ReadAsTheToolDoes(sample), ','));
    const std::string out = folder.File("out.txt");
    EXPECT_EQ(Run({"export", sample, "-o", out, "--delimiter", ";"}), "");
    EXPECT_EQ(Text(ReadBytes(out)), ExportTextImage(*ReadAsTheToolDoes(sample), ';'));

    const std::string ck = folder.File("KIT.ck");
    WriteDiskFile8753(*ReadAsTheToolDoes(sample), *FindVna("8753D/E"), ck);
    const std::string text = Run({"export", ck, "--model", "8719D/E"});
    EXPECT_EQ(text, ExportTextImage(*ReadAsTheToolDoes(ck, FindVna("8719D/E")), ','));
    EXPECT_NE(text.find("VNA = Agilent 8719D/E\r\n"), std::string::npos);
    const std::string ck8510 = folder.File("ck_lower");
    WriteDiskFile8510(*ReadAsTheToolDoes(sample), *FindVna("8510C"), ck8510);
    EXPECT_EQ(Run({"export", ck8510, "--delimiter", "\t"}),
              ExportTextImage(*ReadAsTheToolDoes(ck8510, FindVna("8510C")), '\t'));
}

TEST_F(ConvertExport, BadInputFailsWithTheProgramsMessage)
{
    auto bytes = ReadBytes(sample);
    const std::string shortFile = folder.File("short.tsy");
    WriteBytes(shortFile, std::vector<std::uint8_t>(bytes.begin(), bytes.end() - 1));
    PutU16(bytes, 274, 17);
    const std::string corrupt = folder.File("corrupt.tsy");
    WriteBytes(corrupt, bytes);
    const std::string nowhere = folder.File("missing/out.csv");
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"export", shortFile}, "Unable to open file: " + shortFile + "\nReason unknown.\n"},
        {{"convert", corrupt, folder.File("x.ck")},
         "Unable to open file: " + corrupt + "\nThe cal kit data is corrupt.\n"},
        {{"export", sample, "-o", nowhere}, "Unable to save file: " + nowhere + "\nReason unknown.\n"}};
    for (const auto& [arguments, message] : cases) {
        const TKitRun run = Kit(arguments);
        EXPECT_EQ(run.Status, 1);
        EXPECT_EQ(run.Err, message);
        EXPECT_EQ(run.Out, "");
    }
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"corrupt.tsy", "sample.tsy", "short.tsy"}));
}

#if !defined(_WIN32)
// A FIFO given as input returns at once; a file-size limit reached part-way through a save
// (the shell's ulimit -f) and a looping link given as output end with the save message. The
// files stay as they were, and no temporary file is left.
TEST_F(ConvertExport, PipesFileSizeLimitsAndLinkLoopsEndWithTheMessage)
{
    const std::string fifo = folder.File("pipe.tsy");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    TKitRun run = Kit({"convert", fifo, folder.File("out.tsy")});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err, "Unable to open file: " + fifo + "\nReason unknown.\n");

    const std::string old = folder.File("old.tsy");
    const std::vector<std::uint8_t> oldBytes(3000, 0x5a);
    WriteBytes(old, oldBytes);
    run = TChildProcess("/bin/sh", {"-c", "ulimit -f 1 && exec \"$0\" \"$@\"", TESSALY_KIT_PATH, "convert", sample, old})
              .Finish();
    EXPECT_EQ(run.Status, 1) << "-1: a signal ended the tool";
    EXPECT_EQ(run.Err, "Unable to save file: " + old + "\nReason unknown.\n");
    EXPECT_EQ(ReadBytes(old), oldBytes);

    const std::string loop = folder.File("loop.tsy");
    std::filesystem::create_symlink(loop, loop);
    run = Kit({"convert", sample, loop});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err, "Unable to save file: " + loop + "\nReason unknown.\n");
    EXPECT_TRUE(std::filesystem::is_symlink(loop));
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"loop.tsy", "old.tsy", "pipe.tsy", "sample.tsy"}));
}
#endif

TEST_F(ConvertExport, WrongUsageExitsWithTwo)
{
    const std::string in = sample;
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"convert", in}, "Missing argument OUT."},
        {{"convert", in, folder.File("kit.bin")}, "Unknown file format of \""},
        {{"convert", folder.File("kit.csv"), folder.File("a.tsy")}, "A text export cannot be read"},
        {{"convert", in, folder.File("a.ck"), "--model", "9999"}, "Unknown model \"9999\""},
        {{"convert", folder.File("a.ck"), folder.File("a.tsy"), "--model", "8753A/B/C"},
         "The model Agilent 8753A/B/C has no *.ck disk files."},
        {{"convert", folder.File("CK_A"), folder.File("a.tsy"), "--model", "8753D/E"},
         "The model Agilent 8753D/E has no CK_* disk files."},
        {{"export"}, "Missing argument IN."},
        {{"export", in, "--delimiter", ";;"}, "The delimiter must be one Latin-1 character."},
        {{"export", in, "--colour"}, "Unknown option 'colour'."},
    };
    for (const auto& [arguments, message] : cases) {
        const TKitRun run = Kit(arguments);
        EXPECT_EQ(run.Status, 2) << Joined(arguments);
        EXPECT_EQ(run.Err.rfind(message, 0), 0u) << run.Err;
        EXPECT_NE(run.Err.find("Usage:"), std::string::npos);
    }
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"sample.tsy"});
}
