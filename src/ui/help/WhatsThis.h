// What's This: which help context a click on a control, a toolbar button, a menu command or
// a grid cell stands for, and the mode in which the next click asks for it.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>

class QAction;
class QWidget;
class TVna;

// Widgets and actions carry their help context in this property (an int; 0 or absent for
// none).
inline constexpr const char* HelpContextProperty = "helpContext";

void SetHelpContext(QObject* object, int context);
// The object's own help context; a toolbar button without one of its own gives its action's.
int OwnHelpContext(const QObject* object);

// Where grid offsets apply: the grids inside ActiveEditor (any grid when it is null) with
// the kit model Model; no grid offsets without a model.
struct TGridHelpScope {
    const QWidget* ActiveEditor = nullptr;
    const TVna* Model = nullptr;
};

// The help context of the point globalPos on widget (the control under the mouse, disabled
// ones included): the first non-zero context walking up from widget through its parents,
// plus, when widget lies on a grid "tsgStandards" or "tsgStdClasses" in scope, the offset of
// the grid cell under the point.
int HelpContextOfWidget(QWidget* widget, const QPoint& globalPos, const TGridHelpScope& scope);
// The same for the control found under globalPos; 0 where there is none.
int HelpContextAt(const QPoint& globalPos, const TGridHelpScope& scope);

// The mode: after Enter, the pointer shows the What's-This cursor and the next left click
// chooses a help context instead of acting: on a control as HelpContextAt, on a menu command
// its action's context (the command does not run). Menus still open from the menu bar. A
// right click, Esc or leaving the application ends the mode without a choice.
class TWhatsThisMode : public QObject {
    Q_OBJECT
public:
    using TScopeProvider = std::function<TGridHelpScope()>;

    explicit TWhatsThisMode(TScopeProvider scope, QObject* parent = nullptr);
    ~TWhatsThisMode() override;

    void Enter();
    void End();
    bool IsActive() const { return FActive; }

signals:
    // A click chose a non-zero help context at globalPos; the mode has ended.
    void ContextChosen(int context, const QPoint& globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Choose(int context, const QPoint& globalPos);

    TScopeProvider FScope;
    bool FActive = false;
};
