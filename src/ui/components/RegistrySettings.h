// Named text values in a fixed set of sub-keys of the settings store, plus the owner
// window's position and, optionally, the current folder. Values live in memory between
// LoadSettings and SaveSettings; nothing is written in between.
#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

#include "ui/components/SettingsScope.h"

class QSettings;
class QWidget;

class TRegistrySettings {
public:
    // The owner's object name (else its class name without the leading "T") names the
    // group of its position, for example "MainForm". The owner may be null.
    TRegistrySettings(QWidget* ownerForm, const TSettingsScope& scope);

    // Sub-keys whose values are kept, for example "GPIB", "VNA", "LastKit". Entries of
    // sub-keys that remain are kept.
    void SetSubKeys(const QStringList& subKeys);
    QStringList SubKeys() const;
    // Delete every sub-key of the scope (also ones not listed) before saving. Default true.
    void SetAutoClear(bool autoClear) { FAutoClear = autoClear; }
    bool AutoClear() const { return FAutoClear; }
    // Store and restore the owner's position. Default true.
    void SetSaveFormPosition(bool save) { FSaveFormPosition = save; }
    bool SaveFormPosition() const { return FSaveFormPosition; }
    // The window that the owner is centred on when no stored position fits the screen; the
    // screen itself when none is given (the default) or it is gone.
    void SetCentreOn(QWidget* window);

    // Store and restore the process's current folder. Default false.
    void SetSaveCurrentDirectory(bool save) { FSaveCurrentDirectory = save; }
    bool SaveCurrentDirectory() const { return FSaveCurrentDirectory; }

    // The value, or defaultValue when the sub-key is not listed, the name is absent or the
    // value is empty. Names and sub-keys compare without regard to letter case.
    QString ReadValue(const QString& subKey, const QString& name, const QString& defaultValue = QString()) const;
    // Sets the value in memory; nothing for a sub-key that is not listed.
    void WriteValue(const QString& subKey, const QString& name, const QString& value);

    void LoadSettings();
    void SaveSettings();

    // The owner's group name (see the constructor).
    QString FormKey() const;

private:
    using TEntry = std::pair<QString, QString>;
    struct TSubKey {
        QString Name;
        std::vector<TEntry> Entries;
    };
    TSubKey* FindSubKey(const QString& name);
    const TSubKey* FindSubKey(const QString& name) const;
    void RestoreFormPosition(QSettings& settings);
    void CentreForm();

    QPointer<QWidget> FOwner;
    QPointer<QWidget> FCentreOn;
    TSettingsScope FScope;
    std::vector<TSubKey> FSubKeys;
    bool FAutoClear = true;
    bool FSaveFormPosition = true;
    bool FSaveCurrentDirectory = false;
};
