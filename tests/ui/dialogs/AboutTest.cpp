// The About window: the splash closes itself after its time, the About command's window
// stays, the version comes from the build, and the key chord reveals the Debug menu.
#include "SimulatedMachine.h"

#include "ui/dialogs/About.h"
#include "ui/dialogs/AboutAnimation.h"
#include "ui/dialogs/AboutTexts.h"
#include "ui/dialogs/AboutVersionInfo.h"
#include "ui/dialogs/GpibDebugUnit.h"
#include "ui/dialogs/GpibSettings.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

// Runs the window modally, as the main window does; a window that does not close by itself
// is closed after limit milliseconds. The time it was shown.
qint64 RunModally(TAboutForm& about, int limit)
{
    QTimer::singleShot(limit, &about, &QDialog::reject);
    QElapsedTimer clock;
    clock.start();
    about.exec();
    return clock.elapsed();
}

} // namespace

TEST(About, SplashClosesItselfAfterItsTimeAndTheAboutWindowStays)
{
    TAboutForm splash(nullptr, 300);
    const qint64 shown = RunModally(splash, 5000);
    EXPECT_GE(shown, 300);
    EXPECT_LT(shown, 4000);
    EXPECT_EQ(splash.result(), QDialog::Accepted) << "closed by its timer, not by the limit";

    TAboutForm about;
    EXPECT_GE(RunModally(about, 600), 550);
    EXPECT_EQ(about.result(), QDialog::Rejected) << "still open when the limit closed it";

    TAboutForm never(nullptr, 200);
    never.SetAutoCloseInterval(0);
    EXPECT_GE(RunModally(never, 500), 450) << "an interval of 0 means no timer";

    TAboutForm closedEarly(nullptr, 300);
    QTimer::singleShot(50, &closedEarly, [&closedEarly] {
        QTest::mouseClick(closedEarly.findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    });
    EXPECT_LT(RunModally(closedEarly, 5000), 300);
}

TEST(About, ShowsTheMakerAndTheVersionOfTheBuild)
{
    TAboutForm about;
    EXPECT_EQ(about.findChild<QLabel*>("Version")->text(), "Version " TESSALY_VERSION);
    EXPECT_TRUE(about.findChild<QTextEdit*>("License")->toPlainText().contains("WARRANTY"));
}

TEST(About, CtrlAltShiftDRevealsTheDebugMenuFromAnyControl)
{
    TAboutForm about;
    QSignalSpy revealed(&about, &TAboutForm::DebugMenuRevealed);
    about.show();
    auto* ok = about.findChild<QPushButton*>("btnOK");
    const Qt::KeyboardModifiers chord = Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier;
    QTest::keyClick(ok, Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(ok, Qt::Key_E, chord);
    EXPECT_EQ(revealed.count(), 0);

    QTest::keyClick(about.findChild<QTextEdit*>("License"), Qt::Key_D, chord);
    EXPECT_EQ(revealed.count(), 1);
    EXPECT_TRUE(about.DebugRevealed());
    QTest::keyClick(ok, Qt::Key_D, chord);
    EXPECT_EQ(revealed.count(), 2);
    EXPECT_TRUE(about.isVisible()) << "the chord is swallowed, nothing else happens";
}

TEST(About, AnimationRunsOnlyWhileTheWindowIsShown)
{
    TAboutForm about;
    auto* animation = about.findChild<TAboutAnimation*>("Animate1");
    EXPECT_FALSE(animation->IsRunning());
    about.show();
    const int first = animation->Frame();
    QTest::qWait(5 * TAboutAnimation::TickMilliseconds);
    EXPECT_GT(animation->Frame(), first);
    about.accept();
    EXPECT_FALSE(animation->IsRunning());
}

TEST(Dialogs, EveryWindowAndControlCarriesItsNameForCodeAndScreenReaders)
{
    SimulatedMachine machine(NiLibrary, SiclLibrary);
    SetNoGpib(true);
    TGpibSettingsForm settings;
    TAboutForm about;
    QWidget main;
    TFormGpibDebug* log = SetGpibLogging(true, &main);
    const std::vector<std::pair<QWidget*, QStringList>> windows = {
        {&settings, {"rgGpibDriver", "rbNI", "rbAT", "spnBoard", "spnAddress", "btnOK", "btnCancel"}},
        {log, {"Memo1", "Panel1", "Button1", "Button2"}},
        {&about, {"Animate1", "CompanyName", "ProductName", "Version", "Copyright", "License", "LegalWarning"}},
    };
    for (const auto& [window, names] : windows) {
        EXPECT_FALSE(window->objectName().isEmpty() || window->accessibleDescription().isEmpty());
        for (const QString& name : names) {
            const auto* control = window->findChild<QWidget*>(name);
            ASSERT_NE(control, nullptr) << name.toStdString();
            EXPECT_FALSE(control->accessibleName().isEmpty() || control->accessibleDescription().isEmpty())
                << name.toStdString();
        }
    }

    // A screen reader reads what the windows say: the About texts by name, the log's lines as
    // its value, kept current as lines arrive.
    const auto read = [](QWidget* window, const char* name, QAccessible::Text kind) {
        return QAccessible::queryAccessibleInterface(window->findChild<QWidget*>(name))->text(kind);
    };
    EXPECT_EQ(read(&about, "LegalWarning", QAccessible::Name), AboutLegalWarningText());
    EXPECT_EQ(read(&about, "Copyright", QAccessible::Name), ProgramVersionInfo().LegalCopyright);
    EXPECT_EQ(read(&about, "Version", QAccessible::Name), "Version " + ProgramVersionInfo().ProductVersion);
    EXPECT_EQ(read(&about, "License", QAccessible::Value), AboutLicenseText());
    log->AppendLine(QStringLiteral("OUTPIDEN;"));
    log->AppendLine(QStringLiteral("HP8753E"));
    EXPECT_EQ(read(log, "Memo1", QAccessible::Value), "OUTPIDEN;\nHP8753E");
    log->close();
}
