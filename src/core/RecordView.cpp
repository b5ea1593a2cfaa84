#include "RecordView.h"
#include "Record.h"
#include "ShortText.h"

namespace lumivista {

QString RecordView::value(int field) const
{
    if (field < 0 || field >= m_layout->fieldCount())
        return QString();
    return ShortText::read(m_bytes, m_layout->offset(field), m_layout->field(field).capacity);
}

QString RecordView::value(const QString &field) const
{
    return value(m_layout->indexOf(field));
}

Record RecordView::toRecord() const
{
    return Record(*m_layout, m_bytes.toByteArray());
}

} // namespace lumivista
