// The traffic log window and the Debug menu's two switches: what the cards write and read
// appears in the window while it is open, in bus order, and nothing once it is closed.
#include "SimulatedMachine.h"

#include "ui/dialogs/GpibDebugUnit.h"

#include <QApplication>
#include <QClipboard>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A stand-in for the main window, where the log window places itself.
struct MainWindow : QWidget {
    MainWindow()
    {
        setGeometry(100, 80, 600, 420);
        show();
    }
};

// One query through the current card, bracketed as every transfer is; the reply.
QString Query(const std::string& command)
{
    std::string reply;
    CurrentGpibCard->Open();
    CurrentGpibCard->Write(command);
    CurrentGpibCard->Read(reply);
    CurrentGpibCard->Close();
    return QString::fromLatin1(reply.c_str());
}

void DestroyClosedWindows() { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

} // namespace

TEST(GpibDebug, LogGpibOpensOneEmptyWindowBesideTheMainWindowAndUncheckingClosesIt)
{
    SimulatedMachine machine(NiLibrary, SiclLibrary);
    MainWindow main;
    QPointer<TFormGpibDebug> log = SetGpibLogging(true, &main);
    ASSERT_FALSE(log.isNull());
    EXPECT_TRUE(log->isVisible() && !log->isModal());
    const QRect frame = main.frameGeometry();
    EXPECT_EQ(log->frameGeometry(), QRect(frame.right() + 11 - 320, frame.top() + 10, 320, frame.height()));
    EXPECT_EQ(SetGpibLogging(true, &main), log) << "at most one log window";

    QSignalSpy closed(log.data(), &TFormGpibDebug::LogClosed);
    EXPECT_EQ(SetGpibLogging(false, &main), nullptr);
    EXPECT_FALSE(LogGpib);
    EXPECT_EQ(TFormGpibDebug::Instance(), nullptr);
    DestroyClosedWindows();
    EXPECT_TRUE(log.isNull());
}

TEST(GpibDebug, LogShowsWhatTheCardWritesAndReadsAndNothingAfterClosing)
{
    SimulatedMachine machine(NiLibrary, SiclLibrary);
    ChooseStartupGpibCard(gdAT, -1, -1);
    MainWindow main;
    QPointer<TFormGpibDebug> log = SetGpibLogging(true, &main);
    QSignalSpy closed(log.data(), &TFormGpibDebug::LogClosed);

    const QString identity = Query("OUTPIDEN;");
    ASSERT_TRUE(identity.startsWith("HEWLETT PACKARD,")) << identity.toStdString();
    const QString status = Query("OUTPSTAT;");
    QString logged = QStringList{"OUTPIDEN;", identity, "OUTPSTAT;", status}.join('\n');
    EXPECT_EQ(log->Text(), logged);
    // Bytes that would drive a terminal or hide a line appear escaped.
    GpibCards[gdNone]->Write("\x1b]0;x\x07\r");
    logged += "\n\\x1b]0;x\\x07\\r";
    EXPECT_EQ(log->Text(), logged);

    log->close(); // its close box
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(LogGpib);
    ASSERT_FALSE(log.isNull()) << "destroyed only when events are processed";
    Query("OUTPIDEN;");
    EXPECT_EQ(log->Text(), logged);
    DestroyClosedWindows();

    TFormGpibDebug* again = SetGpibLogging(true, &main);
    Query("OUTPSTAT;");
    EXPECT_EQ(again->Text(), "OUTPSTAT;\n" + status) << "a fresh window logs again";
    again->close();
}

TEST(GpibDebug, LogWindowGoesWithItsOwnerAndTakesTheSinkAlong)
{
    SimulatedMachine machine(NiLibrary, SiclLibrary);
    SetNoGpib(true);
    auto main = std::make_unique<MainWindow>();
    SetGpibLogging(true, main.get());
    main.reset();
    EXPECT_EQ(TFormGpibDebug::Instance(), nullptr);
    EXPECT_FALSE(LogGpib);
    LogGpib = true; // even so, nothing is left to write into
    EXPECT_EQ(Query("*IDN?"), "0");
}

TEST(GpibDebug, ClearEmptiesTheLogAndCopyPutsItOnTheClipboard)
{
    SimulatedMachine machine(NiLibrary, SiclLibrary);
    SetNoGpib(true);
    MainWindow main;
    TFormGpibDebug* log = SetGpibLogging(true, &main);
    const auto click = [log](const char* button) {
        QTest::mouseClick(log->findChild<QPushButton*>(button), Qt::LeftButton);
    };
    Query("SENS:CORR:COLL:CKIT:SEL 3");
    click("Button2");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "SENS:CORR:COLL:CKIT:SEL 3\n0");

    click("Button1");
    EXPECT_EQ(log->Text(), "");
    Query("*CLS");
    click("Button2");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "*CLS\n0") << "logging goes on after clearing";
    log->close();
}
