#include "BusTestSupport.h"
#include "bus/ATGpibCard.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

namespace {

class ATGpibCardTest : public ::testing::Test {
protected:
    ScopedEnvironment library{"TESSALY_SICL_LIBRARY", SiclLibrary};
    ScopedEnvironment model{"TESSALY_SIM_MODEL", "8753D/E"};
    SimCallLog calls;
    BusHookRecorder hooks;
};

} // namespace

TEST_F(ATGpibCardTest, OpenAndCloseUseAnInterfaceAndAnAnalyzerConnection)
{
    TATGpibCard card;
    ASSERT_TRUE(card.Loaded());
    EXPECT_GE(Milliseconds([&] { card.Open(); }), 30.0);
    card.Close();
    EXPECT_EQ(calls.Lines(),
              (Lines{"ionerror(handler)", R"(iopen("7") = 1)", "itimeout(1, 5000)", "iclear(1)", R"(iopen("7,16") = 2)",
                     "itimeout(2, 5000)", "iremote(2)", "ilocal(2)", "iclose(2)", "iclose(1)"}));
    EXPECT_EQ(card.IntfId(), 1);
    EXPECT_EQ(card.DevId(), 2);
}

TEST_F(ATGpibCardTest, ConnectionTextsCarryBoardAndAddress)
{
    ScopedEnvironment board("TESSALY_SIM_BOARD", "10000");
    ScopedEnvironment address("TESSALY_SIM_ADDRESS", "30");
    TATGpibCard card;
    card.SetBoard(10000);
    card.SetAddress(30);
    card.Open();
    card.Close();
    const Lines lines = calls.Lines();
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[1], R"(iopen("10000") = 1)");
    EXPECT_EQ(lines[4], R"(iopen("10000,30") = 2)");
}

TEST_F(ATGpibCardTest, WriteSendsExactlyTheCommandBytesWithEnd)
{
    TATGpibCard card;
    card.Open();
    calls.Clear();
    std::string identity;
    card.Write("OUTPIDEN;");
    card.Read(identity);
    card.Write("LABK\"\xB5\";");
    EXPECT_EQ(calls.Lines(), (Lines{R"(iwrite(2, "OUTPIDEN;", 9, 1))", "iread(2, 1024)",
                                    R"(iwrite(2, "LABK\"\xB5\";", 8, 1))"}));
    EXPECT_FALSE(identity.empty());
    EXPECT_NE(identity.back(), '\n');
    EXPECT_EQ(hooks.logged, (Lines{"OUTPIDEN;", identity, "LABK\"\xB5\";"}));
    card.Close();
}

TEST_F(ATGpibCardTest, FailingSecondConnectionEndsOpenThere)
{
    TATGpibCard card;
    card.SetAddress(5); // nobody listens there
    EXPECT_EQ(GpibError([&] { card.Open(); }),
              "Error in ATGpibCard.Open:\nerror 2    No device at the address\nBoard 7    VNA Address 5");
    EXPECT_EQ(calls.Lines(), (Lines{"ionerror(handler)", R"(iopen("7") = 1)", "itimeout(1, 5000)", "iclear(1)",
                                    R"(iopen("7,5") = 0)", "igeterrstr(2)"}));
    EXPECT_EQ(SiclErrorContext, "Error in ATGpibCard.Open:");
}

TEST_F(ATGpibCardTest, EachOperationStopsAtItsFailingCall)
{
    ScopedEnvironment failWrite("TESSALY_SIM_FAIL_WRITE", "1");
    ScopedEnvironment failRead("TESSALY_SIM_FAIL_READ", "1");
    ScopedEnvironment timeout("TESSALY_SIM_TIMEOUT_READ", "2");
    TATGpibCard card;
    card.Open();
    EXPECT_EQ(GpibError([&] { card.Write("OUTPIDEN;"); }),
              "Error in ATGpibCard.Write:\nerror 5    I/O error\nBoard 7    VNA Address 16");
    std::string reply = "unchanged";
    EXPECT_EQ(GpibError([&] { card.Read(reply); }),
              "Error in ATGpibCard.Read:\nerror 5    I/O error\nBoard 7    VNA Address 16");
    EXPECT_EQ(GpibError([&] { card.Read(reply); }),
              "Error in ATGpibCard.Read:\nerror 6    Timeout occurred\nBoard 7    VNA Address 16");
    EXPECT_EQ(reply, "unchanged");
    EXPECT_TRUE(hooks.logged.empty());

    card.Close();
    calls.Clear();
    // The analyzer connection is gone: ilocal fails and nothing is closed after it.
    EXPECT_EQ(GpibError([&] { card.Close(); }),
              "Error in ATGpibCard.Close:\nerror 3    Invalid session identifier\nBoard 7    VNA Address 16");
    EXPECT_EQ(calls.Lines(), (Lines{"ilocal(2)", "igeterrstr(3)"}));
}
