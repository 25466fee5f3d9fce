#include "ui/compare/KitDifferenceModel.h"

#include "ui/components/CoreText.h"

namespace {

QString WithUnit(const std::string& value, const std::string& unit)
{
    return unit.empty() ? FromCore(value) : FromCore(value + " " + unit);
}

}  // namespace

TKitDifferenceModel::TKitDifferenceModel(std::vector<TKitDifference> differences, QObject* parent)
    : QAbstractTableModel(parent), FDifferences(std::move(differences))
{
}

int TKitDifferenceModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(FDifferences.size());
}

int TKitDifferenceModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString TKitDifferenceModel::CellText(int row, int column) const
{
    const TKitDifference& d = Difference(row);
    switch (column) {
    case colWhere: return FromCore(d.Where);
    case colField: return FromCore(d.Field);
    case colThisKit: return WithUnit(d.Left, d.Unit);
    case colOther: return WithUnit(d.Right, d.Unit);
    default: return QString();
    }
}

QVariant TKitDifferenceModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return CellText(index.row(), index.column());
    return {};
}

QVariant TKitDifferenceModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    switch (section) {
    case colWhere: return tr("Where");
    case colField: return tr("Field");
    case colThisKit: return tr("This kit");
    case colOther: return tr("Other");
    default: return {};
    }
}

QString TKitDifferenceModel::AsText(QList<int> rows) const
{
    if (rows.isEmpty())
        for (int row = 0; row < rowCount(); ++row)
            rows.append(row);
    QStringList lines;
    QStringList heading;
    for (int column = 0; column < ColumnCount; ++column)
        heading.append(headerData(column, Qt::Horizontal).toString());
    lines.append(heading.join(QLatin1Char('\t')));
    for (const int row : rows) {
        QStringList cells;
        for (int column = 0; column < ColumnCount; ++column)
            cells.append(CellText(row, column));
        lines.append(cells.join(QLatin1Char('\t')));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
