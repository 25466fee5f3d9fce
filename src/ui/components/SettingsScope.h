// Where a component keeps its settings between runs: a QSettings organisation and
// application. On Windows that is the registry key "\Software\<organisation>\<application>"
// of the current user; elsewhere an INI file of the same names in the user's config folder.
// Sub-keys are groups of the same names.
#pragma once

#include <QSettings>
#include <QString>
#include <memory>

struct TSettingsScope {
    QString Organization;
    QString Application;
    // Tests choose the INI format so that they never reach the Windows registry.
    QSettings::Format Format = QSettings::NativeFormat;

    bool IsEmpty() const { return Organization.isEmpty() && Application.isEmpty(); }

    // The current user's settings of this scope.
    std::unique_ptr<QSettings> Open() const
    {
        return std::make_unique<QSettings>(Format, QSettings::UserScope, Organization, Application);
    }
};

// The program's own settings: "\Software\Brightmoor\Tessaly 2_1".
inline TSettingsScope ProgramSettingsScope()
{
    return {QStringLiteral("Brightmoor"), QStringLiteral("Tessaly 2_1")};
}
