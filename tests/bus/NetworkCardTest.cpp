// The LAN and Prologix cards against the TCP simulator on loopback: what they put on the
// wire, what they make of the replies, and their settings.
#include "BusTestSupport.h"
#include "SimTcpProcess.h"
#include "bus/LanCard.h"
#include "bus/PrologixCard.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;
using namespace std::chrono_literals;

namespace {

template <typename Card>
void ConnectTo(Card& card, const SimTcpProcess& sim)
{
    card.SetHost("127.0.0.1");
    card.SetPort(sim.Port());
}

} // namespace

TEST(NetworkCard, NewCardsAreBoundAndKeepHostPortAndTimeLimitWithinRange)
{
    TLanCard lan;
    TPrologixCard prologix;
    EXPECT_EQ(lan.Driver(), gdLan);
    EXPECT_EQ(prologix.Driver(), gdPrologix);
    for (TNetworkCard* card : {static_cast<TNetworkCard*>(&lan), static_cast<TNetworkCard*>(&prologix)}) {
        EXPECT_TRUE(card->Loaded());
        EXPECT_EQ(card->Host(), "");
        EXPECT_EQ(card->TimeLimit(), 5000ms);
        EXPECT_EQ(card->Address(), 16);
        card->SetBoard(3);
        EXPECT_EQ(card->Board(), 0);
        EXPECT_FALSE(card->Connected());
    }
    EXPECT_EQ(lan.Port(), 5025);
    EXPECT_EQ(lan.DefaultPort(), 5025);
    EXPECT_EQ(prologix.Port(), 1234);
    EXPECT_EQ(prologix.DefaultPort(), 1234);

    lan.SetHost(" \tpna-lab.example\r\n");
    EXPECT_EQ(lan.Host(), "pna-lab.example");
    lan.SetPort(0);
    EXPECT_EQ(lan.Port(), 1);
    lan.SetPort(70000);
    EXPECT_EQ(lan.Port(), 65535);
    EXPECT_EQ(lan.DefaultPort(), 5025);
    lan.SetTimeLimit(0ms);
    EXPECT_EQ(lan.TimeLimit(), 1ms);
    lan.SetTimeLimit(std::chrono::hours(1));
    EXPECT_EQ(lan.TimeLimit(), 600000ms);
    prologix.SetAddress(31);
    EXPECT_EQ(prologix.Address(), 30);
}

TEST(PrologixCard, EscapesEverythingTheControllerWouldTakeForItsOwn)
{
    EXPECT_EQ(PrologixEscaped("OUTPIDEN;"), "OUTPIDEN;");
    EXPECT_EQ(PrologixEscaped("LABK \"A+B\";"), "LABK \"A\x1B+B\";");
    EXPECT_EQ(PrologixEscaped("++clr"), "\x1B+\x1B+clr");
    EXPECT_EQ(PrologixEscaped("a\rb\nc\x1B"), "a\x1B\rb\x1B\nc\x1B\x1B");
    EXPECT_EQ(PrologixEscaped("\xB5;\t"), "\xB5;\t");
}

TEST(LanCard, EachTransferHasItsOwnConnectionAndEachCommandItsLineFeed)
{
    SimTcpProcess sim({"--protocol", "raw", "--model", "PNA"});
    BusHookRecorder hooks;
    TLanCard card;
    ConnectTo(card, sim);
    const std::string identity = "Agilent Technologies,E8358A,SIM0000001,A.04.85";

    std::string reply = "unchanged";
    card.Open();
    EXPECT_TRUE(card.Connected());
    card.Write("*IDN?");
    hooks.events = 0;
    card.Write(""); // nothing is sent, logged or waited for
    EXPECT_EQ(hooks.events, 0);
    card.Read(reply);
    EXPECT_GE(hooks.events, 1);
    card.Close();
    EXPECT_FALSE(card.Connected());
    EXPECT_EQ(reply, identity);

    card.Open();
    card.Write("sens:corr:coll:ckit:sel 3;:sens:corr:coll:ckit:sel?");
    card.Read(reply);
    card.Close();
    EXPECT_EQ(reply, "3");
    EXPECT_EQ(hooks.logged, (Lines{"*IDN?", identity, "sens:corr:coll:ckit:sel 3;:sens:corr:coll:ckit:sel?", "3"}));

    ASSERT_EQ(sim.Stop(), 0);
    EXPECT_EQ(sim.Transcript(),
              (Lines{"connect", TranscriptLine("message", "*IDN?\n"), TranscriptLine("reply", identity + "\n"),
                     "connect", TranscriptLine("message", "sens:corr:coll:ckit:sel 3;:sens:corr:coll:ckit:sel?\n"),
                     TranscriptLine("reply", "3\n")}));
}

TEST(LanCard, WithoutOpenNothingIsSentAndTheMessageNamesTheConnection)
{
    BusHookRecorder hooks;
    TLanCard card;
    card.SetHost("127.0.0.1");
    std::string reply = "unchanged";
    EXPECT_EQ(GpibError([&] { card.Write("*IDN?"); }),
              "Error in LanCard.Write:\nNot connected\nHost = 127.0.0.1   Port = 5025   VNA Address = 16");
    EXPECT_EQ(GpibError([&] { card.Read(reply); }),
              "Error in LanCard.Read:\nNot connected\nHost = 127.0.0.1   Port = 5025   VNA Address = 16");
    EXPECT_EQ(reply, "unchanged");
    EXPECT_TRUE(hooks.logged.empty());
    card.Close(); // harmless
}

TEST(PrologixCard, SetsUpTheControllerAndHandsTheAnalyzerWhatAGpibCardWould)
{
    SimTcpProcess sim({"--protocol", "prologix", "--model", "8753D/E", "--address", "7"});
    BusHookRecorder hooks;
    TPrologixCard card;
    ConnectTo(card, sim);
    card.SetAddress(7);
    const std::string identity = "HEWLETT PACKARD,8753ES,0,7.74";

    std::string reply;
    card.Open();
    card.Write("OUTPIDEN;");
    card.Read(reply);
    // Nothing a command holds reaches the controller as its own: not "++", not a line end.
    card.Write("LABK \"A+B\";");
    card.Write("++clr");
    card.Write("A\rB\nC\x1B");
    card.Close();
    EXPECT_EQ(reply, identity);
    // The log shows the command's control characters escaped.
    EXPECT_EQ(hooks.logged, (Lines{"OUTPIDEN;", identity, "LABK \"A+B\";", "++clr", "A\\rB\\nC\\x1b"}));
    EXPECT_FALSE(card.Connected());

    ASSERT_EQ(sim.Stop(), 0);
    EXPECT_EQ(sim.Transcript(),
              (Lines{"connect", "controller \"++mode 1\"", "controller \"++addr 7\"", "controller \"++auto 0\"",
                     "controller \"++eoi 1\"", "controller \"++eos 2\"", "controller \"++ifc\"",
                     "controller \"++clr\"", TranscriptLine("message", "OUTPIDEN;\n"),
                     "controller \"++read eoi\"", TranscriptLine("reply", identity + "\n"),
                     TranscriptLine("message", "LABK \"A+B\";\n"), TranscriptLine("message", "++clr\n"),
                     TranscriptLine("message", "A\rB\nC\x1B\n"), "controller \"++loc\""}));
}

TEST(PrologixCard, AnalyzerAtAnotherAddressLeavesTheReadWithoutReply)
{
    SimTcpProcess sim({"--protocol", "prologix", "--model", "8510C", "--address", "16"});
    TPrologixCard card;
    ConnectTo(card, sim);
    card.SetAddress(17);
    card.SetTimeLimit(250ms);
    card.Open();
    card.Write("OUTPIDEN;");
    std::string reply = "unchanged";
    EXPECT_EQ(GpibError([&] { card.Read(reply); }), "Error in PrologixCard.Read:\nNo reply within 0.25 s\nHost = "
                                                    "127.0.0.1   Port = " +
                                                        std::to_string(sim.Port()) + "   VNA Address = 17");
    EXPECT_EQ(reply, "unchanged");
    card.Close();
    ASSERT_EQ(sim.Stop(), 0);
    EXPECT_TRUE(sim.Traffic().empty());
}

TEST(PrologixCard, OpenThatFailsAfterConnectingLeavesNoConnection)
{
    SimTcpProcess sim({"--protocol", "prologix"});
    TPrologixCard card;
    ConnectTo(card, sim);
    // Anything that ends Open after the connection stands, here the first pause.
    SetGpibEventHook([] { throw std::runtime_error("stopped in the pause"); });
    EXPECT_THROW(card.Open(), std::runtime_error);
    SetGpibEventHook({});
    EXPECT_FALSE(card.Connected());
}
