// Kit files that come from outside the program: handed over by a later start of the program,
// or dropped on the main window. They open one after the other as File Open opens them: each
// that opens a window joins the recent files, one that fails is reported and the rest still
// open.
#pragma once

#include <QObject>
#include <QStringList>

class TDragDropFiles;
class TMainForm;
class TSingleInstance;

class TArrivingKitFiles : public QObject {
    Q_OBJECT
public:
    // Accepts files dropped on form.
    explicit TArrivingKitFiles(TMainForm& form);

    // A later start of the program brings the main window to the front (restored when it is
    // minimized), and the files it hands over open here.
    void Follow(TSingleInstance& instance);

    // Queues names to open once the event loop runs again. Names arriving while others are
    // being opened join the end of the queue; while the main window is disabled (a transfer
    // with the instrument runs) they wait until it is enabled again.
    void Open(const QStringList& names);
    // The names still waiting.
    const QStringList& Waiting() const { return FWaiting; }

    TDragDropFiles& DroppedFiles() const { return *FDropped; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Schedule();
    void OpenWaiting();

    TMainForm& FForm;
    TDragDropFiles* FDropped;
    QStringList FWaiting;
    bool FScheduled = false;
    bool FOpening = false;
};
