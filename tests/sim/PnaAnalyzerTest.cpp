#include "SimTestSupport.h"

#include <gtest/gtest.h>

namespace {

const std::string kKit = "sens:corr:coll:ckit:";
const std::string kStan = kKit + "stan:";

std::string Std(SimAnalyzer& vna, int number, const std::string& query)
{
    vna.Write(kKit + "stan " + std::to_string(number));
    return Ask(vna, kStan + query);
}

} // namespace

TEST(PnaAnalyzer, KitSentToSlot10IsWhatTheReadQueriesAnswer)
{
    SimAnalyzer vna("PNA");
    Send(vna, {"*CLS", kKit + "sel 10"});
    Send(vna, {kKit + "stan 1", kStan + "type open;", kStan + "C0 12.5", kStan + "C1 -3", kStan + "C2 0.123456",
               kStan + "C3 0", kStan + "delay 29.243ps", kStan + "loss 2200000000", kStan + "imp 50",
               kStan + "fmin 0ghz", kStan + "fmax 999ghz", kStan + "char coax", kStan + "label 'Bob's open'"});
    Send(vna, {kKit + "stan 2", kStan + "type short", kStan + "L0 1.5", kStan + "L1 0", kStan + "L2 0",
               kStan + "L3 -0.5", kStan + "delay 1E-6ps", kStan + "loss 1300000000", kStan + "imp 50",
               kStan + "fmin 2ghz", kStan + "fmax 18ghz", kStan + "char wave", kStan + "label 'SHORT;2'"});
    Send(vna, {kKit + "stan 3", kStan + "type sload", kStan + "delay 0ps", kStan + "label 'SLIDE'"});
    Send(vna, {kKit + "stan 4", kStan + "type load", kStan + "label 'LOAD'"});
    Send(vna, {kKit + "stan 5", kStan + "type thru", kStan + "delay 85.5ps", kStan + "label 'THRU'"});
    Send(vna, {kKit + "order1 1 ", kKit + "order4 5,6 ", kKit + "order8 3,7 ", kKit + "name 'PNA KIT'",
               "sens:corr:imp:inp:magn 75"});
    EXPECT_EQ(Ask(vna, "SYST:ERR?"), "+0,\"No error\"");

    // Another user kit is untouched.
    vna.Write(kKit + "sel 7");
    EXPECT_EQ(Std(vna, 1, "type?"), "NONE");
    EXPECT_EQ(Ask(vna, kKit + "name?"), "\"\"");
    EXPECT_EQ(Ask(vna, kKit + "olist4?"), "0,0,0,0,0,0,0");

    vna.Write(kKit + "sel 10");
    EXPECT_EQ(Std(vna, 1, "type?"), "OPEN");
    EXPECT_EQ(Ask(vna, kStan + "C0?"), "+1.25E+01");
    EXPECT_EQ(Value(Ask(vna, kStan + "C1?")), -3);
    EXPECT_EQ(Value(Ask(vna, kStan + "C2?")), 0.1235);
    EXPECT_EQ(Ask(vna, kStan + "delay?"), "+2.9243E-11");
    EXPECT_EQ(Value(Ask(vna, kStan + "loss?"), 1e-9), 2.2);
    EXPECT_EQ(Value(Ask(vna, kStan + "fmax?"), 1e-9), 999);
    EXPECT_EQ(Ask(vna, kStan + "char?"), "COAX");
    EXPECT_EQ(Ask(vna, kStan + "label?"), "\"Bob's open\"");

    EXPECT_EQ(Std(vna, 2, "type?"), "SHOR");
    EXPECT_EQ(Value(Ask(vna, kStan + "L0?")), 1.5);
    EXPECT_EQ(Value(Ask(vna, kStan + "L3?")), -0.5);
    EXPECT_EQ(Ask(vna, kStan + "delay?"), "+1E-18");
    EXPECT_EQ(Value(Ask(vna, kStan + "fmin?"), 1e-9), 2);
    EXPECT_EQ(Ask(vna, kStan + "char?"), "WAVE");
    EXPECT_EQ(Ask(vna, kStan + "label?"), "\"SHORT;2\"");

    EXPECT_EQ(Std(vna, 3, "type?"), "SLOA");
    EXPECT_EQ(Std(vna, 4, "type?"), "LOAD");
    EXPECT_EQ(Std(vna, 5, "type?"), "THRU");
    EXPECT_EQ(Value(Ask(vna, kStan + "delay?"), 1e12), 85.5);
    EXPECT_EQ(Std(vna, 6, "type?"), "NONE");
    EXPECT_EQ(Ask(vna, kStan + "label?"), "\"\"");

    EXPECT_EQ(Ask(vna, kKit + "olist1?"), "1,0,0,0,0,0,0");
    EXPECT_EQ(Ask(vna, kKit + "olist4?"), "5,6,0,0,0,0,0");
    EXPECT_EQ(Ask(vna, kKit + "olist8?"), "3,7,0,0,0,0,0");
    EXPECT_EQ(Ask(vna, kKit + "olist2?"), "0,0,0,0,0,0,0");
    EXPECT_EQ(Ask(vna, kKit + "name?"), "\"PNA KIT\"");
    EXPECT_EQ(Ask(vna, "sens:corr:imp:inp:magn?"), "+7.5E+01");
    EXPECT_EQ(Ask(vna, "*IDN?"), "Agilent Technologies,E8358A,SIM0000001,A.04.85");
    EXPECT_EQ(vna.StatusByte(), 0);
}

TEST(PnaAnalyzer, HeadersFollowScpiFormsAndBadCommandsQueueErrors)
{
    SimAnalyzer vna("pna");
    // Long forms, a channel suffix, SENSe left out, and a header that continues the path.
    vna.Write("SENSe1:CORRection:COLLect:CKIT:STANdard 2;STAN:TYPE THRU;:CORR:COLL:CKIT:STAN:LAB \"X;Y\"");
    EXPECT_EQ(Ask(vna, "corr:coll:ckit:stan?"), "2");
    EXPECT_EQ(Ask(vna, "Sens:Corr:Coll:Ckit:Stan:Type?;Label?"), "THRU;\"X;Y\"");
    EXPECT_EQ(Ask(vna, "SYST:ERR?"), "+0,\"No error\"");

    vna.Write("sens:corr:coll:ckit:standa 2");   // neither the short nor the long form
    vna.Write("sens:corr:coll:ckit:order9 1 ");  // the 2-port kit has eight classes
    vna.Write("sens:corr:coll:ckit:sel 11");
    vna.Write("sens:corr:coll:ckit:stan 9");
    vna.Write("sens:corr:coll:ckit:stan:label OPEN");
    vna.Write("sens:corr:coll:ckit:stan:type foo");
    vna.Write("sens:corr:coll:ckit:stan:delay 5xs");
    vna.Write("sens:corr:coll:ckit:order1 1,2,3,4,5,6,7,8");
    vna.Write("OUTPIDEN;");
    EXPECT_EQ(vna.Read(), "");
    EXPECT_EQ(vna.StatusByte(), 4);
    EXPECT_EQ(Ask(vna, "syst:err?"), "-113,\"Undefined header;SENS:CORR:COLL:CKIT:STANDA 2\"");
    EXPECT_EQ(Ask(vna, "syst:err?"), "-114,\"Header suffix out of range;SENS:CORR:COLL:CKIT:ORDER9 1\"");
    EXPECT_EQ(Ask(vna, "syst:err?").substr(0, 5), "-222,");
    EXPECT_EQ(Ask(vna, "syst:err?").substr(0, 5), "-222,");
    EXPECT_EQ(Ask(vna, "syst:err?").substr(0, 5), "-104,");
    EXPECT_EQ(Ask(vna, "syst:err?").substr(0, 5), "-224,");
    EXPECT_EQ(Ask(vna, "syst:err?").substr(0, 5), "-104,");
    EXPECT_EQ(Ask(vna, "syst:err?").substr(0, 5), "-222,");
    vna.Write("*CLS");
    EXPECT_EQ(vna.StatusByte(), 0);

    SimAnalyzer threePort("PNA 3port");
    EXPECT_EQ(threePort.Model(), "PNA 3port");
    threePort.Write("sens:corr:coll:ckit:order15 2,4 ");
    EXPECT_EQ(Ask(threePort, "sens:corr:coll:ckit:olist15?"), "2,4,0,0,0,0,0");
    EXPECT_EQ(Ask(threePort, "SYST:ERR?"), "+0,\"No error\"");
}

TEST(PnaAnalyzer, StandingErrorIsReportedButNotClearedByCls)
{
    const ScopedEnvironment error("TESSALY_SIM_ERROR", "-310,\"System error\"");
    SimAnalyzer vna("PNA");
    vna.Write("*CLS");
    EXPECT_EQ(vna.StatusByte() & 4, 4);
    EXPECT_EQ(Ask(vna, "SYST:ERR?"), "-310,\"System error\"");
    EXPECT_EQ(Ask(vna, "SYST:ERR?"), "-310,\"System error\"");
}

TEST(PnaAnalyzer, DoubledQuotesInAStringStandForOneQuote)
{
    SimAnalyzer vna("PNA");
    vna.Write(kKit + "stan 1");
    // A doubled quote before a blank and ';' neither ends the string nor the command.
    vna.Write(kStan + "label 'it''s ;*RST'");
    EXPECT_EQ(Ask(vna, kStan + "label?"), "\"it's ;*RST\"");
    vna.Write(kKit + "name ''''");
    EXPECT_EQ(Ask(vna, kKit + "name?"), "\"'\"");
    vna.Write(kKit + "name \"say \"\"hi\"\"\"");
    EXPECT_EQ(Ask(vna, kKit + "name?"), "\"say \"hi\"\"");
    // The other quote inside a string is an ordinary character.
    vna.Write(kStan + "label 'a\"b'");
    EXPECT_EQ(Ask(vna, kStan + "label?"), "\"a\"b\"");
    EXPECT_EQ(Ask(vna, "SYST:ERR?"), "+0,\"No error\"");
    EXPECT_EQ(Std(vna, 1, "type?"), "NONE");
}
