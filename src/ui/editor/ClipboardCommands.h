// Cut, Copy, Paste and Clear Row of the kit editor, carried out on whichever control has the
// focus: an edit's selected text, a grid cell's selected text, or a whole selected row of the
// standards grid or the class grid in the program's row formats. Also the states of these
// commands, and the Delete key on a selected row.
#pragma once

#include <QObject>

#include "ui/components/SystemRowClipboard.h"
#include "ui/editor/RowCommands.h"

class QWidget;
class TCalKitEditForm;
class TDataGrid;

class TClipboardCommands : public QObject {
    Q_OBJECT
public:
    explicit TClipboardCommands(TCalKitEditForm& editor);

    void EditCut();
    void EditCopy();
    void EditPaste();
    void EditClearRow();

    // The update rules of the commands (Cut and Copy share one).
    bool CanCutOrCopy() const;
    bool CanPaste() const;
    bool CanClearRow() const;

    // Delete on a selected row of grid clears the row.
    void WatchGrid(TDataGrid& grid);

    // The editor's control that has the focus (or had it last); nullptr for none.
    QWidget* FocusedControl() const;
    TRowCommands& Rows() { return FRows; }

private:
    // The grid that widget belongs to (a grid's cell editor belongs to the grid).
    TDataGrid* GridOf(QWidget* widget) const;
    bool RowCommandApplies(const TDataGrid& grid) const;
    bool CellAcceptsClipboard(const TDataGrid& grid) const;
    void RedrawGrids();

    TCalKitEditForm& FEditor;
    TSystemRowClipboard FClipboard;
    TRowCommands FRows;
};
