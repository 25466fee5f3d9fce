#include "ui/main/EditCommands.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

#include "kit/UndoHistory.h"
#include "ui/components/CoreText.h"
#include "ui/components/ErrorDisplay.h"
#include "ui/editor/CalKitEdit.h"
#include "ui/main/MainActions.h"

TEditCommands::TEditCommands(QWidget& owner, TMainActions& actions, TActiveEditor activeEditor,
                             std::function<void()> stateChanged)
    : QObject(&owner),
      FOwner(owner),
      FActions(actions),
      FActiveEditor(std::move(activeEditor)),
      FStateChanged(std::move(stateChanged))
{
    const auto on = [this](QAction* action, void (TCalKitEditForm::*command)()) {
        connect(action, &QAction::triggered, this, [this, command] { Run(command); });
    };
    on(FActions.EditUndo, &TCalKitEditForm::EditUndo);
    on(FActions.EditRedo, &TCalKitEditForm::EditRedo);
    on(FActions.EditCut, &TCalKitEditForm::EditCut);
    on(FActions.EditCopy, &TCalKitEditForm::EditCopy);
    on(FActions.EditPaste, &TCalKitEditForm::EditPaste);
    on(FActions.EditClearRow, &TCalKitEditForm::EditClearRow);
    on(FActions.EditFitToMeasurement, &TCalKitEditForm::EditFitToMeasurement);
    // Paste depends on what the clipboard holds, which other programs change too.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] { FStateChanged(); });
}

void TEditCommands::Run(void (TCalKitEditForm::*command)())
{
    RunGuarded(&FOwner, [this, command] {
        if (TCalKitEditForm* editor = FActiveEditor())
            (editor->*command)();
    });
    FStateChanged();
}

void TEditCommands::UpdateActions(TCalKitEditForm* editor) const
{
    TMainActions& a = FActions;
    a.EditUndo->setEnabled(editor && editor->UndoHistory().CanUndo());
    a.EditRedo->setEnabled(editor && editor->UndoHistory().CanRedo());
    const bool cutOrCopy = editor && editor->CanCutOrCopy();
    a.EditCut->setEnabled(cutOrCopy);
    a.EditCopy->setEnabled(cutOrCopy);
    a.EditPaste->setEnabled(editor && editor->CanPaste());
    a.EditClearRow->setEnabled(editor && editor->CanClearRow());
    a.EditFitToMeasurement->setEnabled(editor && editor->CanFitToMeasurement());
    if (!editor)
        return;
    const QString undo = FromCore(editor->UndoHistory().UndoMenuCaption());
    if (a.EditUndo->text() != undo)
        a.EditUndo->setText(undo);
    const QString redo = FromCore(editor->UndoHistory().RedoMenuCaption());
    if (a.EditRedo->text() != redo)
        a.EditRedo->setText(redo);
}
