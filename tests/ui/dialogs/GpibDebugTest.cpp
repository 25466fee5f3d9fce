// The traffic log window and the Debug menu's two switches: what the cards write and read
// appears in the window while it is open, in bus order, and nothing once it is closed.
#include "SimulatedMachine.h"

#include "ui/dialogs/GpibDebugUnit.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A stand-in for the main window, where the log window places itself.
struct MainWindow {
    MainWindow()
    {
        window.setGeometry(100, 80, 600, 420);
        window.show();
    }
    QWidget window;
};

// One query through the card, bracketed as every transfer is; the reply it read.
std::string Query(TGpibCard& card, const std::string& command)
{
    std::string reply;
    card.Open();
    card.Write(command);
    card.Read(reply);
    card.Close();
    return reply;
}

QString Lines(std::initializer_list<std::string> lines)
{
    QStringList text;
    for (const std::string& line : lines)
        text.append(QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())));
    return text.join('\n');
}

} // namespace

TEST(GpibDebug, LogWindowOpensEmptyBesideTheMainWindow)
{
    SimulatedMachine machine(NiLibrary, SiclLibrary);
    MainWindow main;
    TFormGpibDebug* log = SetGpibLogging(true, &main.window);
    ASSERT_NE(log, nullptr);
    EXPECT_TRUE(LogGpib);
    EXPECT_EQ(TFormGpibDebug::Instance(), log);
    EXPECT_TRUE(log->isVisible());
    EXPECT_FALSE(log->isModal());
    EXPECT_EQ(log->windowTitle(), "GPIB Commands");
    EXPECT_EQ(log->Text(), "");
    const QRect frame = main.window.frameGeometry();
    EXPECT_EQ(log->frameGeometry(), QRect(frame.left() + frame.width() - 320 + 10, frame.top() + 10, 320, frame.height()));
    EXPECT_EQ(SetGpibLogging(true, &main.window), log) << "at most one log window";
    log->close();
}

TEST(GpibDebug, LogShowsWhatTheCardWritesAndReadsAndNothingAfterClosing)
{
    SimulatedMachine machine(NiLibrary, SiclLibrary);
    ChooseStartupGpibCard(gdAT, -1, -1);
    MainWindow main;
    QPointer<TFormGpibDebug> log = SetGpibLogging(true, &main.window);
    QSignalSpy closed(log.data(), &TFormGpibDebug::LogClosed);

    const std::string identity = Query(*CurrentGpibCard, "OUTPIDEN;");
    ASSERT_EQ(identity.rfind("HEWLETT PACKARD,", 0), 0u) << identity;
    const std::string status = Query(*CurrentGpibCard, "OUTPSTAT;");
    EXPECT_EQ(log->Text(), Lines({"OUTPIDEN;", identity, "OUTPSTAT;", status}));

    // The close box.
    log->close();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(LogGpib);
    EXPECT_EQ(TFormGpibDebug::Instance(), nullptr);
    ASSERT_FALSE(log.isNull()) << "destroyed only when events are processed";
    Query(*CurrentGpibCard, "OUTPIDEN;");
    EXPECT_EQ(log->Text(), Lines({"OUTPIDEN;", identity, "OUTPSTAT;", status}));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(log.isNull());

    // Checked again: a fresh, empty window that logs again.
    TFormGpibDebug* again = SetGpibLogging(true, &main.window);
    EXPECT_EQ(again->Text(), "");
    Query(*CurrentGpibCard, "OUTPSTAT;");
    EXPECT_EQ(again->Text(), Lines({"OUTPSTAT;", status}));
    again->close();
}

TEST(GpibDebug, NoGpibRunsACheckAgainstTheNoBusCardWhichAnswersZero)
{
    SimulatedMachine machine(NiLibrary, SiclLibrary);
    ChooseStartupGpibCard(gdNI, -1, -1);
    MainWindow main;
    TFormGpibDebug* log = SetGpibLogging(true, &main.window);

    SetNoGpib(true);
    EXPECT_TRUE(NoGpib);
    ASSERT_EQ(CurrentGpibCard, GpibCards[gdNone].get());
    EXPECT_EQ(Query(*CurrentGpibCard, "*IDN?"), "0");
    EXPECT_EQ(log->Text(), "*IDN?\n0");

    // Unchecking keeps the no-bus card; only a driver chosen in the settings replaces it.
    SetNoGpib(false);
    EXPECT_FALSE(NoGpib);
    EXPECT_EQ(CurrentGpibCard, GpibCards[gdNone].get());
    log->close();
}

TEST(GpibDebug, UncheckingLogGpibClosesTheWindowAndReportsIt)
{
    SimulatedMachine machine(NiLibrary, SiclLibrary);
    SetNoGpib(true);
    MainWindow main;
    QPointer<TFormGpibDebug> log = SetGpibLogging(true, &main.window);
    QSignalSpy closed(log.data(), &TFormGpibDebug::LogClosed);
    EXPECT_EQ(SetGpibLogging(false, &main.window), nullptr);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(LogGpib);
    EXPECT_EQ(TFormGpibDebug::Instance(), nullptr);
    EXPECT_FALSE(log->isVisible());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(log.isNull());
}

TEST(GpibDebug, LogWindowGoesWithItsOwnerAndTakesTheSinkAlong)
{
    SimulatedMachine machine(NiLibrary, SiclLibrary);
    SetNoGpib(true);
    auto main = std::make_unique<MainWindow>();
    SetGpibLogging(true, &main->window);
    main.reset();
    EXPECT_EQ(TFormGpibDebug::Instance(), nullptr);
    EXPECT_FALSE(LogGpib);
    LogGpib = true; // even so, nothing is left to write into
    EXPECT_EQ(Query(*CurrentGpibCard, "*IDN?"), "0");
}

TEST(GpibDebug, ClearEmptiesTheLogAndCopyPutsItOnTheClipboard)
{
    SimulatedMachine machine(NiLibrary, SiclLibrary);
    SetNoGpib(true);
    MainWindow main;
    TFormGpibDebug* log = SetGpibLogging(true, &main.window);
    auto* clear = log->findChild<QPushButton*>("Button1");
    auto* copy = log->findChild<QPushButton*>("Button2");
    ASSERT_NE(clear, nullptr);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(clear->text(), "&Clear");
    EXPECT_EQ(copy->text(), "Copy");

    QGuiApplication::clipboard()->setText("old");
    Query(*CurrentGpibCard, "SENS:CORR:COLL:CKIT:SEL 3");
    QTest::mouseClick(copy, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "SENS:CORR:COLL:CKIT:SEL 3\n0");

    QTest::mouseClick(clear, Qt::LeftButton);
    EXPECT_EQ(log->Text(), "");
    Query(*CurrentGpibCard, "*CLS");
    EXPECT_EQ(log->Text(), "*CLS\n0") << "logging goes on after clearing";
    QTest::mouseClick(copy, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "*CLS\n0");
    log->close();
}

TEST(GpibDebug, PlacementFollowsTheMainWindowsFrame)
{
    EXPECT_EQ(TFormGpibDebug::PlaceBeside(QRect(100, 50, 620, 440), 320), QRect(410, 60, 320, 440));
    EXPECT_EQ(TFormGpibDebug::PlaceBeside(QRect(-30, 0, 300, 200), 320), QRect(-40, 10, 320, 200));
}
