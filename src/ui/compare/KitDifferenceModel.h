// The differences between two kits as a table: where, field, this kit's value, the other's
// value (numbers with their units). Read-only; the rows can be taken as tab-delimited text.
#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <vector>

#include "compare/KitComparison.h"

class TKitDifferenceModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum TColumn { colWhere, colField, colThisKit, colOther, ColumnCount };

    explicit TKitDifferenceModel(std::vector<TKitDifference> differences, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const TKitDifference& Difference(int row) const { return FDifferences.at(static_cast<std::size_t>(row)); }
    // The text of a cell as the table shows it.
    QString CellText(int row, int column) const;
    // The heading line and the given rows (every row when none is given), one line each, the
    // cells separated by tabs: what a spreadsheet or a mail takes.
    QString AsText(QList<int> rows = {}) const;

private:
    std::vector<TKitDifference> FDifferences;
};
