#include "BusTestSupport.h"
#include "bus/NIGpibCard.h"
#include "kit/Utility.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

namespace {

class NIGpibCardTest : public ::testing::Test {
protected:
    ScopedEnvironment library{"TESSALY_GPIB32_LIBRARY", NiLibrary};
    ScopedEnvironment model{"TESSALY_SIM_MODEL", "8753D/E"};
    SimCallLog calls;
    BusHookRecorder hooks;
};

} // namespace

TEST_F(NIGpibCardTest, OpenAndCloseMakeTheirCallsInOrder)
{
    ScopedEnvironment board("TESSALY_SIM_BOARD", "2");
    ScopedEnvironment address("TESSALY_SIM_ADDRESS", "5");
    TNIGpibCard card;
    ASSERT_TRUE(card.Loaded());
    card.SetBoard(2);
    card.SetAddress(5);

    EXPECT_GE(Milliseconds([&] { card.Open(); }), 20.0);
    card.Close();
    EXPECT_EQ(calls.Lines(), (Lines{"ibonl(2, 0)", "ibonl(2, 1)", "ibtmo(2, 11)", "SendIFC(2)", "DevClear(2, 5)",
                                    "EnableRemote(2, {5, NOADDR})", "EnableLocal(2, {5, NOADDR})", "ibonl(2, 0)"}));
    EXPECT_TRUE(hooks.logged.empty());
}

TEST_F(NIGpibCardTest, WriteAppendsTheLineFeedThroughNLendAndReadDropsIt)
{
    TNIGpibCard card;
    card.Open();
    calls.Clear();

    std::string identity;
    card.Write("OUTPIDEN;");
    card.Read(identity);
    EXPECT_EQ(calls.Lines(), (Lines{R"(Send(0, 16, "OUTPIDEN;", 9, 1))", "Receive(0, 16, 1024, 256)"}));
    EXPECT_FALSE(identity.empty());
    EXPECT_NE(identity.back(), '\n');
    EXPECT_EQ(hooks.logged, (Lines{"OUTPIDEN;", identity}));
    card.Close();
}

TEST_F(NIGpibCardTest, OpenStopsAtTheFirstFailingStep)
{
    TNIGpibCard card;
    card.SetBoard(1); // the simulated board is 0
    EXPECT_EQ(GpibError([&] { card.Open(); }),
              "Error in NIGpibCard.Init:\nibsta = 0x8000   iberr = 0x0007\nBoard # = 1   VNA Address = 16");
    // The board is left online: no step of Close follows.
    EXPECT_EQ(calls.Lines(), (Lines{"ibonl(1, 0)", "ibonl(1, 1)", "ibtmo(1, 11)", "SendIFC(1)"}));

    calls.Clear();
    card.SetBoard(0);
    card.SetAddress(5); // nobody listens there
    EXPECT_EQ(GpibError([&] { card.Open(); }),
              "Error in NIGpibCard.Init:\nibsta = 0x8100   iberr = 0x0002\nBoard # = 0   VNA Address = 5");
    EXPECT_EQ(calls.Lines().back(), "DevClear(0, 5)");
}

TEST_F(NIGpibCardTest, TransferFailuresReportStatusAndLogNothing)
{
    ScopedEnvironment failWrite("TESSALY_SIM_FAIL_WRITE", "2");
    ScopedEnvironment failRead("TESSALY_SIM_FAIL_READ", "1");
    ScopedEnvironment timeout("TESSALY_SIM_TIMEOUT_READ", "2");
    TNIGpibCard card;
    card.Open();
    card.Write("CLES;");
    EXPECT_EQ(GpibError([&] { card.Write("OUTPSTAT;"); }),
              "Error in NIGpibCard.Write:\nibsta = 0x8100   iberr = 0x0006\nBoard # = 0   VNA Address = 16\n"
              "\"OUTPSTAT;\"");

    std::string reply = "unchanged";
    EXPECT_EQ(GpibError([&] { card.Read(reply); }),
              "Error in NIGpibCard.Read:\nibsta = 0x8100   iberr = 0x0006\nBoard # = 0   VNA Address = 16");
    // A time-out sets TIMO alone, which fails the status test as well.
    EXPECT_EQ(GpibError([&] { card.Read(reply); }),
              "Error in NIGpibCard.Read:\nibsta = 0x4100   iberr = 0x0006\nBoard # = 0   VNA Address = 16");
    EXPECT_EQ(reply, "unchanged");
    EXPECT_EQ(hooks.logged, Lines{"CLES;"});
    card.Close();
}

TEST_F(NIGpibCardTest, AnalyzerErrorBitShowsInTheStatusReply)
{
    ScopedEnvironment statusError("TESSALY_SIM_STATUS_ERROR", "1");
    TNIGpibCard card;
    card.Open();
    std::string status;
    card.Write("OUTPSTAT;");
    card.Read(status);
    card.Close();
    EXPECT_NE(ParseIntOrZero(status) & 8, 0) << status;
}

TEST_F(NIGpibCardTest, LinuxGpibStatusNamesAreBoundToo)
{
    ScopedEnvironment linuxGpib("TESSALY_GPIB32_LIBRARY", TESSALY_SIM_NI_LINUXGPIB_LIBRARY);
    SimReplyFile reply;
    TNIGpibCard card;
    ASSERT_TRUE(card.Loaded());
    EXPECT_EQ(ReplyTo(card, reply, "0\n"), "0");
    EXPECT_EQ(GpibError([&] {
                  card.SetBoard(3);
                  card.Open();
              }),
              "Error in NIGpibCard.Init:\nibsta = 0x8000   iberr = 0x0007\nBoard # = 3   VNA Address = 16");
}
