// Network failures end a transfer with the card's message within the time limit, and the card
// is closed afterwards: nothing listening, a connection dropped in the middle of a transfer,
// and an instrument that never answers.
#include "BusTestSupport.h"
#include "RoundTripKits.h"
#include "SimTcpProcess.h"
#include "analyzers/BusTransfer.h"
#include "bus/LanCard.h"
#include "bus/PrologixCard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

using Lines = std::vector<std::string>;
using namespace std::chrono_literals;

namespace {

// The third line of every message of a network card.
std::string Where(const TNetworkCard& card)
{
    return "\nHost = " + card.Host() + "   Port = " + std::to_string(card.Port()) +
           "   VNA Address = " + std::to_string(card.Address());
}

std::unique_ptr<TNetworkCard> CardFor(const std::string& protocol, int port)
{
    std::unique_ptr<TNetworkCard> card;
    if (protocol == "raw")
        card = std::make_unique<TLanCard>();
    else
        card = std::make_unique<TPrologixCard>();
    card->SetHost("127.0.0.1");
    card->SetPort(port);
    return card;
}

} // namespace

TEST(NetworkFaults, NothingListeningIsRefusedAtOnceAndABlankHostIsNamed)
{
    // A port that was just in use and is free again: the simulator ends on SIGTERM.
    SimTcpProcess sim({});
    const int port = sim.Port();
    ASSERT_EQ(sim.Stop(), 0);

    TLanCard lan;
    TPrologixCard prologix;
    for (TNetworkCard* card : {static_cast<TNetworkCard*>(&lan), static_cast<TNetworkCard*>(&prologix)}) {
        card->SetHost("127.0.0.1");
        card->SetPort(port);
        const std::string heading = card == &lan ? "Error in LanCard.Open:" : "Error in PrologixCard.Open:";
        std::string message;
        EXPECT_LT(Milliseconds([&] { message = GpibError([&] { card->Open(); }); }), 1000.0);
        EXPECT_EQ(message, heading + "\nConnection refused" + Where(*card));
        EXPECT_FALSE(card->Connected());
    }
    prologix.SetHost("  ");
    EXPECT_EQ(GpibError([&] { prologix.Open(); }),
              "Error in PrologixCard.Open:\nNo host name given\nHost =    Port = " + std::to_string(port) +
                  "   VNA Address = 16");
}

TEST(NetworkFaults, InstrumentThatNeverAnswersTimesOutAtTheCardsLimit)
{
    for (const std::string protocol : {"raw", "prologix"}) {
        SCOPED_TRACE(protocol);
        SimTcpProcess sim({"--protocol", protocol, "--silent"});
        auto card = CardFor(protocol, sim.Port());
        card->SetTimeLimit(300ms);
        BusHookRecorder hooks;
        auto kit = NewKit(protocol == "raw" ? "PNA" : "8753D/E");
        std::string message;
        const double elapsed =
            Milliseconds([&] { message = GpibError([&] { IdentifyAnalyzer(kit->Vna(), *card); }); });
        const std::string heading = protocol == "raw" ? "Error in LanCard.Read:" : "Error in PrologixCard.Read:";
        EXPECT_EQ(message, heading + "\nNo reply within 0.3 s" + Where(*card));
        EXPECT_GE(elapsed, 300.0);
        EXPECT_LT(elapsed, 2000.0);
        EXPECT_FALSE(card->Connected()); // closed after the failure
        EXPECT_EQ(hooks.logged, Lines{protocol == "raw" ? "*IDN?" : "OUTPIDEN;"}); // the failed read is not
        EXPECT_EQ(sim.Stop(), 0);
    }
}

TEST(NetworkFaults, ConnectionDroppedInTheMiddleOfATransferEndsIt)
{
    struct Case {
        const char* protocol;
        const char* model;
        bool send;
    };
    for (const Case& c : {Case{"raw", "PNA", true}, Case{"raw", "PNA 3port", false}, Case{"prologix", "8753D/E", true},
                          Case{"prologix", "8510C", false}}) {
        SCOPED_TRACE(std::string(c.protocol) + " " + c.model + (c.send ? " send" : " read"));
        SimTcpProcess sim({"--protocol", c.protocol, "--model", c.model, "--close-after", "4"});
        auto card = CardFor(c.protocol, sim.Port());
        auto kit = NewKit(c.model);
        FillRoundTripKit(*kit);
        int steps = 0;
        std::string message;
        const double elapsed = Milliseconds([&] {
            message = GpibError([&] {
                if (c.send)
                    SendKitToAnalyzer(*kit, *card, [&] { ++steps; });
                else
                    ReadKitFromAnalyzer(*kit, *card, [&] { ++steps; });
            });
        });
        // Commands written after the drop may still leave; the next one or the next read fails.
        const std::string name = c.protocol == std::string("raw") ? "LanCard" : "PrologixCard";
        const bool heading = message.rfind("Error in " + name + ".Write:\n", 0) == 0 ||
                             message.rfind("Error in " + name + ".Read:\n", 0) == 0;
        EXPECT_TRUE(heading) << message;
        EXPECT_NE(message.find("\nConnection closed by the instrument\n"), std::string::npos) << message;
        EXPECT_LT(elapsed, 3000.0);
        EXPECT_LT(steps, c.send ? kit->DownloadSteps() : kit->UploadSteps());
        EXPECT_FALSE(card->Connected());
        ASSERT_EQ(sim.Stop(), 0);
        const Lines transcript = sim.Transcript();
        ASSERT_FALSE(transcript.empty());
        EXPECT_EQ(transcript.back(), "hangup");
        // Three messages reached the analyzer; the fourth did not.
        const Lines traffic = sim.Traffic();
        EXPECT_EQ(std::count_if(traffic.begin(), traffic.end(),
                                [](const std::string& line) { return line.rfind("message ", 0) == 0; }),
                  3);
    }
}

TEST(NetworkFaults, WaitingForAReplyKeepsTheEventHookRunningAndStillEndsAtTheLimit)
{
    using Clock = std::chrono::steady_clock;
    SimTcpProcess sim({"--protocol", "raw", "--silent"});
    TLanCard card;
    card.SetHost("127.0.0.1");
    card.SetPort(sim.Port());
    card.SetTimeLimit(400ms);
    std::vector<Clock::time_point> calls;
    auto hookRun = 0ms;
    SetGpibEventHook([&] {
        calls.push_back(Clock::now());
        std::this_thread::sleep_for(hookRun);
    });
    card.Open();
    card.Write("*IDN?");

    // A quick hook (events processed at once) and a slow one (a repaint taking 25 ms).
    for (const auto run : {0ms, 25ms}) {
        SCOPED_TRACE(run.count());
        hookRun = run;
        calls.clear();
        const auto start = Clock::now();
        std::string reply = "untouched";
        const std::string message = GpibError([&] { card.Read(reply); });
        const auto end = Clock::now();
        EXPECT_EQ(message, "Error in LanCard.Read:\nNo reply within 0.4 s" + Where(card));
        EXPECT_EQ(reply, "untouched");
        const double elapsed = std::chrono::duration<double, std::milli>(end - start).count();
        EXPECT_GE(elapsed, 400.0);
        EXPECT_LT(elapsed, 400.0 + run.count() + 150.0) << "the hook must not stretch the limit";

        ASSERT_GE(calls.size(), run == 0ms ? 20u : 8u);
        // No stretch of the wait without a call: from the start, between calls, to the end.
        calls.insert(calls.begin(), start);
        calls.push_back(end);
        auto longestGap = Clock::duration::zero();
        for (std::size_t i = 1; i < calls.size(); ++i)
            longestGap = std::max(longestGap, calls[i] - calls[i - 1]);
        const double longest = std::chrono::duration<double, std::milli>(longestGap).count();
        EXPECT_LT(longest, run.count() + 60.0);
    }
    SetGpibEventHook({});
    card.Close();
    EXPECT_FALSE(card.Connected());
    EXPECT_EQ(sim.Stop(), 0);
}
