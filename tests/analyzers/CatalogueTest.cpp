// The seventeen catalogue models against their descriptions, family by family.
#include "ClassInfoPrinter.h"
#include "analyzers/Vna.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Classes = std::vector<TStdClassInfo>;

const TStdClassInfo BlankClass{" ", 0, " ", " "};

Classes Join(Classes head, const Classes& tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

const Classes LegacyClasses{{"S11A", 10, "S11A", "Open"},
                            {"S11B", 10, "S11B", "Short"},
                            {"S11C", 10, "S11C", "Load"},
                            {"S22A", 15, "S22A", "Open"},
                            {"S22B", 15, "S22B", "Short"},
                            {"S22C", 15, "S22C", "Load"},
                            {"Forward Transmission", 25, "FWDT", "Thru"},
                            {"Reverse Transmission", 35, "REVT", "Thru"},
                            {"Forward Match", 20, "FWDM", "Thru"},
                            {"Reverse Match", 30, "REVM", "Thru"}};
const Classes ResponseClasses{{"Response", 45, "RESP", "Response"},
                              {"Response & Isolation", 50, "RESI", "Response"}};
const Classes TrlClasses8753{{"TRL Thru or Line", 55, "TRLT", "Thru"},
                             {"TRL Reflect", 60, "TRLR", "Reflect"},
                             {"TRL Line or Match", 65, "TRLL", "Line"}};
const Classes TrlStarClasses{{"Reflect Forward Match", 75, "TRFM", "Open"},
                             {"Line Forward Match", 75, "TLFM", "Short"},
                             {"Line Forw Transmission", 75, "TLFT", "Load"},
                             {"Reflect Reverse Match", 75, "TRRM", "Open"},
                             {"Line Reverse Match", 75, "TLRM", "Short"},
                             {"Line Rev Transmission", 75, "TLRT", "Load"},
                             {"Thru/Line Forw Trans", 75, "TTFT", "Thru"},
                             {"Thru/Line Rev Trans", 75, "TTRT", "Thru"},
                             {"Thru/Line Forw Match", 75, "TTFM", "Thru"},
                             {"Thru/Line Rev Match", 75, "TTRM", "Thru"}};
const Classes Classes8510B{{"Forward Isolation", 40, "FWDI", "Isol'n Std"},
                           {"Reverse Isolation", 40, "REVI", "Isol'n Std"},
                           {"Frequency Response", 45, "RESP", "Response"},
                           {"TRL Thru or Line", 55, "TRLT", "Thru"},
                           {"TRL Reflect", 60, "TRLR", "Reflect"},
                           {"TRL Line or Match", 65, "TRLL", "Line"},
                           {"Adapter", 70, "ADAP", "Adapter"}};
const Classes PnaClasses{{"S11A", 10, "S11A", "Open"},      {"S11B", 10, "S11B", "Short"},
                         {"S11C", 10, "S11C", "Load"},      {"Forward Thru", 25, "S21T", "Thru"},
                         {"S22A", 15, "S22A", "Open"},      {"S22B", 15, "S22B", "Short"},
                         {"S22C", 15, "S22C", "Load"},      {"Reverse Thru", 35, "S12T", "Thru"}};
const Classes Pna3Extra{{"S33A", 17, "S33A", "Open"},
                        {"S33B", 17, "S33B", "Short"},
                        {"S33C", 17, "S33C", "Load"},
                        {"2-3 Forward Thru", 25, "S32T", "Thru"},
                        {"2-3 Reverse Thru", 35, "S23T", "Thru"},
                        {"1-3 Forward Thru", 25, "S31T", "Thru"},
                        {"1-3 Reverse Thru", 35, "S13T", "Thru"}};

enum class Family { F8753, F8753Trl, F8753Dtrl, F8510A, F8510B, Pna, Pna3 };

// One catalogue row: identity and the values in which the models of one family differ.
struct Row {
    int Index;
    const char* Name; // without "Agilent "
    const char* Hint;
    int HelpOffset;
    Family Kind;
    double MaxCoefficient;
    bool OffsetLoad;
    bool HasDiskFiles;
    bool CanUpload;
};

const Row Catalogue[] = {
    {0, "PNA", "|Agilent Performance Network Analyzers with firmware rev 2.0 and higher", 40, Family::Pna, 1e4,
     false, false, true},
    {1, "PNA 3port", "|Agilent 3-port Performance Network Analyzers with firmware rev 2.0 and higher", 42,
     Family::Pna3, 1e4, false, false, true},
    {2, "8510A", "|Agilent 8510A", 34, Family::F8510A, 1e4, false, false, false},
    {3, "8510B", "|Agilent 8510B", 36, Family::F8510B, 1e4, true, false, true},
    {4, "8510C", "|Agilent 8510C", 38, Family::F8510B, 1e4, true, true, true},
    {5, "8719A", "|Agilent 8719A", 18, Family::F8753, 1e4, false, false, true},
    {6, "8719C", "|Agilent 8719C", 20, Family::F8753Trl, 1e7, true, false, true},
    {7, "8719D/E", "|Agilent 8719D or 8719E", 22, Family::F8753Trl, 1e7, true, true, true},
    {8, "8720A/B", "|Agilent 8720A or 8720B with firmware rev prior to 2.0", 24, Family::F8753, 1e4, false, false,
     false},
    {9, "8720B/C", "|Agilent 8720B or 8720C with firmware rev 2.0 or higher", 26, Family::F8753Trl, 1e7, true,
     false, true},
    {10, "8720D/E", "|Agilent 8720D or 8720E", 28, Family::F8753Trl, 1e7, true, true, true},
    {11, "8722A/C", "|Agilent 8722A or 8722C", 30, Family::F8753Trl, 1e7, true, false, true},
    {12, "8722D/E", "|Agilent 8722D or 8722E", 32, Family::F8753Trl, 1e7, true, true, true},
    {13, "8752A/B/C", "|Agilent 8752A, 8752B, or 8752C", 16, Family::F8753, 1e4, false, false, true},
    {14, "8753A/B/C", "|Agilent 8753A, 8753B, 8753C, or 8753D with firmware prior to 6.12", 10, Family::F8753, 1e4,
     false, false, true},
    {15, "8753Dtrl", "|Agilent 8753D with firmware rev prior to 6.12 (old TRL* cal menu)", 12, Family::F8753Dtrl,
     1e4, false, false, true},
    {16, "8753D/E", "|Agilent 8753D or 8753E", 14, Family::F8753Trl, 1e7, true, true, true},
};

bool IsPna(Family f) { return f == Family::Pna || f == Family::Pna3; }
bool Is8510(Family f) { return f == Family::F8510A || f == Family::F8510B; }

Classes ExpectedClasses(Family f)
{
    switch (f) {
    case Family::F8753: return Join(LegacyClasses, ResponseClasses);
    case Family::F8753Trl: return Join(Join(LegacyClasses, ResponseClasses), TrlClasses8753);
    case Family::F8753Dtrl: return Join(TrlStarClasses, ResponseClasses);
    case Family::F8510A: return Join(LegacyClasses, {{"Response", 45, "RESP", "Response"}});
    case Family::F8510B: return Join(LegacyClasses, Classes8510B);
    case Family::Pna: return PnaClasses;
    case Family::Pna3: {
        Classes classes = Join(PnaClasses, Pna3Extra);
        classes[3].Name = "1-2 Forward Thru";
        classes[7].Name = "1-2 Reverse Thru";
        return classes;
    }
    }
    return {};
}

std::vector<int> Span(int first, int last)
{
    std::vector<int> out;
    for (int n = first; n <= last; ++n)
        out.push_back(n);
    return out;
}

} // namespace

TEST(Catalogue, EveryModelMatchesItsDescription)
{
    const auto& vnas = Vnas();
    ASSERT_EQ(vnas.size(), 17u);
    const std::string legacyNote = "Not all of the cal kit data can be read over GPIB.  In particular, the ";

    for (const Row& row : Catalogue) {
        const TVna& vna = *vnas.at(static_cast<std::size_t>(row.Index));
        SCOPED_TRACE(row.Name);
        const Family f = row.Kind;
        const bool pna = IsPna(f);
        const bool trl8753 = f == Family::F8753Trl;
        const bool b8510 = f == Family::F8510B;

        // Identity.
        EXPECT_EQ(vna.ModelIndex, row.Index);
        EXPECT_EQ(vna.ModelName, std::string("Agilent ") + row.Name);
        EXPECT_EQ(vna.ModelHint, row.Hint);
        EXPECT_EQ(vna.HelpOffset, row.HelpOffset);

        // Sizes, step counts and the class-grid hints that follow the number of standards.
        const int standards = Is8510(f) ? 21 : 8;
        EXPECT_EQ(vna.NumStandards, standards);
        EXPECT_EQ(vna.DownloadStepCount, standards + 3);
        EXPECT_EQ(vna.UploadStepCount, pna ? 11 : standards + 2);
        EXPECT_EQ(vna.GetClassHint(2), "Standard Number: 1 to " + std::to_string(standards));
        EXPECT_EQ(vna.GetClassHint(8), vna.GetClassHint(2));
        EXPECT_EQ(vna.GetClassHint(9), pna ? "not applicable" : "Standard Class Label (10 characters max)");
        EXPECT_EQ(vna.ClassColumns.Members(), pna ? Span(2, 8) : Span(2, 9));

        // Class table: entry 0 blank, 1..NumClasses as described, the rest untouched.
        const Classes classes = ExpectedClasses(f);
        ASSERT_EQ(vna.NumClasses, static_cast<int>(classes.size()));
        ASSERT_EQ(vna.ClassInfo.size(), 32u);
        EXPECT_EQ(vna.ClassInfo[0], BlankClass);
        for (std::size_t n = 1; n < 32; ++n)
            EXPECT_EQ(vna.ClassInfo[n], n <= classes.size() ? classes[n - 1] : TStdClassInfo{}) << "class " << n;
        const std::vector<int> allClasses = Span(1, vna.NumClasses);
        EXPECT_EQ(vna.SoltClasses.Members(), trl8753 ? Span(1, 12) : allClasses);
        EXPECT_EQ(vna.TrlClasses.Members(), trl8753 ? Span(13, 15) : allClasses);

        // Value sets.
        EXPECT_EQ(vna.StdTypeNames.size(), pna ? 5u : 6u);
        if (!pna) {
            EXPECT_EQ(vna.StdTypeNames[5], "Arbi Imp");
        }
        const TStringList fixedSliding{"Fixed", "Sliding"};
        const TStringList withOffset{"Fixed", "Sliding", "Offset"};
        EXPECT_EQ(vna.LoadTypeNames, row.OffsetLoad ? withOffset : fixedSliding);
        EXPECT_EQ(vna.ArbLoadTypeNames, b8510 ? withOffset : pna ? TStringList{"Fixed"} : fixedSliding);
        EXPECT_EQ(vna.MediumNames, (TStringList{"Coax", "Waveguide"}));
        EXPECT_EQ(vna.ColumnHeadings.size(), 14u);

        // Limits.
        EXPECT_EQ(vna.MaxCoefficient, row.MaxCoefficient);
        EXPECT_EQ(vna.MaxTermZ, Is8510(f) ? 1000 : 10000);
        EXPECT_EQ(vna.MaxOffsetDelay, pna ? 1e21 : Is8510(f) ? 1e12 : 1e13);
        EXPECT_EQ(vna.MinOffsetZ0, pna ? 0 : 0.001);
        EXPECT_EQ(vna.MaxOffsetZ0, pna ? 1000 : 500);
        EXPECT_EQ(vna.MaxOffsetLoss, Is8510(f) || pna ? 1000 : 1e7);
        EXPECT_EQ(vna.MaxMinFreq, pna ? 1e9 : 1000);
        EXPECT_EQ(vna.MaxMaxFreq, vna.MaxMinFreq);
        EXPECT_EQ(vna.StdLabelLength, pna ? 30 : 10);
        EXPECT_EQ(vna.ClassLabelLength, 10);
        EXPECT_EQ(vna.KitLabelLength, pna ? 30 : 10);
        EXPECT_EQ(vna.MaxLowband, pna ? 999 : 1000);
        EXPECT_EQ(vna.MinSystemZ0, pna ? 0 : 0.001);
        EXPECT_EQ(vna.MaxSystemZ0, pna ? 1000 : 500);

        // Shorts and the hints that depend on them and on the load types.
        const bool inductance = pna || b8510;
        EXPECT_EQ(vna.ShortHasInductance, inductance);
        std::vector<int> shortColumns = inductance ? Span(2, 6) : Span(2, 2);
        for (int c = 8; c <= 14; ++c)
            shortColumns.push_back(c);
        EXPECT_EQ(vna.GetStdColumns(TStdType::Short).Members(), shortColumns);
        EXPECT_EQ(vna.GetStdHint(TStdType::Short, 3), inductance ? "L0 (x 10e-12 H)" : "not applicable");
        EXPECT_EQ(vna.GetStdHint(TStdType::Short, 6), inductance ? "L3 (x 10e-42 H/Hz^3)" : "not applicable");
        // The 8510A sets no load-type hint of its own, so its column 7 keeps the Thru text.
        const char* loadHint = f == Family::F8510A ? "not applicable"
                               : row.OffsetLoad    ? "Load Type: fixed, sliding, or offset"
                                                   : "Load Type: fixed or sliding";
        EXPECT_EQ(vna.GetStdHint(TStdType::Load, 7), loadHint);
        EXPECT_EQ(vna.GetStdHint(TStdType::ArbiZ, 7), b8510 || f == Family::F8510A ? loadHint
                                                                                    : "Load Type: fixed or sliding");
        EXPECT_EQ(vna.GetStdHint(TStdType::Open, 14),
                  pna ? "Standard Label (30 characters max)" : "Standard Label (10 characters max)");
        EXPECT_EQ(vna.GetStdHint(TStdType::None, 14), "not applicable");

        // Flags.
        EXPECT_EQ(vna.HasTrlCalZ0, trl8753 || b8510);
        EXPECT_EQ(vna.HasTrlSetRef, trl8753 || b8510);
        EXPECT_EQ(vna.HasLowband, b8510);
        EXPECT_EQ(vna.HasCalTypeChoice, trl8753);
        EXPECT_EQ(vna.HasDiskFiles, row.HasDiskFiles);
        EXPECT_EQ(vna.CanUpload, row.CanUpload);

        // GPIB options and upload note.
        if (pna) {
            EXPECT_EQ(vna.GpibOptions, (TStringList{"User Defined &7=sel 7", "User Defined &8=sel 8",
                                                    "User Defined &9=sel 9", "User Defined &10=sel 10"}));
            EXPECT_EQ(vna.SelectedOption, 4);
            EXPECT_EQ(vna.UploadNote, "All of the cal kit data has been read over GPIB.");
        } else if (Is8510(f)) {
            EXPECT_EQ(vna.GpibOptions, (TStringList{"Cal Kit &1=MODI1;", "Cal Kit &2=MODI2;"}));
            EXPECT_EQ(vna.SelectedOption, 2);
            EXPECT_EQ(vna.UploadNote, legacyNote + "labels and class assignments must be filled in manually, due "
                                                   "to limitations of the VNA's GPIB command set.");
        } else {
            EXPECT_TRUE(vna.GpibOptions.empty());
            EXPECT_EQ(vna.SelectedOption, 1);
            EXPECT_EQ(vna.UploadNote, legacyNote + "class assignments, labels, and load types must be filled in "
                                                   "manually, due to limitations of the VNA's GPIB command set.");
        }

        // Disk-file tables.
        if (pna) {
            EXPECT_TRUE(vna.DiskClassOrder.empty() && vna.DiskTrlClassOrder.empty());
            EXPECT_EQ(vna.DiskFilter + vna.DiskExtension + vna.DiskPrefix, "");
        } else if (Is8510(f)) {
            EXPECT_EQ(vna.DiskClassOrder, (TIntArray{1, 2, 3, 11, 9, 7, 4, 5, 6, 12, 10, 8, 13}));
            EXPECT_EQ(vna.DiskTrlClassOrder, (TIntArray{14, 16, 15, 17}));
            EXPECT_EQ(vna.DiskFilter, "(CK_*)|CK_*");
            EXPECT_EQ(vna.DiskExtension, "");
            EXPECT_EQ(vna.DiskPrefix, "CK_");
        } else {
            EXPECT_EQ(vna.DiskClassOrder, (TIntArray{1, 2, 3, 13, 9, 7, 4, 5, 6, 14, 10, 8, 11, 12, 15}));
            EXPECT_EQ(vna.DiskTrlClassOrder, (TIntArray{14, 15, 15, 13, 13, 13, 14, 15, 15, 14, 13, 13, 11, 12, 15}));
            EXPECT_EQ(vna.DiskFilter, "(*.ck)|*.ck");
            EXPECT_EQ(vna.DiskExtension, "ck");
            EXPECT_EQ(vna.DiskPrefix, "");
        }
    }
}
