// The stored-value fault: the one number it names is kept with the fault's value, in either
// command set; every other number, and the other standards' same number, as sent.
#include "SimTestSupport.h"
#include "SimValueFault.h"

#include <gtest/gtest.h>

TEST(ValueFault, AltersExactlyTheNamedNumber)
{
    {
        const ScopedEnvironment alter("TESSALY_SIM_ALTER", "3:Delay = 25ps");
        EXPECT_FALSE(SimValueFault::FromEnvironment()); // a unit is not taken: the analyzer's units
    }
    const ScopedEnvironment alter("TESSALY_SIM_ALTER", " 3:DELAY=2.5e-11");
    SimAnalyzer legacy("8753D/E");
    Send(legacy, {"DEFS2; STDTDELA;", "OFSD 10PS;", "OFSL 2200000000;", "STDD;", "DEFS3; STDTDELA;", "OFSD 10PS;",
                  "OFSL 2200000000;", "STDD;"});
    Send(legacy, {"DEFS3;"});
    EXPECT_EQ(ReadActive(legacy, "OFSD"), " 2.5E-11");
    EXPECT_EQ(ReadActive(legacy, "OFSL"), " 2.2E+09");
    Send(legacy, {"DEFS2;"});
    EXPECT_EQ(ReadActive(legacy, "OFSD"), " 1E-11");

    const ScopedEnvironment kitWide("TESSALY_SIM_ALTER", "systemz0=60");
    SimAnalyzer pna("PNA");
    Send(pna, {"sens:corr:coll:ckit:stan 3", "sens:corr:coll:ckit:stan:delay 10ps",
               "sens:corr:imp:inp:magn 50"});
    EXPECT_EQ(Ask(pna, "sens:corr:imp:inp:magn?"), "+6E+01");
    EXPECT_EQ(Ask(pna, "sens:corr:coll:ckit:stan:delay?"), "+1E-11");
}

TEST(ValueFault, NamesOnlyWhatTheMemoryHas)
{
    SimKit kit(8);
    EXPECT_EQ(SimValueFault::Parse("8:c3=1")->Target(kit), &kit.standards[7].c[3]);
    EXPECT_EQ(SimValueFault::Parse("9:c3=1")->Target(kit), nullptr);
    EXPECT_EQ(SimValueFault::Parse("1:c4=1")->Target(kit), nullptr);
    EXPECT_EQ(SimValueFault::Parse("delay=1")->Target(kit), nullptr); // a standard's number needs its standard
    EXPECT_EQ(SimValueFault::Parse("lowband=1")->Target(kit), &kit.lowband);
    EXPECT_FALSE(SimValueFault::Parse("0:delay=1"));
    EXPECT_FALSE(SimValueFault::Parse("2:delay"));
}
