#include "ui/main/ArrivingKitFiles.h"

#include <QEvent>
#include <QMetaObject>

#include "ui/components/DroppedFiles.h"
#include "ui/components/ErrorDisplay.h"
#include "ui/components/SingleInstance.h"
#include "ui/main/FileCommands.h"
#include "ui/main/MainForm.h"

TArrivingKitFiles::TArrivingKitFiles(TMainForm& form)
    : QObject(&form), FForm(form), FDropped(new TDragDropFiles(&form))
{
    connect(FDropped, &TDragDropFiles::DragDropFiles, this, &TArrivingKitFiles::Open);
    FForm.installEventFilter(this);
}

void TArrivingKitFiles::Follow(TSingleInstance& instance)
{
    connect(&instance, &TSingleInstance::RaiseRequested, this, [this] { BringWindowToFront(FForm); });
    connect(&instance, &TSingleInstance::FilesReceived, this, &TArrivingKitFiles::Open);
}

void TArrivingKitFiles::Open(const QStringList& names)
{
    FWaiting.append(names);
    Schedule();
}

void TArrivingKitFiles::Schedule()
{
    if (FScheduled || FWaiting.isEmpty())
        return;
    FScheduled = true;
    // Not inside the drop or the socket's notification: a file's error message is modal.
    QMetaObject::invokeMethod(this, &TArrivingKitFiles::OpenWaiting, Qt::QueuedConnection);
}

void TArrivingKitFiles::OpenWaiting()
{
    FScheduled = false;
    // A message of an earlier file is up: that loop takes the new names as well.
    if (FOpening)
        return;
    FOpening = true;
    while (!FWaiting.isEmpty() && FForm.isEnabled()) {
        const QString name = FWaiting.takeFirst();
        RunGuarded(&FForm, [this, &name] { FForm.FileCommands().OpenStartupFile(name, true); });
    }
    FOpening = false;
    FForm.UpdateActions();
}

bool TArrivingKitFiles::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &FForm && event->type() == QEvent::EnabledChange && FForm.isEnabled())
        Schedule();
    return QObject::eventFilter(watched, event);
}
