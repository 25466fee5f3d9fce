// What every fuzz target checks after the program took in untrusted bytes: the kit keeps
// every value inside its model's limits, as the setters promise.
#pragma once

#include "analyzers/Vna.h"
#include "kit/CalKit.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void FuzzFailure(const char* what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

inline void Require(bool condition, const char* what)
{
    if (!condition)
        FuzzFailure(what);
}

inline bool Within(double value, double low, double high)
{
    return !std::isnan(value) && value >= low && value <= high;
}

inline void CheckStandard(const TStandard& standard, const TVna& vna)
{
    const TStandardValues& v = standard.Values();
    Require(Ord(v.StdType) < vna.StdTypeNames.size() && Ord(v.StdType) < StdTypeCount, "standard type");
    const bool loadListed = (v.StdType == TStdType::Load && Ord(v.LoadType) < vna.LoadTypeNames.size()) ||
                            (v.StdType == TStdType::ArbiZ && Ord(v.LoadType) < vna.ArbLoadTypeNames.size());
    Require(v.LoadType == TLoadType::Fixed || (loadListed && Ord(v.LoadType) < LoadTypeDisplayNames.size()),
            "load type");
    Require(Ord(v.Medium) < vna.MediumNames.size() && Ord(v.Medium) < MediumDisplayNames.size(), "medium");
    for (double c : {v.C0, v.C1, v.C2, v.C3})
        Require(Within(c, -vna.MaxCoefficient, vna.MaxCoefficient), "coefficient");
    Require(Within(v.OffsetDelay, -vna.MaxOffsetDelay, vna.MaxOffsetDelay), "offset delay");
    Require(Within(v.OffsetZ0, vna.MinOffsetZ0, vna.MaxOffsetZ0), "offset Z0");
    Require(Within(v.OffsetLoss, 0, vna.MaxOffsetLoss), "offset loss");
    Require(Within(v.MinFreq, 0, vna.MaxMinFreq), "minimum frequency");
    Require(Within(v.MaxFreq, 0, vna.MaxMaxFreq), "maximum frequency");
    Require(Within(v.TermZ, 0, vna.MaxTermZ), "terminal impedance");
    Require(static_cast<int>(v.Label.size()) <= vna.StdLabelLength, "standard label");
}

inline void CheckClass(const TStdClass& stdClass, const TVna& vna)
{
    for (int i = 1; i <= TStdClass::PositionCount; ++i)
        Require(stdClass.GetStd(i) >= 0 && stdClass.GetStd(i) <= vna.NumStandards, "class standard number");
    Require(static_cast<int>(stdClass.Label().size()) <= vna.ClassLabelLength, "class label");
}

inline void CheckKit(const TCalKit& kit)
{
    const TVna& vna = kit.Vna();
    Require(static_cast<int>(kit.Label().size()) <= vna.KitLabelLength, "kit label");
    Require(kit.Description().size() <= TCalKit::MaxDescriptionLength, "description");
    Require(Within(kit.SystemZ0(), vna.MinSystemZ0, vna.MaxSystemZ0), "system Z0");
    Require(Within(kit.LowbandFrequency(), vna.MinLowband, vna.MaxLowband), "low-band frequency");
    for (int n = 1; n <= vna.NumStandards; ++n)
        CheckStandard(kit.Standard(n), vna);
    for (int n = 1; n <= vna.NumClasses; ++n)
        CheckClass(kit.StdClass(n), vna);
}
