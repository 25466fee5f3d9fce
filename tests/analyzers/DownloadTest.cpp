// Kits sent to each family, write by write, with the progress steps between the writes,
// against sequences written out by hand. Labels holding quotes show the safe label forms.
#include "RecordingCard.h"

#include <gtest/gtest.h>

namespace {

const std::string P = TRecordingCard::Step;

Lines Send(TCalKit& kit, TRecordingCard& card)
{
    kit.Vna().DownloadKit(kit, card, card.Progress());
    EXPECT_EQ(card.Steps, kit.DownloadSteps());
    return card.Lines;
}

// The worked examples: open 3 and class S11A, an offset load, a class with gaps, a TRL
// class, and a kit label that would preset the analyzer if its quote went over.
std::unique_ptr<TCalKit> Kit8753(const std::string& model)
{
    auto kit = NewKit(model);
    kit->SetLabel("\";PRES;");
    kit->SetSystemZ0(75);
    kit->SetTrlCalZ0(TTrlCalZ0::SystemZ0);
    kit->SetTrlSetRef(TTrlSetRef::Reflect);
    Define(*kit, 3, {.StdType = TStdType::Open, .C0 = 62.5, .OffsetDelay = 29.243, .OffsetZ0 = 50,
                     .OffsetLoss = 2.2, .MinFreq = 0, .MaxFreq = 999, .Label = "OPEN"});
    Define(*kit, 5, {.StdType = TStdType::Load, .LoadType = TLoadType::Offset, .OffsetDelay = -12.5,
                     .OffsetZ0 = 0.001, .OffsetLoss = 0.0001, .MinFreq = 0.045, .MaxFreq = 26.5,
                     .Medium = TMedium::Waveguide, .Label = "LO\"AD"});
    Assign(*kit, 1, {1, 5, 0, 0, 0, 0, 0}, "OPEN");
    Assign(*kit, 7, {0, 0, 4, 0, 0, 0, 8}, "F\"WD");
    Assign(*kit, 13, {2, 0, 0, 0, 0, 0, 0}, "TL");
    return kit;
}

} // namespace

TEST(Download8753, SoltKitWithTheWorkedExamples)
{
    auto kit = Kit8753("8753D/E");
    TRecordingCard card;
    EXPECT_LINES(Send(*kit, card),
                 (Lines{"OUTPSTAT;", P,
                        "DEFS3; STDTOPEN;", "C0 62.5;", "C1 0;", "C2 0;", "C3 0;", "OFSD 29.243PS;", "OFSL 2200000000;",
                        "OFSZ 50;", "MINF 0GHz;", "MAXF 999GHz;", "COAX;", "LABS \"OPEN\";", "STDD;", P,
                        "DEFS5; STDTLOAD;", "OFLS;", "OFSD -12.5PS;", "OFSL 100000;", "OFSZ 0.001;", "MINF 0.045GHz;",
                        "MAXF 26.5GHz;", "WAVE;", "LABS \"LOAD\";", "STDD;", P,
                        "SPECS11A 1,5;", "CLAD;", "LABES11A \"OPEN\";", "SPECFWDT 4,8;", "CLAD;", "LABEFWDT \"FWD\";", P,
                        "LABK \";PRES;\";", "CALZSYST;", "SETRREFL;", "KITD;", "SETZ 75;", "ENTO;", P, "OUTPSTAT;"}));
}

TEST(Download8753, ClassesFollowTheCalibrationTypeAndTheModel)
{
    auto trl = Kit8753("8753D/E");
    trl->SetCalType(ctTrl);
    TRecordingCard trlCard;
    Send(*trl, trlCard);
    EXPECT_LINES(Starting(trlCard, "SPEC"), (Lines{"SPECTRLT 2;"}));

    // No TRL settings on the 8753A/B/C; arbitrary impedances with sliding loads.
    auto abc = NewKit("8753A/B/C");
    Define(*abc, 8, {.StdType = TStdType::ArbiZ, .LoadType = TLoadType::Sliding, .OffsetDelay = 1e-6,
                     .OffsetZ0 = 50, .MaxFreq = 1000, .TermZ = 75.25, .Label = "ARB"});
    TRecordingCard abcCard;
    EXPECT_LINES(Send(*abc, abcCard),
                 (Lines{"OUTPSTAT;", P, "DEFS8; STDTARBI;", "SLIL;", "TERI 75.25;", "OFSD 1E-6PS;", "OFSL 0;", "OFSZ 50;",
                        "MINF 0GHz;", "MAXF 1000GHz;", "COAX;", "LABS \"ARB\";", "STDD;", P, P, "LABK \"New Kit\";",
                        "KITD;", "SETZ 50;", "ENTO;", P, "OUTPSTAT;"}));

    // The old TRL* menu's own class codes.
    auto dtrl = NewKit("8753Dtrl");
    Lines expected;
    int n = 0;
    for (const char* code : {"TRFM", "TLFM", "TLFT", "TRRM", "TLRM", "TLRT", "TTFT", "TTRT", "TTFM", "TTRM", "RESP",
                             "RESI"}) {
        ++n;
        Assign(*dtrl, n, {0, n % 8 + 1, 0, 0, 0, 0, 0}, "");
        expected.push_back(std::string("SPEC") + code + " " + std::to_string(n % 8 + 1) + ";");
    }
    TRecordingCard dtrlCard;
    Send(*dtrl, dtrlCard);
    EXPECT_LINES(Starting(dtrlCard, "SPEC"), expected);
}

TEST(Download8753, QueuedErrorsAreReadAwayAndAnErrorAtTheEndRaises)
{
    auto kit = NewKit("8753D/E");
    TRecordingCard card;
    std::size_t status = 0;
    // 8 and 12 have the error bit, 7 has not; then the final status.
    card.Responder = [&](const Lines& lines) -> std::string {
        const Lines statuses{" 8 ", "12", "7", "8"};
        return lines.back() == "OUTPSTAT;" ? statuses.at(status++) : "33,\"SYNTAX ERROR\"";
    };
    try {
        Send(*kit, card);
        FAIL() << "no error raised";
    } catch (const EGpibException& e) {
        EXPECT_STREQ(e.what(), "VNA reports an error: 33,\"SYNTAX ERROR\"");
    }
    const Lines writes = card.Writes();
    EXPECT_LINES(Lines(writes.begin(), writes.begin() + 6),
                 (Lines{"OUTPSTAT;", "OUTPERRO;", "OUTPSTAT;", "OUTPERRO;", "OUTPSTAT;", "LABK \"New Kit\";"}));
    EXPECT_EQ(writes.back(), "OUTPERRO;");

    // An error that stays is read 20 times; a status that is no number counts as none.
    for (const char* reply : {"8", "+8x"}) {
        TRecordingCard persistent;
        persistent.Responder = [reply](const Lines&) { return reply; };
        try {
            Send(*kit, persistent);
        } catch (const EGpibException&) {
        }
        const auto labk = std::find(persistent.Lines.begin(), persistent.Lines.end(), "LABK \"New Kit\";");
        EXPECT_EQ(Starting(persistent, "OUTPERRO;").size(), std::string(reply) == "8" ? 21u : 0u);
        EXPECT_EQ(labk - persistent.Lines.begin(), std::string(reply) == "8" ? 42 : 3);
    }
}

TEST(Download8510, OptionOffsetsInductanceAndEveryClass)
{
    for (const char* model : {"8510A", "8510B", "8510C"}) {
        SCOPED_TRACE(model);
        TVna& vna = Model(model);
        const bool bc = vna.ShortHasInductance;
        SelectedOptionGuard guard(vna);
        if (bc)
            vna.SelectOption(1);
        auto kit = NewKit(model);
        kit->SetLabel("K8510");
        kit->SetLowbandFrequency(0.5);
        kit->SetTrlCalZ0(TTrlCalZ0::SystemZ0);
        Define(*kit, 1, {.StdType = TStdType::Short, .C0 = 2.25, .C1 = -0.5, .C2 = 0.0001, .C3 = 5e-5,
                         .OffsetDelay = 16.5, .OffsetZ0 = 50, .OffsetLoss = 1.1, .MaxFreq = 999, .Label = "SHORT"});
        Define(*kit, 4, {.StdType = TStdType::Load, .LoadType = bc ? TLoadType::Offset : TLoadType::Sliding,
                         .OffsetZ0 = 50, .MinFreq = 2, .MaxFreq = 18, .Label = "LOAD"});
        Define(*kit, 21, {.StdType = TStdType::Thru, .OffsetZ0 = 50, .MaxFreq = 999, .Label = "THRU\"\""});
        Assign(*kit, 2, {3, 0, 0, 0, 0, 0, 21}, "SHORTS");
        Assign(*kit, 11, {4, 0, 0, 0, 0, 0, 0}, "X");
        kit->SetCalType(ctTrl); // no selection of classes on the 8510
        TRecordingCard card;
        Lines expected{bc ? "MODI1;" : "MODI2;", P, "DEFS1; STDTSHOR;"};
        if (bc)
            expected.insert(expected.end(), {"L0 2.25;", "L1 -0.5;", "L2 0.0001;", "L3 5E-5;"});
        expected.insert(expected.end(),
                        {"OFFD 16.5PS;", "OFFL 1100000000;", "OFFZ 50;", "MINF 0GHz;", "MAXF 999GHz;", "COAX;",
                         "LABS\"SHORT\";", "STDD;", P, "DEFS4; STDTLOAD;", bc ? "OFFS;" : "SLIL;", "OFFD 0PS;",
                         "OFFL 0;", "OFFZ 50;", "MINF 2GHz;", "MAXF 18GHz;", "COAX;", "LABS\"LOAD\";", "STDD;", P,
                         "DEFS21; STDTDELA;", "OFFD 0PS;", "OFFL 0;", "OFFZ 50;", "MINF 0GHz;", "MAXF 999GHz;",
                         "COAX;", "LABS\"THRU\";", "STDD;", P, "SPECS11B 3,21;", "CLAD;", "LABES11B\"SHORTS\";",
                         bc ? "SPECFWDI 4;" : "SPECRESP 4;", "CLAD;", bc ? "LABEFWDI\"X\";" : "LABERESP\"X\";", P,
                         "LABK\"K8510\";"});
        if (bc)
            expected.insert(expected.end(), {"CALZSYST;", "SETRTHRU;", "LOWF 0.5GHz;"});
        expected.insert(expected.end(), {"KITD;", "SETZ 50;", "ENTO;", P});
        EXPECT_LINES(Send(*kit, card), expected);
    }
}

TEST(DownloadPna, KitGoesIntoTheSelectedSlot)
{
    const std::string S = "sens:corr:coll:ckit:stan:";
    auto kit = NewKit("PNA");
    kit->SetLabel("it's;*RST");
    Define(*kit, 1, {.StdType = TStdType::Open, .C0 = 12.5, .C1 = -390.5, .C2 = 0.0123, .OffsetDelay = 29.243,
                     .OffsetZ0 = 50, .OffsetLoss = 2.2, .MaxFreq = 999, .Label = "Open"});
    Define(*kit, 2, {.StdType = TStdType::Short, .C0 = 2.1, .C2 = -1e-5, .C3 = 7, .OffsetDelay = 1e-6, .OffsetZ0 = 0,
                     .MinFreq = 0.0001, .MaxFreq = 1e9, .Medium = TMedium::Waveguide, .Label = "Short's"});
    Define(*kit, 5, {.StdType = TStdType::Load, .LoadType = TLoadType::Sliding, .OffsetZ0 = 50, .MaxFreq = 999});
    Define(*kit, 6, {.StdType = TStdType::Load, .OffsetZ0 = 50, .MaxFreq = 999, .Label = "L"});
    Define(*kit, 8, {.StdType = TStdType::Thru, .OffsetZ0 = 50, .MaxFreq = 999, .Label = "T"});
    Assign(*kit, 4, {5, 6, 0, 0, 0, 0, 0}, "");
    Assign(*kit, 8, {0, 3, 0, 0, 0, 0, 7}, "");
    TRecordingCard card;
    EXPECT_LINES(Send(*kit, card),
                 (Lines{"*CLS", "sens:corr:coll:ckit:sel 10", P,
                        "sens:corr:coll:ckit:stan 1", S + "type open;", S + "C0 12.5", S + "C1 -390.5", S + "C2 0.0123",
                        S + "C3 0", S + "delay 29.243ps", S + "loss 2200000000", S + "imp 50", S + "fmin 0ghz",
                        S + "fmax 999ghz", S + "char coax", S + "label 'Open'", P,
                        "sens:corr:coll:ckit:stan 2", S + "type short", S + "L0 2.1", S + "L1 0", S + "L2 -1E-5",
                        S + "L3 7", S + "delay 1E-6ps", S + "loss 0", S + "imp 0", S + "fmin 0.0001ghz",
                        S + "fmax 1000000000ghz", S + "char wave", S + "label 'Short''s'", P,
                        "sens:corr:coll:ckit:stan 5", S + "type sload", S + "delay 0ps", S + "loss 0", S + "imp 50",
                        S + "fmin 0ghz", S + "fmax 999ghz", S + "char coax", S + "label ''", P,
                        "sens:corr:coll:ckit:stan 6", S + "type load", S + "delay 0ps", S + "loss 0", S + "imp 50",
                        S + "fmin 0ghz", S + "fmax 999ghz", S + "char coax", S + "label 'L'", P,
                        "sens:corr:coll:ckit:stan 8", S + "type thru", S + "delay 0ps", S + "loss 0", S + "imp 50",
                        S + "fmin 0ghz", S + "fmax 999ghz", S + "char coax", S + "label 'T'", P,
                        "sens:corr:coll:ckit:order4 5,6 ", "sens:corr:coll:ckit:order8 3,7 ", P,
                        "sens:corr:coll:ckit:name 'it''s;*RST'", "sens:corr:imp:inp:magn 50", P}));

    // The 3-port model: slot 7 with option 1, and its classes 9 to 15.
    TVna& threePort = Model("PNA 3port");
    SelectedOptionGuard guard(threePort);
    threePort.SelectOption(1);
    auto kit3 = NewKit("PNA 3port");
    Assign(*kit3, 15, {0, 0, 0, 0, 0, 0, 8}, "");
    TRecordingCard card3;
    EXPECT_LINES(Send(*kit3, card3), (Lines{"*CLS", "sens:corr:coll:ckit:sel 7", P, "sens:corr:coll:ckit:order15 8 ",
                                            P, "sens:corr:coll:ckit:name 'New Kit'", "sens:corr:imp:inp:magn 50", P}));
}
