// The data grid: a table of cells whose texts come from the owning window at every paint.
// Columns and rows count from 1; row 0 is the heading. With one fixed column, column 1 heads
// each row, stays in place while the grid scrolls sideways, is never edited, and a click on
// it selects the whole row. Every change the user makes in a cell reaches the owner at once
// (CellEdit); the grid itself keeps nothing but the layout.
#pragma once

#include <QPointer>
#include <QTableView>

#include "ui/grid/GridTypes.h"

class QAbstractButton;
class QMimeData;
class TDataGridDelegate;
class TDataGridModel;
class TGridOwner;

class TDataGrid : public QTableView {
    Q_OBJECT
public:
    explicit TDataGrid(QWidget* parent = nullptr);
    ~TDataGrid() override;

    // The window that gives the cell texts and drop-down entries; not owned. An owner that
    // dies before the grid detaches itself first with SetOwner(nullptr).
    void SetOwner(TGridOwner* owner);
    TGridOwner* Owner() const;

    // Layout. Settings of columns that do not exist are ignored.
    void SetColumnCount(int count);
    int ColumnCount() const;
    void SetRowCount(int count);
    int RowCount() const;
    void SetFixedColumns(int count);  // 0 or 1
    int FixedColumns() const;
    const TGridColumn& Column(int column) const;  // std::out_of_range for a wrong column
    void SetColumnWidth(int column, int width);
    int ColumnWidth(int column) const;
    // A carriage return in the text breaks the heading into lines.
    void SetColumnHeading(int column, const QString& heading);
    QString ColumnHeading(int column) const;  // lines separated by "\n"
    void SetColumnColor(int column, const QColor& color);
    void SetColumnReadOnly(int column, bool readOnly);
    void SetColumnMaxLength(int column, int maxLength);
    void SetColumnDropDown(int column, bool dropDown);
    void SetRowHeight(int height);
    int RowHeight() const;
    void SetHeadingHeight(int height);
    void SetHeadingFont(const QFont& font);
    void SetEditColor(const QColor& color);  // background of the cell being edited
    void SetRowSelection(bool enabled);       // a click on a row's heading cell selects it
    void SetColumnResizing(bool enabled);

    // Cells.
    void SetCellReadOnly(int column, int row, TCellReadOnly state);
    void SetCellButton(int column, int row, TCellButton state);
    bool CellIsReadOnly(int column, int row) const;  // as the cell shows now
    bool CellHasButton(int column, int row) const;
    QString CellText(int column, int row) const;     // asked of the owner

    // Rows.
    void SetRowVisible(int row, bool visible);
    bool RowVisible(int row) const;

    // The current cell. Columns and rows are 0 when there is none.
    int CurrentColumn() const;
    int CurrentRow() const;
    // Moves the current cell; a hidden row gives way to the nearest shown row below it, else
    // above it. False when no such cell can be current.
    bool SetCurrentCell(int column, int row);
    QString CurrentText() const;
    // Selection inside the current cell's text; a cell not being edited counts as wholly
    // selected.
    int SelStart() const;
    int SelLength() const;
    bool CutToClipboard();
    bool CopyToClipboard();
    bool PasteFromClipboard();
    // Sets the current cell's text as if the user had typed it (editing starts if needed).
    bool SetCurrentText(const QString& text);
    // Puts back the text the current cell had when its editing began.
    void RestoreEditStartText();
    QString EditStartText() const { return FEditStartText; }
    bool IsEditing() const { return FEditor != nullptr; }
    bool StartEdit();
    void EndEdit();
    QWidget* CellEditor() const { return FEditor; }

    // Whole-row selection (single row).
    bool RowSelected() const;
    int SelectedRow() const;  // 0 when no row is selected
    void SelectRow(int row);
    void ClearRowSelection();

    // The cell and the area at a position in the grid's own coordinates.
    TGridCoord CellAt(const QPoint& pos) const;
    TGridArea AreaAt(const QPoint& pos) const;

    // Asks the owner again for every shown text; redraws one row.
    void Reload();
    void RedrawRow(int row);

    // Drops: when enabled, DragOver and DragDrop report drags over the grid.
    void SetAcceptDrops(bool accept);
    // Starts dragging data from this grid, with the given cursor when it is not null.
    Qt::DropAction BeginDrag(QMimeData* data, const QPixmap& cursor);

    TDataGridModel& Model() const { return *FModel; }

signals:
    // A cell editor opened; CurrentText() and EditStartText() give the cell's text.
    void StartCellEdit(int column, int row);
    // The edited cell's text changed: once per change, typed, cut, pasted or set with
    // SetCurrentText; CurrentText() gives the new text.
    void CellEdit(int column, int row);
    // The cell editor closed (Enter, Escape, focus or current cell moved, EndEdit). Nothing
    // is written back: every change was reported by CellEdit.
    void EndCellEdit(int column, int row);
    // The current cell moved; -1 stands for no cell.
    void CellChanged(TGridCoord previous, TGridCoord current);
    // The left mouse button went down and came up (positions anywhere on the grid,
    // headings included). A click that selects a row has selected it before this signal.
    void ClickCell(TGridCoord down, TGridArea downArea, TGridCoord up, TGridArea upArea);
    // Offered once before the grid or its cell editor handles a key: KeyDown for every key,
    // then KeyPress for a key that gives a character (see TGridKey). Set Refused to
    // discard the key.
    void KeyDown(TGridKey& key);
    void KeyPress(TGridKey& key);
    // A mouse button went down on the grid; pos in the grid's own coordinates (CellAt).
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& pos);
    // A drag moves over the grid (only with SetAcceptDrops): set accept to allow a drop
    // here. source is the widget the drag came from (null from another program).
    void DragOver(QObject* source, const QPoint& pos, bool& accept);
    void DragDrop(QObject* source, const QPoint& pos);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyboardSearch(const QString& search) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class TDataGridDelegate;
    // Hooks of the cell editor.
    void EditorOpened(QWidget* editor, int column, int row);
    void EditorTextChanged();
    void EditorClosing(QWidget* editor);
    bool OfferKey(QKeyEvent& event);  // true: the owner refused the key

    void MouseWentDown(const QPoint& pos, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void MouseCameUp(const QPoint& pos, Qt::MouseButton button);
    void ApplyLayout();
    int ShownRowNear(int row) const;
    void SetEditorText(const QString& text);
    void PaintCorner(QAbstractButton& corner);

    TDataGridModel* FModel;
    TDataGridDelegate* FDelegate;
    QAbstractButton* FCorner = nullptr;
    QPointer<QWidget> FEditor;
    TGridCoord FEditCell;
    QString FEditStartText;
    QString FLastEditText;
    const QKeyEvent* FForwardedKey = nullptr;
    TGridCoord FMouseDownCell;
    TGridArea FMouseDownArea = TGridArea::gaNone;
    bool FMouseIsDown = false;
    bool FPressedOnCurrent = false;
    bool FRowSelection = true;
    bool FSelectingRow = false;
    bool FDestroying = false;
};
