// tessaly-kit identify, send and read over the LAN and Prologix cards (--card lan|prologix
// --host H [--port P]) against the TCP simulator on loopback.
#include "KitRun.h"
#include "RoundTripKits.h"
#include "TempFolder.h"
#include "kit/KitFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#if !defined(_WIN32)
#include <csignal>
#endif

namespace {

// The TCP simulator as a process of its own, on a port it picks; stopped at the end.
class TSimulator {
public:
    explicit TSimulator(const std::vector<std::string>& options)
        : process_(TESSALY_SIM_TCP_PROGRAM, std::vector<std::string>{"--port", "0", "--idle-limit", "30"} + options),
          port_(process_.ReadLine(std::chrono::seconds(5)))
    {
    }
    TSimulator(const TSimulator&) = delete;
    TSimulator& operator=(const TSimulator&) = delete;

    std::string Port() const { return port_; }
    void Stop()
    {
        process_.Terminate();
        process_.Finish(std::chrono::seconds(5));
    }

private:
    TChildProcess process_;
    std::string port_;
};

} // namespace

TEST(NetworkCardOptions, PnaKitGoesOverTheLanAndComesBack)
{
    TSimulator sim({"--protocol", "raw", "--model", "PNA"});
    const std::vector<std::string> card{"--card", "lan", "--host", "127.0.0.1", "--port", sim.Port()};
    TTempFolder folder;
    auto sent = NewKit("PNA");
    FillRoundTripKit(*sent);
    const std::string kitFile = folder.File("sent.tsy");
    WriteKitFile(*sent, kitFile);

    TKitRun run = Kit(std::vector<std::string>{"send", kitFile} + card);
    ASSERT_EQ(run.Status, 0) << run.Err;
    const std::string out = folder.File("read.tsy");
    run = Kit(std::vector<std::string>{"read", out, "--model", "PNA"} + card);
    ASSERT_EQ(run.Status, 0) << run.Err;

    // What went over is the kit as the file holds it.
    auto inFile = NewKit("PNA");
    ReadKitFile(*inFile, kitFile);
    auto read = NewKit("8753D/E");
    ReadKitFile(*read, out);
    ASSERT_EQ(&read->Vna(), &sent->Vna());
    ExpectReadBack(*inFile, *read);
}

TEST(NetworkCardOptions, IdentifyLogsTheTrafficAndReportsNetworkFailures)
{
    TSimulator sim({"--protocol", "prologix", "--model", "8510C", "--address", "9"});
    TKitRun run = Kit({"identify", "--model", "8510C", "--card", "PROLOGIX", "--host", " 127.0.0.1 ", "--port",
                       sim.Port(), "--address", "9", "--log"});
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, "HEWLETT PACKARD,8510C,0,C.07.14\nOUTPIDEN;\nHEWLETT PACKARD,8510C,0,C.07.14\n");

    // Once the simulator has gone, nobody listens at its port.
    const std::string port = sim.Port();
    sim.Stop();
    run = Kit({"identify", "--card", "lan", "--host", "127.0.0.1", "--port", port});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err, "Error in LanCard.Open:\nConnection refused\nHost = 127.0.0.1   Port = " + port +
                           "   VNA Address = 16\n");
}

TEST(NetworkCardOptions, AnInstrumentsControlCharactersReachTheTerminalEscaped)
{
    TSimulator sim({"--protocol", "raw", "--model", "PNA", "--hostile-reply"});
    const TKitRun run = Kit({"identify", "--card", "lan", "--host", "127.0.0.1", "--port", sim.Port(), "--log"});
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, "\\x1b]0;x\\x07\\r\n*IDN?\n\\x1b]0;x\\x07\\r\n");
}

#if !defined(_WIN32)
// Ctrl-C while the analyzer stays silent ends the wait at once rather than at the 5 s limit.
TEST(NetworkCardOptions, CtrlCEndsTheWaitForASilentAnalyzer)
{
    using Clock = std::chrono::steady_clock;
    TSimulator sim({"--protocol", "raw", "--model", "PNA", "--silent"});
    TTempFolder folder;
    const std::string out = folder.File("read.tsy");
    const std::vector<std::string> card{"--card", "lan", "--host", "127.0.0.1", "--port", sim.Port()};
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"identify"}, std::vector<std::string>{"read", out, "--model", "PNA"}}) {
        SCOPED_TRACE(command.front());
        TChildProcess process(TESSALY_KIT_PATH, command + card);
        std::this_thread::sleep_for(std::chrono::milliseconds(500)); // connected and waiting
        const auto interrupted = Clock::now();
        ::kill(static_cast<pid_t>(process.Id()), SIGINT);
        const TKitRun run = process.Finish();
        // Only a guard against waiting for the time limit; the end comes within milliseconds.
        EXPECT_LT(Clock::now() - interrupted, std::chrono::seconds(3));
        EXPECT_EQ(run.Status, 1);
        EXPECT_EQ(run.Err, "Operation aborted at user's request.\n");
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}
#endif

TEST(NetworkCardOptions, HostAndPortBelongToTheNetworkCardsOnly)
{
    for (const std::vector<std::string>& wrong : {std::vector<std::string>{"identify", "--card", "lan"},
                                     std::vector<std::string>{"identify", "--card", "prologix", "--host", "  "},
                                     std::vector<std::string>{"identify", "--card", "none", "--host", "127.0.0.1"},
                                     std::vector<std::string>{"identify", "--host", "127.0.0.1"},
                                     std::vector<std::string>{"identify", "--card", "ni", "--port", "5025"},
                                     std::vector<std::string>{"identify", "--card", "lan", "--host", "h", "--port", "0"},
                                     std::vector<std::string>{"identify", "--card", "lan", "--host", "h", "--port", "65536"},
                                     std::vector<std::string>{"identify", "--card", "lan", "--host", "h", "--port", "web"},
                                     std::vector<std::string>{"identify", "--card", "gpib-lan", "--host", "h"}}) {
        const TKitRun run = Kit(wrong);
        EXPECT_EQ(run.Status, 2) << Joined(wrong) << "\n" << run.Err;
        EXPECT_NE(run.Err.find("Usage:"), std::string::npos) << run.Err;
    }
}
