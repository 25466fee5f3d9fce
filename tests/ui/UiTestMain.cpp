// Test main of the widget tests: an application object without a display, a private
// settings store so that no test reads or writes the user's own settings, and no splash
// window at a main window's first show unless a test asks for one.
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("TESSALY_SPLASH_MILLISECONDS"))
        qputenv("TESSALY_SPLASH_MILLISECONDS", "0");
    const QTemporaryDir settingsHome;
    if (!settingsHome.isValid())
        return 2;
    qputenv("XDG_CONFIG_HOME", settingsHome.path().toLocal8Bit());
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, settingsHome.path() + QStringLiteral("/user"));
        QSettings::setPath(format, QSettings::SystemScope, settingsHome.path() + QStringLiteral("/system"));
    }
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
