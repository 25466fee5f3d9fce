// The "&Edit" commands of the main window (Undo, Redo, Cut, Copy, Paste, Clear Row): each
// acts on the active kit window, which carries it out on its focused control. Their enabled
// states and the Undo and Redo captions follow the active kit window and the clipboard.
#pragma once

#include <QObject>
#include <functional>

class QWidget;
class TCalKitEditForm;
class TMainActions;

class TEditCommands : public QObject {
    Q_OBJECT
public:
    using TActiveEditor = std::function<TCalKitEditForm*()>;

    // activeEditor finds the kit window the commands act on; stateChanged runs after each
    // command and whenever the clipboard's contents change, so the states are brought up to date.
    TEditCommands(QWidget& owner, TMainActions& actions, TActiveEditor activeEditor,
                  std::function<void()> stateChanged);

    // Enables the commands for editor (none: all disabled) and names Undo and Redo after the
    // steps they would undo and redo.
    void UpdateActions(TCalKitEditForm* editor) const;

private:
    void Run(void (TCalKitEditForm::*command)());

    QWidget& FOwner;
    TMainActions& FActions;
    TActiveEditor FActiveEditor;
    std::function<void()> FStateChanged;
};
