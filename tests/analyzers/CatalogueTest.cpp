// The seventeen catalogue models against their descriptions, and the behaviour of the model
// objects: getters at their edges, option selection and model look-up.
#include "analyzers/Family8510.h"
#include "analyzers/Pna.h"
#include "analyzers/Vna.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

inline void PrintTo(const TStdClassInfo& info, std::ostream* os)
{
    *os << "{\"" << info.Name << "\", " << info.HelpContext << ", \"" << info.Code << "\", \"" << info.DefaultLabel
        << "\"}";
}

namespace {

using Classes = std::vector<TStdClassInfo>;

Classes Join(Classes head, const Classes& tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

const Classes LegacyClasses{
    {"S11A", 10, "S11A", "Open"},  {"S11B", 10, "S11B", "Short"}, {"S11C", 10, "S11C", "Load"},
    {"S22A", 15, "S22A", "Open"},  {"S22B", 15, "S22B", "Short"}, {"S22C", 15, "S22C", "Load"},
    {"Forward Transmission", 25, "FWDT", "Thru"}, {"Reverse Transmission", 35, "REVT", "Thru"},
    {"Forward Match", 20, "FWDM", "Thru"},         {"Reverse Match", 30, "REVM", "Thru"}};
const Classes ResponseClasses{{"Response", 45, "RESP", "Response"}, {"Response & Isolation", 50, "RESI", "Response"}};
const Classes TrlClasses8753{{"TRL Thru or Line", 55, "TRLT", "Thru"}, {"TRL Reflect", 60, "TRLR", "Reflect"},
                             {"TRL Line or Match", 65, "TRLL", "Line"}};
const Classes TrlStarClasses{
    {"Reflect Forward Match", 75, "TRFM", "Open"},  {"Line Forward Match", 75, "TLFM", "Short"},
    {"Line Forw Transmission", 75, "TLFT", "Load"}, {"Reflect Reverse Match", 75, "TRRM", "Open"},
    {"Line Reverse Match", 75, "TLRM", "Short"},    {"Line Rev Transmission", 75, "TLRT", "Load"},
    {"Thru/Line Forw Trans", 75, "TTFT", "Thru"},   {"Thru/Line Rev Trans", 75, "TTRT", "Thru"},
    {"Thru/Line Forw Match", 75, "TTFM", "Thru"},   {"Thru/Line Rev Match", 75, "TTRM", "Thru"}};
const Classes Classes8510B{
    {"Forward Isolation", 40, "FWDI", "Isol'n Std"}, {"Reverse Isolation", 40, "REVI", "Isol'n Std"},
    {"Frequency Response", 45, "RESP", "Response"},  {"TRL Thru or Line", 55, "TRLT", "Thru"},
    {"TRL Reflect", 60, "TRLR", "Reflect"},          {"TRL Line or Match", 65, "TRLL", "Line"},
    {"Adapter", 70, "ADAP", "Adapter"}};
const Classes PnaClasses{{"S11A", 10, "S11A", "Open"}, {"S11B", 10, "S11B", "Short"}, {"S11C", 10, "S11C", "Load"},
                         {"Forward Thru", 25, "S21T", "Thru"}, {"S22A", 15, "S22A", "Open"},
                         {"S22B", 15, "S22B", "Short"}, {"S22C", 15, "S22C", "Load"},
                         {"Reverse Thru", 35, "S12T", "Thru"}};
const Classes Pna3Extra{{"S33A", 17, "S33A", "Open"}, {"S33B", 17, "S33B", "Short"}, {"S33C", 17, "S33C", "Load"},
                        {"2-3 Forward Thru", 25, "S32T", "Thru"}, {"2-3 Reverse Thru", 35, "S23T", "Thru"},
                        {"1-3 Forward Thru", 25, "S31T", "Thru"}, {"1-3 Reverse Thru", 35, "S13T", "Thru"}};

enum class Family { F8753, F8753Trl, F8753Dtrl, F8510A, F8510B, Pna, Pna3 };

// One catalogue row: identity and the values in which the models of one family differ.
struct Row {
    const char* Name; // without "Agilent "
    const char* Hint; // without "|Agilent "
    int HelpOffset;
    Family Kind;
    bool OffsetLoad, HasDiskFiles, CanUpload;
};

const Row Catalogue[] = {
    {"PNA", "Performance Network Analyzers with firmware rev 2.0 and higher", 40, Family::Pna, false, false, true},
    {"PNA 3port", "3-port Performance Network Analyzers with firmware rev 2.0 and higher", 42, Family::Pna3, false,
     false, true},
    {"8510A", "8510A", 34, Family::F8510A, false, false, false},
    {"8510B", "8510B", 36, Family::F8510B, true, false, true},
    {"8510C", "8510C", 38, Family::F8510B, true, true, true},
    {"8719A", "8719A", 18, Family::F8753, false, false, true},
    {"8719C", "8719C", 20, Family::F8753Trl, true, false, true},
    {"8719D/E", "8719D or 8719E", 22, Family::F8753Trl, true, true, true},
    {"8720A/B", "8720A or 8720B with firmware rev prior to 2.0", 24, Family::F8753, false, false, false},
    {"8720B/C", "8720B or 8720C with firmware rev 2.0 or higher", 26, Family::F8753Trl, true, false, true},
    {"8720D/E", "8720D or 8720E", 28, Family::F8753Trl, true, true, true},
    {"8722A/C", "8722A or 8722C", 30, Family::F8753Trl, true, false, true},
    {"8722D/E", "8722D or 8722E", 32, Family::F8753Trl, true, true, true},
    {"8752A/B/C", "8752A, 8752B, or 8752C", 16, Family::F8753, false, false, true},
    {"8753A/B/C", "8753A, 8753B, 8753C, or 8753D with firmware prior to 6.12", 10, Family::F8753, false, false, true},
    {"8753Dtrl", "8753D with firmware rev prior to 6.12 (old TRL* cal menu)", 12, Family::F8753Dtrl, false, false,
     true},
    {"8753D/E", "8753D or 8753E", 14, Family::F8753Trl, true, true, true},
};

Classes ExpectedClasses(Family f)
{
    switch (f) {
    case Family::F8753: return Join(LegacyClasses, ResponseClasses);
    case Family::F8753Trl: return Join(Join(LegacyClasses, ResponseClasses), TrlClasses8753);
    case Family::F8753Dtrl: return Join(TrlStarClasses, ResponseClasses);
    case Family::F8510A: return Join(LegacyClasses, {ResponseClasses[0]});
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
    ASSERT_EQ(vnas.size(), std::size(Catalogue));
    const std::string legacyNote = "Not all of the cal kit data can be read over GPIB.  In particular, the ";
    const TStringList fixedSliding{"Fixed", "Sliding"}, withOffset{"Fixed", "Sliding", "Offset"};
    for (std::size_t index = 0; index < vnas.size(); ++index) {
        const Row& row = Catalogue[index];
        const TVna& vna = *vnas[index];
        SCOPED_TRACE(row.Name);
        const Family f = row.Kind;
        const bool pna = f == Family::Pna || f == Family::Pna3, is8510 = f == Family::F8510A || f == Family::F8510B;
        const bool trl8753 = f == Family::F8753Trl, b8510 = f == Family::F8510B;

        EXPECT_EQ(vna.ModelIndex, static_cast<int>(index));
        EXPECT_EQ(vna.ModelName, std::string("Agilent ") + row.Name);
        EXPECT_EQ(vna.ModelHint, std::string("|Agilent ") + row.Hint);
        EXPECT_EQ(vna.HelpOffset, row.HelpOffset);

        // Sizes, step counts and the class-grid hints that follow the number of standards.
        const int standards = is8510 ? 21 : 8;
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
        EXPECT_EQ(vna.ClassInfo[0], (TStdClassInfo{" ", 0, " ", " "}));
        for (std::size_t n = 1; n < 32; ++n)
            EXPECT_EQ(vna.ClassInfo[n], n <= classes.size() ? classes[n - 1] : TStdClassInfo{}) << "class " << n;
        EXPECT_EQ(vna.SoltClasses.Members(), trl8753 ? Span(1, 12) : Span(1, vna.NumClasses));
        EXPECT_EQ(vna.TrlClasses.Members(), trl8753 ? Span(13, 15) : Span(1, vna.NumClasses));

        // Value sets and limits.
        EXPECT_EQ(vna.StdTypeNames.size(), pna ? 5u : 6u);
        EXPECT_EQ(vna.StdTypeNames.at(Ord(TStdType::Thru)), "Thru/Line");
        EXPECT_EQ(vna.StdTypeNames.back(), pna ? "Thru/Line" : "Arbi Imp");
        EXPECT_EQ(vna.LoadTypeNames, row.OffsetLoad ? withOffset : fixedSliding);
        EXPECT_EQ(vna.ArbLoadTypeNames, b8510 ? withOffset : pna ? TStringList{"Fixed"} : fixedSliding);
        EXPECT_EQ(vna.MediumNames, (TStringList{"Coax", "Waveguide"}));
        EXPECT_EQ(vna.ColumnHeadings.size(), 14u);
        EXPECT_EQ(vna.MaxCoefficient, trl8753 ? 1e7 : 1e4);
        EXPECT_EQ(vna.MaxTermZ, is8510 ? 1000 : 10000);
        EXPECT_EQ(vna.MaxOffsetDelay, pna ? 1e21 : is8510 ? 1e12 : 1e13);
        EXPECT_EQ(vna.MinOffsetZ0, pna ? 0 : 0.001);
        EXPECT_EQ(vna.MaxOffsetZ0, pna ? 1000 : 500);
        EXPECT_EQ(vna.MaxOffsetLoss, is8510 || pna ? 1000 : 1e7);
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
        EXPECT_EQ(vna.GetStdHint(TStdType::ArbiZ, 7), is8510 ? loadHint : "Load Type: fixed or sliding");
        EXPECT_EQ(vna.GetStdHint(TStdType::Open, 14),
                  pna ? "Standard Label (30 characters max)" : "Standard Label (10 characters max)");
        EXPECT_EQ(vna.GetStdHint(TStdType::None, 14), "not applicable");

        // Flags, GPIB options and the upload note.
        EXPECT_EQ(vna.HasTrlCalZ0, trl8753 || b8510);
        EXPECT_EQ(vna.HasTrlSetRef, trl8753 || b8510);
        EXPECT_EQ(vna.HasLowband, b8510);
        EXPECT_EQ(vna.HasCalTypeChoice, trl8753);
        EXPECT_EQ(vna.HasDiskFiles, row.HasDiskFiles);
        EXPECT_EQ(vna.CanUpload, row.CanUpload);
        if (pna) {
            EXPECT_EQ(vna.GpibOptions, (TStringList{"User Defined &7=sel 7", "User Defined &8=sel 8",
                                                    "User Defined &9=sel 9", "User Defined &10=sel 10"}));
            EXPECT_EQ(vna.SelectedOption, 4);
            EXPECT_EQ(vna.UploadNote, "All of the cal kit data has been read over GPIB.");
        } else if (is8510) {
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
        } else if (is8510) {
            EXPECT_EQ(vna.DiskClassOrder, (TIntArray{1, 2, 3, 11, 9, 7, 4, 5, 6, 12, 10, 8, 13}));
            EXPECT_EQ(vna.DiskTrlClassOrder, (TIntArray{14, 16, 15, 17}));
            EXPECT_EQ(vna.DiskFilter + "|" + vna.DiskExtension + "|" + vna.DiskPrefix, "(CK_*)|CK_*||CK_");
        } else {
            EXPECT_EQ(vna.DiskClassOrder, (TIntArray{1, 2, 3, 13, 9, 7, 4, 5, 6, 14, 10, 8, 11, 12, 15}));
            EXPECT_EQ(vna.DiskTrlClassOrder, (TIntArray{14, 15, 15, 13, 13, 13, 14, 15, 15, 14, 13, 13, 11, 12, 15}));
            EXPECT_EQ(vna.DiskFilter + "|" + vna.DiskExtension + "|" + vna.DiskPrefix, "(*.ck)|*.ck|ck|");
        }

        // Getters outside their ranges.
        for (int n : {0, -1, vna.NumClasses + 1, 300})
            EXPECT_EQ(vna.GetClassInfo(n), vna.ClassInfo[0]) << "class " << n;
        EXPECT_EQ(vna.GetClassInfo(vna.NumClasses), classes.back());
        EXPECT_EQ(vna.GetStdHint(TStdType::Open, 1) + vna.GetStdHint(TStdType::Open, 15), "");
        EXPECT_EQ(vna.GetClassHint(1) + vna.GetClassHint(10) + vna.GetKitHint(0) + vna.GetKitHint(8), "");
        EXPECT_EQ(vna.GetKitHint(7), "Must choose type of calibration for 8753/8720 family");
    }
}

TEST(Catalogue, SelectOptionClampsAndFindVnaTakesIndexOrShortName)
{
    const auto c8510 = TVna::Make<T8510C>();
    c8510->SelectOption(1);
    EXPECT_EQ(c8510->SelectedOption, 1);
    c8510->SelectOption(3);
    EXPECT_EQ(c8510->SelectedOption, 2);
    c8510->SelectOption(-4);
    EXPECT_EQ(c8510->SelectedOption, 1);
    EXPECT_EQ(TVna::OptionCommand(c8510->GpibOptions[0]), "MODI1;");
    EXPECT_EQ(TVna::OptionCaption(c8510->GpibOptions[1]), "Cal Kit &2");
    EXPECT_EQ(FindVna("8510C")->SelectedOption, 2); // a model made apart leaves the catalogue alone

    EXPECT_EQ(FindVna("16"), Vnas()[16].get());
    EXPECT_EQ(FindVna("pna 3PORT"), Vnas()[1].get());
    for (const char* unknown : {"17", "-1", "", " 3", "3 ", "1x", "8753", "Agilent PNA", "PNA3port", "8753D/E "})
        EXPECT_EQ(FindVna(unknown), nullptr) << '"' << unknown << '"';
}
