#include "ui/help/WhatsThis.h"

#include "ui/grid/DataGrid.h"
#include "ui/help/HelpContexts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QToolButton>
#include <QWidget>
#include <utility>

namespace {

TDataGrid* GridOf(QWidget* widget)
{
    for (QWidget* w = widget; w != nullptr; w = w->parentWidget())
        if (auto* grid = qobject_cast<TDataGrid*>(w))
            return grid;
    return nullptr;
}

bool IsInMenuBar(const QWidget* widget)
{
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget())
        if (qobject_cast<const QMenuBar*>(w) != nullptr)
            return true;
    return false;
}

// The widget under the mouse: the topmost one at the position, disabled ones included, else
// the receiver of the event.
QWidget* WidgetUnder(QObject* receiver, const QPoint& globalPos)
{
    if (QWidget* widget = QApplication::widgetAt(globalPos))
        return widget;
    return qobject_cast<QWidget*>(receiver);
}

void CloseMenus()
{
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
}

}  // namespace

void SetHelpContext(QObject* object, int context)
{
    if (object != nullptr)
        object->setProperty(HelpContextProperty, context);
}

int OwnHelpContext(const QObject* object)
{
    if (object == nullptr)
        return 0;
    const int own = object->property(HelpContextProperty).toInt();
    if (own != 0)
        return own;
    if (const auto* button = qobject_cast<const QToolButton*>(object))
        return OwnHelpContext(button->defaultAction());
    return 0;
}

int HelpContextOfWidget(QWidget* widget, const QPoint& globalPos, const TGridHelpScope& scope)
{
    int context = 0;
    for (QWidget* w = widget; w != nullptr && context == 0; w = w->parentWidget())
        context = OwnHelpContext(w);

    TDataGrid* grid = GridOf(widget);
    if (grid == nullptr || scope.Model == nullptr)
        return context;
    if (scope.ActiveEditor != nullptr && !scope.ActiveEditor->isAncestorOf(grid))
        return context;
    const std::optional<THelpGrid> kind = HelpGridNamed(grid->objectName());
    if (!kind)
        return context;
    const TGridCoord cell = grid->CellAt(grid->mapFromGlobal(globalPos));
    return context + GridHelpOffset(*kind, cell.Column, cell.Row, *scope.Model);
}

int HelpContextAt(const QPoint& globalPos, const TGridHelpScope& scope)
{
    QWidget* widget = QApplication::widgetAt(globalPos);
    return widget != nullptr ? HelpContextOfWidget(widget, globalPos, scope) : 0;
}

TWhatsThisMode::TWhatsThisMode(TScopeProvider scope, QObject* parent) : QObject(parent), FScope(std::move(scope))
{
}

TWhatsThisMode::~TWhatsThisMode()
{
    End();
}

void TWhatsThisMode::Enter()
{
    if (FActive)
        return;
    FActive = true;
    qApp->installEventFilter(this);
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
}

void TWhatsThisMode::End()
{
    if (!FActive)
        return;
    FActive = false;
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
}

void TWhatsThisMode::Choose(int context, const QPoint& globalPos)
{
    End();
    if (context != 0)
        emit ContextChosen(context, globalPos);
}

bool TWhatsThisMode::eventFilter(QObject* watched, QEvent* event)
{
    if (!FActive)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            End();
            return true;
        }
        return false;
    case QEvent::ApplicationDeactivate:
        End();
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) {
            End();
            return true;
        }
        const QPoint globalPos = mouse->globalPosition().toPoint();
        QWidget* widget = WidgetUnder(watched, globalPos);
        if (qobject_cast<QMenu*>(widget) != nullptr)
            return true;  // a menu command is chosen when the button comes up
        if (IsInMenuBar(widget))
            return false;  // the menu opens as usual
        Choose(HelpContextOfWidget(widget, globalPos, FScope ? FScope() : TGridHelpScope{}), globalPos);
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint globalPos = mouse->globalPosition().toPoint();
        auto* menu = qobject_cast<QMenu*>(WidgetUnder(watched, globalPos));
        if (menu == nullptr)
            return false;
        QAction* action = menu->actionAt(menu->mapFromGlobal(globalPos));
        if (action == nullptr || action->isSeparator() || action->menu() != nullptr)
            return true;
        CloseMenus();
        Choose(OwnHelpContext(action), globalPos);
        return true;
    }
    default:
        return false;
    }
}
