#include "ui/components/DroppedFiles.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

TDragDropFiles::TDragDropFiles(QWidget* owner) : QObject(owner), FOwner(owner)
{
    SetEnabled(true);
}

TDragDropFiles::~TDragDropFiles()
{
    SetEnabled(false);
}

void TDragDropFiles::SetEnabled(bool enabled)
{
    if (enabled == FEnabled || FOwner.isNull())
        return;
    FEnabled = enabled;
    if (enabled)
        FOwner->installEventFilter(this);
    else
        FOwner->removeEventFilter(this);
    FOwner->setAcceptDrops(enabled);
}

QStringList TDragDropFiles::LocalFiles(const QMimeData* data)
{
    QStringList names;
    if (data == nullptr || !data->hasUrls())
        return names;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            names.append(url.toLocalFile());
    return names;
}

bool TDragDropFiles::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != FOwner || !FEnabled)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (LocalFiles(drag->mimeData()).isEmpty())
            drag->ignore();
        else
            drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop:
        Drop(*static_cast<QDropEvent*>(event));
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

void TDragDropFiles::Drop(QDropEvent& event)
{
    const QStringList names = LocalFiles(event.mimeData());
    if (names.isEmpty()) {
        event.ignore();
        return;
    }
    event.acceptProposedAction();
    FDroppedFiles = names;
    FDropPoint = event.position().toPoint();
    FDroppedInClient = FOwner->rect().contains(FDropPoint);
    emit DragDropFiles(FDroppedFiles);
}
