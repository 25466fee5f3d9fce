// One running program per user, tried with real starts of `tessaly`, each without a display
// and with its own settings folder and socket folder.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "../../kit/SampleKits.h"
#include "kit/KitFile.h"
#include "ui/components/CoreText.h"
#include "ui/components/RecentFileList.h"
#include "ui/components/SettingsScope.h"
#include "ui/components/SingleInstance.h"

namespace {

class ProgramInstanceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* folder : {"config", "config-alone", "run", "kits"})
            ASSERT_TRUE(QDir(Home.path()).mkpath(folder));
        // This process reads the recent files where the programs store them.
        for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope, Home.filePath("config"));
    }
    void TearDown() override
    {
        for (const std::unique_ptr<QProcess>& process : Started)
            process->kill();
        for (const std::unique_ptr<QProcess>& process : Started)
            process->waitForFinished(5000);
    }

    // A start of the program; config names the settings folder under Home.
    QProcess& Run(const QStringList& arguments, const QString& folder = QString(), const QString& config = "config")
    {
        auto& process = *Started.emplace_back(std::make_unique<QProcess>());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_CONFIG_HOME", Home.filePath(config));
        // The socket goes into a folder of the user's own inside TMPDIR.
        environment.remove("XDG_RUNTIME_DIR");
        environment.insert("TMPDIR", Home.filePath("run"));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(folder);
        process.start(QStringLiteral(TESSALY_PROGRAM), arguments);
        return process;
    }
    // A later start ends at once, handing over.
    static bool HandsOver(QProcess& start) { return start.waitForFinished(10000) && start.exitCode() == 0; }

    bool Until(const std::function<bool()>& done)
    {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < 15000)
            QTest::qWait(50);
        return done();
    }
    QString SocketPath() const
    {
        return Home.filePath(QStringLiteral("run/tessaly-%1/").arg(getuid())) +
               TSingleInstance::SocketNameFor(QString::fromLatin1(TSingleInstance::ProgramKey));
    }
    bool Listening()
    {
        QLocalSocket probe;
        probe.connectToServer(SocketPath());
        return probe.waitForConnected(200);
    }
    // The socket file's identity: a socket made anew in its place has another.
    ino_t SocketInode() const
    {
        struct stat status {};
        return lstat(QFile::encodeName(SocketPath()).constData(), &status) == 0 && S_ISSOCK(status.st_mode)
                   ? status.st_ino
                   : 0;
    }
    static QStringList RecentFiles() { return TRecentFileList(nullptr, nullptr, ProgramSettingsScope()).Files(); }

    QString WriteKit(const QString& path)
    {
        TCalKit kit(*FindVna("8753D/E"));
        FillSampleKit(kit);
        WriteKitFile(kit, ToCorePath(path));
        return path;
    }

    QTemporaryDir Home;
    std::vector<std::unique_ptr<QProcess>> Started;
};

}  // namespace

TEST_F(ProgramInstanceTest, ALaterStartHandsItsFilesToTheRunningProgramAndEnds)
{
    QProcess& first = Run({});
    ASSERT_TRUE(Until([&] { return Listening(); }));
    const QString one = WriteKit(Home.filePath("kits/one.tsy"));
    const QString two = WriteKit(Home.filePath("kits/two words.tsy"));
    EXPECT_TRUE(HandsOver(Run({one, two})));
    EXPECT_TRUE(Until([&] { return RecentFiles() == QStringList{two, one}; })) << RecentFiles().join('|').toStdString();
    EXPECT_TRUE(HandsOver(Run({})));  // only brings the running program to the front
    EXPECT_EQ(first.state(), QProcess::Running);
}

TEST_F(ProgramInstanceTest, AKilledProgramDoesNotBlockTheNextAndLongNamesArriveWhole)
{
    QProcess& crashed = Run({});
    ASSERT_TRUE(Until([&] { return Listening(); }));
    crashed.kill();
    ASSERT_TRUE(crashed.waitForFinished(5000));
    QProcess& next = Run({});
    ASSERT_TRUE(Until([&] { return Listening(); }));
    EXPECT_FALSE(next.waitForFinished(300));

    // Given relative to the later start's own folder, and far beyond 511 characters.
    QString relative = QStringLiteral("deep");
    for (int level = 0; level < 4; ++level)
        relative += QLatin1Char('/') + QString(150, QLatin1Char('a' + level));
    ASSERT_TRUE(QDir(Home.filePath("kits")).mkpath(relative));
    relative += QStringLiteral("/deep kit.tsy");
    const QString deep = WriteKit(Home.filePath("kits/" + relative));
    EXPECT_TRUE(HandsOver(Run({relative}, Home.filePath("kits"))));
    EXPECT_TRUE(Until([&] { return RecentFiles() == QStringList{deep}; })) << RecentFiles().join('|').toStdString();
}

TEST_F(ProgramInstanceTest, AStoppedProgramKeepsItsSocketAndTakesLaterFilesOnceItResumes)
{
    QProcess& first = Run({});
    ASSERT_TRUE(Until([&] { return Listening(); }));
    const ino_t socket = SocketInode();
    ASSERT_NE(socket, 0u);
    const pid_t firstId = static_cast<pid_t>(first.processId());
    ASSERT_EQ(::kill(firstId, SIGSTOP), 0);

    // No answer within the 5 s: the start runs on its own, leaving the socket and sending nothing.
    const QString alone = WriteKit(Home.filePath("kits/alone.tsy"));
    QProcess& aside = Run({alone}, QString(), "config-alone");
    EXPECT_FALSE(aside.waitForFinished(7000));
    EXPECT_EQ(SocketInode(), socket);

    ASSERT_EQ(::kill(firstId, SIGCONT), 0);
    const QString later = WriteKit(Home.filePath("kits/later.tsy"));
    EXPECT_TRUE(HandsOver(Run({later})));
    EXPECT_TRUE(Until([&] { return RecentFiles() == QStringList{later}; })) << RecentFiles().join('|').toStdString();
    EXPECT_EQ(SocketInode(), socket);
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_EQ(aside.state(), QProcess::Running);
}
