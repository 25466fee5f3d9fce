// Kits for round trips through the simulated analyzer, one per family, and the comparison of
// a kit read back with the kit sent: what each family's command set lets the program read.
#pragma once

#include "TransferKits.h"

#include <gtest/gtest.h>

#include <string>

// What a read gives back besides the standards' types and numbers.
struct TSurvives {
    bool LoadTypes = false;
    bool Labels = false; // standard labels, kit label
    bool Classes = false;
};

inline TSurvives SurvivesOn(const TVna& vna)
{
    if (vna.ModelIndex <= 1)
        return {.LoadTypes = true, .Labels = true, .Classes = true};
    if (vna.NumStandards == 21)
        return {.LoadTypes = true};
    return {};
}

inline void Fill8753(TCalKit& kit)
{
    kit.SetLabel("\";PRES;"); // would preset the analyzer if its quote went over
    kit.SetSystemZ0(75);
    kit.SetTrlCalZ0(TTrlCalZ0::SystemZ0);
    kit.SetTrlSetRef(TTrlSetRef::Reflect);
    Define(kit, 1, {.StdType = TStdType::Short, .OffsetZ0 = 50, .MaxFreq = 999, .Label = "SHORT"});
    Define(kit, 2,
           {.StdType = TStdType::Open, .C0 = 62.5, .C1 = -310.1, .C2 = 23.5, .C3 = -0.16, .OffsetDelay = 29.243,
            .OffsetZ0 = 50, .OffsetLoss = 2.2, .MinFreq = 0.045, .MaxFreq = 26.5, .Medium = TMedium::Waveguide,
            .Label = "OPEN"});
    Define(kit, 3, {.StdType = TStdType::Load, .LoadType = TLoadType::Offset, .OffsetZ0 = 50, .MaxFreq = 999});
    Define(kit, 4, {.StdType = TStdType::Load, .LoadType = TLoadType::Sliding, .OffsetZ0 = 50, .MaxFreq = 999});
    Define(kit, 5, {.StdType = TStdType::Thru, .OffsetDelay = 85.5, .OffsetZ0 = 49.95, .OffsetLoss = 1.3,
                    .MinFreq = 2, .MaxFreq = 18, .Label = "THRU\""});
    Define(kit, 6, {.StdType = TStdType::ArbiZ, .OffsetDelay = -1.5, .OffsetZ0 = 25, .MaxFreq = 999,
                    .TermZ = 75.25});
    Define(kit, 8, {.StdType = TStdType::Thru, .OffsetDelay = 1e-4, .OffsetZ0 = 50, .MaxFreq = 999});
    Assign(kit, 1, {2, 0, 0, 0, 0, 0, 0}, "OPEN");
}

inline void Fill8510(TCalKit& kit)
{
    Fill8753(kit);
    kit.SetLowbandFrequency(0.5);
    Define(kit, 1, {.StdType = TStdType::Short, .C0 = 2.25, .C1 = -0.5, .C2 = 1.5, .C3 = 0.2501, .OffsetDelay = 16.5,
                    .OffsetZ0 = 50, .MaxFreq = 999, .Label = "SHORT"});
    Define(kit, 6, {.StdType = TStdType::ArbiZ, .LoadType = TLoadType::Sliding, .OffsetZ0 = 25, .MaxFreq = 999,
                    .TermZ = 999.5});
    Define(kit, 14, {.StdType = TStdType::Open, .C0 = -9999, .OffsetZ0 = 0.001, .MaxFreq = 1000});
    Define(kit, 21, {.StdType = TStdType::Load, .LoadType = TLoadType::Offset, .OffsetZ0 = 500, .MaxFreq = 3});
    Assign(kit, 17, {21, 14, 0, 0, 0, 0, 0}, "ADAPTER");
}

inline void FillPna(TCalKit& kit)
{
    kit.SetLabel("85052D it's \"3.5\" mm");
    kit.SetSystemZ0(75);
    Define(kit, 1, {.StdType = TStdType::Open, .C0 = 49.43, .C1 = -310.1, .C2 = 23.17, .C3 = -0.16,
                    .OffsetDelay = 29.243, .OffsetZ0 = 50, .OffsetLoss = 2.2, .MaxFreq = 26.5, .Label = "Open 'F'"});
    Define(kit, 2, {.StdType = TStdType::Short, .C0 = 2.0765, .C1 = -108.54, .C2 = 2.1705, .C3 = -0.01,
                    .OffsetDelay = 31.785, .OffsetZ0 = 50, .OffsetLoss = 2.36, .MaxFreq = 999,
                    .Medium = TMedium::Waveguide, .Label = "Short;*RST"});
    Define(kit, 3, {.StdType = TStdType::Load, .OffsetZ0 = 50, .MinFreq = 0.0001, .MaxFreq = 1e9, .Label = "Load"});
    Define(kit, 4, {.StdType = TStdType::Load, .LoadType = TLoadType::Sliding, .OffsetZ0 = 0, .MinFreq = 2,
                    .MaxFreq = 999, .Label = "Sliding load with a thirty ch"});
    Define(kit, 7, {.StdType = TStdType::Thru, .OffsetDelay = 1e-4, .OffsetZ0 = 1000, .MaxFreq = 999,
                    .Label = ""});
    for (int c = 1; c <= kit.Vna().NumClasses; ++c)
        Assign(kit, c, {c % 8 + 1, 0, c % 3, 7, 0, 0, c % 2 ? 4 : 0}, "");
}

inline void Fill(TCalKit& kit)
{
    const TVna& vna = kit.Vna();
    if (vna.ModelIndex <= 1)
        FillPna(kit);
    else if (vna.NumStandards == 21)
        Fill8510(kit);
    else
        Fill8753(kit);
}

inline void ExpectReadBack(const TCalKit& sent, const TCalKit& read)
{
    const TVna& vna = sent.Vna();
    const TSurvives survives = SurvivesOn(vna);
    for (int n = 1; n <= vna.NumStandards; ++n) {
        SCOPED_TRACE("standard " + std::to_string(n));
        const TStandard& s = sent.Standard(n);
        const TStandard& r = read.Standard(n);
        EXPECT_EQ(r.StdType(), s.StdType());
        if (s.StdType() == TStdType::None)
            continue;
        const bool coefficients =
            s.StdType() == TStdType::Open || (s.StdType() == TStdType::Short && vna.ShortHasInductance);
        if (coefficients) {
            EXPECT_EQ(r.C0(), s.C0());
            EXPECT_EQ(r.C1(), s.C1());
            EXPECT_EQ(r.C2(), s.C2());
            EXPECT_EQ(r.C3(), s.C3());
        }
        if (s.StdType() == TStdType::ArbiZ)
            EXPECT_EQ(r.TermZ(), s.TermZ());
        EXPECT_EQ(r.LoadType(), survives.LoadTypes ? s.LoadType() : TLoadType::Fixed);
        EXPECT_EQ(r.OffsetDelay(), s.OffsetDelay());
        EXPECT_EQ(r.OffsetLoss(), s.OffsetLoss());
        EXPECT_EQ(r.OffsetZ0(), s.OffsetZ0());
        EXPECT_EQ(r.MinFreq(), s.MinFreq());
        EXPECT_EQ(r.MaxFreq(), s.MaxFreq());
        EXPECT_EQ(r.Medium(), s.Medium());
        EXPECT_EQ(r.Label(), survives.Labels ? s.Label() : "std" + std::to_string(n));
    }
    for (int c = 1; c <= vna.NumClasses; ++c) {
        SCOPED_TRACE("class " + std::to_string(c));
        const TStdClassValues fresh{{}, vna.GetClassInfo(c).DefaultLabel};
        // The standard numbers go over without the empty positions between them.
        TStdClassValues expected{{}, fresh.Label};
        std::size_t filled = 0;
        for (const std::int32_t number : sent.StdClass(c).Values().Std)
            if (number > 0)
                expected.Std[filled++] = number;
        EXPECT_EQ(read.StdClass(c).Values(), survives.Classes ? expected : fresh);
    }
    EXPECT_EQ(read.Label(), survives.Labels ? sent.Label() : "New Kit");
    EXPECT_EQ(read.SystemZ0(), sent.SystemZ0());
    if (vna.HasTrlCalZ0)
        EXPECT_EQ(read.TrlCalZ0(), sent.TrlCalZ0());
    if (vna.HasTrlSetRef)
        EXPECT_EQ(read.TrlSetRef(), sent.TrlSetRef());
    if (vna.HasLowband)
        EXPECT_EQ(read.LowbandFrequency(), sent.LowbandFrequency());
}
