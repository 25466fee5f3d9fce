#include "analyzers/Family8510.h"

#include "analyzers/DiskFile8510.h"
#include "analyzers/ModelSetup.h"

T8510Family::T8510Family()
{
    NumStandards = 21;
    MaxCoefficient = 10000;
    MaxTermZ = 1000;
    MaxOffsetDelay = 1e12;
    MinOffsetZ0 = 0.001;
    MaxOffsetZ0 = 500;
    MaxOffsetLoss = 1000;
    UploadNote = "Not all of the cal kit data can be read over GPIB.  In particular, the labels and class "
                 "assignments must be filled in manually, due to limitations of the VNA's GPIB command set.";
    DiskClassOrder = {1, 2, 3, 11, 9, 7, 4, 5, 6, 12, 10, 8, 13};
    DiskTrlClassOrder = {14, 16, 15, 17};
    DiskFilter = "(CK_*)|CK_*";
    DiskExtension.clear();
    DiskPrefix = "CK_";
    // The instrument's two user cal-kit slots.
    GpibOptions = {"Cal Kit &1=MODI1;", "Cal Kit &2=MODI2;"};
    SelectedOption = 2;
}

void T8510Family::WriteDiskFile(TCalKit& kit, const std::string& fileName)
{
    WriteDiskFile8510(kit, *this, fileName);
}

void T8510Family::ReadDiskFile(TCalKit& kit, const std::string& fileName)
{
    ReadDiskFile8510(kit, *this, fileName);
}

T8510A::T8510A()
{
    SetIdentity(*this, {2, "Agilent 8510A", "|Agilent 8510A", 34});
    ShortHasInductance = false;
    StdColumns[Ord(TStdType::Short)] = TColumnSet::Of({2});
    StdColumns[Ord(TStdType::Short)].IncludeRange(8, 14);
    NumClasses = 11;
    SoltClasses = TColumnSet::Range(1, 11);
    TrlClasses = TColumnSet::Range(1, 11);
    HasTrlCalZ0 = false;
    HasTrlSetRef = false;
    HasLowband = false;
    HasDiskFiles = false;
    CanUpload = false;
    SetClassInfo(*this, 11, {{"Response", 45, "RESP", "Response"}});
}

T8510B::T8510B()
{
    SetIdentity(*this, {3, "Agilent 8510B", "|Agilent 8510B", 36});
    ShortHasInductance = true;
    StdColumns[Ord(TStdType::Short)] = TColumnSet::Range(2, 6);
    StdColumns[Ord(TStdType::Short)].IncludeRange(8, 14);
    // Appended, so "Offset" keeps ordinal 2.
    LoadTypeNames.push_back("Offset");
    ArbLoadTypeNames.push_back("Offset");
    NumClasses = 17;
    SoltClasses = TColumnSet::Range(1, 17);
    TrlClasses = TColumnSet::Range(1, 17);
    HasTrlCalZ0 = true;
    HasTrlSetRef = true;
    HasLowband = true;
    HasDiskFiles = false;
    CanUpload = true;
    SetClassInfo(*this, 11,
                 {{"Forward Isolation", 40, "FWDI", "Isol'n Std"},
                  {"Reverse Isolation", 40, "REVI", "Isol'n Std"},
                  {"Frequency Response", 45, "RESP", "Response"},
                  {"TRL Thru or Line", 55, "TRLT", "Thru"},
                  {"TRL Reflect", 60, "TRLR", "Reflect"},
                  {"TRL Line or Match", 65, "TRLL", "Line"},
                  {"Adapter", 70, "ADAP", "Adapter"}});
    SetShortInductanceHints(*this);
    SetLoadTypeHint(*this, TStdType::Load, LoadTypeHintWithOffset);
    SetLoadTypeHint(*this, TStdType::ArbiZ, LoadTypeHintWithOffset);
}

T8510C::T8510C()
{
    SetIdentity(*this, {4, "Agilent 8510C", "|Agilent 8510C", 38});
    HasDiskFiles = true;
}
