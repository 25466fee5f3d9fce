// Sending kits to the 8510A, 8510B and 8510C: the kit-slot option, the 8510 offset words,
// inductance of shorts, every class, and no error status.
#include "RecordingCard.h"
#include "TransferKits.h"

#include <gtest/gtest.h>

namespace {

const std::string Step = TRecordingCard::Step;

void DefineCommonStandards(TCalKit& kit)
{
    kit.SetLabel("K8510");
    kit.SetSystemZ0(50);
    Define(kit, 1,
           {.StdType = TStdType::Short,
            .C0 = 2.25,
            .C1 = -0.5,
            .C2 = 0.0001,
            .C3 = 5e-5,
            .OffsetDelay = 16.5,
            .OffsetZ0 = 50,
            .OffsetLoss = 1.1,
            .MinFreq = 0,
            .MaxFreq = 999,
            .Label = "SHORT"});
    Define(kit, 4,
           {.StdType = TStdType::Load,
            .LoadType = TLoadType::Sliding,
            .OffsetZ0 = 50,
            .MinFreq = 2,
            .MaxFreq = 18,
            .Label = "SLIDE"});
    Define(kit, 21, {.StdType = TStdType::Thru, .OffsetZ0 = 50, .MaxFreq = 999, .Label = "THRU\"\""});
    Assign(kit, 2, {3, 0, 0, 0, 0, 0, 21}, "SHORTS");
    Assign(kit, 11, {4, 0, 0, 0, 0, 0, 0}, "ISO");
}

} // namespace

TEST(Download8510, The8510ASendsNoInductanceAndNoTrlSettings)
{
    auto kit = NewKit("8510A");
    DefineCommonStandards(*kit);
    TRecordingCard card;
    kit->Vna().DownloadKit(*kit, card, card.Progress());

    const Lines expected = Join({
        {"MODI2;", Step},
        {"DEFS1; STDTSHOR;", "OFFD 16.5PS;", "OFFL 1100000000;", "OFFZ 50;", "MINF 0GHz;", "MAXF 999GHz;",
         "COAX;", "LABS\"SHORT\";", "STDD;", Step},
        {"DEFS4; STDTLOAD;", "SLIL;", "OFFD 0PS;", "OFFL 0;", "OFFZ 50;", "MINF 2GHz;", "MAXF 18GHz;", "COAX;",
         "LABS\"SLIDE\";", "STDD;", Step},
        {"DEFS21; STDTDELA;", "OFFD 0PS;", "OFFL 0;", "OFFZ 50;", "MINF 0GHz;", "MAXF 999GHz;", "COAX;",
         "LABS\"THRU\";", "STDD;", Step},
        // Class 11 of the 8510A is the response class.
        {"SPECS11B 3,21;", "CLAD;", "LABES11B\"SHORTS\";", "SPECRESP 4;", "CLAD;", "LABERESP\"ISO\";", Step},
        {"LABK\"K8510\";", "KITD;", "SETZ 50;", "ENTO;", Step},
    });
    EXPECT_LINES(card.Lines, expected);
    EXPECT_EQ(card.Steps, kit->DownloadSteps());
    EXPECT_EQ(card.Reads, 0);
}

TEST(Download8510, The8510BAndCSendInductanceOffsetLoadsAndTrlSettings)
{
    for (const char* model : {"8510B", "8510C"}) {
        SCOPED_TRACE(model);
        TVna& vna = Model(model);
        SelectedOptionGuard guard(vna);
        vna.SelectOption(1);
        auto kit = NewKit(model);
        DefineCommonStandards(*kit);
        kit->Standard(4).SetLoadType(TLoadType::Offset);
        Define(*kit, 9,
               {.StdType = TStdType::ArbiZ,
                .LoadType = TLoadType::Offset,
                .OffsetZ0 = 25,
                .MaxFreq = 999,
                .Medium = TMedium::Waveguide,
                .TermZ = 1000,
                .Label = "AZ"});
        kit->SetTrlCalZ0(TTrlCalZ0::SystemZ0);
        kit->SetTrlSetRef(TTrlSetRef::Reflect);
        kit->SetLowbandFrequency(0.5);
        TRecordingCard card;
        vna.DownloadKit(*kit, card, card.Progress());

        const Lines expected = Join({
            {"MODI1;", Step},
            {"DEFS1; STDTSHOR;", "L0 2.25;", "L1 -0.5;", "L2 0.0001;", "L3 5E-5;", "OFFD 16.5PS;",
             "OFFL 1100000000;", "OFFZ 50;", "MINF 0GHz;", "MAXF 999GHz;", "COAX;", "LABS\"SHORT\";", "STDD;",
             Step},
            {"DEFS4; STDTLOAD;", "OFFS;", "OFFD 0PS;", "OFFL 0;", "OFFZ 50;", "MINF 2GHz;", "MAXF 18GHz;", "COAX;",
             "LABS\"SLIDE\";", "STDD;", Step},
            {"DEFS9; STDTARBI;", "OFFS;", "TERI 1000;", "OFFD 0PS;", "OFFL 0;", "OFFZ 25;", "MINF 0GHz;",
             "MAXF 999GHz;", "WAVE;", "LABS\"AZ\";", "STDD;", Step},
            {"DEFS21; STDTDELA;", "OFFD 0PS;", "OFFL 0;", "OFFZ 50;", "MINF 0GHz;", "MAXF 999GHz;", "COAX;",
             "LABS\"THRU\";", "STDD;", Step},
            // Class 11 of the B and C is forward isolation.
            {"SPECS11B 3,21;", "CLAD;", "LABES11B\"SHORTS\";", "SPECFWDI 4;", "CLAD;", "LABEFWDI\"ISO\";", Step},
            {"LABK\"K8510\";", "CALZSYST;", "SETRREFL;", "LOWF 0.5GHz;", "KITD;", "SETZ 50;", "ENTO;", Step},
        });
        EXPECT_LINES(card.Lines, expected);
    }
}

TEST(Download8510, EveryClassGoesOverWhateverTheCalibrationType)
{
    auto kit = NewKit("8510C");
    for (int n = 1; n <= 17; ++n)
        Assign(*kit, n, {0, 0, 0, 0, 0, 0, n}, "");
    kit->SetCalType(ctTrl);
    TRecordingCard card;
    kit->Vna().DownloadKit(*kit, card, card.Progress());
    Lines specs;
    for (const std::string& write : card.Writes())
        if (write.rfind("SPEC", 0) == 0)
            specs.push_back(write);
    EXPECT_LINES(specs, (Lines{"SPECS11A 1;", "SPECS11B 2;", "SPECS11C 3;", "SPECS22A 4;", "SPECS22B 5;",
                               "SPECS22C 6;", "SPECFWDT 7;", "SPECREVT 8;", "SPECFWDM 9;", "SPECREVM 10;",
                               "SPECFWDI 11;", "SPECREVI 12;", "SPECRESP 13;", "SPECTRLT 14;", "SPECTRLR 15;",
                               "SPECTRLL 16;", "SPECADAP 17;"}));
}
