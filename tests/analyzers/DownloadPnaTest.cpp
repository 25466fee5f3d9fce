// Sending kits to the PNA models: SCPI commands into the selected user kit slot.
#include "RecordingCard.h"
#include "TransferKits.h"

#include <gtest/gtest.h>

namespace {

const std::string Step = TRecordingCard::Step;
const std::string S = "sens:corr:coll:ckit:stan:";

std::unique_ptr<TCalKit> PnaKit(const std::string& model)
{
    auto kit = NewKit(model);
    kit->SetLabel("85052D 3.5mm");
    kit->SetSystemZ0(75);
    Define(*kit, 1,
           {.StdType = TStdType::Open,
            .C0 = 12.5,
            .C1 = -390.5,
            .C2 = 0.0123,
            .C3 = 0,
            .OffsetDelay = 29.243,
            .OffsetZ0 = 50,
            .OffsetLoss = 2.2,
            .MinFreq = 0,
            .MaxFreq = 999,
            .Label = "Open"});
    Define(*kit, 2,
           {.StdType = TStdType::Short,
            .C0 = 2.1,
            .C1 = 0,
            .C2 = -1e-5,
            .C3 = 7,
            .OffsetDelay = 1e-6,
            .OffsetZ0 = 0,
            .MinFreq = 0.0001,
            .MaxFreq = 1e9,
            .Medium = TMedium::Waveguide,
            .Label = "Short's"});
    Define(*kit, 5, {.StdType = TStdType::Load, .LoadType = TLoadType::Sliding, .OffsetZ0 = 50, .MaxFreq = 999,
                     .Label = ""});
    Define(*kit, 6, {.StdType = TStdType::Load, .OffsetZ0 = 50, .MaxFreq = 999, .Label = "Load"});
    Define(*kit, 8, {.StdType = TStdType::Thru, .OffsetZ0 = 50, .MaxFreq = 999, .Label = "Thru"});
    Assign(*kit, 4, {5, 6, 0, 0, 0, 0, 0}, "");
    Assign(*kit, 8, {0, 3, 0, 0, 0, 0, 7}, "");
    return kit;
}

const Lines StandardWrites = {
    // standard 1
    "sens:corr:coll:ckit:stan 1", S + "type open;", S + "C0 12.5", S + "C1 -390.5", S + "C2 0.0123", S + "C3 0",
    S + "delay 29.243ps", S + "loss 2200000000", S + "imp 50", S + "fmin 0ghz", S + "fmax 999ghz", S + "char coax",
    S + "label 'Open'", Step,
    // standard 2: a short with inductance; the quote of its label is doubled
    "sens:corr:coll:ckit:stan 2", S + "type short", S + "L0 2.1", S + "L1 0", S + "L2 -1E-5", S + "L3 7",
    S + "delay 1E-6ps", S + "loss 0", S + "imp 0", S + "fmin 0.0001ghz", S + "fmax 1000000000ghz",
    S + "char wave", S + "label 'Short''s'", Step,
    // standards 5, 6 and 8
    "sens:corr:coll:ckit:stan 5", S + "type sload", S + "delay 0ps", S + "loss 0", S + "imp 50", S + "fmin 0ghz",
    S + "fmax 999ghz", S + "char coax", S + "label ''", Step,
    "sens:corr:coll:ckit:stan 6", S + "type load", S + "delay 0ps", S + "loss 0", S + "imp 50", S + "fmin 0ghz",
    S + "fmax 999ghz", S + "char coax", S + "label 'Load'", Step,
    "sens:corr:coll:ckit:stan 8", S + "type thru", S + "delay 0ps", S + "loss 0", S + "imp 50", S + "fmin 0ghz",
    S + "fmax 999ghz", S + "char coax", S + "label 'Thru'", Step};

} // namespace

TEST(DownloadPna, TwoPortKitGoesIntoSlotTen)
{
    auto kit = PnaKit("PNA");
    TRecordingCard card;
    kit->Vna().DownloadKit(*kit, card, card.Progress());

    const Lines expected = Join({
        {"*CLS", "sens:corr:coll:ckit:sel 10", Step},
        StandardWrites,
        {"sens:corr:coll:ckit:order4 5,6 ", "sens:corr:coll:ckit:order8 3,7 ", Step},
        {"sens:corr:coll:ckit:name '85052D 3.5mm'", "sens:corr:imp:inp:magn 75", Step},
    });
    EXPECT_LINES(card.Lines, expected);
    EXPECT_EQ(card.Steps, kit->DownloadSteps());
    EXPECT_EQ(card.Reads, 0);
}

TEST(DownloadPna, ThreePortKitSendsFifteenClassesIntoTheChosenSlot)
{
    TVna& vna = Model("PNA 3port");
    SelectedOptionGuard guard(vna);
    vna.SelectOption(1);
    auto kit = PnaKit("PNA 3port");
    kit->SetLabel("it's;*RST");
    for (int n = 9; n <= 15; ++n)
        Assign(*kit, n, {n - 8, 0, 0, 0, 0, 0, 0}, "");
    TRecordingCard card;
    vna.DownloadKit(*kit, card, card.Progress());

    const Lines expected = Join({
        {"*CLS", "sens:corr:coll:ckit:sel 7", Step},
        StandardWrites,
        {"sens:corr:coll:ckit:order4 5,6 ", "sens:corr:coll:ckit:order8 3,7 ", "sens:corr:coll:ckit:order9 1 ",
         "sens:corr:coll:ckit:order10 2 ", "sens:corr:coll:ckit:order11 3 ", "sens:corr:coll:ckit:order12 4 ",
         "sens:corr:coll:ckit:order13 5 ", "sens:corr:coll:ckit:order14 6 ", "sens:corr:coll:ckit:order15 7 ", Step},
        {"sens:corr:coll:ckit:name 'it''s;*RST'", "sens:corr:imp:inp:magn 75", Step},
    });
    EXPECT_LINES(card.Lines, expected);
}

TEST(DownloadPna, KitWithoutStandardsStillNamesItself)
{
    auto kit = NewKit("PNA");
    TRecordingCard card;
    kit->Vna().DownloadKit(*kit, card, card.Progress());
    EXPECT_LINES(card.Lines, (Lines{"*CLS", "sens:corr:coll:ckit:sel 10", Step, Step,
                                    "sens:corr:coll:ckit:name 'New Kit'", "sens:corr:imp:inp:magn 50", Step}));
}
