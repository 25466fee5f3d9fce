// Kits read from each family: the queries in order, and what the replies become (yes only
// for "1", second characters, keywords, unquoting, 4 decimals with ties to even, units).
#include "RecordingCard.h"

#include <gtest/gtest.h>

namespace {

const std::string P = TRecordingCard::Step;
const std::string K = "sens:corr:coll:ckit:";
const std::string S = K + "stan:";
using T = TStdType;
using Std = std::array<std::int32_t, 7>;

void Read(TCalKit& kit, TRecordingCard& card, const TScript& script)
{
    card.Responder = script;
    kit.Vna().UploadKit(kit, card, card.Progress());
    EXPECT_EQ(card.Steps, kit.UploadSteps());
}

// Standards 1.. of kit; without the labels of a legacy analyzer, which keeps each kit's own.
void ExpectStandards(const TCalKit& kit, const std::vector<TStandardValues>& expected, bool legacy = true)
{
    for (std::size_t n = 1; n <= expected.size(); ++n) {
        TStandardValues values = expected[n - 1];
        if (legacy)
            values.Label = "std" + std::to_string(n);
        EXPECT_EQ(kit.Standard(static_cast<int>(n)).Values(), values) << "standard " << n;
    }
}

} // namespace

TEST(Upload8753, QueriesInOrderAndWhatTheRepliesBecome)
{
    TScript script{"DEFS", {}};
    script.Replies = {
        // exact ties (n/32) round to the even neighbour
        {"1:STDTOPEN?", "1"}, {"1:C0", " 6.25E+01"}, {"1:C1", " 0.123456"}, {"1:C2", "1.03125"}, {"1:C3", "-6.5625E-01"},
        {"1:OFSD", " 2.9243E-11"}, {"1:OFSL", " 2.2E+09"}, {"1:MINF", " 4.5E+07"}, {"1:MAXF", " 2.65E+10"},
        {"2:STDTSHOR?", "1"}, {"2:COAX?", "0"},
        {"3:STDTOPEN?", "1"}, {"3:STDTDELA?", "1"}, // the later yes wins
        {"4:STDTDELA?", "1"}, {"4:OFSD", "1E-9"}, {"4:OFSZ", "25"},
        {"5:STDTARBI?", "1"}, {"5:TERI", " 7.5E+01"},
        {"6:STDTOPEN?", " 1"}, {"6:OFSZ", " 1"}, {"6:COAX?", ""}, // a blank makes no yes, but a number
        {"8:STDTLOAD?", "1"}, {"8:OFSD", "abc"},
        {"SETZ?", " 7.5E+01"}, {"CALZLINE?", "0"}, {"SETRTHRU?", "0"}, {"OFSZ", "50"}, {"COAX?", "1"},
    };
    auto kit = NewKit("8753D/E");
    Assign(*kit, 3, {1, 2, 0, 0, 0, 0, 0}, "kept");
    TRecordingCard card;
    Read(*kit, card, script);
    ExpectStandards(*kit, {{.StdType = T::Open, .C0 = 62.5, .C1 = 0.1235, .C2 = 1.0312, .C3 = -0.6562,
                            .OffsetDelay = 29.243, .OffsetLoss = 2.2, .MinFreq = 0.045, .MaxFreq = 26.5},
                           {.StdType = T::Short, .MaxFreq = 0, .Medium = TMedium::Waveguide},
                           {.StdType = T::Thru, .MaxFreq = 0},
                           {.StdType = T::Thru, .OffsetDelay = 1000, .OffsetZ0 = 25, .MaxFreq = 0},
                           {.StdType = T::ArbiZ, .MaxFreq = 0, .TermZ = 75},
                           {.OffsetZ0 = 1, .MaxFreq = 0},
                           {.MaxFreq = 0},
                           {.StdType = T::Load, .MaxFreq = 0}});
    EXPECT_EQ(kit->StdClass(3).Values(), (TStdClassValues{{1, 2, 0, 0, 0, 0, 0}, "kept"}));
    EXPECT_EQ(kit->SystemZ0(), 75.0);
    EXPECT_EQ(kit->TrlCalZ0(), TTrlCalZ0::SystemZ0);
    EXPECT_EQ(kit->TrlSetRef(), TTrlSetRef::Reflect);

    Lines expected{"OUTPSTAT;", P};
    for (int n = 1; n <= 8; ++n) {
        expected.insert(expected.end(), {"DEFS" + std::to_string(n) + ";", "STDTOPEN?"});
        if (n == 1 || n == 3)
            expected.insert(expected.end(), {"C0;", "OUTPACTI;", "C1;", "OUTPACTI;", "C2;", "OUTPACTI;", "C3;",
                                             "OUTPACTI;"});
        expected.insert(expected.end(), {"STDTSHOR?", "STDTLOAD?", "STDTARBI?"});
        if (n == 5)
            expected.insert(expected.end(), {"TERI;", "OUTPACTI;"});
        expected.insert(expected.end(), {"STDTDELA?", "OFSD;", "OUTPACTI;", "OFSL;", "OUTPACTI;", "OFSZ;", "OUTPACTI;",
                                         "MINF;", "OUTPACTI;", "MAXF;", "OUTPACTI;", "COAX?", P});
    }
    expected.insert(expected.end(), {"SETZ?", "CALZLINE?", "SETRTHRU?", "ENTO;", P, "OUTPSTAT;"});
    EXPECT_LINES(card.Lines, expected);
}

TEST(Upload8753, TrlSettingsOnlyWhereTheModelHasThemAndTheFinalStatus)
{
    auto kit = NewKit("8722D/E");
    TRecordingCard card;
    Read(*kit, card, TScript{"DEFS", {{"CALZLINE?", "1"}, {"SETRTHRU?", "1"}, {"SETZ?", "x"}}});
    EXPECT_EQ(kit->TrlCalZ0(), TTrlCalZ0::LineZ0);
    EXPECT_EQ(kit->TrlSetRef(), TTrlSetRef::Thru);
    EXPECT_EQ(kit->SystemZ0(), 0.001); // no number: 0, clamped to the model's minimum

    auto plain = NewKit("8752A/B/C");
    TRecordingCard plainCard;
    TScript script{"DEFS", {{"1:STDTDELA?", "1"}, {"OUTPERRO;", "21,\"KIT NOT SAVED\""}}};
    int statuses = 0;
    plainCard.Responder = [&](const Lines& lines) {
        return lines.back() == "OUTPSTAT;" ? std::string(++statuses == 1 ? "0" : "8") : script(lines);
    };
    try {
        plain->Vna().UploadKit(*plain, plainCard, plainCard.Progress());
        ADD_FAILURE() << "no error raised";
    } catch (const EGpibException& e) {
        EXPECT_STREQ(e.what(), "VNA reports an error: 21,\"KIT NOT SAVED\"");
    }
    EXPECT_EQ(plain->Standard(1).StdType(), TStdType::Thru); // what was read stays
    const Lines writes = plainCard.Writes();
    EXPECT_LINES(Lines(writes.end() - 4, writes.end()), (Lines{"SETZ?", "ENTO;", "OUTPSTAT;", "OUTPERRO;"}));
}

TEST(Upload8510, QueriesInOrderAndWhatTheRepliesBecome)
{
    TVna& vna = Model("8510B");
    SelectedOptionGuard guard(vna);
    vna.SelectOption(1);
    TScript script{"DEFS", {}};
    script.Otherwise = "";
    script.Replies = {
        {"1:STDT?;", "\"ARBI\""}, {"1:TERI", " 7.5E+01"}, {"1:LOAT?;", "\"OFFS\""},
        {"2:STDT?;", "\"SHOR\""}, {"2:L0", " 1.23456"}, {"2:L3", "2.71875E+00"}, {"2:MEDT?;", "\"WAVE\""},
        {"3:STDT?;", "\"OPEN\""}, {"3:C1", "1.09375"}, {"3:OFFD", " 2.9243E-11"}, {"3:OFFL", " 1.3E+09"},
        {"3:MINF", " 3E+09"},
        {"4:STDT?;", "\"LOAD\""}, {"4:LOAT?;", "\"SLIL\""},
        {"5:STDT?;", "\"DELA\""}, {"5:OFFZ", "50"},
        {"6:STDT?;", "O"}, // too short to judge: the type stays
        {"SETZ", " 5E+01"}, {"CALZ?;", "\"SYST\""}, {"SETR?;", "\"REFL\""}, {"LOWF", " 2.5E+09"},
    };
    auto kit = NewKit("8510B");
    kit->Standard(6).SetStdType(TStdType::Thru);
    TRecordingCard card;
    Read(*kit, card, script);
    const double z = 0.001; // no number, clamped
    ExpectStandards(*kit, {{.StdType = T::ArbiZ, .LoadType = TLoadType::Offset, .OffsetZ0 = z, .MaxFreq = 0,
                            .TermZ = 75},
                           {.StdType = T::Short, .C0 = 1.2346, .C3 = 2.7188, .OffsetZ0 = z, .MaxFreq = 0,
                            .Medium = TMedium::Waveguide},
                           {.StdType = T::Open, .C1 = 1.0938, .OffsetDelay = 29.243, .OffsetZ0 = z, .OffsetLoss = 1.3,
                            .MinFreq = 3, .MaxFreq = 0},
                           {.StdType = T::Load, .LoadType = TLoadType::Sliding, .OffsetZ0 = z, .MaxFreq = 0},
                           {.StdType = T::Thru, .MaxFreq = 0},
                           {.StdType = T::Thru, .OffsetZ0 = z, .MaxFreq = 0}});
    EXPECT_EQ(kit->SystemZ0(), 50.0);
    EXPECT_EQ(kit->TrlCalZ0(), TTrlCalZ0::SystemZ0);
    EXPECT_EQ(kit->TrlSetRef(), TTrlSetRef::Reflect);
    EXPECT_EQ(kit->LowbandFrequency(), 2.5);

    const Lines offsets{"OFFD;", "OUTPACTI;", "OFFL;", "OUTPACTI;", "OFFZ;", "OUTPACTI;",
                        "MINF;", "OUTPACTI;", "MAXF;", "OUTPACTI;", "MEDT?;", P};
    Lines expected{"MODI1;", P};
    for (int n = 1; n <= 21; ++n) {
        expected.insert(expected.end(), {"DEFS" + std::to_string(n) + ";", "STDT?;"});
        if (n == 1)
            expected.insert(expected.end(), {"TERI;", "OUTPACTI;", "LOAT?;"});
        if (n == 2 || n == 3)
            for (const char* c : {"0;", "1;", "2;", "3;"})
                expected.insert(expected.end(), {(n == 2 ? "L" : "C") + std::string(c), "OUTPACTI;"});
        if (n == 4)
            expected.push_back("LOAT?;");
        expected.insert(expected.end(), offsets.begin(), offsets.end());
    }
    expected.insert(expected.end(),
                    {"SETZ;", "OUTPACTI;", "CALZ?;", "SETR?;", "LOWF;", "OUTPACTI;", "ENTO;", "MENUCAL;", P});
    EXPECT_LINES(card.Lines, expected);

    // The 8510A: no inductance, no TRL settings, no low-band frequency; slot 2 by default.
    auto a = NewKit("8510A");
    TRecordingCard aCard;
    Read(*a, aCard, TScript{"DEFS", {{"1:STDT?;", "\"SHOR\""}}});
    EXPECT_EQ(a->Standard(1).StdType(), TStdType::Short);
    EXPECT_EQ(aCard.Writes().front(), "MODI2;");
    EXPECT_LINES(Starting(aCard, "L"), Lines{});
    EXPECT_LINES(Lines(aCard.Lines.end() - 5, aCard.Lines.end()), (Lines{"SETZ;", "OUTPACTI;", "ENTO;", "MENUCAL;", P}));
}

TEST(UploadPna, QueriesInOrderAndWhatTheRepliesBecome)
{
    TScript script{K + "stan ", {}};
    script.Replies = {
        {"1:" + S + "type?", "OPEN"}, {"1:" + S + "C0?", "+1.25E+01"}, {"1:" + S + "C1?", "0.123456"},
        {"1:" + S + "delay?", "+2.5E-11"}, {"1:" + S + "loss?", "1.3E9"}, {"1:" + S + "fmin?", "3E9"},
        {"1:" + S + "fmax?", " +2.65E+10 "}, {"1:" + S + "char?", " wave"}, {"1:" + S + "label?", "\"Open 3.5\""},
        {"2:" + S + "type?", " Short "}, {"2:" + S + "L0?", "2.10004"}, {"2:" + S + "label?", "'it''s'"},
        {"3:" + S + "type?", "SLOAD"},
        {"3:" + S + "label?", "\"a label that is longer than thirty characters\""},
        {"4:" + S + "type?", "load"}, {"4:" + S + "label?", "\""},
        {"5:" + S + "type?", "THRU"}, {"6:" + S + "type?", "ARBI"}, {"7:" + S + "type?", ""},
        {K + "olist1?", "1,2,0,0,0,0,0"}, {K + "olist2?", "9,1"}, {K + "olist3?", "3,5"},
        {K + "olist4?", "\"5,6,7,8,1,2,3\""}, {K + "olist5?", " 4 , x ,6"}, {K + "olist6?", "1,2,3,4,5,6,7,8"},
        {K + "name?", "\"My PNA kit\""}, {"sens:corr:imp:inp:magn?", "+7.5E+01"},
    };
    auto kit = NewKit("PNA 3port");
    kit->Standard(6).SetStdType(TStdType::Open);
    TRecordingCard card;
    Read(*kit, card, script);
    // Labels lose one quote at each end, nothing more; a reply of "0" is the label "0".
    ExpectStandards(*kit, {{.StdType = T::Open, .C0 = 12.5, .C1 = 0.1235, .OffsetDelay = 25, .OffsetZ0 = 0,
                            .OffsetLoss = 1.3, .MinFreq = 3, .MaxFreq = 26.5, .Medium = TMedium::Waveguide,
                            .Label = "Open 3.5"},
                           {.StdType = T::Short, .C0 = 2.1, .OffsetZ0 = 0, .MaxFreq = 0, .Label = "it''s"},
                           {.StdType = T::Load, .LoadType = TLoadType::Sliding, .OffsetZ0 = 0, .MaxFreq = 0,
                            .Label = "a label that is longer than th"},
                           {.StdType = T::Load, .OffsetZ0 = 0, .MaxFreq = 0, .Label = ""},
                           {.StdType = T::Thru, .OffsetZ0 = 0, .MaxFreq = 0, .Label = "0"},
                           {.OffsetZ0 = 0, .MaxFreq = 0, .Label = "0"},
                           {.OffsetZ0 = 0, .MaxFreq = 0, .Label = "0"}},
                    false);
    // Numbers fill the positions from the right; the rest stay 0.
    const Std olists[] = {{1, 2, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 3, 5},
                          {5, 6, 7, 8, 1, 2, 3}, {0, 0, 0, 0, 4, 0, 6}, {0, 3, 4, 5, 6, 7, 8}};
    for (int c = 1; c <= 6; ++c)
        EXPECT_EQ(kit->StdClass(c).Values().Std, olists[c - 1]) << "class " << c;
    EXPECT_EQ(kit->StdClass(15).Label(), "Thru");
    EXPECT_EQ(kit->Label(), "My PNA kit");
    EXPECT_EQ(kit->SystemZ0(), 75.0);

    Lines expected{"*CLS", P};
    for (int n = 1; n <= 8; ++n) {
        expected.insert(expected.end(), {K + "stan " + std::to_string(n), S + "type?"});
        if (n <= 2)
            for (const char* c : {"0?", "1?", "2?", "3?"})
                expected.push_back(S + (n == 1 ? "C" : "L") + c);
        expected.insert(expected.end(), {S + "delay?", S + "loss?", S + "imp?", S + "fmin?", S + "fmax?",
                                         S + "char?", S + "label?", P});
    }
    for (int c = 1; c <= 15; ++c)
        expected.push_back(K + "olist" + std::to_string(c) + "?");
    expected.insert(expected.end(), {P, K + "name?", "sens:corr:imp:inp:magn?", P});
    EXPECT_LINES(card.Lines, expected);
}

TEST(UploadPna, NoBusCardsZerosGiveAnEmptyKit)
{
    auto kit = NewKit("PNA");
    Define(*kit, 1, {.StdType = TStdType::Thru, .OffsetDelay = 5, .OffsetZ0 = 50, .MaxFreq = 999, .Label = "T"});
    Assign(*kit, 1, {1, 0, 0, 0, 0, 0, 0}, "S11A");
    TNoGpibCard card;
    kit->Vna().UploadKit(*kit, card, [] {});
    for (int n = 1; n <= 8; ++n) {
        const TStandard& s = kit->Standard(n);
        EXPECT_EQ(s.Values(), (TStandardValues{.OffsetZ0 = 0, .MaxFreq = 0, .TermZ = s.TermZ(), .Label = "0"}));
    }
    EXPECT_EQ(kit->StdClass(1).Values(), (TStdClassValues{{0, 0, 0, 0, 0, 0, 0}, "S11A"}));
    EXPECT_EQ(kit->Label(), "0");
    EXPECT_EQ(kit->SystemZ0(), 0.0);
}
