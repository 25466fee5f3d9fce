// The single-instance guard inside one process: its server names, a stranger's bytes, and
// bringing a window forward. Two real starts of the program are tried with the main window.
#include "ui/components/SingleInstance.h"

#include <QCoreApplication>
#include <QLocalSocket>
#include <QUuid>
#include <QWidget>
#include <gtest/gtest.h>

TEST(SingleInstanceTest, NamesArePerKeyAndPerUserAndSafeForSockets)
{
    const QString name = TSingleInstance::ServerNameFor(QString::fromLatin1(TSingleInstance::ProgramKey));
    EXPECT_NE(name, TSingleInstance::ServerNameFor("Other"));
    const QByteArray user = qgetenv("USER");
    qputenv("USER", "someone-else");
    EXPECT_NE(TSingleInstance::ServerNameFor("Same"), name);
    const QString other = TSingleInstance::ServerNameFor("Same");
    qputenv("USER", user);
    EXPECT_NE(TSingleInstance::ServerNameFor("Same"), other);
}

TEST(SingleInstanceTest, TheFirstStartListensAndRefusesAStrangersBytes)
{
    TSingleInstance first(QStringLiteral("TessalyTest-") + QUuid::createUuid().toString(QUuid::WithoutBraces));
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
