#pragma once
#include "RecordView.h"
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace lumivista {

/** One piece of a list line: a fixed caption, then a field trimmed and fitted
 *  to a width (padded with blanks or cut). A width below zero keeps the field
 *  as it is, trimmed only: the last field of every line. */
struct LinePart
{
    QString caption;
    QString field;
    int width = -1;
};

/** The line a list shows for one record. Lines are built in Windows-1252 bytes,
 *  so a scan over a large archive compares and keeps bytes, and decodes only the
 *  lines it shows. */
class LineFormat
{
public:
    LineFormat() = default;
    LineFormat(const RecordLayout &layout, const QList<LinePart> &parts);

    const RecordLayout *layout() const { return m_layout; }
    QString build(const RecordView &record) const;
    /** The same line as bytes, into out (reused between records). */
    void buildBytes(QByteArrayView record, QByteArray &out) const;
    /** Characters every line has before its last, unpadded field: the captions
     *  and the fixed widths. */
    int fixedLength() const;
    /** Field names of the parts that are not in the layout (left out of the line). */
    const QStringList &unresolved() const { return m_unresolved; }

    /** Every format the lists and searches use, one per line shape. */
    static LineFormat clientSearch();
    static LineFormat pendingIssues();
    static LineFormat glassesSearch();
    static LineFormat glassesUnpaid();
    static LineFormat lensSearch(); // also the unpaid lens list
    static LineFormat appointments(); // the appointment search and its three lists

private:
    struct Resolved
    {
        QByteArray caption;
        int offset = 0;
        int capacity = 0;
        int width = -1;
    };
    const RecordLayout *m_layout = nullptr;
    QList<Resolved> m_parts;
    QStringList m_unresolved;
};

} // namespace lumivista
