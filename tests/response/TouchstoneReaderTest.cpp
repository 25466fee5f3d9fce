#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "kit/Utility.h"
#include "response/Renormalize.h"
#include "response/ResponseSweep.h"
#include "response/StandardTouchstone.h"
#include "response/Touchstone.h"

#include "../kit/TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <numbers>

namespace {

void ExpectNear(TComplex actual, TComplex expected, const char* what)
{
    EXPECT_NEAR(actual.real(), expected.real(), 1e-12) << what;
    EXPECT_NEAR(actual.imag(), expected.imag(), 1e-12) << what;
}

TComplex Polar(double magnitude, double degrees)
{
    return std::polar(magnitude, degrees * std::numbers::pi / 180);
}

std::string ErrorOf(std::string_view text, int ports)
{
    try {
        ParseTouchstone(text, ports);
    } catch (const EFileTrouble& e) {
        return e.Message();
    }
    return "no error";
}

} // namespace

// The same two points (1 and 2.5 GHz, S11 = 0.5 at -30 degrees, then 0.25 at 120 degrees) in
// every unit and number format.
TEST(TouchstoneReader, EveryUnitAndFormatGivesTheSameMeasurement)
{
    const TComplex first = Polar(0.5, -30), second = Polar(0.25, 120);
    const std::vector<std::string> files{
        "# Hz S RI R 50\n1e9 0.4330127018922193 -0.25\n2.5E9 -0.125 0.21650635094610965\n",
        "# kHz S MA R 50\n1000000 0.5 -30\n2500000 0.25 120\n",
        "# MHz S DB R 50\n1000 -6.020599913279624 -30\n2500.0 -12.041199826559248 +120\n",
        "# GHz S MA R 50\n1 .5 -30\n2.5 0.25 120\n",
        "# ghz s ma r 50\n1 0.5 -30\n2.5 0.25 120\n",
        "#\n1 0.5 -30\n2.5 0.25 120\n",     // every option at its default
        "1 0.5 -30\n2.5 0.25 120\n",       // no option line at all
        "# MA r 50 S GHz\n1 0.5 -30\n2.5 0.25 120\n", // options in any order
    };
    for (const std::string& text : files) {
        SCOPED_TRACE(text);
        const TTouchstoneData data = ParseTouchstone(text, 1);
        EXPECT_EQ(data.Ports, 1);
        EXPECT_EQ(data.ReferenceZ0, 50);
        ASSERT_EQ(data.FrequenciesGHz.size(), 2u);
        EXPECT_NEAR(data.FrequenciesGHz[0], 1, 1e-15);
        EXPECT_NEAR(data.FrequenciesGHz[1], 2.5, 1e-15);
        ExpectNear(data.Points[0].S11, first, "S11 at 1 GHz");
        ExpectNear(data.Points[1].S11, second, "S11 at 2.5 GHz");
        EXPECT_EQ(data.Points[0].S21, TComplex{});
    }
}

TEST(TouchstoneReader, TwoPortOrderCommentsContinuationAndLineEnds)
{
    const std::string text = "! Thru, measured\r\n"
                             "\r\n"
                             "# GHz S RI R 75   ! the option line\r\n"
                             "1 0.11 0.12 0.21 0.22 0.31 0.32 0.41 0.42\r\n"
                             "\t2 0.5 0.6 ! S11, then S21 S12 S22 continue\r\n"
                             "   0.7 0.8\r\n"
                             "0.9 1.0 1.1 1.2\r\n";
    const TTouchstoneData data = ParseTouchstone(text, 2);
    EXPECT_EQ(data.Ports, 2);
    EXPECT_EQ(data.ReferenceZ0, 75);
    ASSERT_EQ(data.Points.size(), 2u);
    // Version 1.1 writes S11 S21 S12 S22.
    EXPECT_EQ(data.Points[0].S11, (TComplex{0.11, 0.12}));
    EXPECT_EQ(data.Points[0].S21, (TComplex{0.21, 0.22}));
    EXPECT_EQ(data.Points[0].S12, (TComplex{0.31, 0.32}));
    EXPECT_EQ(data.Points[0].S22, (TComplex{0.41, 0.42}));
    EXPECT_EQ(data.Points[1].S21, (TComplex{0.7, 0.8}));
    EXPECT_EQ(data.Points[1].S22, (TComplex{1.1, 1.2}));
    EXPECT_EQ(data.Comments,
              (std::vector<std::string>{" Thru, measured", " the option line", " S11, then S21 S12 S22 continue"}));

    // Noise parameters after the S-parameters (a frequency not above the last) are left out;
    // a second option line does not count.
    const TTouchstoneData withNoise =
        ParseTouchstone("# MHz S MA\n100 1 0 1 0 1 0 1 0\n# GHz S RI\n200 1 0 1 0 1 0 1 0\n"
                        "100 1.5 0.3 -40 0.5\n200 1.6 0.4 -20 0.6\n",
                        2);
    EXPECT_EQ(withNoise.FrequenciesGHz, (std::vector<double>{0.1, 0.2}));
}

TEST(TouchstoneReader, Version2KeywordsSetPortsOrderAndReference)
{
    const std::string text = "! Made by hand\n"
                             "[Version] 2.0\n"
                             "# MHz S RI R 50\n"
                             "[Number of Ports] 2\n"
                             "[Two-Port Data Order] 12_21\n"
                             "[Number of Frequencies] 2\n"
                             "[Reference] 75\n"
                             " 75\n"
                             "[Network Data]\n"
                             "500 0.11 0.12 0.21 0.22 0.31 0.32 0.41 0.42\n"
                             "1500 0.1 0 0.2 0 0.3 0 0.4 0\n"
                             "[End]\n"
                             "anything after the end\n";
    // The keyword wins over the port count of the file name.
    const TTouchstoneData data = ParseTouchstone(text, 1);
    EXPECT_EQ(data.Ports, 2);
    EXPECT_EQ(data.ReferenceZ0, 75);
    EXPECT_EQ(data.FrequenciesGHz, (std::vector<double>{0.5, 1.5}));
    // 12_21: S11 S12 S21 S22.
    EXPECT_EQ(data.Points[0].S12, (TComplex{0.21, 0.22}));
    EXPECT_EQ(data.Points[0].S21, (TComplex{0.31, 0.32}));
    EXPECT_EQ(data.Points[1].S22, (TComplex{0.4, 0}));

    const TTouchstoneData lower = ParseTouchstone("[Version] 2.0\n# GHz S RI\n[Number of Ports] 2\n"
                                                  "[Number of Frequencies] 1\n[Matrix Format] Lower\n"
                                                  "[Network Data]\n1 0.1 0 0.9 0\n 0.2 0\n[End]\n",
                                                  0);
    EXPECT_EQ(lower.Points[0].S21, (TComplex{0.9, 0}));
    EXPECT_EQ(lower.Points[0].S12, (TComplex{0.9, 0}));
    EXPECT_EQ(lower.Points[0].S22, (TComplex{0.2, 0}));
}

TEST(TouchstoneReader, RefusesWhatItCannotUseWithTheLine)
{
    const std::string v2 = "[Version] 2.0\n# GHz S RI\n[Number of Ports] 1\n[Number of Frequencies] 2\n";
    const std::vector<std::tuple<std::string, int, std::string>> cases{
        {"# THz S RI\n", 1, "Line 1: unknown option \"THz\" in the option line."},
        {"!\n# GHz Y RI\n", 1, "Line 2: only S-parameters can be read; this file holds Y-parameters."},
        {"# GHz S RI R\n", 1, "Line 1: the option R needs the reference impedance after it."},
        {"# GHz S RI R 0\n", 1, "Line 1: the reference impedance must be above 0 ohm, not 0."},
        {"# GHz S RI\n1 0.5 zero\n", 1, "Line 2: \"zero\" is not a number."},
        {"# GHz S RI\n1 0.5 nan\n", 1, "Line 2: \"nan\" is not a number."},
        {"# GHz S RI\n1 0.5 1e999\n", 1, "Line 2: \"1e999\" is not a number."},
        {"# GHz S RI\n2 0 0\n\n1 0 0\n", 1, "Line 4: the frequencies must ascend, but 1 follows 2."},
        {"# GHz S DB\n1 0 0\n2 9999\n 0\n", 1, "Line 3: the values at frequency 2 are out of range."},
        {"# GHz S RI\n-1 0 0\n", 1, "Line 2: the frequency -1 is negative."},
        {"# GHz S RI\n1 0 0 2 0 0\n", 1,
         "Line 2: too many values: a one-port point has 3 (the frequency and 1 complex values)."},
        {"# GHz S RI\n1 0 0 0 0 0 0 0 0\n", 1,
         "Line 2: too many values: a one-port point has 3 (the frequency and 1 complex values)."},
        {"# GHz S RI\n1 0 0\n2 0 0 0 0\n", 2, "Line 2: the point at frequency 1 is incomplete: 8 of 9 values."},
        {"# GHz S RI\n1 0 0\n2 0\n", 1, "Line 3: the point at frequency 2 is incomplete: 2 of 3 values."},
        {"1 0 0\n# MHz\n", 1, "Line 2: the option line must come before the data."},
        {"# GHz S RI\n1 0 0\n", 3, "Line 2: only one- and two-port files can be read; this one has 3 ports."},
        {"# GHz S RI\n1 0 0\n", 0, "Line 2: the number of ports is unknown: the file name must end in .s1p or .s2p."},
        {"! only a comment\n# GHz S RI\n\n", 1, "The file holds no data."},
        {"# GHz S RI\n[Number of Ports] 1\n", 1,
         "Line 2: the keyword [Number of Ports] needs a [Version] 2.0 line at the start of the file."},
        {"# GHz S RI\n[Version] 2.0\n", 1, "Line 2: [Version] must come before everything else."},
        {"[Version] 2.1\n", 1, "Line 1: Touchstone version \"2.1\" cannot be read (1.1 and 2.0 can)."},
        {"[Version] 2.0\n[Number of Ports] 4\n", 1,
         "Line 2: only one- and two-port files can be read; this one has 4 ports."},
        {"[Version] 2.0\n[Number of Ports] two\n", 1, "Line 2: [Number of Ports] needs a whole number, not \"two\"."},
        {"[Version] 2.0\n[Reference] 50\n", 1, "Line 2: [Reference] must follow [Number of Ports]."},
        {"[Version] 2.0\n[Number of Ports] 2\n[Reference] 50 75\n", 1,
         "Line 3: the ports have different reference impedances; only one for all ports can be read."},
        {"[Version] 2.0\n[Number of Ports] 2\n[Reference] 50\n[Network Data]\n", 1,
         "Line 4: [Reference] needs one impedance for each port."},
        {"[Version] 2.0\n[Number of Ports] 1\n[Two-Port Data Order] 21-12\n", 1,
         "Line 3: [Two-Port Data Order] must be 12_21 or 21_12, not \"21-12\"."},
        {"[Version] 2.0\n# GHz S RI\n[Number of Ports] 2\n[Number of Frequencies] 1\n[Network Data]\n", 2,
         "Line 5: [Network Data] of a two-port file needs [Two-Port Data Order] before it."},
        {"[Version] 2.0\n# GHz S RI\n[Number of Ports] 1\n[Network Data]\n", 1,
         "Line 4: [Network Data] needs [Number of Frequencies] before it."},
        {v2 + "[Mixed-Mode Order] D2,1\n", 1, "Line 5: the keyword [Mixed-Mode Order] is not supported."},
        {v2 + "1 0 0\n", 1, "Line 5: data before [Network Data]."},
        {v2 + "[Network Data]\n1 0 0\n[End]\n", 1,
         "Line 7: [Number of Frequencies] is 2, but the network data has 1."},
        {v2 + "[Network Data]\n1 0 0\n2 0 0\n3 0 0\n", 1, "Line 8: more points than [Number of Frequencies] (2)."},
        {v2 + "[Network Data]\n1 0 0\n[Number of Ports] 1\n", 1,
         "Line 7: the keyword [Number of Ports] cannot stand inside the network data."},
        {"[Version] 2.0\n# GHz S RI\n# GHz S MA\n", 1, "Line 3: the file has a second option line."},
        {"[Version] 2.0\n[Number of Ports\n", 1, "Line 2: the keyword \"[Number of Ports\" has no closing bracket."},
        {"[Version] 2.0\n# GHz S RI\n", 1, "The file has no [Network Data]."},
    };
    for (const auto& [text, ports, message] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ErrorOf(text, ports), message);
    }
}

TEST(TouchstoneReader, ReadsTheFileWithItsPortCountAndNamesItInErrors)
{
    TTempFolder folder;
    const auto write = [&](const std::string& name, const std::string& text) {
        std::ofstream(folder.File(name), std::ios::binary) << text;
        return folder.File(name);
    };
    EXPECT_EQ(ReadTouchstone(write("open.S1P", "1 0.5 0\n")).Ports, 1);
    EXPECT_EQ(ReadTouchstone(write("thru.s2p", "1 0 0 1 0 1 0 0 0\n")).Points[0].S21, (TComplex{1, 0}));

    const std::string wrongPorts = write("thru.s1p", "1 0 0 1 0 1 0 0 0\n");
    try {
        ReadTouchstone(wrongPorts);
        FAIL() << "a two-port point in a .s1p file was read";
    } catch (const EFileTrouble& e) {
        EXPECT_EQ(e.Message(), "Unable to open file: " + wrongPorts +
                                   "\nLine 1: too many values: a one-port point has 3 (the frequency and 1 "
                                   "complex values).");
    }
    EXPECT_THROW(ReadTouchstone(folder.File("missing.s1p")), ECannotOpenFile);
    EXPECT_THROW(ReadTouchstone(folder.Path().string()), ECannotOpenFile);
}

// What the writer writes, the reader reads back unchanged: the modelled response of a thru and
// of an open, with the comments that name their kit.
TEST(TouchstoneReader, ReadsBackWhatTheWriterWrote)
{
    TCalKit kit(*FindVna("PNA"));
    kit.SetSystemZ0(75);
    kit.Standard(1).SetValues({.StdType = TStdType::Open, .C0 = 49.433, .C1 = -310.13, .OffsetDelay = 29.243,
                               .OffsetLoss = 2.2, .Label = "OPEN"});
    kit.Standard(4).SetValues({.StdType = TStdType::Thru, .OffsetDelay = 84.5, .OffsetZ0 = 52, .OffsetLoss = 1.3});
    const auto frequencies = SweepFrequencies({0, 26.5, 101});
    TTempFolder folder;
    for (int number : {1, 4}) {
        const TTouchstoneData written = StandardTouchstone(kit, number, frequencies);
        const std::string fileName = folder.File(StandardTouchstoneFileName(kit, number));
        WriteTouchstone(fileName, written);
        const TTouchstoneData read = ReadTouchstone(fileName);
        EXPECT_EQ(read.Ports, written.Ports);
        EXPECT_EQ(read.ReferenceZ0, 75);
        EXPECT_EQ(read.Comments, written.Comments);
        EXPECT_EQ(read.FrequenciesGHz, written.FrequenciesGHz);
        ASSERT_EQ(read.Points.size(), written.Points.size());
        for (std::size_t k = 0; k < read.Points.size(); ++k) {
            EXPECT_EQ(read.Points[k].S11, written.Points[k].S11);
            EXPECT_EQ(read.Points[k].S21, written.Points[k].S21);
            EXPECT_EQ(read.Points[k].S12, written.Points[k].S12);
            EXPECT_EQ(read.Points[k].S22, written.Points[k].S22);
        }
    }
}

TEST(Renormalize, OnePortAndTwoPortAtAnotherReference)
{
    // A 75 ohm resistor: S11 = 0 at 75 ohm, 0.2 at 50 ohm, and back.
    EXPECT_NEAR(std::abs(Renormalized({0.0, {}, {}, {}}, 1, 75, 50).S11 - 0.2), 0, 1e-15);
    EXPECT_NEAR(std::abs(Renormalized({0.2, {}, {}, {}}, 1, 50, 75).S11), 0, 1e-15);

    // A matched 75 ohm line of 60 degrees seen at 50 ohm: a line of impedance 75 between
    // 50 ohm ports, S11 = G (1 - E) / (1 - G^2 E), S21 = (1 - G^2) T / (1 - G^2 E).
    const TComplex t = Polar(1, -60);
    const TComplex e = t * t;
    const double g = 0.2;
    const TSParameters at50 = Renormalized({0.0, t, t, 0.0}, 2, 75, 50);
    ExpectNear(at50.S11, g * (1.0 - e) / (1.0 - g * g * e), "S11");
    ExpectNear(at50.S22, at50.S11, "S22");
    ExpectNear(at50.S21, (1 - g * g) * t / (1.0 - g * g * e), "S21");
    ExpectNear(at50.S12, at50.S21, "S12");

    // A non-symmetric two-port comes back unchanged from a round trip, each entry in its place.
    const TSParameters odd{{0.1, 0.2}, {0.7, -0.1}, {0.3, 0.05}, {-0.2, 0.4}};
    const TSParameters back = Renormalized(Renormalized(odd, 2, 50, 30), 2, 30, 50);
    ExpectNear(back.S11, odd.S11, "S11");
    ExpectNear(back.S21, odd.S21, "S21");
    ExpectNear(back.S12, odd.S12, "S12");
    ExpectNear(back.S22, odd.S22, "S22");

    TTouchstoneData data;
    data.ReferenceZ0 = 75;
    data.FrequenciesGHz = {1};
    data.Points = {{0.0, {}, {}, {}}};
    const TTouchstoneData renormalized = RenormalizedTo(data, 50);
    EXPECT_EQ(renormalized.ReferenceZ0, 50);
    EXPECT_NEAR(renormalized.Points[0].S11.real(), 0.2, 1e-15);
}
