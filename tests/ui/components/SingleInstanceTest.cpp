// The single-instance guard between two real processes; the real program's own starts,
// with long names and a stale socket, are tried in the main window's tests.
#include "ui/components/SingleInstance.h"

#include <QCoreApplication>
#include <QLocalSocket>
#include <QProcess>
#include <QUuid>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A guard process started with a key of its own, so tests never meet a running program.
class TProbe {
public:
    TProbe(const QString& key, const QStringList& files = {})
    {
        FProcess.setProgram(QStringLiteral(TESSALY_INSTANCE_PROBE));
        FProcess.setArguments(QStringList{key} + files);
        FProcess.start();
    }
    ~TProbe()
    {
        if (FProcess.state() != QProcess::NotRunning) {
            FProcess.kill();
            FProcess.waitForFinished(5000);
        }
    }

    // The next line the probe prints; empty when none comes within the time.
    QString NextLine(int timeoutMs = 10000)
    {
        while (!FProcess.canReadLine())
            if (!FProcess.waitForReadyRead(timeoutMs))
                return QString();
        return QString::fromUtf8(FProcess.readLine()).chopped(1);
    }
    bool Finished(int timeoutMs = 10000) { return FProcess.waitForFinished(timeoutMs); }
    int ExitCode() const { return FProcess.exitCode(); }
    void Crash()
    {
        FProcess.kill();
        FProcess.waitForFinished(5000);
    }

private:
    QProcess FProcess;
};

QString UniqueKey()
{
    return QStringLiteral("TessalyTest-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
}

}  // namespace

TEST(SingleInstanceTest, ASecondStartHandsItsFilesToTheFirstAndEnds)
{
    const QString key = UniqueKey();
    TProbe first(key);
    ASSERT_EQ(first.NextLine(), "first");

    TProbe second(key, {"/kits/one.tsy", "/kits/two words.tsy"});
    ASSERT_TRUE(second.Finished());
    EXPECT_EQ(second.ExitCode(), 0);
    EXPECT_EQ(second.NextLine(), "handed-over");

    EXPECT_EQ(first.NextLine(), "raise");
    EXPECT_EQ(first.NextLine(), "file:/kits/one.tsy");
    EXPECT_EQ(first.NextLine(), "file:/kits/two words.tsy");

    // Without arguments a later start only brings the first to the front.
    TProbe third(key);
    ASSERT_TRUE(third.Finished());
    EXPECT_EQ(third.NextLine(), "handed-over");
    EXPECT_EQ(first.NextLine(), "raise");
    EXPECT_EQ(first.NextLine(1000), "");
}

TEST(SingleInstanceTest, NamesArePerKeyAndPerUserAndSafeForSockets)
{
    const QString name = TSingleInstance::ServerNameFor(QString::fromLatin1(TSingleInstance::ProgramKey));
    EXPECT_TRUE(name.startsWith("Tessaly-_5E0B9C1A-7D42-4F36-A8E1-3C2B6D9F0A47_-"));
    EXPECT_NE(name, TSingleInstance::ServerNameFor("Other"));
    const QByteArray user = qgetenv("USER");
    qputenv("USER", "someone-else");
    EXPECT_NE(TSingleInstance::ServerNameFor("Same"), name);
    const QString other = TSingleInstance::ServerNameFor("Same");
    qputenv("USER", user);
    EXPECT_NE(TSingleInstance::ServerNameFor("Same"), other);
}

TEST(SingleInstanceTest, InProcessTheFirstStartListensAndTheSecondHandsOver)
{
    const QString key = UniqueKey();
    TSingleInstance first(key);
    ASSERT_EQ(first.Start({}), TInstanceRole::irFirst);
    EXPECT_TRUE(first.IsListening());
    EXPECT_EQ(first.Start({}), TInstanceRole::irFirst);  // asking again changes nothing

    // A stranger's bytes are refused without a signal.
    QStringList received;
    int raises = 0;
    QObject::connect(&first, &TSingleInstance::FilesReceived, [&](const QStringList& names) { received = names; });
    QObject::connect(&first, &TSingleInstance::RaiseRequested, [&] { ++raises; });
    {
        QLocalSocket stranger;
        stranger.connectToServer(first.ServerName());
        ASSERT_TRUE(stranger.waitForConnected(2000));
        stranger.write(QByteArray("\x00\x00\x00\x08garbage!", 12));
        stranger.flush();
        for (int i = 0; i < 20 && stranger.state() == QLocalSocket::ConnectedState; ++i) {
            QCoreApplication::processEvents();
            stranger.waitForDisconnected(50);
        }
        EXPECT_NE(stranger.state(), QLocalSocket::ConnectedState);
    }
    EXPECT_EQ(raises, 0);
    EXPECT_TRUE(received.isEmpty());
}

TEST(SingleInstanceTest, BringingAMinimizedWindowToTheFront)
{
    QWidget window;
    window.showMinimized();
    ASSERT_TRUE(window.isMinimized());
    BringWindowToFront(window, false);
    EXPECT_TRUE(window.isMinimized());
    BringWindowToFront(window);
    EXPECT_FALSE(window.isMinimized());
    EXPECT_TRUE(window.isVisible());
}
