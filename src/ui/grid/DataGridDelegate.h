// The cell editors of a data grid: a line edit with the column's length limit, or a
// pick-only drop-down list filled by the grid's owner. Every change reaches the grid at
// once; nothing is written back when the editor closes.
#pragma once

#include <QColor>
#include <QStyledItemDelegate>

class TDataGrid;

class TDataGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TDataGridDelegate(TDataGrid& grid);

    void SetEditColor(const QColor& color) { FEditColor = color; }
    QColor EditColor() const { return FEditColor; }

    // The part of a cell that holds its drop-down button.
    static QRect ButtonRect(const QRect& cell);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    TDataGrid& FGrid;
    QColor FEditColor;
};
