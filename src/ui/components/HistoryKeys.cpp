#include "ui/components/HistoryKeys.h"

#include <QKeyEvent>
#include <QKeySequence>

bool THistoryKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)) {
            // Not taken by the edit: the key becomes the shortcut of the window's command.
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
