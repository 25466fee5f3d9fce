#include "analyzers/Legacy.h"

#include "analyzers/ModelSetup.h"
#include "analyzers/Replies.h"

TLegacy::TLegacy()
{
    StdTypeNames.push_back("Arbi Imp");
    LoadTypeNames.push_back("Sliding");
    ArbLoadTypeNames.push_back("Sliding");
    MediumNames.push_back("Waveguide");
    MaxMinFreq = 1000;
    MaxMaxFreq = 1000;
    StdLabelLength = 10;
    ClassLabelLength = 10;
    KitLabelLength = 10;
    MinLowband = 0;
    MaxLowband = 1000;
    MinSystemZ0 = 0.001;
    MaxSystemZ0 = 500;
    UploadNote.clear();
    ClassColumns = TColumnSet::Range(2, 9);
    SetClassInfo(*this, 0,
                 {{" ", 0, " ", " "},
                  {"S11A", 10, "S11A", "Open"},
                  {"S11B", 10, "S11B", "Short"},
                  {"S11C", 10, "S11C", "Load"},
                  {"S22A", 15, "S22A", "Open"},
                  {"S22B", 15, "S22B", "Short"},
                  {"S22C", 15, "S22C", "Load"},
                  {"Forward Transmission", 25, "FWDT", "Thru"},
                  {"Reverse Transmission", 35, "REVT", "Thru"},
                  {"Forward Match", 20, "FWDM", "Thru"},
                  {"Reverse Match", 30, "REVM", "Thru"}});
}

void TLegacy::AfterConstruction()
{
    TVna::AfterConstruction();
    DownloadStepCount = NumStandards + 3; // opening, one per standard, classes, end
    UploadStepCount = NumStandards + 2;   // opening, one per standard, end
    const std::string numberHint = StandardNumberHint(NumStandards);
    for (int column = 2; column <= 8; ++column)
        ClassHints[column - 2] = numberHint;
    ClassHints[9 - 2] = "Standard Class Label (10 characters max)";
}

std::string TLegacy::Identify(TGpibCard& card)
{
    return Query(card, "OUTPIDEN;");
}
