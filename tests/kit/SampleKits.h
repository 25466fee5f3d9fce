// A kit filled as a user would fill one, and a complete text dump of a kit for comparisons.
#pragma once

#include "analyzers/Vna.h"
#include "kit/CalKit.h"

#include <cstdio>
#include <string>

// Every kind of standard and class the formats distinguish; values are forced into the
// limits of the kit's model as the setters always do.
inline void FillSampleKit(TCalKit& kit)
{
    kit.SetLabel("Sample 85");
    kit.SetDescription("Type-N kit serial 1234");
    kit.SetDateLastModified(36008); // 1 August 1998
    kit.SetSystemZ0(75);
    kit.SetLowbandFrequency(2.5);
    kit.SetTrlCalZ0(TTrlCalZ0::SystemZ0);
    kit.SetTrlSetRef(TTrlSetRef::Reflect);
    const TStandardValues standards[] = {
        {.StdType = TStdType::Open, .C0 = 62.5, .C1 = -143.2, .C2 = 5.1, .C3 = 0.4, .OffsetDelay = 29.243,
         .OffsetLoss = 0.7, .MaxFreq = 18, .Label = "OPEN -M-"},
        {.StdType = TStdType::Short, .C0 = 2.5, .OffsetDelay = 31.785, .OffsetLoss = 0.75, .MaxFreq = 999,
         .Label = "SHORT -M-"},
        {.StdType = TStdType::Load, .Label = "BROADBAND"},
        {.StdType = TStdType::Load, .LoadType = TLoadType::Sliding, .MinFreq = 2, .MaxFreq = 18, .Label = "SLIDING"},
        {.StdType = TStdType::Thru, .OffsetZ0 = 49.5, .Label = "THRU"},
        {.StdType = TStdType::ArbiZ, .C0 = 3, .TermZ = 75, .Label = "ARBZ 75"},
        {.StdType = TStdType::None, .C0 = 1, .Label = "unused"},
        {.StdType = TStdType::Thru, .OffsetDelay = 100, .MinFreq = 0.3, .MaxFreq = 26.5, .Medium = TMedium::Waveguide,
         .Label = "WG LINE"}};
    const TStdClassValues classes[] = {
        {{1}, "OPEN"},     {{2}, "SHORT"},     {{3, 4}, "LOADS"}, {{1}, "OPEN"},       {{2}, "SHORT"},
        {{3, 4}, "LOADS"}, {{5}, "THRU"},      {{5}, "THRU"},     {{5, 8}, "THRUS"},   {{5, 8}, "THRUS"},
        {{1, 2, 3, 4, 5, 6, 8}, "RESPONSE"},   {{5}, "RESP ISOL"}, {{8}, "TRL LINE"},  {{1, 2}, "TRL REFL"},
        {{5}, "TRL MATCH"}};
    for (int n = 1; n <= 8; ++n)
        kit.Standard(n).SetValues(standards[n - 1]);
    for (int n = 1; n <= 15; ++n)
        kit.StdClass(n).SetValues(classes[n - 1]);
}

// Every value of a kit, one line each, numbers with all their digits or with fewer.
inline std::string DumpKit(const TCalKit& kit, int significantDigits = 17)
{
    const auto num = [significantDigits](double x) {
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, "%.*g", significantDigits, x);
        return std::string(buffer);
    };
    std::string text = "model " + kit.Vna().ModelName + "\nlabel " + kit.Label() + "\ndescription " +
                       kit.Description() + "\ndate " + num(kit.DateLastModified()) + "\ncaltype " +
                       std::to_string(kit.CalType()) + "\nlowband " + num(kit.LowbandFrequency()) + "\nz0 " +
                       num(kit.SystemZ0()) + "\ntrl " + std::to_string(Ord(kit.TrlCalZ0())) + " " +
                       std::to_string(Ord(kit.TrlSetRef())) + "\n";
    for (int n = 0; n < TCalKit::RecordCount; ++n) {
        const TStandardValues& v = kit.Standard(n).Values();
        text += "std " + std::to_string(n) + ": " + std::to_string(Ord(v.StdType));
        for (double x : {v.C0, v.C1, v.C2, v.C3})
            text += " " + num(x);
        text += " load " + std::to_string(Ord(v.LoadType));
        for (double x : {v.OffsetDelay, v.OffsetZ0, v.OffsetLoss, v.MinFreq, v.MaxFreq})
            text += " " + num(x);
        text += " medium " + std::to_string(Ord(v.Medium)) + " termz " + num(v.TermZ) + " [" + v.Label + "]\n";
    }
    for (int n = 0; n < TCalKit::RecordCount; ++n) {
        text += "class " + std::to_string(n) + ":";
        for (int i = 1; i <= TStdClass::PositionCount; ++i)
            text += " " + std::to_string(kit.StdClass(n).GetStd(i));
        text += " [" + kit.StdClass(n).Label() + "]\n";
    }
    return text;
}
