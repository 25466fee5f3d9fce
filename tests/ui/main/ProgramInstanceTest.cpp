// One running program per user, tried with real starts of the `tessaly` program: a later
// start hands its kit files to the running one and ends; names of any length arrive whole; a
// socket left behind by a killed program does not stop the next start. Every start runs
// without a display, with its own settings folder and its own folder for the socket.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "../../kit/SampleKits.h"
#include "analyzers/Vna.h"
#include "kit/CalKit.h"
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
        ASSERT_TRUE(Home.isValid());
        for (const char* folder : {"config", "run", "xdg", "kits"})
            ASSERT_TRUE(QDir(Home.path()).mkpath(folder));
        QFile::setPermissions(Home.filePath("xdg"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // This process reads the programs' settings where they write them.
        for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope, Home.filePath("config"));
    }

    // A start of the program with these arguments in folder (the test's own when empty); it
    // ends with the test.
    QProcess& Run(const QStringList& arguments, const QString& folder = QString())
    {
        Started.push_back(std::make_unique<QProcess>());
        QProcess* process = Started.back().get();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_CONFIG_HOME", Home.filePath("config"));
        environment.insert("XDG_RUNTIME_DIR", Home.filePath("xdg"));
        environment.insert("TMPDIR", Home.filePath("run"));
        process->setProcessEnvironment(environment);
        process->setProgram(QStringLiteral(TESSALY_PROGRAM));
        process->setArguments(arguments);
        process->setWorkingDirectory(folder);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start();
        EXPECT_TRUE(process->waitForStarted(10000));
        return *process;
    }

    // True once a running program answers on the socket.
    bool WaitUntilListening(const QProcess& program)
    {
        const QString name = TSingleInstance::ServerNameFor(QString::fromLatin1(TSingleInstance::ProgramKey));
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 15000 && program.state() == QProcess::Running) {
            QLocalSocket probe;
            probe.connectToServer(QDir(Home.filePath("run")).filePath(name));
            if (probe.waitForConnected(200))
                return true;
            QTest::qWait(50);
        }
        return false;
    }

    // The recent files the running program has stored.
    static QStringList RecentFiles()
    {
        return TRecentFileList(nullptr, nullptr, ProgramSettingsScope()).Files();
    }
    bool WaitForRecentFiles(const QStringList& wanted)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 15000) {
            if (RecentFiles() == wanted)
                return true;
            QTest::qWait(50);
        }
        return false;
    }

    QString WriteKit(const QString& path)
    {
        TCalKit kit(*FindVna("8753D/E"));
        FillSampleKit(kit);
        WriteKitFile(kit, ToCorePath(path));
        return path;
    }

    void TearDown() override
    {
        for (const std::unique_ptr<QProcess>& process : Started)
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(5000);
            }
    }

    QTemporaryDir Home;
    std::vector<std::unique_ptr<QProcess>> Started;
};

}  // namespace

TEST_F(ProgramInstanceTest, ALaterStartHandsItsFilesToTheRunningProgramAndEnds)
{
    QProcess& first = Run({});
    ASSERT_TRUE(WaitUntilListening(first));

    const QString one = WriteKit(Home.filePath("kits/one.tsy"));
    const QString two = WriteKit(Home.filePath("kits/two words.tsy"));
    QProcess& second = Run({one, two});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(WaitForRecentFiles({two, one})) << RecentFiles().join('|').toStdString();

    // Without files a later start only brings the running program to the front.
    QProcess& third = Run({});
    ASSERT_TRUE(third.waitForFinished(10000));
    EXPECT_EQ(third.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
}

TEST_F(ProgramInstanceTest, AKilledProgramDoesNotBlockTheNextAndLongNamesArriveWhole)
{
    QProcess& crashed = Run({});
    ASSERT_TRUE(WaitUntilListening(crashed));
    crashed.kill();
    ASSERT_TRUE(crashed.waitForFinished(5000));

    // The socket it left behind is taken over by the next start, which keeps running.
    QProcess& next = Run({});
    ASSERT_TRUE(WaitUntilListening(next));
    EXPECT_FALSE(next.waitForFinished(300));

    // A kit deep in folders, its name far beyond 511 characters, relative to the later
    // start's own folder.
    QString folder = Home.filePath("kits");
    for (int level = 0; level < 4; ++level)
        folder += QLatin1Char('/') + QString(150, QLatin1Char('a' + level));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString deep = WriteKit(folder + QStringLiteral("/deep kit.tsy"));
    ASSERT_GT(deep.size(), 600);
    QProcess& later = Run({deep.mid(Home.filePath("kits").size() + 1)}, Home.filePath("kits"));
    ASSERT_TRUE(later.waitForFinished(10000));
    EXPECT_EQ(later.exitCode(), 0);
    EXPECT_TRUE(WaitForRecentFiles({deep})) << RecentFiles().join('|').toStdString();
}
