#include "Record.h"
#include "ShortText.h"

namespace lumivista {

Record::Record(const RecordLayout &layout)
    : m_layout(&layout), m_bytes(layout.size(), '\0')
{
}

Record::Record(const RecordLayout &layout, QByteArray bytes)
    : m_layout(&layout), m_bytes(std::move(bytes))
{
    if (m_bytes.size() > layout.size())
        m_bytes.truncate(layout.size());
    else if (m_bytes.size() < layout.size())
        m_bytes.append(QByteArray(layout.size() - m_bytes.size(), '\0'));
}

QString Record::value(int field) const
{
    return view().value(field);
}

QString Record::value(const QString &field) const
{
    return value(m_layout->indexOf(field));
}

void Record::setValue(int field, const QString &text)
{
    if (field < 0 || field >= m_layout->fieldCount())
        return;
    ShortText::write(m_bytes, m_layout->offset(field), m_layout->field(field).capacity, text);
}

void Record::setValue(const QString &field, const QString &text)
{
    setValue(m_layout->indexOf(field), text);
}

} // namespace lumivista
