#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "response/ResponseSweep.h"
#include "response/StandardTouchstone.h"
#include "response/Touchstone.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> Words(const std::string& line)
{
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

} // namespace

TEST(Touchstone, OnePortTextLayout)
{
    TTouchstoneData data;
    data.ReferenceZ0 = 75;
    data.Comments = {" Kit: 85033E", "two\nlines"};
    data.FrequenciesGHz = {0, 0.1, 26.5};
    data.Points = {{.S11 = {1, -0.0}}, {.S11 = {-0.5, 1.0 / 3}}, {.S11 = {1e-300, -2.5e7}}};
    EXPECT_EQ(TouchstoneText(data), "! Kit: 85033E\n"
                                    "!two lines\n"
                                    "# GHz S RI R 75\n"
                                    "0.00000000000e+00 1.00000000000e+00 0.00000000000e+00\n"
                                    "1.00000000000e-01 -5.00000000000e-01 3.333333333333333e-01\n"
                                    "2.65000000000e+01 1.00000000000e-300 -2.50000000000e+07\n");
}

TEST(Touchstone, TwoPortLinesKeepEveryDigit)
{
    TTouchstoneData data;
    data.Ports = 2;
    data.ReferenceZ0 = 50.125;
    const double awkward[] = {0.1, 1.0 / 3, -4.76912345678901234, 2.0 / 3e-9, 6.02214076e23, -1e-17, 0.3, 123.456};
    data.FrequenciesGHz = {7.000000000000001};
    data.Points = {{{awkward[0], awkward[1]}, {awkward[2], awkward[3]}, {awkward[4], awkward[5]}, {awkward[6], awkward[7]}}};
    const auto lines = Lines(TouchstoneText(data));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "# GHz S RI R 50.125");
    const auto words = Words(lines[1]);
    ASSERT_EQ(words.size(), 9u); // frequency, then S11 S21 S12 S22 as re im
    EXPECT_EQ(std::strtod(words[0].c_str(), nullptr), 7.000000000000001);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(std::strtod(words[i + 1].c_str(), nullptr), awkward[i]) << words[i + 1];
        const std::string mantissa = words[i + 1].substr(0, words[i + 1].find('e'));
        EXPECT_GE(std::count_if(mantissa.begin(), mantissa.end(), ::isdigit), 12) << words[i + 1];
    }
}

TEST(Touchstone, DataNoFileCanHoldIsRefused)
{
    TTouchstoneData data;
    data.FrequenciesGHz = {1, 2};
    data.Points.resize(1);
    EXPECT_THROW(TouchstoneText(data), std::invalid_argument);
    data.Points.resize(2);
    data.Ports = 4;
    EXPECT_THROW(TouchstoneText(data), std::invalid_argument);
    data.Ports = 1;
    data.Points[1].S11 = {NAN, 0};
    EXPECT_THROW(TouchstoneText(data), ETessalyError);

    // Writing such data leaves the file that was there.
    TTempFolder folder;
    const std::string name = folder.File("old.s1p");
    WriteBytes(name, {'o', 'l', 'd'});
    EXPECT_THROW(WriteTouchstone(name, data), ETessalyError);
    data.Ports = 3;
    EXPECT_EQ(MessageOf<ECannotSaveFile>([&] { WriteTouchstone(name, data); }),
              "Unable to save file: " + name + "\nReason unknown.");
    EXPECT_EQ(ReadBytes(name), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"old.s1p"});

    data.Ports = 1;
    data.Points[1].S11 = 0.5;
    WriteTouchstone(name, data);
    const std::string text = TouchstoneText(data);
    EXPECT_EQ(ReadBytes(name), std::vector<std::uint8_t>(text.begin(), text.end()));
}

class StandardTouchstoneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        kit.SetLabel("3.5MM");
        kit.SetSystemZ0(50);
        kit.Standard(1).SetValues({.StdType = TStdType::Open, .C0 = 49.4, .C1 = -310.1, .C2 = 23.2, .C3 = -0.16,
                                   .OffsetDelay = 29.243, .OffsetLoss = 2.2, .MaxFreq = 999, .Label = "OPEN -M-"});
        kit.Standard(2).SetValues({.StdType = TStdType::Short, .C0 = 2.08, .OffsetDelay = 31.785, .OffsetLoss = 2.36,
                                   .MaxFreq = 26.5, .Label = "SHORT/M"});
        kit.Standard(3).SetValues({.StdType = TStdType::Load, .LoadType = TLoadType::Sliding, .MinFreq = 3,
                                   .MaxFreq = 999, .Label = ""});
        kit.Standard(4).SetValues({.StdType = TStdType::Thru, .OffsetDelay = 100, .MaxFreq = 18, .Label = "THRU"});
        kit.Standard(5).SetValues({.StdType = TStdType::Short, .OffsetDelay = 100, .MinFreq = 6.557, .MaxFreq = 12.4,
                                   .Medium = TMedium::Waveguide, .Label = "WR90 \xD6" "FF"});
        // Not in use: neither counts for a default top frequency.
        kit.Standard(6).SetValues({.StdType = TStdType::None, .MaxFreq = 40});
        kit.Standard(25).SetValues({.StdType = TStdType::Thru, .MaxFreq = 50});
    }

    TCalKit kit{*FindVna("8510C")};
};

TEST_F(StandardTouchstoneTest, ResponseWithItsOrigin)
{
    const std::vector<double> f{0, 1, 2};
    TTouchstoneData data = StandardTouchstone(kit, 1, f);
    EXPECT_EQ(data.Ports, 1);
    EXPECT_EQ(data.ReferenceZ0, 50);
    EXPECT_EQ(data.FrequenciesGHz, f);
    const auto expected = ModelResponse(TStandardModel::FromStandard(kit.Standard(1)), f);
    ASSERT_EQ(data.Points.size(), 3u);
    for (std::size_t i = 0; i < f.size(); ++i)
        EXPECT_EQ(data.Points[i].S11, expected[i].S11);
    const std::string text = TouchstoneText(data);
    for (const char* part : {"\n! Kit: 3.5MM\n", "\n! Analyzer model: Agilent 8510C\n",
                             "\n! Standard 1: OPEN -M- (Open)\n",
                             "\n! C0..C3: 49.4, -310.1, 23.2, -0.16 (1e-15 F, 1e-27 F/Hz, 1e-36 F/Hz^2, 1e-45 F/Hz^3)\n",
                             "\n! Offset: delay 29.243 ps, Z0 50 ohm, loss 2.2 Gohm/s; medium Coax; 0 to 999 GHz\n"})
        EXPECT_NE(text.find(part), std::string::npos) << part;

    data = StandardTouchstone(kit, 4, f);
    EXPECT_EQ(data.Ports, 2);
    EXPECT_EQ(std::abs(data.Points[2].S21), 1);
    data = StandardTouchstone(kit, 3, f);
    EXPECT_EQ(data.Points[1].S11, 0.0);
    EXPECT_EQ(data.Comments.back(), " A sliding load has no model: its response is 0.");

    // The waveguide short leaves out what lies at or below its cutoff.
    data = StandardTouchstone(kit, 5, std::vector<double>{6, 6.557, 8, 10});
    EXPECT_EQ(data.FrequenciesGHz, (std::vector<double>{8, 10}));
    EXPECT_EQ(data.Points.size(), 2u);
    EXPECT_EQ(MessageOf<ETessalyError>([&] { StandardTouchstone(kit, 5, std::vector<double>{1, 6.557}); }),
              "Standard 5 has no response at these frequencies: its waveguide cutoff is 6.557 GHz.");
    EXPECT_EQ(MessageOf<ETessalyError>([&] { StandardTouchstone(kit, 6, f); }),
              "Standard 6 is not defined (its type is none): it has no response.");
}

TEST_F(StandardTouchstoneTest, FileNames)
{
    EXPECT_EQ(StandardTouchstoneFileName(kit, 1), "std1_OPEN_-M-.s1p");
    EXPECT_EQ(StandardTouchstoneFileName(kit, 2), "std2_SHORT_M.s1p");
    EXPECT_EQ(StandardTouchstoneFileName(kit, 3), "std3.s1p");
    EXPECT_EQ(StandardTouchstoneFileName(kit, 4), "std4_THRU.s2p");
    EXPECT_EQ(StandardTouchstoneFileName(kit, 5), "std5_WR90__FF.s1p");
}

TEST_F(StandardTouchstoneTest, DefaultSweeps)
{
    auto expectSweep = [&](int n, double start, double stop) {
        const TFrequencySweep sweep = DefaultSweep(kit, n);
        EXPECT_DOUBLE_EQ(sweep.StartGHz, start) << n;
        EXPECT_DOUBLE_EQ(sweep.StopGHz, stop) << n;
        EXPECT_EQ(sweep.Points, 201) << n;
    };
    expectSweep(2, 0, 26.5);
    // "No limit": the largest maximum of the other standards in use (not standard 6 or 25).
    expectSweep(1, 0, 26.5);
    expectSweep(3, 3, 26.5);
    // A waveguide starts at 1.25 times its cutoff.
    expectSweep(5, 1.25 * 6.557, 12.4);
    kit.Standard(5).SetMaxFreq(7.5);
    expectSweep(5, (6.557 + 7.5) / 2, 7.5);

    // Without any other maximum: 20 GHz, or twice a minimum that lies above it.
    for (int n : {2, 4, 5})
        kit.Standard(n).SetMaxFreq(999);
    expectSweep(1, 0, 20);
    kit.Standard(1).SetMinFreq(30);
    expectSweep(1, 30, 60);
    // A maximum below the minimum is no limit either.
    kit.Standard(3).SetMaxFreq(2);
    expectSweep(3, 3, 20);

    const std::vector<double> f = SweepFrequencies({.StartGHz = 0.045, .StopGHz = 26.5, .Points = 201});
    ASSERT_EQ(f.size(), 201u);
    EXPECT_EQ(f.front(), 0.045);
    EXPECT_EQ(f.back(), 26.5);
    EXPECT_DOUBLE_EQ(f[100], (0.045 + 26.5) / 2);
    EXPECT_EQ(SweepFrequencies({.StartGHz = 1, .StopGHz = 2, .Points = 2}), (std::vector<double>{1, 2}));
}
