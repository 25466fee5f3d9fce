// Kits written to each readable format and read back compare equal under that format's rules,
// and the disk files' tolerances cover their rounding without being much wider.
#include "RoundTripKits.h"
#include "analyzers/DiskFile8510.h"
#include "analyzers/DiskFile8753.h"
#include "compare/KitComparison.h"
#include "kit/KitFile.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

std::string DifferenceText(const std::vector<TKitDifference>& differences)
{
    std::string text;
    for (const auto& d : differences)
        text += DifferenceLine(d) + "\n";
    return text;
}

// Numbers with more digits than the disk files keep.
void AddLongNumbers(TCalKit& kit)
{
    kit.Standard(2).SetC2(1234.5678);
    kit.Standard(5).SetOffsetDelay(85.123456789);
    kit.Standard(5).SetMaxFreq(26.54321);
    kit.SetSystemZ0(75.123456);
}

} // namespace

TEST(FormatRoundTrip, KitFilesOfEveryModelCompareExactly)
{
    for (const auto& vna : Vnas()) {
        SCOPED_TRACE(vna->ModelName);
        auto kit = TCalKit::Create(*vna);
        FillRoundTripKit(*kit);
        AddLongNumbers(*kit);
        kit->SetLabel("it's \"3.5\""); // the file keeps ten characters of every label
        kit->SetDescription("Description kept only here");
        kit->SetCalType(vna->HasCalTypeChoice ? ctTrl : ctSolt);
        auto read = TCalKit::Create(*Vnas()[0]);
        DecodeKitFile(*read, EncodeKitFile(*kit, "k.tsy", 40000), "k.tsy");
        EXPECT_EQ(DifferenceText(CompareKits(*kit, *read, TCompareRules::KitFile())), "");
    }
    // A PNA label longer than the file's ten characters does not survive, and shows.
    auto pna = NewKit("PNA");
    pna->SetLabel("3.5 mm kit, serial 0815");
    auto read = NewKit("PNA");
    DecodeKitFile(*read, EncodeKitFile(*pna, "k.tsy", 40000), "k.tsy");
    EXPECT_EQ(DifferenceText(CompareKits(*pna, *read, TCompareRules::KitFile())),
              "kit label: 3.5 mm kit, serial 0815 -> 3.5 mm kit\n");
}



TEST(FormatRoundTrip, DiskFilesCompareEqualWithinTheirRules)
{
    struct TCase {
        const char* Model;
        TCalType CalType;
    };
    for (const TCase& c : {TCase{"8753D/E", ctSolt}, TCase{"8753D/E", ctTrl}, TCase{"8720D/E", ctSolt},
                           TCase{"8510C", ctSolt}}) {
        SCOPED_TRACE(std::string(c.Model) + (c.CalType == ctTrl ? " TRL" : ""));
        TVna& vna = Model(c.Model);
        auto kit = NewKit(c.Model);
        FillRoundTripKit(*kit);
        AddLongNumbers(*kit);
        CloseClassGaps(*kit);
        kit->SetCalType(c.CalType);
        const bool is8510 = vna.NumStandards == 21;
        auto read = NewKit(c.Model);
        if (is8510)
            DecodeDiskFile8510(*read, vna, EncodeDiskFile8510(*kit, vna, "CK_A"), "CK_A");
        else
            DecodeDiskFile8753(*read, vna, EncodeDiskFile8753(*kit, vna, "a.ck"), "a.ck");
        const TCompareRules rules = TCompareRules::DiskFile(vna);
        EXPECT_EQ(DifferenceText(CompareKits(*kit, *read, rules)), "");
        // Either side may be the file.
        EXPECT_EQ(DifferenceText(CompareKits(*read, *kit, rules)), "");
        // The file did change numbers, and a change beyond its rounding still shows.
        EXPECT_FALSE(CompareKits(*kit, *read, TCompareRules::KitFile()).empty());
        read->Standard(5).SetOffsetDelay(read->Standard(5).OffsetDelay() + 1e-4);
        const auto differences = CompareKits(*kit, *read, rules);
        ASSERT_EQ(differences.size(), 1u);
        EXPECT_EQ(differences[0].Field, "offset delay");
    }

    // A class with a gap loses the numbers after it: the file counts the numbers but keeps
    // their positions.
    TVna& vna = Model("8753D/E");
    auto kit = NewKit("8753D/E");
    Assign(*kit, 1, {1, 0, 3, 0, 0, 0, 0}, "");
    auto read = NewKit("8753D/E");
    DecodeDiskFile8753(*read, vna, EncodeDiskFile8753(*kit, vna, "a.ck"), "a.ck");
    EXPECT_EQ(DifferenceText(CompareKits(*kit, *read, TCompareRules::DiskFile(vna))), "class S11A: 1,3 -> 1\n");
}

TEST(FormatRoundTrip, DiskToleranceCoversTheFileAndIsNotMuchWider)
{
    TVna& vna = Model("8753D/E");
    auto kit = NewKit("8753D/E");
    kit->Standard(2).SetStdType(TStdType::Open);
    const TTolerance& coefficient = PathTolerance(TNumberPath::DiskFile, TQuantity::Coefficient);
    const TTolerance& frequency = PathTolerance(TNumberPath::DiskFile, TQuantity::Frequency);
    double worstRelative = 0;
    double worstFrequency = 0;
    for (int k = 0; k < 400; ++k) {
        const double fraction = std::fmod(k * 0.6180339887498949, 1.0);
        const double value = (1 + fraction) * std::pow(10.0, k % 7) * (k % 2 ? -1 : 1);
        const double gigahertz = (1 + fraction) * std::pow(10.0, k % 6 - 4);
        kit->Standard(2).SetC1(value);
        kit->Standard(2).SetMaxFreq(gigahertz);
        auto read = NewKit("8753D/E");
        DecodeDiskFile8753(*read, vna, EncodeDiskFile8753(*kit, vna, "a.ck"), "a.ck");
        const double back = read->Standard(2).C1();
        const double backFrequency = read->Standard(2).MaxFreq();
        EXPECT_TRUE(coefficient.Accepts(value, back)) << value << " -> " << back;
        EXPECT_TRUE(frequency.Accepts(gigahertz, backFrequency)) << gigahertz << " -> " << backFrequency;
        if (std::fabs(value) >= 1000)
            worstRelative = std::max(worstRelative, std::fabs(back - value) / std::fabs(value));
        if (gigahertz < 0.01)
            worstFrequency = std::max(worstFrequency, std::fabs(backFrequency - gigahertz));
    }
    EXPECT_GT(worstRelative, coefficient.Relative / 4);
    EXPECT_GT(worstFrequency, frequency.Absolute / 2);
}

TEST(FormatRoundTrip, CombinedRulesKeepWhatBothWaysKeepAndAddTheirTolerances)
{
    const TCompareRules disk = TCompareRules::DiskFile(Model("8510C"));
    const TCompareRules both = TCompareRules::KitFile().CombinedWith(disk);
    EXPECT_FALSE(both.Kept.SystemZ0);
    EXPECT_FALSE(both.Kept.Description);
    EXPECT_TRUE(both.Kept.StandardLabels);
    EXPECT_EQ(both.Tolerances, disk.Tolerances);
    const TCompareRules twice = disk.CombinedWith(disk);
    EXPECT_DOUBLE_EQ(twice.ToleranceOf(TQuantity::Frequency).Absolute, 2 * disk.ToleranceOf(TQuantity::Frequency).Absolute);
    const TCompareRules widened = TCompareRules::KitFile().WithRelativeTolerance(0.01);
    EXPECT_TRUE(widened.ToleranceOf(TQuantity::OffsetDelay).Accepts(100, 100.9));
    EXPECT_FALSE(widened.ToleranceOf(TQuantity::OffsetDelay).Accepts(100, 101.1));
    EXPECT_FALSE(widened.ToleranceOf(TQuantity::OffsetDelay).Accepts(0, 1e-9));
}
