// The commands on a whole selected row of the standards grid or the class grid: "Cut Row",
// "Paste Row" and "Clear". Each is one undoable step that keeps copies of the row before and
// after; undo and redo put the copy back and show the row.
#pragma once

#include <functional>
#include <memory>
#include <string>

class TCalKitEditForm;
class TDataGrid;
class TRowClipboard;
class TStandard;
class TStdClass;
class TUndoAction;

class TRowCommands {
public:
    TRowCommands(TCalKitEditForm& editor, TRowClipboard& clipboard);

    // The grid's row format on the clipboard: "VnaStandard" for the standards grid,
    // "VnaStdClass" for the class grid, empty for any other grid.
    std::string RowFormat(const TDataGrid& grid) const;
    // True for the standards grid and the class grid.
    bool HasRows(const TDataGrid& grid) const;

    // The row selected in grid goes to the clipboard and is cleared.
    void CutRow(TDataGrid& grid);
    // The row selected in grid goes to the clipboard (a hidden class row does not). No step.
    void CopyRow(TDataGrid& grid);
    // The clipboard's row replaces the selected row; nothing happens without one there.
    void PasteRow(TDataGrid& grid);
    // The selected row is cleared: a standard becomes type None, a class loses its numbers
    // and its label.
    void ClearRow(TDataGrid& grid);

    using TStandardOperation = std::function<bool(TStandard&)>;
    using TClassOperation = std::function<bool(TStdClass&)>;
    // Runs the operation on standard row (1..32) and records it as one step with the caption,
    // unless it reports no change.
    void ChangeStandard(int row, const char* caption, const TStandardOperation& operation);

private:

    // Runs the operation on the selected row and records it, unless it reports no change.
    void RowAction(TDataGrid& grid, const char* caption, const TStandardOperation& onStandard,
                   const TClassOperation& onClass);
    void Record(std::unique_ptr<TUndoAction> action, const char* caption);
    void RestoreRow(const TUndoAction& action, bool after);
    bool IsStandardsGrid(const TDataGrid& grid) const;
    bool IsClassGrid(const TDataGrid& grid) const;

    TCalKitEditForm& FEditor;
    TRowClipboard& FClipboard;
};
