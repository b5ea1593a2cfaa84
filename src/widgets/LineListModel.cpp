#include "LineListModel.h"
#include <QFontMetrics>

namespace lumivista {

LineListModel::LineListModel(const QFont &font, QObject *parent)
    : QAbstractListModel(parent)
    , m_font(font)
{
}

void LineListModel::setLines(LineList lines)
{
    beginResetModel();
    m_lines = std::move(lines);
    // A fixed-pitch font: the longest line in characters is the widest.
    const QFontMetrics metrics(m_font);
    const int width = metrics.horizontalAdvance(QLatin1Char('M')) * int(m_lines.longest()) + 8;
    m_itemSize = QSize(qMax(1600, width), metrics.height() + 2);
    endResetModel();
}

int LineListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

QVariant LineListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_lines.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
        return m_lines.at(index.row());
    case Qt::SizeHintRole:
        return m_itemSize;
    case Qt::FontRole:
        return m_font;
    default:
        return {};
    }
}

} // namespace lumivista
