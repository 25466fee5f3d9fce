#include "ui/main/DebugMenu.h"

#include <QAction>
#include <QMenu>

#include "ui/dialogs/GpibDebugUnit.h"

namespace {

const char* const NoGpibName = "mnuDebugNoGpib";
const char* const LogGpibName = "mnuDebugLogGpib";

}  // namespace

TDebugMenu::TDebugMenu(QMenu& menu, QWidget& mainWindow) : QObject(&menu), FMenu(menu), FMainWindow(mainWindow)
{
    mnuDebugNoGpib = AddItem(NoGpibName, tr("&No GPIB"));
    mnuDebugLogGpib = AddItem(LogGpibName, tr("&Log GPIB"));
}

QAction* TDebugMenu::AddItem(const char* name, const QString& caption)
{
    QAction* item = FMenu.addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    item->setCheckable(true);
    // A long hint only: the status bar shows it, no tooltip.
    item->setProperty("hint", QStringLiteral("|Use only as directed!"));
    item->setStatusTip(tr("Use only as directed!"));
    connect(item, &QAction::triggered, this, [this, item] { DebugMenuClick(*item); });
    return item;
}

void TDebugMenu::Reveal()
{
    FMenu.menuAction()->setVisible(true);
    FMenu.menuAction()->setEnabled(true);
}

bool TDebugMenu::Revealed() const
{
    return FMenu.menuAction()->isVisible() && FMenu.menuAction()->isEnabled();
}

void TDebugMenu::DebugMenuClick(QAction& item)
{
    const bool checked = item.isChecked();
    if (item.objectName() == QLatin1String(NoGpibName)) {
        SetNoGpib(checked);
    } else if (item.objectName() == QLatin1String(LogGpibName)) {
        if (TFormGpibDebug* log = SetGpibLogging(checked, &FMainWindow))
            connect(log, &TFormGpibDebug::LogClosed, mnuDebugLogGpib,
                    [this] { mnuDebugLogGpib->setChecked(false); });
    }
}
