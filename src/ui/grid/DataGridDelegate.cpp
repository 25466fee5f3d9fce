#include "ui/grid/DataGridDelegate.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <algorithm>

#include "ui/grid/DataGrid.h"
#include "ui/grid/DataGridModel.h"
#include "ui/grid/GridOwner.h"

namespace {

// Marks an editor whose text has been loaded; later loads would overwrite what the user
// is typing with the owner's stored value.
const char* const LoadedProperty = "gridEditorLoaded";

}  // namespace

TDataGridDelegate::TDataGridDelegate(TDataGrid& grid) : QStyledItemDelegate(&grid), FGrid(grid) {}

QRect TDataGridDelegate::ButtonRect(const QRect& cell)
{
    const int width = std::min(16, cell.height());
    return QRect(cell.right() - width + 1, cell.top(), width, cell.height());
}

QWidget* TDataGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const
{
    (void)option;
    const int column = index.column() + 1;
    const int row = index.row() + 1;
    const TDataGridModel& model = FGrid.Model();
    QWidget* editor = nullptr;
    if (model.CellShowsButton(column, row)) {
        auto* combo = new QComboBox(parent);
        combo->setEditable(false);
        TGridOwner* owner = model.Owner();
        const int count = owner ? owner->ComboInit(FGrid, column, row) : 0;
        for (int listRow = 1; listRow <= count; ++listRow) {
            QString text;
            owner->ComboCellLoaded(FGrid, listRow, text);
            combo->addItem(text);
        }
        combo->setMaxVisibleItems(std::max(count, 1));
        connect(combo, &QComboBox::activated, &FGrid, [grid = &FGrid] { grid->EditorTextChanged(); });
        editor = combo;
    } else {
        auto* edit = new QLineEdit(parent);
        edit->setFrame(false);
        const int maxLength = model.Column(column).MaxLength;
        if (maxLength > 0)
            edit->setMaxLength(maxLength);
        connect(edit, &QLineEdit::textEdited, &FGrid, [grid = &FGrid] { grid->EditorTextChanged(); });
        editor = edit;
    }
    // Screen readers announce the cell editor by its column.
    editor->setAccessibleName(QString(model.Column(column).Heading).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    if (FEditColor.isValid()) {
        QPalette palette = editor->palette();
        palette.setColor(QPalette::Base, FEditColor);
        palette.setColor(QPalette::Button, FEditColor);
        editor->setPalette(palette);
        editor->setAutoFillBackground(true);
    }
    return editor;
}

void TDataGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (editor->property(LoadedProperty).toBool())
        return;
    editor->setProperty(LoadedProperty, true);
    const int column = index.column() + 1;
    const int row = index.row() + 1;
    const QString text = FGrid.Model().CellText(column, row);
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        combo->setCurrentIndex(combo->findText(text, Qt::MatchFixedString));
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(text);
        edit->selectAll();
    }
    FGrid.EditorOpened(editor, column, row);
}

void TDataGridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                     const QModelIndex& index) const
{
    // Every change has already gone to the owner while it was typed.
    (void)editor;
    (void)model;
    (void)index;
}

void TDataGridDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const
{
    FGrid.EditorClosing(editor);
    QStyledItemDelegate::destroyEditor(editor, index);
}

void TDataGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    if (!FGrid.Model().CellShowsButton(index.column() + 1, index.row() + 1))
        return;
    QStyleOption arrow;
    arrow.initFrom(FGrid.viewport());
    arrow.rect = ButtonRect(option.rect).adjusted(3, 3, -3, -3);
    QStyle* style = option.widget ? option.widget->style() : FGrid.style();
    style->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, painter, option.widget);
}

bool TDataGridDelegate::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && FGrid.OfferKey(*static_cast<QKeyEvent*>(event)))
        return true;
    return QStyledItemDelegate::eventFilter(object, event);
}
