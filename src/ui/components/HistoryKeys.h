// Keeps the undo and redo keys away from an edit's own undo, so that the window's Undo and
// Redo commands (which act on the kit's undo history) receive them.
#pragma once

#include <QObject>

class THistoryKeys : public QObject {
    Q_OBJECT
public:
    explicit THistoryKeys(QObject* parent = nullptr) : QObject(parent) {}
    // Watches edit from now on.
    void Watch(QObject& edit) { edit.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
