#include "ui/grid/DataGrid.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDrag>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionHeader>
#include <algorithm>

#include "ui/grid/DataGridDelegate.h"
#include "ui/grid/DataGridModel.h"

namespace {

// The character a key press gives the owner: printable characters, and the control keys
// that editing reacts to. Null for keys that produce no character (arrows, Delete, ...).
QChar GridKeyChar(int key, const QString& text)
{
    switch (key) {
    case Qt::Key_Backspace:
        return QChar(8);
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return QChar(9);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QChar(13);
    case Qt::Key_Escape:
        return QChar(27);
    default:
        break;
    }
    if (text.isEmpty())
        return QChar();
    const QChar first = text.front();
    if (first.unicode() < 32 || first.unicode() == 127)
        return QChar();
    return first;
}

TGridCoord CoordOf(const QModelIndex& index)
{
    if (!index.isValid())
        return {};
    return {index.column() + 1, index.row() + 1};
}

}  // namespace

TDataGrid::TDataGrid(QWidget* parent)
    : QTableView(parent), FModel(new TDataGridModel(*this)), FDelegate(new TDataGridDelegate(*this))
{
    setModel(FModel);
    setItemDelegate(FDelegate);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(true);

    QHeaderView* headings = horizontalHeader();
    headings->setSectionsClickable(false);
    headings->setSectionsMovable(false);
    headings->setHighlightSections(false);
    headings->setDefaultAlignment(Qt::AlignCenter);
    QFont bold = headings->font();
    bold.setBold(true);
    headings->setFont(bold);
    headings->viewport()->installEventFilter(this);

    QHeaderView* rowHeadings = verticalHeader();
    rowHeadings->setSectionsClickable(false);
    rowHeadings->setSectionsMovable(false);
    rowHeadings->setHighlightSections(true);
    rowHeadings->setSectionResizeMode(QHeaderView::Fixed);
    rowHeadings->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    rowHeadings->setMinimumSectionSize(1);
    rowHeadings->viewport()->installEventFilter(this);
    // The headings' own frame fills their background; their viewport paints only the
    // headings. Filled by itself, the viewport counts as opaque and is then repainted on its
    // own, which in a kit window reaching below the workspace's visible area paints its
    // blank lower part over the workspace's scroll bar and the status bar.
    rowHeadings->setBackgroundRole(rowHeadings->viewport()->backgroundRole());
    rowHeadings->setAutoFillBackground(true);
    rowHeadings->viewport()->setAutoFillBackground(false);
    rowHeadings->hide();

    // The button in the top-left corner carries the heading of the fixed column.
    FCorner = findChild<QAbstractButton*>();
    if (FCorner) {
        FCorner->setFont(bold);
        FCorner->installEventFilter(this);
    }
    SetRowHeight(24);
}

TDataGrid::~TDataGrid()
{
    // The owner usually is the window being destroyed around this grid: ask it nothing more.
    FDestroying = true;
    FModel->SetOwner(nullptr);
    if (FEditor)
        closeEditor(FEditor, QAbstractItemDelegate::NoHint);
}

void TDataGrid::SetOwner(TGridOwner* owner)
{
    FModel->SetOwner(owner);
    Reload();
}

TGridOwner* TDataGrid::Owner() const
{
    return FModel->Owner();
}

// ---- Layout ------------------------------------------------------------------------------

void TDataGrid::SetColumnCount(int count)
{
    FModel->SetColumnCount(count);
    ApplyLayout();
}

int TDataGrid::ColumnCount() const
{
    return FModel->ColumnCount();
}

void TDataGrid::SetRowCount(int count)
{
    FModel->SetRowCount(count);
}

int TDataGrid::RowCount() const
{
    return FModel->RowCount();
}

void TDataGrid::SetFixedColumns(int count)
{
    FModel->SetFixedColumns(count);
    ApplyLayout();
}

int TDataGrid::FixedColumns() const
{
    return FModel->FixedColumns();
}

const TGridColumn& TDataGrid::Column(int column) const
{
    return FModel->Column(column);
}

void TDataGrid::ApplyLayout()
{
    const bool fixed = FixedColumns() > 0 && ColumnCount() > 0;
    verticalHeader()->setVisible(fixed);
    for (int column = 1; column <= ColumnCount(); ++column) {
        if (fixed && column == 1) {
            setColumnHidden(0, true);
            verticalHeader()->setFixedWidth(Column(1).Width);
        } else {
            setColumnHidden(column - 1, false);
            QTableView::setColumnWidth(column - 1, Column(column).Width);
        }
    }
    if (FCorner)
        FCorner->update();
}

void TDataGrid::SetColumnWidth(int column, int width)
{
    TGridColumn* settings = FModel->ColumnAt(column);
    if (!settings)
        return;
    settings->Width = width;
    if (column == 1 && FixedColumns() > 0)
        verticalHeader()->setFixedWidth(width);
    else
        QTableView::setColumnWidth(column - 1, width);
}

int TDataGrid::ColumnWidth(int column) const
{
    if (!FModel->IsColumn(column))
        return 0;
    if (column == 1 && FixedColumns() > 0)
        return Column(1).Width;
    return columnWidth(column - 1);
}

void TDataGrid::SetColumnHeading(int column, const QString& heading)
{
    FModel->SetColumnHeading(column, heading);
    if (FCorner && column == 1)
        FCorner->update();
}

QString TDataGrid::ColumnHeading(int column) const
{
    return FModel->IsColumn(column) ? Column(column).Heading : QString();
}

void TDataGrid::SetColumnColor(int column, const QColor& color)
{
    if (TGridColumn* settings = FModel->ColumnAt(column)) {
        settings->Color = color;
        viewport()->update();
    }
}

void TDataGrid::SetColumnReadOnly(int column, bool readOnly)
{
    if (TGridColumn* settings = FModel->ColumnAt(column))
        settings->ReadOnly = readOnly;
}

void TDataGrid::SetColumnMaxLength(int column, int maxLength)
{
    if (TGridColumn* settings = FModel->ColumnAt(column))
        settings->MaxLength = std::max(maxLength, 0);
}

void TDataGrid::SetColumnDropDown(int column, bool dropDown)
{
    if (TGridColumn* settings = FModel->ColumnAt(column)) {
        settings->DropDown = dropDown;
        viewport()->update();
    }
}

void TDataGrid::SetRowHeight(int height)
{
    verticalHeader()->setDefaultSectionSize(height);
}

int TDataGrid::RowHeight() const
{
    return verticalHeader()->defaultSectionSize();
}

void TDataGrid::SetHeadingHeight(int height)
{
    horizontalHeader()->setFixedHeight(height);
}

void TDataGrid::SetHeadingFont(const QFont& font)
{
    horizontalHeader()->setFont(font);
    if (FCorner)
        FCorner->setFont(font);
}

void TDataGrid::SetEditColor(const QColor& color)
{
    FDelegate->SetEditColor(color);
}

void TDataGrid::SetRowSelection(bool enabled)
{
    FRowSelection = enabled;
    if (!enabled)
        ClearRowSelection();
}

void TDataGrid::SetColumnResizing(bool enabled)
{
    horizontalHeader()->setSectionResizeMode(enabled ? QHeaderView::Interactive : QHeaderView::Fixed);
}

// ---- Cells and rows ----------------------------------------------------------------------

void TDataGrid::SetCellReadOnly(int column, int row, TCellReadOnly state)
{
    FModel->SetCellReadOnly(column, row, state);
}

void TDataGrid::SetCellButton(int column, int row, TCellButton state)
{
    FModel->SetCellButton(column, row, state);
}

bool TDataGrid::CellIsReadOnly(int column, int row) const
{
    return FModel->IsCellReadOnly(column, row);
}

bool TDataGrid::CellHasButton(int column, int row) const
{
    return FModel->CellShowsButton(column, row);
}

QString TDataGrid::CellText(int column, int row) const
{
    return FModel->CellText(column, row);
}

void TDataGrid::SetRowVisible(int row, bool visible)
{
    if (!FModel->IsRow(row) || RowVisible(row) == visible)
        return;
    setRowHidden(row - 1, !visible);
    if (visible)
        return;
    if (SelectedRow() == row)
        ClearRowSelection();
    // The current cell never stays on a row that cannot be seen.
    if (CurrentRow() == row) {
        const int column = CurrentColumn();
        if (ShownRowNear(row) > 0)
            SetCurrentCell(column, row);
        else
            setCurrentIndex(QModelIndex());
    }
}

bool TDataGrid::RowVisible(int row) const
{
    return FModel->IsRow(row) && !isRowHidden(row - 1);
}

int TDataGrid::ShownRowNear(int row) const
{
    for (int below = row; below <= RowCount(); ++below)
        if (RowVisible(below))
            return below;
    for (int above = row - 1; above >= 1; --above)
        if (RowVisible(above))
            return above;
    return 0;
}

// ---- The current cell --------------------------------------------------------------------

int TDataGrid::CurrentColumn() const
{
    const QModelIndex index = currentIndex();
    return index.isValid() ? index.column() + 1 : 0;
}

int TDataGrid::CurrentRow() const
{
    const QModelIndex index = currentIndex();
    return index.isValid() ? index.row() + 1 : 0;
}

bool TDataGrid::SetCurrentCell(int column, int row)
{
    if (!FModel->IsCell(column, row) || column <= FixedColumns())
        return false;
    const int shown = ShownRowNear(row);
    if (shown == 0)
        return false;
    setCurrentIndex(FModel->IndexOf(column, shown));
    return true;
}

QString TDataGrid::CurrentText() const
{
    if (auto* edit = qobject_cast<QLineEdit*>(FEditor.data()))
        return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(FEditor.data()))
        return combo->currentText();
    return CellText(CurrentColumn(), CurrentRow());
}

int TDataGrid::SelStart() const
{
    if (auto* edit = qobject_cast<QLineEdit*>(FEditor.data()))
        return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    return 0;
}

int TDataGrid::SelLength() const
{
    if (auto* edit = qobject_cast<QLineEdit*>(FEditor.data()))
        return static_cast<int>(edit->selectedText().length());
    if (FEditor)
        return 0;
    return static_cast<int>(CurrentText().length());
}

bool TDataGrid::CopyToClipboard()
{
    if (CurrentColumn() == 0)
        return false;
    if (auto* edit = qobject_cast<QLineEdit*>(FEditor.data())) {
        if (!edit->hasSelectedText())
            return false;
        edit->copy();
        return true;
    }
    const QString text = CurrentText();
    if (text.isEmpty())
        return false;
    QApplication::clipboard()->setText(text);
    return true;
}

bool TDataGrid::CutToClipboard()
{
    const int column = CurrentColumn();
    const int row = CurrentRow();
    if (column == 0 || CellIsReadOnly(column, row) || CellHasButton(column, row))
        return false;
    if (auto* edit = qobject_cast<QLineEdit*>(FEditor.data())) {
        if (!edit->hasSelectedText())
            return false;
        edit->cut();
        EditorTextChanged();
        return true;
    }
    const QString text = CurrentText();
    if (text.isEmpty())
        return false;
    QApplication::clipboard()->setText(text);
    return SetCurrentText(QString());
}

bool TDataGrid::PasteFromClipboard()
{
    const int column = CurrentColumn();
    const int row = CurrentRow();
    const QString text = QApplication::clipboard()->text();
    if (column == 0 || text.isEmpty() || CellIsReadOnly(column, row) || CellHasButton(column, row))
        return false;
    if (auto* edit = qobject_cast<QLineEdit*>(FEditor.data())) {
        edit->insert(text);
        EditorTextChanged();
        return true;
    }
    return SetCurrentText(text);
}

bool TDataGrid::SetCurrentText(const QString& text)
{
    const int column = CurrentColumn();
    const int row = CurrentRow();
    if (column == 0 || CellIsReadOnly(column, row) || !StartEdit())
        return false;
    if (auto* combo = qobject_cast<QComboBox*>(FEditor.data())) {
        const int entry = combo->findText(text, Qt::MatchFixedString);
        if (entry < 0)
            return false;
        combo->setCurrentIndex(entry);
    } else if (auto* edit = qobject_cast<QLineEdit*>(FEditor.data())) {
        edit->selectAll();
        edit->insert(text);
    }
    EditorTextChanged();
    return true;
}

void TDataGrid::RestoreEditStartText()
{
    if (FEditor)
        SetEditorText(FEditStartText);
}

void TDataGrid::SetEditorText(const QString& text)
{
    if (auto* combo = qobject_cast<QComboBox*>(FEditor.data()))
        combo->setCurrentIndex(combo->findText(text, Qt::MatchFixedString));
    else if (auto* edit = qobject_cast<QLineEdit*>(FEditor.data()))
        edit->setText(text);
    FLastEditText = CurrentText();
}

bool TDataGrid::StartEdit()
{
    if (FEditor)
        return true;
    const QModelIndex index = currentIndex();
    if (!index.isValid() || !(FModel->flags(index) & Qt::ItemIsEditable))
        return false;
    edit(index);
    return FEditor != nullptr;
}

void TDataGrid::EndEdit()
{
    if (FEditor)
        closeEditor(FEditor, QAbstractItemDelegate::NoHint);
}

void TDataGrid::EditorOpened(QWidget* editor, int column, int row)
{
    FEditor = editor;
    FEditCell = {column, row};
    FEditStartText = CurrentText();
    FLastEditText = FEditStartText;
    emit StartCellEdit(column, row);
}

void TDataGrid::EditorTextChanged()
{
    if (!FEditor)
        return;
    const QString text = CurrentText();
    if (text == FLastEditText)
        return;
    FLastEditText = text;
    emit CellEdit(FEditCell.Column, FEditCell.Row);
}

void TDataGrid::EditorClosing(QWidget* editor)
{
    if (editor != FEditor)
        return;
    const TGridCoord cell = FEditCell;
    FEditor = nullptr;
    FEditCell = {};
    if (!FDestroying)
        emit EndCellEdit(cell.Column, cell.Row);
}

// ---- Row selection -----------------------------------------------------------------------

bool TDataGrid::RowSelected() const
{
    return SelectedRow() > 0;
}

int TDataGrid::SelectedRow() const
{
    for (int row = 1; row <= RowCount(); ++row)
        if (selectionModel()->isRowSelected(row - 1, QModelIndex()))
            return row;
    return 0;
}

void TDataGrid::SelectRow(int row)
{
    if (!FRowSelection || !RowVisible(row) || ColumnCount() == 0)
        return;
    EndEdit();
    int column = CurrentColumn();
    if (column <= FixedColumns())
        column = std::min(FixedColumns() + 1, ColumnCount());
    FSelectingRow = true;
    selectionModel()->setCurrentIndex(FModel->IndexOf(column, row), QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(FModel->IndexOf(1, row), FModel->IndexOf(ColumnCount(), row)),
                             QItemSelectionModel::ClearAndSelect);
    FSelectingRow = false;
    viewport()->update();
    verticalHeader()->viewport()->update();
}

void TDataGrid::ClearRowSelection()
{
    selectionModel()->clearSelection();
}

QItemSelectionModel::SelectionFlags TDataGrid::selectionCommand(const QModelIndex& index,
                                                               const QEvent* event) const
{
    (void)index;
    (void)event;
    // Cells are never selected; any move of the current cell ends a row selection.
    return FSelectingRow ? QItemSelectionModel::NoUpdate : QItemSelectionModel::Clear;
}

void TDataGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    emit CellChanged(CoordOf(previous), CoordOf(current));
}

// ---- Positions ---------------------------------------------------------------------------

TGridCoord TDataGrid::CellAt(const QPoint& pos) const
{
    const QRect cells = viewport()->geometry();
    if (cells.contains(pos))
        return CoordOf(indexAt(pos - cells.topLeft()));
    const QHeaderView* rowHeadings = verticalHeader();
    if (!rowHeadings->isHidden() && rowHeadings->geometry().contains(pos)) {
        const int section = rowHeadings->logicalIndexAt(pos.y() - rowHeadings->geometry().top());
        return section >= 0 ? TGridCoord{1, section + 1} : TGridCoord{};
    }
    const QHeaderView* headings = horizontalHeader();
    if (!headings->isHidden() && headings->geometry().contains(pos)) {
        const int section = headings->logicalIndexAt(pos.x() - headings->geometry().left());
        return section >= 0 ? TGridCoord{section + 1, 0} : TGridCoord{};
    }
    if (FCorner && !FCorner->isHidden() && !rowHeadings->isHidden() && FCorner->geometry().contains(pos))
        return {1, 0};
    return {};
}

TGridArea TDataGrid::AreaAt(const QPoint& pos) const
{
    const TGridCoord cell = CellAt(pos);
    if (cell.Row < 0 || cell.Column < 0)
        return TGridArea::gaNone;
    if (cell.Row == 0)
        return TGridArea::gaHeading;
    if (cell.Column <= FixedColumns())
        return TGridArea::gaFixedColumn;
    return TGridArea::gaCell;
}

// ---- Refresh -----------------------------------------------------------------------------

void TDataGrid::Reload()
{
    FModel->Reload();
    viewport()->update();
    if (FCorner)
        FCorner->update();
}

void TDataGrid::RedrawRow(int row)
{
    FModel->RedrawRow(row);
}

// ---- Keys --------------------------------------------------------------------------------

bool TDataGrid::OfferKey(QKeyEvent& event)
{
    if (&event == FForwardedKey)
        return false;
    TGridKey down{event.key(), event.modifiers(), QChar(), false};
    emit KeyDown(down);
    if (down.Refused)
        return true;
    const QChar character = GridKeyChar(event.key(), event.text());
    if (character.isNull())
        return false;
    TGridKey press{event.key(), event.modifiers(), character, false};
    emit KeyPress(press);
    return press.Refused;
}

void TDataGrid::keyPressEvent(QKeyEvent* event)
{
    // A key the cell editor did not use arrives here too; it has been offered already.
    const QWidget* focus = focusWidget();
    const bool fromEditor = FEditor && focus && (focus == FEditor || FEditor->isAncestorOf(focus));
    if (!fromEditor && OfferKey(*event)) {
        event->accept();
        return;
    }
    if (!FEditor && !event->text().isEmpty() && GridKeyChar(event->key(), event->text()).isNull()) {
        // Keys such as Delete or Ctrl+letter carry a control character; they must not start
        // editing and reach the new cell editor.
        QKeyEvent plain(event->type(), event->key(), event->modifiers(), QString(),
                        event->isAutoRepeat(), event->count());
        QTableView::keyPressEvent(&plain);
        event->setAccepted(plain.isAccepted());
        return;
    }
    FForwardedKey = event;
    QTableView::keyPressEvent(event);
    FForwardedKey = nullptr;
}

void TDataGrid::keyboardSearch(const QString& search)
{
    // Typing into a cell that cannot be edited does not jump to another cell.
    (void)search;
}

// ---- Mouse -------------------------------------------------------------------------------

void TDataGrid::MouseWentDown(const QPoint& pos, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    (void)modifiers;
    if (button != Qt::LeftButton)
        return;
    FMouseIsDown = true;
    FMouseDownCell = CellAt(pos);
    FMouseDownArea = AreaAt(pos);
}

void TDataGrid::MouseCameUp(const QPoint& pos, Qt::MouseButton button)
{
    if (button != Qt::LeftButton || !FMouseIsDown)
        return;
    FMouseIsDown = false;
    const TGridCoord up = CellAt(pos);
    const TGridArea upArea = AreaAt(pos);
    if (FMouseDownArea == TGridArea::gaFixedColumn && upArea == TGridArea::gaFixedColumn &&
        up.Row == FMouseDownCell.Row && up.Row >= 1 && FRowSelection) {
        SelectRow(up.Row);
        setFocus(Qt::MouseFocusReason);
    }
    emit ClickCell(FMouseDownCell, FMouseDownArea, up, upArea);
}

void TDataGrid::mousePressEvent(QMouseEvent* event)
{
    const QPoint local = event->position().toPoint();
    const QPoint pos = viewport()->mapTo(this, local);
    const QModelIndex index = indexAt(local);
    const bool onCurrent = index.isValid() && index == currentIndex();
    MouseWentDown(pos, event->button(), event->modifiers());
    QTableView::mousePressEvent(event);
    FPressedOnCurrent = onCurrent && !FEditor;
    emit MouseDown(event->button(), event->modifiers(), pos);
}

void TDataGrid::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasDown = FMouseIsDown;
    const TGridCoord down = FMouseDownCell;
    QTableView::mouseReleaseEvent(event);
    const QPoint local = event->position().toPoint();
    const QModelIndex index = indexAt(local);
    const TGridCoord cell = CoordOf(index);
    MouseCameUp(viewport()->mapTo(this, local), event->button());
    if (!wasDown || event->button() != Qt::LeftButton || !index.isValid() || cell != down ||
        index != currentIndex() || FEditor || CellIsReadOnly(cell.Column, cell.Row))
        return;
    // A click on the drop-down button opens the list; a second click on the current cell
    // starts editing it.
    const bool onButton = CellHasButton(cell.Column, cell.Row) &&
                          TDataGridDelegate::ButtonRect(visualRect(index)).contains(local);
    if (!onButton && !FPressedOnCurrent)
        return;
    edit(index);
    if (auto* combo = qobject_cast<QComboBox*>(FEditor.data()); combo && onButton)
        combo->showPopup();
}

bool TDataGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (FCorner && watched == FCorner && event->type() == QEvent::Paint) {
        PaintCorner(*FCorner);
        return true;
    }
    const bool heading = watched == verticalHeader()->viewport() ||
                         watched == horizontalHeader()->viewport() || (FCorner && watched == FCorner);
    if (heading && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease)) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint pos = static_cast<QWidget*>(watched)->mapTo(this, mouse->position().toPoint());
        if (event->type() == QEvent::MouseButtonPress) {
            MouseWentDown(pos, mouse->button(), mouse->modifiers());
            emit MouseDown(mouse->button(), mouse->modifiers(), pos);
        } else {
            MouseCameUp(pos, mouse->button());
        }
    }
    return QTableView::eventFilter(watched, event);
}

void TDataGrid::PaintCorner(QAbstractButton& corner)
{
    QPainter painter(&corner);
    QStyleOptionHeader option;
    option.initFrom(&corner);
    option.rect = corner.rect();
    option.orientation = Qt::Horizontal;
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.textAlignment = Qt::AlignCenter;
    if (FixedColumns() > 0 && ColumnCount() > 0)
        option.text = ColumnHeading(1);
    corner.style()->drawControl(QStyle::CE_Header, &option, &painter, &corner);
}

// ---- Drag and drop -----------------------------------------------------------------------

void TDataGrid::SetAcceptDrops(bool accept)
{
    setAcceptDrops(accept);
    viewport()->setAcceptDrops(accept);
}

Qt::DropAction TDataGrid::BeginDrag(QMimeData* data, const QPixmap& cursor)
{
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    if (!cursor.isNull()) {
        drag->setDragCursor(cursor, Qt::CopyAction);
        drag->setDragCursor(cursor, Qt::MoveAction);
    }
    return drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
}

void TDataGrid::dragEnterEvent(QDragEnterEvent* event)
{
    // The enter is always taken so that the owner is asked again at every move.
    dragMoveEvent(event);
    if (!event->isAccepted()) {
        event->setDropAction(Qt::IgnoreAction);
        event->accept();
    }
}

void TDataGrid::dragMoveEvent(QDragMoveEvent* event)
{
    bool accept = false;
    emit DragOver(event->source(), viewport()->mapTo(this, event->position().toPoint()), accept);
    if (accept)
        event->acceptProposedAction();
    else
        event->ignore();
}

void TDataGrid::dragLeaveEvent(QDragLeaveEvent* event)
{
    event->accept();
}

void TDataGrid::dropEvent(QDropEvent* event)
{
    emit DragDrop(event->source(), viewport()->mapTo(this, event->position().toPoint()));
    event->acceptProposedAction();
}
