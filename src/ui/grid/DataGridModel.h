// The table model behind a data grid: the grid's layout (columns, rows, per-cell states)
// and the owner's cell texts, which it asks for each time instead of storing them.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <vector>

#include "ui/grid/GridTypes.h"

class TDataGrid;
class TGridOwner;

// Model rows and columns count from 0; grid column c is model column c - 1 and grid row r
// is model row r - 1.
class TDataGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TDataGridModel(TDataGrid& grid);

    void SetOwner(TGridOwner* owner) { FOwner = owner; }
    TGridOwner* Owner() const { return FOwner; }

    void SetColumnCount(int count);
    int ColumnCount() const { return static_cast<int>(FColumns.size()); }
    void SetRowCount(int count);
    int RowCount() const { return FRowCount; }

    // 0 or 1: with 1, column 1 is the fixed column that heads each row.
    void SetFixedColumns(int count);
    int FixedColumns() const { return FFixedColumns; }

    bool IsColumn(int column) const { return column >= 1 && column <= ColumnCount(); }
    bool IsRow(int row) const { return row >= 1 && row <= FRowCount; }
    bool IsCell(int column, int row) const { return IsColumn(column) && IsRow(row); }

    // The settings of a column; Column throws std::out_of_range for a column that does not
    // exist, ColumnAt gives null.
    const TGridColumn& Column(int column) const;
    TGridColumn* ColumnAt(int column);
    void SetColumnHeading(int column, const QString& heading);

    void SetCellReadOnly(int column, int row, TCellReadOnly state);
    TCellReadOnly CellReadOnly(int column, int row) const;
    void SetCellButton(int column, int row, TCellButton state);
    TCellButton CellButton(int column, int row) const;

    // The owner's text of a cell; asking may also update the cell's states.
    QString CellText(int column, int row) const;
    // Effective states, after the owner has been asked for the cell.
    bool IsCellReadOnly(int column, int row) const;
    bool CellShowsButton(int column, int row) const;

    QModelIndex IndexOf(int column, int row) const { return index(row - 1, column - 1); }

    // Every shown text and heading is asked for again.
    void Reload();
    void RedrawRow(int row);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct TCellState {
        TCellReadOnly ReadOnly = TCellReadOnly::crColumn;
        TCellButton Button = TCellButton::cbColumn;
    };
    TCellState* StateOf(int column, int row);
    const TCellState* StateOf(int column, int row) const;
    void ResetCellStates();
    bool IsFixedColumn(int column) const { return column >= 1 && column <= FFixedColumns; }
    bool StateReadOnly(int column, int row) const;

    TDataGrid& FGrid;
    TGridOwner* FOwner = nullptr;
    std::vector<TGridColumn> FColumns;
    int FRowCount = 0;
    int FFixedColumns = 0;
    std::vector<TCellState> FCellStates;  // row by row, column by column
};

// A heading as the grid shows it: a carriage return, alone or before a line feed, breaks
// the line.
QString HeadingLines(const QString& heading);
