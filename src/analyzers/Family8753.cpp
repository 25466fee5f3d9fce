#include "analyzers/Family8753.h"

#include "analyzers/DiskFile8753.h"

T8753Family::T8753Family()
{
    NumStandards = 8;
    ShortHasInductance = false;
    MaxCoefficient = 10000;
    MaxTermZ = 10000;
    MaxOffsetDelay = 1e13;
    MinOffsetZ0 = 0.001;
    MaxOffsetZ0 = 500;
    MaxOffsetLoss = 1e7;
    NumClasses = 12;
    SoltClasses = TColumnSet::Range(1, 12);
    TrlClasses = TColumnSet::Range(1, 12);
    HasTrlCalZ0 = false;
    HasTrlSetRef = false;
    HasLowband = false;
    UploadNote = "Not all of the cal kit data can be read over GPIB.  In particular, the class assignments, "
                 "labels, and load types must be filled in manually, due to limitations of the VNA's GPIB "
                 "command set.";
    DiskClassOrder = {1, 2, 3, 13, 9, 7, 4, 5, 6, 14, 10, 8, 11, 12, 15};
    DiskTrlClassOrder = {14, 15, 15, 13, 13, 13, 14, 15, 15, 14, 13, 13, 11, 12, 15};
    DiskFilter = "(*.ck)|*.ck";
    DiskExtension = "ck";
    DiskPrefix.clear();
    // The family's shorts have no inductance terms.
    StdColumns[Ord(TStdType::Short)] = TColumnSet::Of({2});
    StdColumns[Ord(TStdType::Short)].IncludeRange(8, 14);
    SetClassInfo(*this, 11,
                 {{"Response", 45, "RESP", "Response"}, {"Response & Isolation", 50, "RESI", "Response"}});
    SetLoadTypeHint(*this, TStdType::Load, LoadTypeHintFixedSliding);
    SetLoadTypeHint(*this, TStdType::ArbiZ, LoadTypeHintFixedSliding);
}

void T8753Family::WriteDiskFile(TCalKit& kit, const std::string& fileName)
{
    WriteDiskFile8753(kit, *this, fileName);
}

void T8753Family::ReadDiskFile(TCalKit& kit, const std::string& fileName)
{
    ReadDiskFile8753(kit, *this, fileName);
}

void T8753Family::SetLeafValues(const TLeafValues& leaf)
{
    SetIdentity(*this, leaf.Identity);
    MaxCoefficient = leaf.MaxCoefficient;
    if (leaf.OffsetLoad) {
        // Appended, so "Offset" keeps ordinal 2; arbitrary impedances stay fixed or sliding.
        LoadTypeNames.push_back("Offset");
        SetLoadTypeHint(*this, TStdType::Load, LoadTypeHintWithOffset);
    }
    HasDiskFiles = leaf.HasDiskFiles;
    CanUpload = leaf.CanUpload;
}

T8753TRLFamily::T8753TRLFamily()
{
    NumClasses = 15;
    SoltClasses = TColumnSet::Range(1, 12);
    TrlClasses = TColumnSet::Range(13, 15);
    HasTrlCalZ0 = true;
    HasTrlSetRef = true;
    HasCalTypeChoice = true;
    SetClassInfo(*this, 13,
                 {{"TRL Thru or Line", 55, "TRLT", "Thru"},
                  {"TRL Reflect", 60, "TRLR", "Reflect"},
                  {"TRL Line or Match", 65, "TRLL", "Line"}});
}

T8753ABC::T8753ABC()
{
    SetLeafValues({.Identity = {14, "Agilent 8753A/B/C",
                                "|Agilent 8753A, 8753B, 8753C, or 8753D with firmware prior to 6.12", 10}});
}

T8752ABC::T8752ABC()
{
    SetLeafValues({.Identity = {13, "Agilent 8752A/B/C", "|Agilent 8752A, 8752B, or 8752C", 16}});
}

T8753Dtrl::T8753Dtrl()
{
    SetLeafValues({.Identity = {15, "Agilent 8753Dtrl",
                                "|Agilent 8753D with firmware rev prior to 6.12 (old TRL* cal menu)", 12}});
    SetClassInfo(*this, 0,
                 {{" ", 0, " ", " "},
                  {"Reflect Forward Match", 75, "TRFM", "Open"},
                  {"Line Forward Match", 75, "TLFM", "Short"},
                  {"Line Forw Transmission", 75, "TLFT", "Load"},
                  {"Reflect Reverse Match", 75, "TRRM", "Open"},
                  {"Line Reverse Match", 75, "TLRM", "Short"},
                  {"Line Rev Transmission", 75, "TLRT", "Load"},
                  {"Thru/Line Forw Trans", 75, "TTFT", "Thru"},
                  {"Thru/Line Rev Trans", 75, "TTRT", "Thru"},
                  {"Thru/Line Forw Match", 75, "TTFM", "Thru"},
                  {"Thru/Line Rev Match", 75, "TTRM", "Thru"},
                  {"Response", 45, "RESP", "Response"},
                  {"Response & Isolation", 50, "RESI", "Response"}});
}

T8720A::T8720A()
{
    SetLeafValues({.Identity = {8, "Agilent 8720A/B", "|Agilent 8720A or 8720B with firmware rev prior to 2.0", 24},
                   .CanUpload = false});
}

T8719A::T8719A()
{
    SetLeafValues({.Identity = {5, "Agilent 8719A", "|Agilent 8719A", 18}});
}

T8753DE::T8753DE()
{
    SetLeafValues({.Identity = {16, "Agilent 8753D/E", "|Agilent 8753D or 8753E", 14},
                   .MaxCoefficient = 1e7,
                   .OffsetLoad = true,
                   .HasDiskFiles = true});
}

T8720BC::T8720BC()
{
    SetLeafValues({.Identity = {9, "Agilent 8720B/C", "|Agilent 8720B or 8720C with firmware rev 2.0 or higher", 26},
                   .MaxCoefficient = 1e7,
                   .OffsetLoad = true});
}

T8720DE::T8720DE()
{
    SetLeafValues({.Identity = {10, "Agilent 8720D/E", "|Agilent 8720D or 8720E", 28},
                   .MaxCoefficient = 1e7,
                   .OffsetLoad = true,
                   .HasDiskFiles = true});
}

T8719C::T8719C()
{
    SetLeafValues({.Identity = {6, "Agilent 8719C", "|Agilent 8719C", 20}, .MaxCoefficient = 1e7, .OffsetLoad = true});
}

T8722AC::T8722AC()
{
    SetLeafValues({.Identity = {11, "Agilent 8722A/C", "|Agilent 8722A or 8722C", 30},
                   .MaxCoefficient = 1e7,
                   .OffsetLoad = true});
}

T8719DE::T8719DE()
{
    SetLeafValues({.Identity = {7, "Agilent 8719D/E", "|Agilent 8719D or 8719E", 22},
                   .MaxCoefficient = 1e7,
                   .OffsetLoad = true,
                   .HasDiskFiles = true});
}

T8722DE::T8722DE()
{
    SetLeafValues({.Identity = {12, "Agilent 8722D/E", "|Agilent 8722D or 8722E", 32},
                   .MaxCoefficient = 1e7,
                   .OffsetLoad = true,
                   .HasDiskFiles = true});
}
