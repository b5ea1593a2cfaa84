#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace lumivista {

/** The lines of a list as one block of Windows-1252 bytes: 100,000 lines cost
 *  one allocation, and a line is decoded only when it is shown, searched or
 *  printed. */
class LineList
{
public:
    qsizetype size() const { return qsizetype(m_spans.size()); }
    bool isEmpty() const { return m_spans.empty(); }
    QString at(qsizetype index) const;
    QByteArrayView bytes(qsizetype index) const;
    /** The longest line, in characters. */
    qsizetype longest() const { return m_longest; }
    QStringList toStringList() const;
    /** All lines' bytes, one after the other. */
    const QByteArray &buffer() const { return m_bytes; }
    /** Where line index starts in buffer(). */
    qsizetype offset(qsizetype index) const { return m_spans[size_t(index)].first; }

    void append(QByteArrayView line);
    void reserve(qsizetype lines, qsizetype bytes);
    /** Reorders the lines: order[i] is the old index of the new line i. */
    void permute(const std::vector<quint32> &order);
    static LineList fromStringList(const QStringList &lines);

private:
    QByteArray m_bytes;
    std::vector<std::pair<qsizetype, qsizetype>> m_spans; // offset, length
    qsizetype m_longest = 0;
};

} // namespace lumivista
