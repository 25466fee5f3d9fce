// tessaly-kit response: Touchstone output of the example kits' standards, read from a kit
// file, an 8753-family disk file and an 8510 disk file, and the exit statuses.
#include "../kit/TempFolder.h"
#include "KitRun.h"
#include "kit/CalKit.h"
#include "kit/KitFile.h"
#include "response/ResponseSweep.h"
#include "response/StandardTouchstone.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string Example(const std::string& name)
{
    return std::string(TESSALY_SOURCE_DIR) + "/docs/examples/" + name;
}

// The data lines of a Touchstone text, each split into its numbers.
std::vector<std::vector<double>> DataLines(const std::string& text)
{
    std::vector<std::vector<double>> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '!' || line[0] == '#')
            continue;
        std::istringstream words(line);
        std::vector<double> numbers;
        for (double x; words >> x;)
            numbers.push_back(x);
        lines.push_back(numbers);
    }
    return lines;
}

std::string TextOf(const std::string& fileName)
{
    const std::vector<std::uint8_t> bytes = ReadBytes(fileName);
    return {bytes.begin(), bytes.end()};
}

std::unique_ptr<TCalKit> ReadExample(const std::string& name)
{
    auto kit = TCalKit::Create(*Vnas().front());
    ReadKitFile(*kit, Example(name));
    return kit;
}

class ResponseCommand : public ::testing::Test {
protected:
    std::string Run(const std::vector<std::string>& arguments)
    {
        const TKitRun run = Kit(arguments);
        EXPECT_EQ(run.Status, 0) << run.Err;
        EXPECT_EQ(run.Err, "");
        return run.Out;
    }

    TTempFolder folder;
    std::string kit35 = Example("3.5mm-kit.tsy");
    std::string kitN = Example("type-n-kit.tsy");
    std::string kitWg = Example("wr90-kit.tsy");
};

} // namespace

TEST_F(ResponseCommand, DefaultSweepOnStandardOutput)
{
    // The male open: 0 to 26.5 GHz (the loads' maximum stands in for "no limit"), 201 points.
    const std::string out = Run({"response", kit35, "--standard", "2"});
    const auto kit = ReadExample("3.5mm-kit.tsy");
    EXPECT_EQ(out, TouchstoneText(StandardTouchstone(*kit, 2, SweepFrequencies(DefaultSweep(*kit, 2)))));
    EXPECT_NE(out.find("\n! Standard 2: OPEN -M- (Open)\n"), std::string::npos);
    EXPECT_NE(out.find("\n# GHz S RI R 50\n"), std::string::npos);
    EXPECT_NE(out.find("\n0.00000000000e+00 1.00000000000e+00 0.00000000000e+00\n"), std::string::npos);
    const auto lines = DataLines(out);
    ASSERT_EQ(lines.size(), 201u);
    EXPECT_EQ(lines.back()[0], 26.5);
    EXPECT_DOUBLE_EQ(lines[100][0], 13.25);
    for (const auto& line : lines) {
        ASSERT_EQ(line.size(), 3u);
        EXPECT_LE(line[1] * line[1] + line[2] * line[2], 1.0); // a lossy open reflects less than all
    }

    // The waveguide line: two ports, from 1.25 times the cutoff to the band's top.
    const auto wg = DataLines(Run({"response", kitWg, "--standard", "6", "--points", "5"}));
    ASSERT_EQ(wg.size(), 5u);
    EXPECT_DOUBLE_EQ(wg.front()[0], 1.25 * 6.557);
    EXPECT_EQ(wg.back()[0], 12.4);
    for (const auto& line : wg) {
        ASSERT_EQ(line.size(), 9u); // S11 S21 S12 S22
        EXPECT_EQ(line[1], 0);
        EXPECT_NEAR(line[3] * line[3] + line[4] * line[4], 1, 1e-12);
        EXPECT_EQ(line[3], line[5]);
        EXPECT_EQ(line[4], line[6]);
    }
}

TEST_F(ResponseCommand, RangeToAFileAndFromDiskFiles)
{
    const std::string out = folder.File("short.s1p");
    EXPECT_EQ(Run({"response", kit35, "--standard", "1", "--start", "1", "--stop", "2", "--points", "3", "-o", out}),
              "");
    const auto lines = DataLines(TextOf(out));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0][0], 1);
    EXPECT_EQ(lines[1][0], 1.5);
    EXPECT_EQ(lines[2][0], 2);

    // The same kits as disk files give the same responses to the disk files' precision.
    const std::string ck = folder.File("KITN.ck");
    const std::string ck8510 = folder.File("CK_KIT35");
    Run({"convert", kitN, ck});
    Run({"convert", kit35, ck8510});
    const std::pair<std::vector<std::string>, std::vector<std::string>> pairs[] = {
        {{"response", kitN, "--standard", "7"}, {"response", ck, "--standard", "7"}},
        {{"response", kitN, "--standard", "8"}, {"response", ck, "--standard", "8"}},
        {{"response", kit35, "--standard", "2"}, {"response", ck8510, "--standard", "2"}},
    };
    for (const auto& [fromKit, fromDisk] : pairs) {
        const auto expected = DataLines(Run(fromKit));
        const auto actual = DataLines(Run(fromDisk));
        ASSERT_EQ(actual.size(), expected.size());
        for (std::size_t i = 0; i < actual.size(); ++i)
            for (std::size_t k = 0; k < actual[i].size(); ++k)
                EXPECT_NEAR(actual[i][k], expected[i][k], 1e-5) << Joined(fromDisk);
    }
    EXPECT_NE(Run({"response", ck8510, "--standard", "5"}).find("! Analyzer model: Agilent 8510C\n"),
              std::string::npos);
}

TEST_F(ResponseCommand, AllStandardsIntoAFolder)
{
    Run({"response", kitN, "--all", folder.Path().string()});
    EXPECT_EQ(folder.Entries(),
              (std::vector<std::string>{"std1_SHORT.s1p", "std2_OPEN.s1p", "std3_BROADBAND.s1p", "std4_SLIDING.s1p",
                                        "std5_THRU.s2p", "std6_SHORT_-F-.s1p", "std7_OPEN_-F-.s1p",
                                        "std8_75_OHM.s1p"}));
    const auto load = DataLines(TextOf(folder.File("std3_BROADBAND.s1p")));
    ASSERT_EQ(load.size(), 201u);
    EXPECT_EQ(load.back()[0], 2); // its own maximum frequency
    const auto arbitrary = DataLines(TextOf(folder.File("std8_75_OHM.s1p")));
    EXPECT_NEAR(std::hypot(arbitrary[0][1], arbitrary[0][2]), 0.2, 1e-4); // 75 ohm at 0 Hz
}

TEST_F(ResponseCommand, FailuresAndWrongUsageWriteNothing)
{
    const std::string out = folder.File("out.s1p");
    const std::string o = out;
    const std::pair<std::vector<std::string>, std::string> failures[] = {
        {{"response", kit35, "--standard", "8", "-o", o},
         "Standard 8 is not defined (its type is none): it has no response.\n"},
        {{"response", kitWg, "--standard", "2", "--start", "6.557", "-o", o},
         "Standard 2 (1/8 OFFSET) is a waveguide standard with its cutoff at 6.557 GHz: the range must start above "
         "the cutoff.\n"},
        {{"response", kitWg, "--all", folder.Path().string(), "--start", "5", "--stop", "12"},
         "Standard 1 (SHORT) is a waveguide standard with its cutoff at 6.557 GHz: the range must start above the "
         "cutoff.\n"},
        {{"response", kit35, "--all", folder.File("missing")}, "The folder " + folder.File("missing") +
                                                                      " does not exist.\n"},
    };
    for (const auto& [arguments, message] : failures) {
        const TKitRun run = Kit(arguments);
        EXPECT_EQ(run.Status, 1) << Joined(arguments);
        EXPECT_EQ(run.Err, message);
        EXPECT_EQ(run.Out, "");
    }
    const std::pair<std::vector<std::string>, std::string> usage[] = {
        {{"response", kit35}, "Give either --standard N or --all DIR."},
        {{"response", kit35, "--standard", "1", "--all", folder.Path().string()},
         "Give either --standard N or --all DIR."},
        {{"response", kit35, "--all", folder.Path().string(), "-o", o}, "--all writes its own files"},
        {{"response", kit35, "--standard", "0", "-o", o}, "The standard number must lie between 1 and 21"},
        {{"response", kitN, "--standard", "9", "-o", o}, "The standard number must lie between 1 and 8"},
        {{"response", kit35, "--standard", "two"}, "The value of --standard is no whole number: \"two\"."},
        {{"response", kit35, "--standard", "1", "--start", "1GHz"}, "The value of --start is no number: \"1GHz\"."},
        {{"response", kit35, "--standard", "1", "--points", "1", "-o", o}, "A sweep needs at least 2 points."},
        {{"response", kit35, "--standard", "1", "--points", "1000001", "-o", o},
         "A sweep takes at most 1000000 points."},
        {{"response", kit35, "--standard", "1", "--start", "5", "--stop", "4", "-o", o},
         "The stop frequency (4 GHz) of standard 1 does not lie above its start frequency (5 GHz)."},
        {{"response", kit35, "--standard", "2", "--start", "30", "-o", o}, // the default stop is 26.5 GHz
         "The stop frequency (26.5 GHz) of standard 2 does not lie above its start frequency (30 GHz)."},
        {{"response", kit35, "--standard", "1", "--start=-1", "-o", o},
         "The start frequency must not lie below 0 GHz."},
    };
    for (const auto& [arguments, message] : usage) {
        const TKitRun run = Kit(arguments);
        EXPECT_EQ(run.Status, 2) << Joined(arguments);
        EXPECT_EQ(run.Err.rfind(message, 0), 0u) << run.Err;
        EXPECT_NE(run.Err.find("Usage:"), std::string::npos);
        EXPECT_EQ(run.Out, "");
    }
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{});
}
