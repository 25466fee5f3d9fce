// The single-instance guard inside one process: where its socket lives, whom it talks to,
// which socket it replaces, a stranger's bytes, and bringing a window forward. Real starts of
// the program are tried with the main window.
#include "ui/components/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>
#include <QWidget>
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <future>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Points XDG_RUNTIME_DIR and TMPDIR of this process at folders of the test's own while it
// lives, and gives them back at the end.
class TRuntimeFolders {
public:
    TRuntimeFolders() : FRuntime(qgetenv("XDG_RUNTIME_DIR")), FTemp(qgetenv("TMPDIR"))
    {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(Runtime.path()));
        qputenv("TMPDIR", QFile::encodeName(Temp.path()));
    }
    ~TRuntimeFolders()
    {
        Restore("XDG_RUNTIME_DIR", FRuntime);
        Restore("TMPDIR", FTemp);
    }
    // The folder used when XDG_RUNTIME_DIR is not fit for a socket.
    QString Fallback() const { return Temp.filePath(QStringLiteral("tessaly-") + QString::number(getuid())); }

    QTemporaryDir Runtime;  // made 0700, as a session's runtime folder is
    QTemporaryDir Temp;

private:
    static void Restore(const char* name, const QByteArray& value)
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    QByteArray FRuntime, FTemp;
};

QString NewKey()
{
    return QStringLiteral("TessalyTest-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
}

// Start of a later instance on another thread, while this thread serves the first.
TInstanceRole StartLater(const QString& key, const QStringList& files,
                         TSingleInstance::TPeerCheck check = {}, bool* listening = nullptr)
{
    auto later = std::async(std::launch::async, [&] {
        TSingleInstance instance(key, nullptr, check);
        const TInstanceRole role = instance.Start(files, 3000);
        if (listening != nullptr)
            *listening = instance.IsListening();
        return role;
    });
    while (later.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
        QCoreApplication::processEvents();
    return later.get();
}

mode_t ModeOf(const QString& path)
{
    struct stat status {};
    lstat(QFile::encodeName(path).constData(), &status);
    return status.st_mode;
}

}  // namespace

TEST(SingleInstanceTest, TheSocketLivesInAFolderOnlyTheUserCanEnterAndIsNamedByTheUserId)
{
    TRuntimeFolders folders;
    const QString key = QString::fromLatin1(TSingleInstance::ProgramKey);
    const QString name = QStringLiteral("Tessaly-_5E0B9C1A-7D42-4F36-A8E1-3C2B6D9F0A47_-") + QString::number(getuid());
    EXPECT_EQ(TSingleInstance::SocketNameFor(key), name);
    EXPECT_EQ(TSingleInstance::ServerNameFor(key), folders.Runtime.path() + u'/' + name);
    const QByteArray user = qgetenv("USER");
    qunsetenv("USER");  // a missing or changed user name does not make a shared name
    EXPECT_EQ(TSingleInstance::ServerNameFor(key), folders.Runtime.path() + u'/' + name);
    qputenv("USER", user);

    // A runtime folder that others may enter is passed over for a folder made for the user.
    ASSERT_EQ(chmod(QFile::encodeName(folders.Runtime.path()).constData(), 0755), 0);
    EXPECT_EQ(TSingleInstance::ServerNameFor(key), folders.Fallback() + u'/' + name);
    EXPECT_EQ(ModeOf(folders.Fallback()), S_IFDIR | 0700);
    EXPECT_EQ(TSingleInstance::ServerNameFor(key), folders.Fallback() + u'/' + name);  // found again

    // A folder of that name that others may enter, or a link in its place, is never used.
    ASSERT_EQ(chmod(QFile::encodeName(folders.Fallback()).constData(), 0711), 0);
    EXPECT_EQ(TSingleInstance::ServerNameFor(key), QString());
    ASSERT_TRUE(QDir(folders.Fallback()).removeRecursively());
    ASSERT_TRUE(QFile::link(folders.Runtime.path(), folders.Fallback()));
    ASSERT_EQ(chmod(QFile::encodeName(folders.Runtime.path()).constData(), 0700), 0);
    qunsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(TSingleInstance::ServerNameFor(key), QString());

    // Without a safe folder the program runs on its own.
    TSingleInstance alone(NewKey());
    EXPECT_EQ(alone.Start({QStringLiteral("/kits/a.tsy")}), TInstanceRole::irFirst);
    EXPECT_FALSE(alone.IsListening());
}

TEST(SingleInstanceTest, FilesGoOnlyToAListenerOfTheSameUserAndAForeignOneIsLeftAlone)
{
    TRuntimeFolders folders;
    const QString key = NewKey();
    TSingleInstance first(key);
    ASSERT_EQ(first.Start({}), TInstanceRole::irFirst);
    ASSERT_TRUE(first.IsListening());
    QList<QStringList> received;
    QObject::connect(&first, &TSingleInstance::FilesReceived, [&](const QStringList& names) { received.append(names); });

    // The listener's credentials, as the kernel gives them, show the same user.
    EXPECT_EQ(StartLater(key, {QStringLiteral("/kits/one.tsy")}), TInstanceRole::irHandedOver);
    EXPECT_EQ(received, QList<QStringList>{{QStringLiteral("/kits/one.tsy")}});

    // A listener that turns out to be another user's hears nothing and keeps its socket.
    bool listening = true;
    const auto foreign = [](qintptr) { return false; };
    EXPECT_EQ(StartLater(key, {QStringLiteral("/kits/secret.tsy")}, foreign, &listening), TInstanceRole::irFirst);
    EXPECT_FALSE(listening);
    for (int i = 0; i < 10; ++i)
        QTest::qWait(10);
    EXPECT_EQ(received.size(), 1);
    EXPECT_EQ(ModeOf(first.ServerName()) & S_IFMT, static_cast<mode_t>(S_IFSOCK));
    EXPECT_EQ(StartLater(key, {QStringLiteral("/kits/two.tsy")}), TInstanceRole::irHandedOver);
    ASSERT_EQ(received.size(), 2);
    EXPECT_EQ(received.last(), QStringList{QStringLiteral("/kits/two.tsy")});
}

TEST(SingleInstanceTest, ARunningInstanceTalksOnlyToItsOwnUser)
{
    TRuntimeFolders folders;
    const QString key = NewKey();
    TSingleInstance first(key, nullptr, [](qintptr) { return false; });
    ASSERT_EQ(first.Start({}), TInstanceRole::irFirst);
    int raises = 0;
    QObject::connect(&first, &TSingleInstance::RaiseRequested, [&] { ++raises; });
    bool listening = true;
    EXPECT_EQ(StartLater(key, {QStringLiteral("/kits/one.tsy")}, {}, &listening), TInstanceRole::irFirst);
    EXPECT_FALSE(listening);
    EXPECT_EQ(raises, 0);
    EXPECT_TRUE(first.IsListening());
}

TEST(SingleInstanceTest, OnlyASocketNobodyListensOnIsReplaced)
{
    TRuntimeFolders folders;
    const QString key = NewKey();
    const QString path = TSingleInstance::ServerNameFor(key);

    // Left behind by an instance that ended without cleaning up: bound, never listened on.
    {
        const int stale = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray encoded = QFile::encodeName(path);
        ASSERT_LT(static_cast<std::size_t>(encoded.size()), sizeof address.sun_path);
        std::memcpy(address.sun_path, encoded.constData(), static_cast<std::size_t>(encoded.size()));
        ASSERT_EQ(bind(stale, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        close(stale);
    }
    {
        TSingleInstance next(key);
        EXPECT_EQ(next.Start({}), TInstanceRole::irFirst);
        EXPECT_TRUE(next.IsListening());
    }

    // Something else of that name is no socket of an ended instance: it stays.
    QFile other(path);
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("not a socket");
    other.close();
    TSingleInstance next(key);
    EXPECT_EQ(next.Start({}), TInstanceRole::irFirst);
    EXPECT_FALSE(next.IsListening());
    ASSERT_TRUE(other.open(QIODevice::ReadOnly));
    EXPECT_EQ(other.readAll(), QByteArray("not a socket"));
}

TEST(SingleInstanceTest, TheFirstStartListensAndRefusesAStrangersBytes)
{
    TRuntimeFolders folders;
    TSingleInstance first(NewKey());
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
