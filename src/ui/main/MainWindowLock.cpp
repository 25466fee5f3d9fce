#include "ui/main/MainWindowLock.h"

#include <QWidget>

namespace {

// Dialogs and tool windows that the window owns; not its menus and other pop-ups.
bool IsOwnedWindow(const QWidget& child)
{
    if (!child.isWindow())
        return false;
    const Qt::WindowType type = child.windowType();
    return type == Qt::Window || type == Qt::Dialog || type == Qt::Tool;
}

}  // namespace

TMainWindowLock::TMainWindowLock(QWidget& window) : FWindow(window)
{
    FWindow.setEnabled(false);
    // Disabling a widget disables its child windows too; those that were not disabled on
    // their own account are enabled again.
    for (QWidget* child : FWindow.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (IsOwnedWindow(*child) && !child->testAttribute(Qt::WA_ForceDisabled))
            child->setEnabled(true);
}

TMainWindowLock::~TMainWindowLock()
{
    FWindow.setEnabled(true);
}
