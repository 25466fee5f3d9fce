#include "SimTestSupport.h"

#include <gtest/gtest.h>

namespace {

// The five type queries of an 8753-family read, answered "1" or "0": open, short, load,
// arbitrary impedance, delay.
std::string TypeAnswers(SimAnalyzer& vna, int standard)
{
    vna.Write("DEFS" + std::to_string(standard) + ";");
    std::string answers;
    for (const char* query : {"STDTOPEN?", "STDTSHOR?", "STDTLOAD?", "STDTARBI?", "STDTDELA?"})
        answers += Ask(vna, query);
    return answers;
}

// The text of one slot in the memory dump.
std::string SlotText(const SimAnalyzer& vna, int slot)
{
    const std::string text = vna.KitMemoryText();
    const std::size_t start = text.find("kit " + std::to_string(slot) + "\n");
    const std::size_t end = text.find("\nkit ", start + 1);
    return start == std::string::npos ? std::string() : text.substr(start, end - start);
}

} // namespace

TEST(Legacy8753, TrlKitSentIsWhatTheReadQueriesAnswer)
{
    SimAnalyzer vna("8753D/E");
    EXPECT_EQ(Ask(vna, "OUTPSTAT;"), "0");
    Send(vna, {"DEFS1; STDTOPEN;", "C0 62.5;", "C1 -390.5;", "C2 0.0123;", "C3 5E-5;", "OFSD 29.243PS;",
               "OFSL 2200000000;", "OFSZ 50;", "MINF 0GHz;", "MAXF 999GHz;", "COAX;", "LABS \"OPEN;A\";", "STDD;"});
    Send(vna, {"DEFS2; STDTSHOR;", "OFSD 1E-6PS;", "OFSL 0;", "OFSZ 50;", "MINF 0.3GHz;", "MAXF 18GHz;", "WAVE;",
               "LABS \"SHORT\";", "STDD;"});
    Send(vna, {"DEFS3; STDTLOAD;", "SLIL;", "OFSD 0PS;", "OFSL 0;", "OFSZ 50;", "MINF 0GHz;", "MAXF 999GHz;", "COAX;",
               "LABS \"LINE\";", "STDD;"});
    Send(vna, {"DEFS4; STDTDELA;", "OFSD 85.5PS;", "OFSL 1300000000;", "OFSZ 49.5;", "MINF 2GHz;", "MAXF 20GHz;",
               "COAX;", "LABS \"THRU\";", "STDD;"});
    Send(vna, {"DEFS5; STDTARBI;", "FIXE;", "TERI 75;", "OFSD 0PS;", "OFSL 0;", "OFSZ 50;", "MINF 0GHz;",
               "MAXF 999GHz;", "COAX;", "LABS \"MATCH\";", "STDD;"});
    Send(vna, {"SPECTRLT 4;", "CLAD;", "LABETRLT \"THRU\";", "SPECTRLR 2;", "CLAD;", "LABETRLR \"REFLECT\";",
               "SPECTRLL 3,5;", "CLAD;", "LABETRLL \"LINE\";"});
    Send(vna, {"LABK \"TRLKIT\";", "CALZLINE;", "SETRREFL;", "KITD;", "SETZ 75;", "ENTO;"});
    EXPECT_EQ(Ask(vna, "OUTPSTAT;"), "0");

    // The read: type queries answer exactly "1" or "0", values come through OUTPACTI.
    EXPECT_EQ(TypeAnswers(vna, 1), "10000");
    EXPECT_EQ(ReadActive(vna, "C0"), " 6.25E+01");
    EXPECT_EQ(ReadActive(vna, "C1"), "-3.905E+02");
    EXPECT_EQ(Value(ReadActive(vna, "C2")), 0.0123);
    EXPECT_EQ(ReadActive(vna, "C3"), " 5E-05");
    EXPECT_EQ(ReadActive(vna, "OFSD"), " 2.9243E-11");
    EXPECT_EQ(Value(ReadActive(vna, "OFSD"), 1e12), 29.243);
    EXPECT_EQ(Value(ReadActive(vna, "OFSL"), 1e-9), 2.2);
    EXPECT_EQ(Value(ReadActive(vna, "MAXF"), 1e-9), 999);
    EXPECT_EQ(Ask(vna, "COAX?"), "1");

    EXPECT_EQ(TypeAnswers(vna, 2), "01000");
    EXPECT_EQ(ReadActive(vna, "OFSD"), " 1E-18");
    EXPECT_EQ(Value(ReadActive(vna, "MINF"), 1e-9), 0.3);
    EXPECT_EQ(Ask(vna, "COAX?"), "0");

    EXPECT_EQ(TypeAnswers(vna, 3), "00100");
    EXPECT_EQ(Ask(vna, "SLIL?"), "1");
    EXPECT_EQ(TypeAnswers(vna, 4), "00001");
    EXPECT_EQ(Value(ReadActive(vna, "OFSZ")), 49.5);
    EXPECT_EQ(Value(ReadActive(vna, "OFSL"), 1e-9), 1.3);
    EXPECT_EQ(TypeAnswers(vna, 5), "00010");
    EXPECT_EQ(Value(ReadActive(vna, "TERI")), 75);
    for (int undefined = 6; undefined <= 8; ++undefined)
        EXPECT_EQ(TypeAnswers(vna, undefined), "00000");

    EXPECT_EQ(Value(Ask(vna, "SETZ?")), 75);
    EXPECT_EQ(Ask(vna, "CALZLINE?"), "1");
    EXPECT_EQ(Ask(vna, "SETRTHRU?"), "0");
    vna.Write("ENTO;");
    EXPECT_EQ(Ask(vna, "OUTPSTAT;"), "0");

    // What the bus cannot read is kept all the same.
    const std::string kit = SlotText(vna, 1);
    EXPECT_NE(kit.find("label TRLKIT\n"), std::string::npos);
    EXPECT_NE(kit.find("stdlabel 1 OPEN;A\n"), std::string::npos);
    EXPECT_NE(kit.find("class TRLL 3,5\n"), std::string::npos);
    EXPECT_NE(kit.find("classlabel TRLR REFLECT\n"), std::string::npos);
    EXPECT_NE(kit.find("setref REFLECT\n"), std::string::npos);
}

TEST(Legacy8510, SecondKitSlotIsKeptApartFromTheFirst)
{
    SimAnalyzer vna("8510C");
    Send(vna, {"MODI1;", "DEFS1; STDTOPEN;", "C0 10;", "LABS\"SLOT1\";", "STDD;", "LABK\"ONE\";", "KITD;", "ENTO;"});

    Send(vna, {"MODI2;", "DEFS1; STDTSHOR;", "L0 1.5;", "L1 -2;", "L2 0;", "L3 0.25;", "OFFD 16.5PS;",
               "OFFL 1300000000;", "OFFZ 50;", "MINF 0GHz;", "MAXF 26.5GHz;", "COAX;", "LABS\"SHORT\";", "STDD;"});
    Send(vna, {"DEFS2; STDTLOAD;", "OFFS;", "OFFD 0PS;", "OFFL 0;", "OFFZ 50;", "MINF 0GHz;", "MAXF 999GHz;", "COAX;",
               "LABS\"LOAD\";", "STDD;"});
    Send(vna, {"DEFS3; STDTARBI;", "SLIL;", "TERI 25;", "OFFD 0PS;", "OFFL 0;", "OFFZ 50;", "MINF 0GHz;",
               "MAXF 999GHz;", "WAVE;", "LABS\"ARB\";", "STDD;"});
    Send(vna, {"DEFS21; STDTDELA;", "OFFD 42PS;", "OFFL 0;", "OFFZ 50;", "MINF 0GHz;", "MAXF 999GHz;", "COAX;",
               "LABS\"THRU\";", "STDD;"});
    Send(vna, {"SPECS11A 3,21;", "CLAD;", "LABES11A\"OPEN\";", "SPECADAP 21;", "CLAD;", "LABEADAP\"ADAPTER\";",
               "LABK\"SLOT2\";", "CALZSYST;", "SETRTHRU;", "LOWF 2.5GHz;", "KITD;", "SETZ 50;", "ENTO;"});

    // The read judges the setting queries by the second character of the reply.
    vna.Write("MODI2;");
    vna.Write("DEFS1;");
    EXPECT_EQ(Ask(vna, "STDT?;"), "\"SHOR\"");
    EXPECT_EQ(Value(ReadActive(vna, "L0")), 1.5);
    EXPECT_EQ(Value(ReadActive(vna, "L1")), -2);
    EXPECT_EQ(Value(ReadActive(vna, "L3")), 0.25);
    EXPECT_EQ(Value(ReadActive(vna, "OFFD"), 1e12), 16.5);
    EXPECT_EQ(Value(ReadActive(vna, "OFFL"), 1e-9), 1.3);
    EXPECT_EQ(Value(ReadActive(vna, "MAXF"), 1e-9), 26.5);
    EXPECT_EQ(Ask(vna, "MEDT?;")[1], 'C');

    vna.Write("DEFS2;");
    EXPECT_EQ(Ask(vna, "STDT?;")[1], 'L');
    EXPECT_EQ(Ask(vna, "LOAT?;")[1], 'O');
    vna.Write("DEFS3;");
    EXPECT_EQ(Ask(vna, "STDT?;")[1], 'A');
    EXPECT_EQ(Value(ReadActive(vna, "TERI")), 25);
    EXPECT_EQ(Ask(vna, "LOAT?;")[1], 'S');
    EXPECT_EQ(Ask(vna, "MEDT?;")[1], 'W');
    vna.Write("DEFS4;");
    EXPECT_EQ(Ask(vna, "STDT?;"), "\"NONE\""); // matches no type letter: the type stays as it is
    vna.Write("DEFS21;");
    EXPECT_EQ(Ask(vna, "STDT?;")[1], 'D');
    EXPECT_EQ(Value(ReadActive(vna, "OFFD"), 1e12), 42);

    EXPECT_EQ(Value(ReadActive(vna, "SETZ")), 50);
    EXPECT_EQ(Ask(vna, "CALZ?;")[1], 'S');
    EXPECT_EQ(Ask(vna, "SETR?;"), "\"THRU\"");
    EXPECT_EQ(Value(ReadActive(vna, "LOWF"), 1e-9), 2.5);
    Send(vna, {"ENTO;", "MENUCAL;"});
    EXPECT_EQ(Ask(vna, "OUTPSTAT;"), "0");

    const std::string slot2 = SlotText(vna, 2);
    EXPECT_NE(slot2.find("class S11A 3,21\n"), std::string::npos);
    EXPECT_NE(slot2.find("classlabel ADAP ADAPTER\n"), std::string::npos);
    EXPECT_NE(slot2.find("label SLOT2\n"), std::string::npos);

    // Slot 1 still holds its own kit.
    Send(vna, {"MODI1;", "DEFS1;"});
    EXPECT_EQ(Ask(vna, "STDT?;"), "\"OPEN\"");
    EXPECT_EQ(Value(ReadActive(vna, "C0")), 10);
    vna.Write("DEFS2;");
    EXPECT_EQ(Ask(vna, "STDT?;"), "\"NONE\"");
    EXPECT_EQ(SlotText(vna, 1).find("S11A"), std::string::npos);
}

TEST(LegacyAnalyzer, RefusedCommandsQueueErrorsAndTheRestOfTheMessageRuns)
{
    SimAnalyzer vna("8753D/E");
    vna.Write("FOOB; DEFS2; STDTOPEN;");
    vna.Write("STDD; C0 1;");        // nothing being defined
    vna.Write("DEFS9;");             // the 8753 has eight standards
    vna.Write("SPECS11A 1,2,3,4,5,6,7,8;");
    vna.Write("OFFD 1PS;");          // an 8510 mnemonic
    vna.Write("STDT?;");             // the 8510's form of the type query: no reply
    EXPECT_EQ(vna.Read(), "");
    EXPECT_EQ(vna.StatusByte() & 8, 8);
    EXPECT_EQ(Ask(vna, "OUTPSTAT;"), "8");
    EXPECT_EQ(Ask(vna, "OUTPERRO;"), "33,\"SYNTAX ERROR: FOOB\"");
    EXPECT_EQ(Ask(vna, "OUTPERRO;"), "34,\"NO STANDARD BEING DEFINED: C0 1\"");
    EXPECT_EQ(Ask(vna, "OUTPERRO;"), "35,\"DATA OUT OF RANGE: DEFS9\"");
    EXPECT_EQ(Ask(vna, "OUTPERRO;"), "35,\"DATA OUT OF RANGE: SPECS11A 1,2,3,4,5,6,7,8\"");
    EXPECT_EQ(Ask(vna, "OUTPERRO;"), "33,\"SYNTAX ERROR: OFFD 1PS\"");
    EXPECT_EQ(Ask(vna, "OUTPERRO;"), "33,\"SYNTAX ERROR: STDT?\"");
    EXPECT_EQ(Ask(vna, "OUTPERRO;"), "0,\"NO ERRORS\"");
    EXPECT_EQ(Ask(vna, "OUTPSTAT;"), "0");
    EXPECT_EQ(TypeAnswers(vna, 2), "10000");

    // What a model lacks: inductance and TRL settings on the 8510A, TRL settings on the 8753A/B/C,
    // and the 8753 family's answer form on the 8510.
    SimAnalyzer old8510("8510A");
    Send(old8510, {"DEFS1; STDTSHOR;", "L0 1;", "CALZSYST;", "LOWF 1GHz;", "STDTSHOR?"});
    SimAnalyzer old8753("8753A/B/C");
    Send(old8753, {"CALZSYST;", "SETRTHRU;"});
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Ask(old8510, "OUTPERRO;").substr(0, 15), "33,\"SYNTAX ERRO");
    EXPECT_EQ(Ask(old8510, "OUTPERRO;"), "0,\"NO ERRORS\"");
    EXPECT_EQ(Ask(old8753, "OUTPSTAT;"), "8");
}

TEST(LegacyAnalyzer, StandingErrorSurvivesTheClearingLoopAndFailsTheFinalCheck)
{
    const ScopedEnvironment error("TESSALY_SIM_ERROR", "112,\"CAL KIT NOT SAVED\"");
    SimAnalyzer vna("8753D/E");
    EXPECT_EQ(vna.StatusByte(), 8);
    vna.Write("FOOB;");
    EXPECT_EQ(Ask(vna, "OUTPERRO;"), "33,\"SYNTAX ERROR: FOOB\""); // queued errors come first
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(Ask(vna, "OUTPSTAT;"), "8");
        EXPECT_EQ(Ask(vna, "OUTPERRO;"), "112,\"CAL KIT NOT SAVED\"");
    }
    Send(vna, {"DEFS1; STDTOPEN;", "C0 7;", "STDD;", "KITD;", "SETZ 50;", "ENTO;"});
    EXPECT_EQ(Ask(vna, "OUTPSTAT;"), "8");
    EXPECT_EQ(Ask(vna, "OUTPERRO;"), "112,\"CAL KIT NOT SAVED\"");
    vna.Write("DEFS1;");
    EXPECT_EQ(Value(ReadActive(vna, "C0")), 7); // the analyzer keeps what it accepted
}

TEST(LegacyAnalyzer, IdentifiesItsModelAndHoldsOneReplyAtATime)
{
    SimAnalyzer vna("agilent 8720d/e");
    EXPECT_EQ(vna.Model(), "8720D/E");
    vna.Write("OUTPIDEN;\n");
    EXPECT_EQ(vna.StatusByte(), 16);
    EXPECT_EQ(vna.Read(), "HEWLETT PACKARD,8720ES,0,7.74\n");
    EXPECT_EQ(vna.Read(), "");
    EXPECT_EQ(vna.StatusByte(), 0);

    vna.Write("OUTPIDEN;");
    vna.Clear();
    EXPECT_EQ(vna.Read(), "");
    vna.Write("OUTPIDEN;");
    vna.Write("DEFS1;"); // a new message drops the unread reply
    EXPECT_EQ(vna.Read(), "");

    EXPECT_EQ(SimAnalyzer("").Model(), "8753D/E");
    EXPECT_EQ(SimAnalyzer("8999X").Model(), "8753D/E");
    SimAnalyzer old("8510a");
    EXPECT_EQ(old.Model(), "8510A");
    EXPECT_EQ(Ask(old, "OUTPIDEN;").substr(0, 22), "HEWLETT PACKARD,8510A,");
}
