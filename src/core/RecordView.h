#pragma once
#include "RecordLayout.h"
#include <QByteArrayView>

namespace lumivista {

class Record;

/** Read-only access by field name to one record's bytes that live elsewhere
 *  (a scan block): no copy of the record is made. Valid only while those bytes are. */
class RecordView
{
public:
    RecordView(const RecordLayout &layout, QByteArrayView bytes) : m_layout(&layout), m_bytes(bytes) {}

    const RecordLayout &layout() const { return *m_layout; }
    QByteArrayView bytes() const { return m_bytes; }

    QString value(int field) const;
    QString value(const QString &field) const;  // empty for an unknown name
    /** A copy that outlives the block. */
    Record toRecord() const;

private:
    const RecordLayout *m_layout;
    QByteArrayView m_bytes;
};

} // namespace lumivista
