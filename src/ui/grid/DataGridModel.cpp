#include "ui/grid/DataGridModel.h"

#include <algorithm>
#include <stdexcept>

#include "ui/grid/DataGrid.h"
#include "ui/grid/GridOwner.h"

QString HeadingLines(const QString& heading)
{
    QString lines = heading;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lines;
}

TDataGridModel::TDataGridModel(TDataGrid& grid) : QAbstractTableModel(&grid), FGrid(grid) {}

void TDataGridModel::SetColumnCount(int count)
{
    count = std::max(count, 0);
    const int old = ColumnCount();
    if (count > old) {
        beginInsertColumns(QModelIndex(), old, count - 1);
        FColumns.resize(static_cast<size_t>(count));
        ResetCellStates();
        endInsertColumns();
    } else if (count < old) {
        beginRemoveColumns(QModelIndex(), count, old - 1);
        FColumns.resize(static_cast<size_t>(count));
        ResetCellStates();
        endRemoveColumns();
    }
}

void TDataGridModel::SetRowCount(int count)
{
    count = std::max(count, 0);
    const int old = FRowCount;
    if (count > old) {
        beginInsertRows(QModelIndex(), old, count - 1);
        FRowCount = count;
        ResetCellStates();
        endInsertRows();
    } else if (count < old) {
        beginRemoveRows(QModelIndex(), count, old - 1);
        FRowCount = count;
        ResetCellStates();
        endRemoveRows();
    }
}

void TDataGridModel::SetFixedColumns(int count)
{
    FFixedColumns = std::clamp(count, 0, 1);
}

const TGridColumn& TDataGridModel::Column(int column) const
{
    if (!IsColumn(column))
        throw std::out_of_range("grid column out of range");
    return FColumns[static_cast<size_t>(column - 1)];
}

TGridColumn* TDataGridModel::ColumnAt(int column)
{
    return IsColumn(column) ? &FColumns[static_cast<size_t>(column - 1)] : nullptr;
}

void TDataGridModel::SetColumnHeading(int column, const QString& heading)
{
    if (TGridColumn* settings = ColumnAt(column)) {
        settings->Heading = HeadingLines(heading);
        emit headerDataChanged(Qt::Horizontal, column - 1, column - 1);
    }
}

void TDataGridModel::ResetCellStates()
{
    FCellStates.assign(static_cast<size_t>(FRowCount) * FColumns.size(), TCellState{});
}

TDataGridModel::TCellState* TDataGridModel::StateOf(int column, int row)
{
    if (!IsCell(column, row))
        return nullptr;
    return &FCellStates[static_cast<size_t>(row - 1) * FColumns.size() + static_cast<size_t>(column - 1)];
}

const TDataGridModel::TCellState* TDataGridModel::StateOf(int column, int row) const
{
    return const_cast<TDataGridModel*>(this)->StateOf(column, row);
}

// Setting a state does not repaint: the owner sets states while the grid loads a cell, and
// asks for a redraw of the row when it changes them at any other time.
void TDataGridModel::SetCellReadOnly(int column, int row, TCellReadOnly state)
{
    if (TCellState* cell = StateOf(column, row))
        cell->ReadOnly = state;
}

TCellReadOnly TDataGridModel::CellReadOnly(int column, int row) const
{
    const TCellState* cell = StateOf(column, row);
    return cell ? cell->ReadOnly : TCellReadOnly::crColumn;
}

void TDataGridModel::SetCellButton(int column, int row, TCellButton state)
{
    if (TCellState* cell = StateOf(column, row))
        cell->Button = state;
}

TCellButton TDataGridModel::CellButton(int column, int row) const
{
    const TCellState* cell = StateOf(column, row);
    return cell ? cell->Button : TCellButton::cbColumn;
}

QString TDataGridModel::CellText(int column, int row) const
{
    QString text;
    if (FOwner && IsCell(column, row))
        FOwner->CellLoaded(FGrid, column, row, text);
    return text;
}

bool TDataGridModel::StateReadOnly(int column, int row) const
{
    if (IsFixedColumn(column))
        return true;
    switch (CellReadOnly(column, row)) {
    case TCellReadOnly::crOn:
        return true;
    case TCellReadOnly::crOff:
        return false;
    case TCellReadOnly::crColumn:
        break;
    }
    return Column(column).ReadOnly;
}

bool TDataGridModel::IsCellReadOnly(int column, int row) const
{
    if (!IsCell(column, row))
        return true;
    CellText(column, row);
    return StateReadOnly(column, row);
}

bool TDataGridModel::CellShowsButton(int column, int row) const
{
    if (!IsCell(column, row))
        return false;
    CellText(column, row);
    return !IsFixedColumn(column) && Column(column).DropDown &&
           CellButton(column, row) == TCellButton::cbColumn;
}

void TDataGridModel::Reload()
{
    if (FRowCount > 0 && ColumnCount() > 0)
        emit dataChanged(index(0, 0), index(FRowCount - 1, ColumnCount() - 1));
    if (ColumnCount() > 0)
        emit headerDataChanged(Qt::Horizontal, 0, ColumnCount() - 1);
    if (FRowCount > 0)
        emit headerDataChanged(Qt::Vertical, 0, FRowCount - 1);
}

void TDataGridModel::RedrawRow(int row)
{
    if (!IsRow(row) || ColumnCount() == 0)
        return;
    emit dataChanged(index(row - 1, 0), index(row - 1, ColumnCount() - 1));
    emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
}

int TDataGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : FRowCount;
}

int TDataGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount();
}

QVariant TDataGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int column = index.column() + 1;
    const int row = index.row() + 1;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return CellText(column, row);
    case Qt::BackgroundRole:
        if (Column(column).Color.isValid())
            return Column(column).Color;
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    default:
        return {};
    }
}

QVariant TDataGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Horizontal)
        return IsColumn(section + 1) ? Column(section + 1).Heading : QString();
    // The row headings are the cells of the fixed column.
    return FFixedColumns > 0 ? CellText(1, section + 1) : QString();
}

Qt::ItemFlags TDataGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (!IsCellReadOnly(index.column() + 1, index.row() + 1))
        result |= Qt::ItemIsEditable;
    return result;
}
