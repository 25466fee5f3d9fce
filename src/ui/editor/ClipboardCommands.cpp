#include "ui/editor/ClipboardCommands.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>

#include "ui/editor/CalKitEdit.h"
#include "ui/editor/ClassesPage.h"
#include "ui/editor/StandardsPage.h"
#include "ui/grid/DataGrid.h"

namespace {

bool ClipboardHoldsText()
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data && data->hasText();
}

bool EditHasSelection(QWidget* widget)
{
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        return line->hasSelectedText();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(widget))
        return memo->textCursor().hasSelection();
    return false;
}

bool IsEdit(QWidget* widget)
{
    return qobject_cast<QLineEdit*>(widget) || qobject_cast<QPlainTextEdit*>(widget);
}

}  // namespace

TClipboardCommands::TClipboardCommands(TCalKitEditForm& editor)
    : QObject(&editor), FEditor(editor), FRows(editor, FClipboard)
{
}

QWidget* TClipboardCommands::FocusedControl() const
{
    QWidget* focus = QApplication::focusWidget();
    if (focus && FEditor.isAncestorOf(focus))
        return focus;
    return FEditor.focusWidget();
}

TDataGrid* TClipboardCommands::GridOf(QWidget* widget) const
{
    for (QWidget* candidate = widget; candidate && candidate != &FEditor; candidate = candidate->parentWidget())
        if (auto* grid = qobject_cast<TDataGrid*>(candidate))
            return grid;
    return nullptr;
}

bool TClipboardCommands::RowCommandApplies(const TDataGrid& grid) const
{
    return grid.RowSelected() && FRows.HasRows(grid);
}

bool TClipboardCommands::CellAcceptsClipboard(const TDataGrid& grid) const
{
    const int column = grid.CurrentColumn();
    const int row = grid.CurrentRow();
    return column >= 1 && column <= grid.ColumnCount() && !grid.Column(column).DropDown &&
           !grid.CellIsReadOnly(column, row);
}

void TClipboardCommands::RedrawGrids()
{
    FEditor.StandardsPage().Grid().Reload();
    FEditor.ClassesPage().Grid().Reload();
    FEditor.ClassesPage().StandardsList().Reload();
}

// ---- The commands ----------------------------------------------------------------------------

void TClipboardCommands::EditCut()
{
    QWidget* focus = FocusedControl();
    if (TDataGrid* grid = GridOf(focus)) {
        if (RowCommandApplies(*grid))
            FRows.CutRow(*grid);
        else
            grid->CutToClipboard();
        RedrawGrids();
    } else if (auto* line = qobject_cast<QLineEdit*>(focus)) {
        line->cut();
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(focus)) {
        memo->cut();
    }
}

void TClipboardCommands::EditCopy()
{
    QWidget* focus = FocusedControl();
    if (TDataGrid* grid = GridOf(focus)) {
        if (RowCommandApplies(*grid))
            FRows.CopyRow(*grid);
        else
            grid->CopyToClipboard();
    } else if (auto* line = qobject_cast<QLineEdit*>(focus)) {
        line->copy();
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(focus)) {
        memo->copy();
    }
}

void TClipboardCommands::EditPaste()
{
    QWidget* focus = FocusedControl();
    if (TDataGrid* grid = GridOf(focus)) {
        if (RowCommandApplies(*grid))
            FRows.PasteRow(*grid);
        else
            grid->PasteFromClipboard();
        RedrawGrids();
    } else if (auto* line = qobject_cast<QLineEdit*>(focus)) {
        line->paste();
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(focus)) {
        memo->paste();
    }
}

void TClipboardCommands::EditClearRow()
{
    TDataGrid* grid = GridOf(FocusedControl());
    if (!grid || !RowCommandApplies(*grid))
        return;
    FRows.ClearRow(*grid);
    RedrawGrids();
}

// ---- Their states ------------------------------------------------------------------------------

bool TClipboardCommands::CanCutOrCopy() const
{
    QWidget* focus = FocusedControl();
    if (const TDataGrid* grid = GridOf(focus)) {
        if (grid->RowSelected())
            return FRows.HasRows(*grid);
        return CellAcceptsClipboard(*grid) && grid->SelLength() >= 1;
    }
    return EditHasSelection(focus);
}

bool TClipboardCommands::CanPaste() const
{
    QWidget* focus = FocusedControl();
    if (const TDataGrid* grid = GridOf(focus)) {
        if (grid->RowSelected())
            return FRows.HasRows(*grid) && FClipboard.Holds(FRows.RowFormat(*grid));
        return CellAcceptsClipboard(*grid) && ClipboardHoldsText();
    }
    return IsEdit(focus) && ClipboardHoldsText();
}

bool TClipboardCommands::CanClearRow() const
{
    const TDataGrid* grid = GridOf(FocusedControl());
    return grid && RowCommandApplies(*grid);
}

void TClipboardCommands::WatchGrid(TDataGrid& grid)
{
    connect(&grid, &TDataGrid::KeyDown, this, [this, &grid](TGridKey& key) {
        if (key.Key != Qt::Key_Delete || !RowCommandApplies(grid))
            return;
        key.Refused = true;
        FRows.ClearRow(grid);
        RedrawGrids();
        FEditor.StateChanged();
    });
}
