#include "ExportModel.h"

namespace lumivista {

ExportModel::ExportModel(const ExportSnapshot &snapshot, QObject *parent)
    : QAbstractTableModel(parent), m_snapshot(snapshot)
{
}

void ExportModel::refresh()
{
    beginResetModel();
    endResetModel();
}

int ExportModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_snapshot.rows().size());
}

int ExportModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_snapshot.columns().size()) + 1;
}

QVariant ExportModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    const ExportRow &row = m_snapshot.rows().at(index.row());
    if (index.column() == 0)
        return QString::number(row.number);
    const int cell = index.column() - 1;
    return cell < row.count() ? row.cell(cell) : QString();
}

QVariant ExportModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return {};
    if (section == 0)
        return QStringLiteral("N.");
    return m_snapshot.columns().value(section - 1, ExportColumn(QString(), 0, QString())).shownHeader();
}

} // namespace lumivista
