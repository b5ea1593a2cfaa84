#include "LineList.h"
#include "Text.h"

namespace lumivista {

QString LineList::at(qsizetype index) const
{
    const auto &[offset, length] = m_spans[size_t(index)];
    return Text::fromCp1252(m_bytes.constData() + offset, int(length));
}

QByteArrayView LineList::bytes(qsizetype index) const
{
    const auto &[offset, length] = m_spans[size_t(index)];
    return QByteArrayView(m_bytes.constData() + offset, length);
}

QStringList LineList::toStringList() const
{
    QStringList lines;
    lines.reserve(size());
    for (qsizetype i = 0; i < size(); ++i)
        lines.append(at(i));
    return lines;
}

void LineList::append(QByteArrayView line)
{
    m_spans.emplace_back(m_bytes.size(), line.size());
    m_bytes.append(line);
    m_longest = qMax(m_longest, line.size());
}

void LineList::reserve(qsizetype lines, qsizetype bytes)
{
    m_spans.reserve(size_t(lines));
    m_bytes.reserve(bytes);
}

void LineList::permute(const std::vector<quint32> &order)
{
    std::vector<std::pair<qsizetype, qsizetype>> spans;
    spans.reserve(order.size());
    for (quint32 i : order)
        spans.push_back(m_spans[i]);
    m_spans.swap(spans);
}

LineList LineList::fromStringList(const QStringList &lines)
{
    LineList list;
    for (const QString &line : lines)
        list.append(Text::toCp1252(line));
    return list;
}

} // namespace lumivista
