// tessaly-kit identify, send and read over the LAN and Prologix cards (--card lan|prologix
// --host H [--port P]) against the TCP simulator on loopback.
#include "KitRun.h"
#include "RoundTripKits.h"
#include "TempFolder.h"
#include "kit/KitFile.h"

#include <QElapsedTimer>
#include <QProcess>

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
    explicit TSimulator(const QStringList& options)
    {
        process_.start(QStringLiteral(TESSALY_SIM_TCP_PROGRAM),
                       QStringList{"--port", "0", "--idle-limit", "30"} + options);
        if (process_.waitForStarted(5000))
            while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
            }
        port_ = QString::fromLatin1(process_.readLine()).trimmed().toInt();
    }
    ~TSimulator() { Stop(); }
    TSimulator(const TSimulator&) = delete;
    TSimulator& operator=(const TSimulator&) = delete;

    QString Port() const { return QString::number(port_); }
    void Stop()
    {
        if (process_.state() == QProcess::NotRunning)
            return;
        process_.terminate();
        if (!process_.waitForFinished(5000)) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }

private:
    QProcess process_;
    int port_ = 0;
};

} // namespace

TEST(NetworkCardOptions, PnaKitGoesOverTheLanAndComesBack)
{
    TSimulator sim({"--protocol", "raw", "--model", "PNA"});
    const QStringList card{"--card", "lan", "--host", "127.0.0.1", "--port", sim.Port()};
    TTempFolder folder;
    auto sent = NewKit("PNA");
    FillRoundTripKit(*sent);
    const std::string kitFile = folder.File("sent.tsy");
    WriteKitFile(*sent, kitFile);

    TKitRun run = Kit(QStringList{"send", Q(kitFile)} + card);
    ASSERT_EQ(run.Status, 0) << run.Err;
    const std::string out = folder.File("read.tsy");
    run = Kit(QStringList{"read", Q(out), "--model", "PNA"} + card);
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
    const QString port = sim.Port();
    sim.Stop();
    run = Kit({"identify", "--card", "lan", "--host", "127.0.0.1", "--port", port});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err, "Error in LanCard.Open:\nConnection refused\nHost = 127.0.0.1   Port = " + port.toStdString() +
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
    TSimulator sim({"--protocol", "raw", "--model", "PNA", "--silent"});
    TTempFolder folder;
    const std::string out = folder.File("read.tsy");
    const QStringList card{"--card", "lan", "--host", "127.0.0.1", "--port", sim.Port()};
    for (const QStringList& command : {QStringList{"identify"}, QStringList{"read", Q(out), "--model", "PNA"}}) {
        SCOPED_TRACE(command.first().toStdString());
        QProcess process;
        StartKit(process, command + card);
        std::this_thread::sleep_for(std::chrono::milliseconds(500)); // connected and waiting
        QElapsedTimer clock;
        clock.start();
        ::kill(static_cast<pid_t>(process.processId()), SIGINT);
        const TKitRun run = FinishKit(process);
        // Only a guard against waiting for the time limit; the end comes within milliseconds.
        EXPECT_LT(clock.elapsed(), 3000);
        EXPECT_EQ(run.Status, 1);
        EXPECT_EQ(run.Err, "Operation aborted at user's request.\n");
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}
#endif

TEST(NetworkCardOptions, HostAndPortBelongToTheNetworkCardsOnly)
{
    for (const QStringList& wrong : {QStringList{"identify", "--card", "lan"},
                                     QStringList{"identify", "--card", "prologix", "--host", "  "},
                                     QStringList{"identify", "--card", "none", "--host", "127.0.0.1"},
                                     QStringList{"identify", "--host", "127.0.0.1"},
                                     QStringList{"identify", "--card", "ni", "--port", "5025"},
                                     QStringList{"identify", "--card", "lan", "--host", "h", "--port", "0"},
                                     QStringList{"identify", "--card", "lan", "--host", "h", "--port", "65536"},
                                     QStringList{"identify", "--card", "lan", "--host", "h", "--port", "web"},
                                     QStringList{"identify", "--card", "gpib-lan", "--host", "h"}}) {
        const TKitRun run = Kit(wrong);
        EXPECT_EQ(run.Status, 2) << wrong.join(u' ').toStdString() << "\n" << run.Err;
        EXPECT_NE(run.Err.find("Usage:"), std::string::npos) << run.Err;
    }
}
