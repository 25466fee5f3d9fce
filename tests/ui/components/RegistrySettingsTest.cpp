// The settings store: named values in listed sub-keys, automatic clearing, the window
// position with its screen check, and the current folder.
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include "ui/components/RegistrySettings.h"

namespace {

class RegistrySettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Scope = {QStringLiteral("Tessaly Tests"),
                 QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()),
                 QSettings::IniFormat};
        Scope.Open()->clear();
        Window.setObjectName(QStringLiteral("MainForm"));
        Window.resize(400, 300);
    }

    TRegistrySettings MainSettings()
    {
        TRegistrySettings settings(&Window, Scope);
        settings.SetSubKeys({"GPIB", "VNA", "LastKit"});
        settings.SetAutoClear(false);
        return settings;
    }

    void StorePosition(const QVariant& top, const QVariant& left, const QVariant& width, const QVariant& height)
    {
        const std::unique_ptr<QSettings> stored = Scope.Open();
        stored->setValue("MainForm/Top", top);
        stored->setValue("MainForm/Left", left);
        stored->setValue("MainForm/Width", width);
        if (height.isValid())
            stored->setValue("MainForm/Height", height);
    }

    QPoint Centred() const
    {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        return {screen.x() + (screen.width() - Window.width()) / 2, screen.y() + (screen.height() - Window.height()) / 2};
    }

    TSettingsScope Scope;
    QWidget Window;
};

TEST_F(RegistrySettingsTest, ValuesOfListedSubKeysSurviveARun)
{
    TRegistrySettings first = MainSettings();
    first.LoadSettings();
    first.WriteValue("GPIB", "BoardNumber", "1");
    first.WriteValue("gpib", "VnaAddress", "16");
    first.WriteValue("VNA", "VNA", "5");
    first.WriteValue("Other", "Name", "lost");
    first.WriteValue("LastKit", "LastKit", "");
    EXPECT_EQ(first.ReadValue("Other", "Name", "default"), "default");
    first.SaveSettings();

    TRegistrySettings second = MainSettings();
    EXPECT_EQ(second.ReadValue("GPIB", "BoardNumber", "0"), "0");  // nothing before loading
    second.LoadSettings();
    EXPECT_EQ(second.ReadValue("GPIB", "boardnumber", "0"), "1");
    EXPECT_EQ(second.ReadValue("GPIB", "VnaAddress", "0"), "16");
    EXPECT_EQ(second.ReadValue("LastKit", "LastKit", "none"), "none");  // empty gives the default
    EXPECT_FALSE(Scope.Open()->childGroups().contains("Other"));
}

TEST_F(RegistrySettingsTest, AutoClearDecidesWhetherForeignValuesStay)
{
    {
        const std::unique_ptr<QSettings> stored = Scope.Open();
        stored->setValue("Legacy/Setting", "old");
        stored->setValue("GPIB/FromOlderVersion", "x");
    }
    TRegistrySettings keeping = MainSettings();
    keeping.WriteValue("GPIB", "BoardNumber", "2");
    keeping.SaveSettings();
    {
        const std::unique_ptr<QSettings> stored = Scope.Open();
        EXPECT_EQ(stored->value("Legacy/Setting").toString(), "old");
        EXPECT_EQ(stored->value("GPIB/FromOlderVersion").toString(), "x");
        EXPECT_EQ(stored->value("GPIB/BoardNumber").toString(), "2");
    }

    TRegistrySettings clearing = MainSettings();
    clearing.SetAutoClear(true);
    clearing.WriteValue("VNA", "VNA", "3");
    clearing.SaveSettings();
    const std::unique_ptr<QSettings> stored = Scope.Open();
    EXPECT_FALSE(stored->contains("Legacy/Setting"));
    EXPECT_FALSE(stored->contains("GPIB/FromOlderVersion"));
    EXPECT_EQ(stored->value("VNA/VNA").toString(), "3");
    EXPECT_EQ(stored->value("MainForm/Width").toInt(), 400);
}

TEST_F(RegistrySettingsTest, StoredPositionIsUsedOnlyWhenTheWindowFitsTheScreen)
{
    Window.setGeometry(70, 80, 320, 240);
    MainSettings().SaveSettings();
    {
        const std::unique_ptr<QSettings> stored = Scope.Open();
        EXPECT_EQ(stored->value("MainForm/Top").toInt(), 80);
        EXPECT_EQ(stored->value("MainForm/Height").toInt(), 240);
    }
    Window.setGeometry(0, 0, 400, 300);
    MainSettings().LoadSettings();
    EXPECT_EQ(Window.geometry(), QRect(70, 80, 320, 240));

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    struct TCase {
        QVariant Top, Left, Width, Height;
    };
    const TCase offScreen[] = {
        {-10, 20, 200, 100},                    // above the screen
        {20, -5, 200, 100},                     // left of the screen
        {20, 20, screen.width(), 100},          // wider than the screen from its left edge
        {20, 20, 200, screen.height() - 15},    // reaches below the screen
        {20, 20, 200, QVariant()},              // a value missing
        {20, "left", 200, 100},                 // a value unreadable
    };
    for (const TCase& stored : offScreen) {
        Window.setGeometry(1, 1, 400, 300);
        StorePosition(stored.Top, stored.Left, stored.Width, stored.Height);
        if (!stored.Height.isValid())
            Scope.Open()->remove("MainForm/Height");
        MainSettings().LoadSettings();
        EXPECT_EQ(Window.pos(), Centred()) << stored.Top.toString().toStdString() << ' '
                                           << stored.Left.toString().toStdString();
        EXPECT_EQ(Window.size(), QSize(400, 300));
    }

    // Just inside the tolerance of five pixels.
    StorePosition(-4, -4, screen.width() + 3, 100);
    MainSettings().LoadSettings();
    EXPECT_EQ(Window.geometry(), QRect(-4, -4, screen.width() + 3, 100));
}

TEST_F(RegistrySettingsTest, CurrentFolderIsRestoredWhenItStillExists)
{
    const QString before = QDir::currentPath();
    QTemporaryDir kits;
    ASSERT_TRUE(kits.isValid());
    TRegistrySettings settings(nullptr, Scope);
    settings.SetSaveCurrentDirectory(true);
    QDir::setCurrent(kits.path());
    settings.SaveSettings();
    QDir::setCurrent(before);
    settings.LoadSettings();
    EXPECT_EQ(QDir(QDir::currentPath()).canonicalPath(), QDir(kits.path()).canonicalPath());

    QDir::setCurrent(before);
    Scope.Open()->setValue("CurrentDirectory/Directory", kits.path() + "/gone");
    settings.LoadSettings();
    EXPECT_EQ(QDir::currentPath(), before);
}

}  // namespace
