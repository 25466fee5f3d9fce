// Sending kits to the 8753 family: every write in order, the progress steps between them,
// the error status before and after.
#include "RecordingCard.h"
#include "TransferKits.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const std::string Step = TRecordingCard::Step;

// The open of the worked example: standard 3, 62.5 fF, 29.243 ps, 2.2 ohm/ns, 0 to 999 GHz.
const TStandardValues ExampleOpen{.StdType = TStdType::Open,
                                  .C0 = 62.5,
                                  .OffsetDelay = 29.243,
                                  .OffsetZ0 = 50,
                                  .OffsetLoss = 2.2,
                                  .MinFreq = 0,
                                  .MaxFreq = 999,
                                  .Label = "OPEN"};

const Lines ExampleOpenWrites{"DEFS3; STDTOPEN;", "C0 62.5;",   "C1 0;",        "C2 0;",         "C3 0;",
                              "OFSD 29.243PS;",   "OFSL 2200000000;", "OFSZ 50;", "MINF 0GHz;", "MAXF 999GHz;",
                              "COAX;",            "LABS \"OPEN\";",   "STDD;"};

// A kit on model with the example open, an offset load in waveguide, two SOLT classes and a
// TRL class.
std::unique_ptr<TCalKit> SoltAndTrlKit(const std::string& model)
{
    auto kit = NewKit(model);
    kit->SetLabel("MYKIT");
    kit->SetSystemZ0(75);
    kit->SetTrlCalZ0(TTrlCalZ0::SystemZ0);
    kit->SetTrlSetRef(TTrlSetRef::Reflect);
    Define(*kit, 3, ExampleOpen);
    Define(*kit, 5,
           {.StdType = TStdType::Load,
            .LoadType = TLoadType::Offset,
            .OffsetDelay = -12.5,
            .OffsetZ0 = 0.001,
            .OffsetLoss = 0.0001,
            .MinFreq = 0.045,
            .MaxFreq = 26.5,
            .Medium = TMedium::Waveguide,
            .Label = "LOAD"});
    Assign(*kit, 1, {1, 5, 0, 0, 0, 0, 0}, "OPEN");
    Assign(*kit, 7, {0, 0, 4, 0, 0, 0, 8}, "FWD");
    Assign(*kit, 13, {2, 0, 0, 0, 0, 0, 0}, "TL");
    return kit;
}

} // namespace

TEST(Download8753, SoltKitGoesOverCommandByCommand)
{
    auto kit = SoltAndTrlKit("8753D/E");
    TRecordingCard card;
    kit->Vna().DownloadKit(*kit, card, card.Progress());

    const Lines expected = Join({
        {"OUTPSTAT;", Step},
        ExampleOpenWrites,
        {Step},
        {"DEFS5; STDTLOAD;", "OFLS;", "OFSD -12.5PS;", "OFSL 100000;", "OFSZ 0.001;", "MINF 0.045GHz;",
         "MAXF 26.5GHz;", "WAVE;", "LABS \"LOAD\";", "STDD;", Step},
        // Only the classes that hold standards, without gaps; the TRL class stays out.
        {"SPECS11A 1,5;", "CLAD;", "LABES11A \"OPEN\";", "SPECFWDT 4,8;", "CLAD;", "LABEFWDT \"FWD\";", Step},
        {"LABK \"MYKIT\";", "CALZSYST;", "SETRREFL;", "KITD;", "SETZ 75;", "ENTO;", Step},
        {"OUTPSTAT;"},
    });
    EXPECT_LINES(card.Lines, expected);
    EXPECT_EQ(card.Steps, kit->DownloadSteps());
    EXPECT_EQ(card.Reads, 2);
}

TEST(Download8753, TrlCalibrationSendsOnlyTheTrlClasses)
{
    auto kit = SoltAndTrlKit("8753D/E");
    kit->SetCalType(ctTrl);
    kit->SetTrlCalZ0(TTrlCalZ0::LineZ0);
    kit->SetTrlSetRef(TTrlSetRef::Thru);
    Assign(*kit, 15, {8, 7, 6, 5, 4, 3, 2}, "LINES");
    TRecordingCard card;
    kit->Vna().DownloadKit(*kit, card, card.Progress());

    const Lines writes = card.Writes();
    const Lines tail(writes.end() - 13, writes.end());
    EXPECT_LINES(tail, (Lines{"SPECTRLT 2;", "CLAD;", "LABETRLT \"TL\";", "SPECTRLL 8,7,6,5,4,3,2;", "CLAD;",
                              "LABETRLL \"LINES\";", "LABK \"MYKIT\";", "CALZLINE;", "SETRTHRU;", "KITD;",
                              "SETZ 75;", "ENTO;", "OUTPSTAT;"}));
    for (const std::string& write : writes)
        EXPECT_NE(write.rfind("SPECS11A", 0), 0u) << "a SOLT class went over";
}

TEST(Download8753, ModelsWithoutTrlSendNoTrlSettings)
{
    // The 8753A/B/C has no TRL settings, offers arbitrary impedances with sliding loads and
    // has shorts without inductance terms.
    auto kit = NewKit("8753A/B/C");
    kit->SetLabel("ABC");
    Define(*kit, 1, {.StdType = TStdType::Short, .C0 = 99, .OffsetZ0 = 50, .MaxFreq = 999, .Label = "S"});
    Define(*kit, 2, {.StdType = TStdType::Thru, .OffsetDelay = 1e-6, .OffsetZ0 = 50, .MaxFreq = 999, .Label = "T"});
    Define(*kit, 8,
           {.StdType = TStdType::ArbiZ,
            .LoadType = TLoadType::Sliding,
            .OffsetZ0 = 50,
            .MaxFreq = 1000,
            .TermZ = 75.25,
            .Label = "ARB"});
    TRecordingCard card;
    kit->Vna().DownloadKit(*kit, card, card.Progress());

    const Lines expected = Join({
        {"OUTPSTAT;", Step},
        {"DEFS1; STDTSHOR;", "OFSD 0PS;", "OFSL 0;", "OFSZ 50;", "MINF 0GHz;", "MAXF 999GHz;", "COAX;",
         "LABS \"S\";", "STDD;", Step},
        {"DEFS2; STDTDELA;", "OFSD 1E-6PS;", "OFSL 0;", "OFSZ 50;", "MINF 0GHz;", "MAXF 999GHz;", "COAX;",
         "LABS \"T\";", "STDD;", Step},
        {"DEFS8; STDTARBI;", "SLIL;", "TERI 75.25;", "OFSD 0PS;", "OFSL 0;", "OFSZ 50;", "MINF 0GHz;",
         "MAXF 1000GHz;", "COAX;", "LABS \"ARB\";", "STDD;", Step},
        {Step},
        {"LABK \"ABC\";", "KITD;", "SETZ 50;", "ENTO;", Step, "OUTPSTAT;"},
    });
    EXPECT_LINES(card.Lines, expected);
}

TEST(Download8753, OldTrlMenuModelUsesItsOwnClassCodes)
{
    auto kit = NewKit("8753Dtrl");
    for (int n = 1; n <= 12; ++n)
        Assign(*kit, n, {n % 8 + 1, 0, 0, 0, 0, 0, 0}, "L" + std::to_string(n));
    TRecordingCard card;
    kit->Vna().DownloadKit(*kit, card, card.Progress());

    Lines specs;
    for (const std::string& write : card.Writes())
        if (write.rfind("SPEC", 0) == 0 || write.rfind("LABE", 0) == 0)
            specs.push_back(write);
    EXPECT_LINES(specs, (Lines{"SPECTRFM 2;", "LABETRFM \"L1\";", "SPECTLFM 3;", "LABETLFM \"L2\";",
                               "SPECTLFT 4;", "LABETLFT \"L3\";", "SPECTRRM 5;", "LABETRRM \"L4\";",
                               "SPECTLRM 6;", "LABETLRM \"L5\";", "SPECTLRT 7;", "LABETLRT \"L6\";",
                               "SPECTTFT 8;", "LABETTFT \"L7\";", "SPECTTRT 1;", "LABETTRT \"L8\";",
                               "SPECTTFM 2;", "LABETTFM \"L9\";", "SPECTTRM 3;", "LABETTRM \"L10\";",
                               "SPECRESP 4;", "LABERESP \"L11\";", "SPECRESI 5;", "LABERESI \"L12\";"}));
}

TEST(Download8753, KitWithoutStandardsMakesThreeSteps)
{
    auto kit = NewKit("8720D/E");
    TRecordingCard card;
    kit->Vna().DownloadKit(*kit, card, card.Progress());
    EXPECT_LINES(card.Lines, (Lines{"OUTPSTAT;", Step, Step, "LABK \"New Kit\";", "CALZLINE;", "SETRTHRU;",
                                    "KITD;", "SETZ 50;", "ENTO;", Step, "OUTPSTAT;"}));
    EXPECT_EQ(kit->DownloadSteps(), 3);
}

TEST(Download8753, QueuedErrorsAreReadAwayAndALaterErrorRaises)
{
    auto kit = NewKit("8753D/E");
    TRecordingCard card;
    int statusQueries = 0;
    // Two errors queued before the download; the status then stays clear until the end.
    const Lines statusReplies{" 8 ", "12", "7", "8"};
    card.Responder = [&](const Lines& lines) -> std::string {
        if (lines.back() == "OUTPSTAT;")
            return statusReplies.at(static_cast<std::size_t>(statusQueries++));
        return "33,\"SYNTAX ERROR\"";
    };
    try {
        kit->Vna().DownloadKit(*kit, card, card.Progress());
        FAIL() << "no error raised";
    } catch (const EGpibException& e) {
        EXPECT_STREQ(e.what(), "VNA reports an error: 33,\"SYNTAX ERROR\"");
    }
    const Lines writes = card.Writes();
    EXPECT_LINES(Lines(writes.begin(), writes.begin() + 5),
                 (Lines{"OUTPSTAT;", "OUTPERRO;", "OUTPSTAT;", "OUTPERRO;", "OUTPSTAT;"}));
    EXPECT_LINES(Lines(writes.end() - 3, writes.end()), (Lines{"ENTO;", "OUTPSTAT;", "OUTPERRO;"}));
    EXPECT_EQ(card.Steps, 3);
}

TEST(Download8753, PersistentErrorIsReadTwentyTimesThenTheDownloadGoesOn)
{
    auto kit = NewKit("8753D/E");
    TRecordingCard card;
    card.Responder = [](const Lines& lines) { return lines.back() == "OUTPSTAT;" ? "8" : "112,\"FAULT\""; };
    EXPECT_THROW(kit->Vna().DownloadKit(*kit, card, card.Progress()), EGpibException);
    const Lines writes = card.Writes();
    Lines clearing;
    for (int i = 0; i < 20; ++i) {
        clearing.push_back("OUTPSTAT;");
        clearing.push_back("OUTPERRO;");
    }
    clearing.push_back("LABK \"New Kit\";");
    EXPECT_LINES(Lines(writes.begin(), writes.begin() + 41), clearing);
}

TEST(Download8753, StatusThatIsNoNumberCountsAsNoError)
{
    auto kit = NewKit("8753D/E");
    TRecordingCard card;
    card.Responder = [](const Lines&) { return "+8x"; };
    EXPECT_NO_THROW(kit->Vna().DownloadKit(*kit, card, card.Progress()));
    EXPECT_EQ(card.Writes().front(), "OUTPSTAT;");
    EXPECT_EQ(card.Writes().at(1), "LABK \"New Kit\";");
}

TEST(Download8753, QuotesInLabelsCannotInjectCommands)
{
    auto kit = NewKit("8753D/E");
    kit->SetLabel("\";PRES;");
    Define(*kit, 1, {.StdType = TStdType::Thru, .OffsetZ0 = 50, .MaxFreq = 999, .Label = "a\"b\";RST"});
    Assign(*kit, 1, {1, 0, 0, 0, 0, 0, 0}, "\"\"x");
    TRecordingCard card;
    kit->Vna().DownloadKit(*kit, card, card.Progress());
    const Lines writes = card.Writes();
    auto has = [&](const std::string& w) { return std::find(writes.begin(), writes.end(), w) != writes.end(); };
    EXPECT_TRUE(has("LABS \"ab;RST\";"));
    EXPECT_TRUE(has("LABES11A \"x\";"));
    EXPECT_TRUE(has("LABK \";PRES;\";"));
}
