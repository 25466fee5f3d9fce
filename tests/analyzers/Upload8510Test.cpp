// Reading kits from the 8510: the kit-slot option, the setting queries judged by their
// second character, load types, inductance, TRL settings and low-band frequency.
#include "LegacyScript.h"
#include "RecordingCard.h"
#include "TransferKits.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const std::string Step = TRecordingCard::Step;

} // namespace

TEST(Upload8510, RepliesBecomeTypesLoadTypesAndValues)
{
    TLegacyScript script;
    script.Otherwise = "";
    script.Replies = {
        {"1:STDT?;", "\"OPEN\""}, {"1:C0", " 6.25E+01"}, {"1:C1", "1.09375"}, {"1:C2", "-1.23456E+02"},
        {"1:C3", "2.71875E+00"}, {"1:OFFD", " 2.9243E-11"}, {"1:OFFL", " 1.3E+09"}, {"1:OFFZ", " 5E+01"},
        {"1:MINF", " 3E+09"}, {"1:MAXF", " 1.8E+10"}, {"1:MEDT?;", "\"COAX\""},
        {"2:STDT?;", "\"SHOR\""}, {"2:L0", " 1.23456"}, {"2:L1", "-2"}, {"2:L2", "3"}, {"2:L3", "4"},
        {"2:MEDT?;", "\"WAVE\""},
        {"3:STDT?;", "\"LOAD\""}, {"3:LOAT?;", "\"OFFS\""},
        {"4:STDT?;", "\"LOAD\""}, {"4:LOAT?;", "\"SLIL\""},
        {"5:STDT?;", "\"ARBI\""}, {"5:TERI", " 7.5E+01"}, {"5:LOAT?;", "\"FIXE\""},
        {"6:STDT?;", "\"DELA\""}, {"6:OFFZ", "50"},
        {"7:STDT?;", "O"}, // too short: no type
        {"8:STDT?;", "\"XYZ\""},
        {"SETZ", " 5E+01"}, {"CALZ?;", "\"SYST\""}, {"SETR?;", "\"REFL\""}, {"LOWF", " 2.5E+09"},
    };
    auto kit = NewKit("8510C");
    kit->Standard(8).SetStdType(TStdType::Thru);
    TRecordingCard card;
    card.Responder = script;
    kit->Vna().UploadKit(*kit, card, card.Progress());

    const TStandard& open = kit->Standard(1);
    EXPECT_EQ(open.StdType(), TStdType::Open);
    EXPECT_EQ(open.C0(), 62.5);
    EXPECT_EQ(open.C1(), 1.0938);
    EXPECT_EQ(open.C2(), -123.4560);
    EXPECT_EQ(open.C3(), 2.7188);
    EXPECT_EQ(open.OffsetDelay(), 29.243);
    EXPECT_EQ(open.OffsetLoss(), 1.3);
    EXPECT_EQ(open.MinFreq(), 3.0);
    EXPECT_EQ(open.MaxFreq(), 18.0);
    EXPECT_EQ(open.Medium(), TMedium::Coax);
    const TStandard& shortStd = kit->Standard(2);
    EXPECT_EQ(shortStd.StdType(), TStdType::Short);
    EXPECT_EQ(shortStd.C0(), 1.2346);
    EXPECT_EQ(shortStd.C1(), -2.0);
    EXPECT_EQ(shortStd.C3(), 4.0);
    EXPECT_EQ(shortStd.Medium(), TMedium::Waveguide);
    EXPECT_EQ(kit->Standard(3).StdType(), TStdType::Load);
    EXPECT_EQ(kit->Standard(3).LoadType(), TLoadType::Offset);
    EXPECT_EQ(kit->Standard(4).LoadType(), TLoadType::Sliding);
    EXPECT_EQ(kit->Standard(5).StdType(), TStdType::ArbiZ);
    EXPECT_EQ(kit->Standard(5).TermZ(), 75.0);
    EXPECT_EQ(kit->Standard(5).LoadType(), TLoadType::Fixed);
    EXPECT_EQ(kit->Standard(6).StdType(), TStdType::Thru);
    EXPECT_EQ(kit->Standard(6).OffsetZ0(), 50.0);
    EXPECT_EQ(kit->Standard(7).StdType(), TStdType::None);
    // An unknown type leaves the type as it was, and the offsets are still read.
    EXPECT_EQ(kit->Standard(8).StdType(), TStdType::Thru);
    EXPECT_EQ(kit->Standard(8).MaxFreq(), 0.0);
    EXPECT_EQ(kit->SystemZ0(), 50.0);
    EXPECT_EQ(kit->TrlCalZ0(), TTrlCalZ0::SystemZ0);
    EXPECT_EQ(kit->TrlSetRef(), TTrlSetRef::Reflect);
    EXPECT_EQ(kit->LowbandFrequency(), 2.5);
    EXPECT_EQ(card.Steps, kit->UploadSteps());
    EXPECT_EQ(card.Steps, 23);
}

TEST(Upload8510, QueriesInOrderForTheChosenSlot)
{
    TVna& vna = Model("8510B");
    SelectedOptionGuard guard(vna);
    vna.SelectOption(1);
    TLegacyScript script;
    script.Replies = {{"1:STDT?;", "\"ARBI\""}, {"2:STDT?;", "\"SHOR\""}, {"3:STDT?;", "\"OPEN\""},
                      {"CALZ?;", "\"LINE\""}, {"SETR?;", ""}};
    auto kit = NewKit("8510B");
    TRecordingCard card;
    card.Responder = script;
    vna.UploadKit(*kit, card, card.Progress());

    const Lines offsets{"OFFD;", "OUTPACTI;", "OFFL;", "OUTPACTI;", "OFFZ;", "OUTPACTI;",
                        "MINF;", "OUTPACTI;", "MAXF;", "OUTPACTI;", "MEDT?;", Step};
    Lines expected = Join({
        {"MODI1;", Step},
        {"DEFS1;", "STDT?;", "TERI;", "OUTPACTI;", "LOAT?;"}, offsets,
        {"DEFS2;", "STDT?;", "L0;", "OUTPACTI;", "L1;", "OUTPACTI;", "L2;", "OUTPACTI;", "L3;", "OUTPACTI;"}, offsets,
        {"DEFS3;", "STDT?;", "C0;", "OUTPACTI;", "C1;", "OUTPACTI;", "C2;", "OUTPACTI;", "C3;", "OUTPACTI;"}, offsets,
    });
    for (int n = 4; n <= 21; ++n)
        expected = Join({expected, {"DEFS" + std::to_string(n) + ";", "STDT?;"}, offsets});
    expected = Join({expected, {"SETZ;", "OUTPACTI;", "CALZ?;", "SETR?;", "LOWF;", "OUTPACTI;", "ENTO;",
                                "MENUCAL;", Step}});
    EXPECT_LINES(card.Lines, expected);
    EXPECT_EQ(kit->TrlCalZ0(), TTrlCalZ0::LineZ0);
    EXPECT_EQ(kit->TrlSetRef(), TTrlSetRef::Thru);
}

TEST(Upload8510, The8510AReadsNoInductanceAndNoTrlSettings)
{
    TLegacyScript script;
    script.Replies = {{"1:STDT?;", "\"SHOR\""}, {"1:L0", "5"}, {"CALZ?;", "\"SYST\""}};
    auto kit = NewKit("8510A");
    TRecordingCard card;
    card.Responder = script;
    kit->Vna().UploadKit(*kit, card, card.Progress());
    EXPECT_EQ(kit->Standard(1).StdType(), TStdType::Short);
    EXPECT_EQ(kit->Standard(1).C0(), 0.0);
    const Lines writes = card.Writes();
    EXPECT_EQ(writes.front(), "MODI2;");
    EXPECT_EQ(std::count(writes.begin(), writes.end(), "L0;"), 0);
    EXPECT_LINES(Lines(writes.end() - 4, writes.end()), (Lines{"SETZ;", "OUTPACTI;", "ENTO;", "MENUCAL;"}));
}
