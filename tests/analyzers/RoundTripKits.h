// A kit for round trips through the simulated analyzer, and the comparison of the kit read
// back with the kit sent: what each family's command set lets the program read.
#pragma once

#include "RecordingCard.h"

#include <gtest/gtest.h>

#include <string>

inline bool IsPna(const TVna& vna)
{
    return vna.ModelIndex <= 1;
}

// Every standard type and load type the model offers, values that survive 4 decimals, labels
// and class lists; the kit label would preset a legacy analyzer if its quote went over.
inline void FillRoundTripKit(TCalKit& kit)
{
    kit.SetLabel(IsPna(kit.Vna()) ? "it's \"3.5\" mm" : "\";PRES;");
    kit.SetSystemZ0(75);
    kit.SetTrlCalZ0(TTrlCalZ0::SystemZ0);
    kit.SetTrlSetRef(TTrlSetRef::Reflect);
    kit.SetLowbandFrequency(0.5);
    Define(kit, 1, {.StdType = TStdType::Short, .C0 = 2.25, .C1 = -0.5, .C2 = 1.5, .C3 = 0.2501, .OffsetDelay = 16.5,
                    .OffsetZ0 = 50, .MaxFreq = 999, .Label = "SHORT;*RST"});
    Define(kit, 2, {.StdType = TStdType::Open, .C0 = 62.5, .C1 = -310.1, .C2 = 23.5, .C3 = -0.16, .OffsetDelay = 29.243,
                    .OffsetZ0 = 50, .OffsetLoss = 2.2, .MinFreq = 0.045, .MaxFreq = 26.5, .Medium = TMedium::Waveguide,
                    .Label = "Open 'F'"});
    Define(kit, 3, {.StdType = TStdType::Load, .LoadType = TLoadType::Offset, .OffsetZ0 = 500, .MaxFreq = 3});
    Define(kit, 4, {.StdType = TStdType::Load, .LoadType = TLoadType::Sliding, .OffsetZ0 = 0.001, .MinFreq = 2,
                    .MaxFreq = 18, .Label = "SLIDE"});
    Define(kit, 5, {.StdType = TStdType::Thru, .OffsetDelay = 85.5, .OffsetZ0 = 49.95, .OffsetLoss = 1.3,
                    .MaxFreq = 999, .Label = "THRU\""});
    Define(kit, 6, {.StdType = TStdType::ArbiZ, .LoadType = TLoadType::Sliding, .OffsetDelay = -1.5, .OffsetZ0 = 25,
                    .MaxFreq = 999, .TermZ = 75.25});
    Define(kit, 8, {.StdType = TStdType::Thru, .OffsetDelay = 1e-4, .OffsetZ0 = 50, .MaxFreq = 999});
    for (int c = 1; c <= kit.Vna().NumClasses; ++c)
        Assign(kit, c, {c % 8 + 1, 0, c % 3, 7, 0, 0, c % 2 ? 4 : 0}, "");
}

// The class lists without the empty positions between their numbers, as the disk files need
// them (they keep a class up to its first empty position).
inline void CloseClassGaps(TCalKit& kit)
{
    for (int c = 1; c <= kit.Vna().NumClasses; ++c) {
        TStdClassValues values{{}, kit.StdClass(c).Label()};
        std::size_t filled = 0;
        for (const std::int32_t number : kit.StdClass(c).Values().Std)
            if (number != 0)
                values.Std[filled++] = number;
        kit.StdClass(c).SetValues(values);
    }
}

inline void ExpectReadBack(const TCalKit& sent, const TCalKit& read)
{
    const TVna& vna = sent.Vna();
    const bool pna = IsPna(vna);
    const bool loadTypes = pna || vna.NumStandards == 21; // not on the 8753 family
    for (int n = 1; n <= vna.NumStandards; ++n) {
        SCOPED_TRACE("standard " + std::to_string(n));
        const TStandard& s = sent.Standard(n);
        if (s.StdType() == TStdType::None) {
            EXPECT_EQ(read.Standard(n).StdType(), TStdType::None);
            continue;
        }
        TStandardValues expected = s.Values();
        if (s.StdType() != TStdType::Open && !(s.StdType() == TStdType::Short && vna.ShortHasInductance))
            expected.C0 = expected.C1 = expected.C2 = expected.C3 = 0;
        if (!loadTypes)
            expected.LoadType = TLoadType::Fixed;
        if (s.StdType() != TStdType::ArbiZ)
            expected.TermZ = 50;
        if (!pna)
            expected.Label = "std" + std::to_string(n);
        EXPECT_EQ(read.Standard(n).Values(), expected);
    }
    for (int c = 1; c <= vna.NumClasses; ++c) {
        // The standard numbers go over without the empty positions between them.
        TStdClassValues expected{{}, vna.GetClassInfo(c).DefaultLabel};
        std::size_t filled = 0;
        for (const std::int32_t number : sent.StdClass(c).Values().Std)
            if (number > 0 && pna)
                expected.Std[filled++] = number;
        EXPECT_EQ(read.StdClass(c).Values(), expected) << "class " << c;
    }
    EXPECT_EQ(read.Label(), pna ? sent.Label() : "New Kit");
    EXPECT_EQ(read.SystemZ0(), sent.SystemZ0());
    EXPECT_EQ(read.TrlCalZ0(), vna.HasTrlCalZ0 ? sent.TrlCalZ0() : TTrlCalZ0::LineZ0);
    EXPECT_EQ(read.TrlSetRef(), vna.HasTrlSetRef ? sent.TrlSetRef() : TTrlSetRef::Thru);
    EXPECT_EQ(read.LowbandFrequency(), vna.HasLowband ? sent.LowbandFrequency() : 2.0);
}
