// Analyzer models with just the limits a kit reads, and kits on them.
#pragma once

#include "analyzers/Vna.h"
#include "kit/CalKit.h"

#include <gtest/gtest.h>

// Big: 21 standards, 17 classes, six types, three load types, wide limits, 30-character
// labels. Small: 8 standards, 5 classes, five types, two load types for loads and one for
// arbitrary impedances, narrow limits, 10-character labels and an 8-character kit label.
class TTestModel : public TVna {
public:
    explicit TTestModel(bool big)
    {
        NumStandards = big ? 21 : 8;
        NumClasses = big ? 17 : 5;
        if (big)
            StdTypeNames.push_back("Arb Z");
        LoadTypeNames = big ? TStringList{"Fixed", "Sliding", "Offset"} : TStringList{"Fixed", "Sliding"};
        if (big)
            ArbLoadTypeNames = LoadTypeNames;
        MediumNames = {"Coax", "Waveguide"};
        MaxCoefficient = MaxOffsetDelay = big ? 1e6 : 10000;
        MaxTermZ = MaxOffsetZ0 = MaxOffsetLoss = big ? 1e4 : 500;
        MinOffsetZ0 = 0.001;
        MaxMinFreq = MaxMaxFreq = MaxLowband = 999;
        StdLabelLength = ClassLabelLength = big ? 30 : 10;
        KitLabelLength = big ? 30 : 8;
        MinSystemZ0 = 0.1;
        MaxSystemZ0 = big ? 1000 : 100;
        ClassInfo[0] = MakeClassInfo(" ", 0, " ", " ");
        for (int n = 1; n <= NumClasses; ++n)
            ClassInfo[n] = MakeClassInfo("", n, "", "class" + std::to_string(n));
        SoltClasses = TColumnSet::Range(1, big ? 12 : 5);
        TrlClasses = TColumnSet::Range(13, 17);
        DownloadStepCount = NumStandards + 3;
        UploadStepCount = NumStandards + 2;
    }
};

class KitTest : public ::testing::Test {
protected:
    TTestModel big{true};
    TTestModel small{false};
    TCalKit bigKit{big};
    TCalKit smallKit{small};
};
