#include "ui/components/RegistrySettings.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <algorithm>

namespace {

const QString TopValue = QStringLiteral("Top");
const QString LeftValue = QStringLiteral("Left");
const QString WidthValue = QStringLiteral("Width");
const QString HeightValue = QStringLiteral("Height");
const QString DirectoryGroup = QStringLiteral("CurrentDirectory");
const QString DirectoryValue = QStringLiteral("Directory");

bool ReadInt(const QSettings& settings, const QString& name, int& value)
{
    bool ok = false;
    value = settings.value(name).toString().toInt(&ok);
    return ok;
}

QRect ScreenRect()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

}  // namespace

TRegistrySettings::TRegistrySettings(QWidget* ownerForm, const TSettingsScope& scope)
    : FOwner(ownerForm), FScope(scope)
{
}

void TRegistrySettings::SetSubKeys(const QStringList& subKeys)
{
    std::vector<TSubKey> kept;
    for (const QString& name : subKeys) {
        if (const TSubKey* old = FindSubKey(name))
            kept.push_back(*old);
        else
            kept.push_back(TSubKey{name, {}});
    }
    FSubKeys = std::move(kept);
}

void TRegistrySettings::SetCentreOn(QWidget* window)
{
    FCentreOn = window;
}

QStringList TRegistrySettings::SubKeys() const
{
    QStringList names;
    for (const TSubKey& subKey : FSubKeys)
        names.append(subKey.Name);
    return names;
}

TRegistrySettings::TSubKey* TRegistrySettings::FindSubKey(const QString& name)
{
    const auto found = std::find_if(FSubKeys.begin(), FSubKeys.end(), [&name](const TSubKey& subKey) {
        return subKey.Name.compare(name, Qt::CaseInsensitive) == 0;
    });
    return found == FSubKeys.end() ? nullptr : &*found;
}

const TRegistrySettings::TSubKey* TRegistrySettings::FindSubKey(const QString& name) const
{
    return const_cast<TRegistrySettings*>(this)->FindSubKey(name);
}

QString TRegistrySettings::ReadValue(const QString& subKey, const QString& name,
                                     const QString& defaultValue) const
{
    const TSubKey* list = FindSubKey(subKey);
    if (!list)
        return defaultValue;
    for (const TEntry& entry : list->Entries)
        if (entry.first.compare(name, Qt::CaseInsensitive) == 0)
            return entry.second.isEmpty() ? defaultValue : entry.second;
    return defaultValue;
}

void TRegistrySettings::WriteValue(const QString& subKey, const QString& name, const QString& value)
{
    TSubKey* list = FindSubKey(subKey);
    if (!list)
        return;
    for (TEntry& entry : list->Entries) {
        if (entry.first.compare(name, Qt::CaseInsensitive) == 0) {
            entry.second = value;
            return;
        }
    }
    list->Entries.emplace_back(name, value);
}

QString TRegistrySettings::FormKey() const
{
    if (!FOwner)
        return {};
    if (!FOwner->objectName().isEmpty())
        return FOwner->objectName();
    QString name = QString::fromLatin1(FOwner->metaObject()->className());
    if (name.size() > 1 && name.startsWith(QLatin1Char('T')))
        name.remove(0, 1);
    return name;
}

void TRegistrySettings::LoadSettings()
{
    const std::unique_ptr<QSettings> store = FScope.Open();
    QSettings& settings = *store;
    for (const TSubKey& subKey : FSubKeys) {
        settings.beginGroup(subKey.Name);
        for (const QString& name : settings.childKeys())
            WriteValue(subKey.Name, name, settings.value(name).toString());
        settings.endGroup();
    }

    if (FSaveFormPosition && FOwner)
        RestoreFormPosition(settings);

    if (FSaveCurrentDirectory) {
        const QString directory = settings.value(DirectoryGroup + QLatin1Char('/') + DirectoryValue).toString();
        if (!directory.isEmpty() && QFileInfo(directory).isDir())
            QDir::setCurrent(directory);
    }
}

void TRegistrySettings::RestoreFormPosition(QSettings& settings)
{
    settings.beginGroup(FormKey());
    int top = 0;
    int left = 0;
    int width = 0;
    int height = 0;
    const bool complete = ReadInt(settings, TopValue, top) && ReadInt(settings, LeftValue, left) &&
                          ReadInt(settings, WidthValue, width) && ReadInt(settings, HeightValue, height);
    settings.endGroup();
    const QRect screen = ScreenRect();
    // A window that would lie partly off the screen is centred instead.
    if (complete && width > 0 && height > 0 && top > -5 && left > -5 &&
        top + height < screen.height() + 5 && left + width < screen.width() + 5)
        FOwner->setGeometry(left, top, width, height);
    else
        CentreForm();
}

void TRegistrySettings::CentreForm()
{
    const QRect screen = ScreenRect();
    const QRect around = FCentreOn ? FCentreOn->frameGeometry() : screen;
    const QSize size = FOwner->frameGeometry().size();
    int left = around.x() + (around.width() - size.width()) / 2;
    int top = around.y() + (around.height() - size.height()) / 2;
    // Centred on a window near the screen's edge, the owner is pushed back onto the screen,
    // its top-left corner first.
    if (FCentreOn && screen.isValid()) {
        left = std::max(std::min(left, screen.x() + screen.width() - size.width()), screen.x());
        top = std::max(std::min(top, screen.y() + screen.height() - size.height()), screen.y());
    }
    FOwner->move(left, top);
}

void TRegistrySettings::SaveSettings()
{
    const std::unique_ptr<QSettings> store = FScope.Open();
    QSettings& settings = *store;
    if (FAutoClear)
        for (const QString& group : settings.childGroups())
            settings.remove(group);

    for (const TSubKey& subKey : FSubKeys) {
        settings.beginGroup(subKey.Name);
        for (const TEntry& entry : subKey.Entries)
            if (!entry.first.isEmpty())
                settings.setValue(entry.first, entry.second);
        settings.endGroup();
    }

    if (FSaveFormPosition && FOwner) {
        // The restored rectangle, also while the window is maximized or minimized.
        QRect normal = FOwner->normalGeometry();
        if (!normal.isValid())
            normal = FOwner->geometry();
        settings.beginGroup(FormKey());
        settings.setValue(TopValue, normal.top());
        settings.setValue(LeftValue, normal.left());
        settings.setValue(WidthValue, normal.width());
        settings.setValue(HeightValue, normal.height());
        settings.endGroup();
    }

    if (FSaveCurrentDirectory)
        settings.setValue(DirectoryGroup + QLatin1Char('/') + DirectoryValue,
                          QDir::toNativeSeparators(QDir::currentPath()));
    settings.sync();
}
