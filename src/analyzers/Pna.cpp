#include "analyzers/Pna.h"

#include "analyzers/ModelSetup.h"
#include "analyzers/Replies.h"

TPna::TPna()
{
    SetIdentity(*this, {0, "Agilent PNA", "|Agilent Performance Network Analyzers with firmware rev 2.0 and higher", 40});
    NumStandards = 8;
    LoadTypeNames.push_back("Sliding");
    ShortHasInductance = true;
    MaxCoefficient = 10000;
    MaxTermZ = 10000;
    MinOffsetZ0 = 0;
    MaxOffsetZ0 = 1000;
    MaxOffsetDelay = 1e21;
    MaxOffsetLoss = 1000;
    MediumNames.push_back("Waveguide");
    MaxMinFreq = 1e9;
    MaxMaxFreq = 1e9;
    StdLabelLength = 30;
    NumClasses = 8;
    SoltClasses = TColumnSet::Range(1, 8);
    TrlClasses = TColumnSet::Range(1, 8);
    ClassLabelLength = 10;
    HasTrlCalZ0 = false;
    HasTrlSetRef = false;
    HasLowband = false;
    MinLowband = 0;
    MaxLowband = 999;
    KitLabelLength = 30;
    MinSystemZ0 = 0;
    MaxSystemZ0 = 1000;
    DownloadStepCount = NumStandards + 3;
    UploadStepCount = NumStandards + 3;
    UploadNote = "All of the cal kit data has been read over GPIB.";
    StdColumns[Ord(TStdType::Short)] = TColumnSet::Range(2, 6);
    StdColumns[Ord(TStdType::Short)].IncludeRange(8, 14);
    ClassColumns = TColumnSet::Range(2, 8); // the class label column is not editable
    SetClassInfo(*this, 0,
                 {{" ", 0, " ", " "},
                  {"S11A", 10, "S11A", "Open"},
                  {"S11B", 10, "S11B", "Short"},
                  {"S11C", 10, "S11C", "Load"},
                  {"Forward Thru", 25, "S21T", "Thru"},
                  {"S22A", 15, "S22A", "Open"},
                  {"S22B", 15, "S22B", "Short"},
                  {"S22C", 15, "S22C", "Load"},
                  {"Reverse Thru", 35, "S12T", "Thru"}});
    SetShortInductanceHints(*this);
    SetLoadTypeHint(*this, TStdType::Load, LoadTypeHintFixedSliding);
    SetLoadTypeHint(*this, TStdType::ArbiZ, LoadTypeHintFixedSliding);
    for (TStdType type : {TStdType::Thru, TStdType::Open, TStdType::Short, TStdType::Load, TStdType::ArbiZ})
        StdHints[Ord(type)][14 - 2] = "Standard Label (30 characters max)";
    const std::string numberHint = StandardNumberHint(NumStandards);
    for (int column = 2; column <= 8; ++column)
        ClassHints[column - 2] = numberHint;
    ClassHints[9 - 2] = "not applicable";
    HasDiskFiles = false;
    // The analyzer's user-defined kit slots 7 to 10.
    GpibOptions = {"User Defined &7=sel 7", "User Defined &8=sel 8", "User Defined &9=sel 9",
                   "User Defined &10=sel 10"};
    SelectedOption = 4;
}

std::string TPna::Identify(TGpibCard& card)
{
    return Query(card, "*IDN?");
}

void TPna::WriteDiskFile(TCalKit&, const std::string&) {}

void TPna::ReadDiskFile(TCalKit&, const std::string&) {}

TPna3port::TPna3port()
{
    SetIdentity(*this, {1, "Agilent PNA 3port",
                        "|Agilent 3-port Performance Network Analyzers with firmware rev 2.0 and higher", 42});
    NumClasses = 15;
    SoltClasses = TColumnSet::Range(1, 15);
    TrlClasses = TColumnSet::Range(1, 15);
    SetClassInfo(*this, 4, {{"1-2 Forward Thru", 25, "S21T", "Thru"}});
    SetClassInfo(*this, 8,
                 {{"1-2 Reverse Thru", 35, "S12T", "Thru"},
                  {"S33A", 17, "S33A", "Open"},
                  {"S33B", 17, "S33B", "Short"},
                  {"S33C", 17, "S33C", "Load"},
                  {"2-3 Forward Thru", 25, "S32T", "Thru"},
                  {"2-3 Reverse Thru", 35, "S23T", "Thru"},
                  {"1-3 Forward Thru", 25, "S31T", "Thru"},
                  {"1-3 Reverse Thru", 35, "S13T", "Thru"}});
}
