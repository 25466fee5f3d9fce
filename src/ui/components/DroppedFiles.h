// Files dropped on a window from the desktop's file manager: the window accepts drags that
// carry local files and reports the names of each drop in the order the drag lists them.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QStringList>

class QDropEvent;
class QMimeData;
class QWidget;

class TDragDropFiles : public QObject {
    Q_OBJECT
public:
    // Watches owner for drops; enabled at once.
    explicit TDragDropFiles(QWidget* owner);
    ~TDragDropFiles() override;

    // Switches accepting dropped files on and off.
    void SetEnabled(bool enabled);
    bool Enabled() const { return FEnabled; }

    // What the last drop brought: the full names of its files, where it fell (in the owner's
    // coordinates) and whether that was inside the owner.
    const QStringList& DroppedFiles() const { return FDroppedFiles; }
    QPoint DropPoint() const { return FDropPoint; }
    bool DroppedInClient() const { return FDroppedInClient; }

    // The local file names a drag carries, in its order; other addresses are left out.
    static QStringList LocalFiles(const QMimeData* data);

signals:
    // Files were dropped on the owner; the names are DroppedFiles.
    void DragDropFiles(const QStringList& fileNames);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Drop(QDropEvent& event);

    QPointer<QWidget> FOwner;
    bool FEnabled = false;
    QStringList FDroppedFiles;
    QPoint FDropPoint;
    bool FDroppedInClient = false;
};
