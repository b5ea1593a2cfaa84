#pragma once
#include "RecordLayout.h"
#include "RecordView.h"
#include <QByteArray>

namespace lumivista {

/** One record's bytes together with its layout; fields are addressed by name. */
class Record
{
public:
    explicit Record(const RecordLayout &layout);            // all zeros
    /** Bytes of another size are cut or padded with zeros to the layout's size. */
    Record(const RecordLayout &layout, QByteArray bytes);

    const RecordLayout &layout() const { return *m_layout; }
    const QByteArray &bytes() const { return m_bytes; }
    RecordView view() const { return RecordView(*m_layout, m_bytes); }

    QString value(int field) const;
    QString value(const QString &field) const;               // empty for an unknown name
    void setValue(int field, const QString &text);
    void setValue(const QString &field, const QString &text); // ignored for an unknown name

private:
    const RecordLayout *m_layout;
    QByteArray m_bytes;
};

} // namespace lumivista
