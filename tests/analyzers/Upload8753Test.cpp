// Reading kits from the 8753 family: the queries in order, and how the replies become kit
// values (yes only for "1", rounding to 4 decimals, unit scaling, medium and TRL settings).
#include "LegacyScript.h"
#include "RecordingCard.h"
#include "TransferKits.h"

#include <gtest/gtest.h>

namespace {

const std::string Step = TRecordingCard::Step;

Lines StandardQueries(int number)
{
    return {"DEFS" + std::to_string(number) + ";",
            "STDTOPEN?",
            "STDTSHOR?",
            "STDTLOAD?",
            "STDTARBI?",
            "STDTDELA?",
            "OFSD;",
            "OUTPACTI;",
            "OFSL;",
            "OUTPACTI;",
            "OFSZ;",
            "OUTPACTI;",
            "MINF;",
            "OUTPACTI;",
            "MAXF;",
            "OUTPACTI;",
            "COAX?",
            Step};
}

} // namespace

TEST(Upload8753, EveryStandardIsAskedTheSameQuestionsInOrder)
{
    auto kit = NewKit("8753D/E");
    TRecordingCard card;
    kit->Vna().UploadKit(*kit, card, card.Progress());

    Lines expected{"OUTPSTAT;", Step};
    for (int n = 1; n <= 8; ++n)
        expected = Join({expected, StandardQueries(n)});
    expected = Join({expected, {"SETZ?", "CALZLINE?", "SETRTHRU?", "ENTO;", Step, "OUTPSTAT;"}});
    EXPECT_LINES(card.Lines, expected);
    EXPECT_EQ(card.Steps, kit->UploadSteps());
    EXPECT_EQ(card.Steps, 10);
}

TEST(Upload8753, RepliesBecomeTypesAndValues)
{
    TLegacyScript script;
    script.Replies = {
        // 1: an open with rounded coefficients; exact ties (n/32) go to the even neighbour
        {"1:STDTOPEN?", "1"}, {"1:C0", " 6.25E+01"}, {"1:C1", " 0.123456"}, {"1:C2", "1.03125"},
        {"1:C3", "-6.5625E-01"}, {"1:OFSD", " 2.9243E-11"}, {"1:OFSL", " 2.2E+09"}, {"1:OFSZ", " 5E+01"},
        {"1:MINF", " 4.5E+07"}, {"1:MAXF", " 2.65E+10"}, {"1:COAX?", "1"},
        // 2: a short in waveguide
        {"2:STDTSHOR?", "1"}, {"2:COAX?", "0"}, {"2:OFSZ", "50"},
        // 3: open, then thru: the later yes wins, the coefficients stay read
        {"3:STDTOPEN?", "1"}, {"3:STDTDELA?", "1"}, {"3:C0", "10"},
        // 4: a thru with its offsets
        {"4:STDTDELA?", "1"}, {"4:OFSD", "1E-9"}, {"4:OFSZ", "25"}, {"4:MAXF", "1.8E10"},
        // 5: arbitrary impedance, load type fixed
        {"5:STDTARBI?", "1"}, {"5:TERI", " 7.5E+01"}, {"5:OFSZ", "50"},
        // 6: a yes with a blank is no; the same text as a number is 1
        {"6:STDTOPEN?", " 1"}, {"6:OFSZ", " 1"}, {"6:COAX?", ""},
        // 7: nothing but zeros: no type, impedance clamped to its minimum
        // 8: a load; numbers that are no numbers give 0
        {"8:STDTLOAD?", "1"}, {"8:OFSD", "abc"}, {"8:OFSZ", "50 ohm"}, {"8:COAX?", "x"},
        {"SETZ?", " 7.5E+01"}, {"CALZLINE?", "0"}, {"SETRTHRU?", "0"},
    };
    auto kit = NewKit("8753D/E");
    kit->Standard(8).SetLabel("keep");
    Assign(*kit, 3, {1, 2, 0, 0, 0, 0, 0}, "kept");
    TRecordingCard card;
    card.Responder = script;
    kit->Vna().UploadKit(*kit, card, card.Progress());

    const TStandard& open = kit->Standard(1);
    EXPECT_EQ(open.StdType(), TStdType::Open);
    EXPECT_EQ(open.C0(), 62.5);
    EXPECT_EQ(open.C1(), 0.1235);
    EXPECT_EQ(open.C2(), 1.0312);
    EXPECT_EQ(open.C3(), -0.6562);
    EXPECT_EQ(open.OffsetDelay(), 29.243);
    EXPECT_EQ(open.OffsetLoss(), 2.2);
    EXPECT_EQ(open.OffsetZ0(), 50.0);
    EXPECT_EQ(open.MinFreq(), 0.045);
    EXPECT_EQ(open.MaxFreq(), 26.5);
    EXPECT_EQ(open.Medium(), TMedium::Coax);

    EXPECT_EQ(kit->Standard(2).StdType(), TStdType::Short);
    EXPECT_EQ(kit->Standard(2).Medium(), TMedium::Waveguide);
    EXPECT_EQ(kit->Standard(3).StdType(), TStdType::Thru);
    EXPECT_EQ(kit->Standard(3).C0(), 10.0);
    EXPECT_EQ(kit->Standard(4).StdType(), TStdType::Thru);
    EXPECT_EQ(kit->Standard(4).OffsetDelay(), 1000.0);
    EXPECT_EQ(kit->Standard(4).OffsetZ0(), 25.0);
    EXPECT_EQ(kit->Standard(4).MaxFreq(), 18.0);
    EXPECT_EQ(kit->Standard(5).StdType(), TStdType::ArbiZ);
    EXPECT_EQ(kit->Standard(5).TermZ(), 75.0);
    EXPECT_EQ(kit->Standard(5).LoadType(), TLoadType::Fixed);
    EXPECT_EQ(kit->Standard(6).StdType(), TStdType::None);
    EXPECT_EQ(kit->Standard(6).OffsetZ0(), 1.0);
    EXPECT_EQ(kit->Standard(6).Medium(), TMedium::Coax);
    EXPECT_EQ(kit->Standard(7).StdType(), TStdType::None);
    EXPECT_EQ(kit->Standard(7).OffsetZ0(), 0.001);
    EXPECT_EQ(kit->Standard(7).MaxFreq(), 0.0);
    EXPECT_EQ(kit->Standard(8).StdType(), TStdType::Load);
    EXPECT_EQ(kit->Standard(8).LoadType(), TLoadType::Fixed);
    EXPECT_EQ(kit->Standard(8).OffsetDelay(), 0.0);
    EXPECT_EQ(kit->Standard(8).OffsetZ0(), 0.001);
    EXPECT_EQ(kit->Standard(8).Medium(), TMedium::Coax);
    // Labels and classes are not read.
    EXPECT_EQ(kit->Standard(8).Label(), "keep");
    EXPECT_EQ(kit->StdClass(3).Values(), (TStdClassValues{{1, 2, 0, 0, 0, 0, 0}, "kept"}));

    EXPECT_EQ(kit->SystemZ0(), 75.0);
    EXPECT_EQ(kit->TrlCalZ0(), TTrlCalZ0::SystemZ0);
    EXPECT_EQ(kit->TrlSetRef(), TTrlSetRef::Reflect);
}

TEST(Upload8753, TrlRepliesAndModelsWithoutTrl)
{
    TLegacyScript script;
    script.Replies = {{"CALZLINE?", "1"}, {"SETRTHRU?", "1"}, {"SETZ?", "garbage"}};
    auto kit = NewKit("8722D/E");
    kit->SetTrlCalZ0(TTrlCalZ0::None);
    kit->SetTrlSetRef(TTrlSetRef::None);
    TRecordingCard card;
    card.Responder = script;
    kit->Vna().UploadKit(*kit, card, card.Progress());
    EXPECT_EQ(kit->TrlCalZ0(), TTrlCalZ0::LineZ0);
    EXPECT_EQ(kit->TrlSetRef(), TTrlSetRef::Thru);
    EXPECT_EQ(kit->SystemZ0(), 0.001); // no number: 0, clamped

    auto plain = NewKit("8752A/B/C");
    TRecordingCard plainCard;
    plain->Vna().UploadKit(*plain, plainCard, plainCard.Progress());
    const Lines writes = plainCard.Writes();
    EXPECT_LINES(Lines(writes.end() - 3, writes.end()), (Lines{"SETZ?", "ENTO;", "OUTPSTAT;"}));
}

TEST(Upload8753, AnalyzerErrorAtTheEndRaisesAndKeepsWhatWasRead)
{
    int statusQueries = 0;
    TLegacyScript script;
    script.Replies = {{"1:STDTDELA?", "1"}, {"OUTPERRO;", "21,\"KIT NOT SAVED\""}};
    auto kit = NewKit("8753D/E");
    TRecordingCard card;
    card.Responder = [&](const Lines& lines) {
        if (lines.back() == "OUTPSTAT;")
            return std::string(++statusQueries == 1 ? "0" : "8");
        return script(lines);
    };
    try {
        kit->Vna().UploadKit(*kit, card, card.Progress());
        FAIL() << "no error raised";
    } catch (const EGpibException& e) {
        EXPECT_STREQ(e.what(), "VNA reports an error: 21,\"KIT NOT SAVED\"");
    }
    EXPECT_EQ(kit->Standard(1).StdType(), TStdType::Thru);
    EXPECT_EQ(card.Steps, 10);
}
