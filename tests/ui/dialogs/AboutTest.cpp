// The About window: the splash closes itself after its time, the About command's window
// stays, the version comes from the build, and the key chord reveals the Debug menu.
#include "ui/dialogs/About.h"
#include "ui/dialogs/AboutAnimation.h"
#include "ui/dialogs/GpibDebugUnit.h"
#include "ui/dialogs/GpibSettings.h"

#include "SimulatedMachine.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

constexpr Qt::KeyboardModifiers Chord = Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier;

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

QString Label(const QWidget& window, const char* name)
{
    const auto* label = window.findChild<QLabel*>(name);
    return label != nullptr ? label->text() : QStringLiteral("(no label %1)").arg(name);
}

} // namespace

TEST(About, SplashClosesItselfAfterItsTimeAndTheAboutWindowStays)
{
    TAboutForm splash(nullptr, 300);
    EXPECT_EQ(splash.AutoCloseInterval(), 300);
    const qint64 shown = RunModally(splash, 5000);
    EXPECT_GE(shown, 290);
    EXPECT_LT(shown, 4000);
    EXPECT_EQ(splash.result(), QDialog::Accepted) << "closed by its timer, not by the limit";

    TAboutForm about;
    EXPECT_EQ(about.AutoCloseInterval(), -1);
    EXPECT_GE(RunModally(about, 600), 590);
    EXPECT_EQ(about.result(), QDialog::Rejected) << "still open when the limit closed it";

    TAboutForm never(nullptr, 200);
    never.SetAutoCloseInterval(0);
    EXPECT_EQ(never.AutoCloseInterval(), -1);
    EXPECT_GE(RunModally(never, 500), 490);

    TAboutForm closedEarly(nullptr, 300);
    QTimer::singleShot(50, &closedEarly, [&closedEarly] {
        QTest::mouseClick(closedEarly.findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    });
    EXPECT_LT(RunModally(closedEarly, 5000), 290);
    EXPECT_EQ(closedEarly.result(), QDialog::Accepted);
}

TEST(About, ShowsTheMakerAndTheVersionOfTheBuild)
{
    TAboutForm about;
    EXPECT_EQ(about.windowTitle(), "About Tessaly");
    EXPECT_TRUE(about.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(about.size(), QSize(500, 370));
    EXPECT_EQ(Label(about, "CompanyName"), "Brightmoor");
    EXPECT_EQ(Label(about, "Version"), QStringLiteral("Version ") + QStringLiteral(TESSALY_VERSION));
    EXPECT_TRUE(Label(about, "Copyright").contains("Brightmoor"));
    const auto* license = about.findChild<QTextEdit*>("License");
    ASSERT_NE(license, nullptr);
    EXPECT_TRUE(license->isReadOnly());
    EXPECT_TRUE(license->toPlainText().contains("WARRANTY"));
    EXPECT_TRUE(Label(about, "LegalWarning").contains("copyright law"));
}

TEST(About, CtrlAltShiftDRevealsTheDebugMenuFromAnyControl)
{
    TAboutForm about;
    QSignalSpy revealed(&about, &TAboutForm::DebugMenuRevealed);
    about.show();
    auto* ok = about.findChild<QPushButton*>("btnOK");
    auto* license = about.findChild<QTextEdit*>("License");

    QTest::keyClick(ok, Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(ok, Qt::Key_D, Qt::ControlModifier | Qt::AltModifier);
    QTest::keyClick(ok, Qt::Key_E, Chord);
    QTest::keyClick(ok, Qt::Key_D);
    EXPECT_EQ(revealed.count(), 0);
    EXPECT_FALSE(about.DebugRevealed());

    QTest::keyClick(license, Qt::Key_D, Chord);
    EXPECT_EQ(revealed.count(), 1);
    EXPECT_TRUE(about.DebugRevealed());
    QTest::keyClick(ok, Qt::Key_D, Chord);
    EXPECT_EQ(revealed.count(), 2);
    EXPECT_TRUE(about.isVisible()) << "the chord is swallowed, nothing else happens";
}

TEST(About, AnimationRunsOnlyWhileTheWindowIsShown)
{
    TAboutForm about;
    auto* animation = about.findChild<TAboutAnimation*>("Animate1");
    ASSERT_NE(animation, nullptr);
    EXPECT_FALSE(animation->IsRunning());
    about.show();
    EXPECT_TRUE(animation->IsRunning());
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
        {&about,
         {"Animate1", "CompanyName", "ProductName", "Version", "Copyright", "Bevel2", "License", "Bevel1",
          "LegalWarning", "btnOK"}},
    };
    for (const auto& [window, names] : windows) {
        EXPECT_FALSE(window->objectName().isEmpty());
        EXPECT_FALSE(window->accessibleName().isEmpty()) << window->objectName().toStdString();
        EXPECT_FALSE(window->accessibleDescription().isEmpty()) << window->objectName().toStdString();
        for (const QString& name : names) {
            const auto* control = window->findChild<QWidget*>(name);
            ASSERT_NE(control, nullptr) << name.toStdString();
            EXPECT_FALSE(control->accessibleName().isEmpty()) << name.toStdString();
            EXPECT_FALSE(control->accessibleDescription().isEmpty()) << name.toStdString();
        }
    }
    EXPECT_EQ(settings.property("helpContext").toInt(), 2230);
    EXPECT_EQ(settings.findChild<QWidget*>("spnAddress")->property("helpContext").toInt(), 8020);
    log->close();
}
