#include "ClientMatch.h"
#include "ShortText.h"
#include "Utf8.h"
#include "WhatsAppLink.h"

namespace lumivista {

ClientMatch::Fields::Slot ClientMatch::Fields::slot(const RecordLayout &layout, const char *field)
{
    const int i = layout.indexOf(QLatin1String(field));
    return i < 0 ? Slot{} : Slot{layout.offset(i), layout.field(i).capacity};
}

ClientMatch::Fields::Fields(const RecordLayout &layout)
{
    if (layout.indexOf(QStringLiteral("TaxNumber")) >= 0) {
        m_tax = slot(layout, "TaxNumber");
        m_name = slot(layout, "Name");
        m_mobile = slot(layout, "MobilePhone");
    } else if (layout.indexOf(QStringLiteral("ClienteRigo04")) >= 0) {
        m_tax = slot(layout, "ClienteRigo04");
        m_name = slot(layout, "ClienteRigo01");
        m_mobile = slot(layout, "ClienteRigo05");
    } else {
        m_name = slot(layout, "Contatto");
        m_mobile = slot(layout, "Cel");
    }
}

QByteArrayView ClientMatch::Fields::bytes(const RecordView &record, const Slot &s)
{
    return s.offset < 0 ? QByteArrayView() : ShortText::bytes(record.bytes(), s.offset, s.capacity);
}

ClientMatch::Key ClientMatch::Fields::key(const RecordView &record) const
{
    Key key;
    keyInto(record, key);
    return key;
}

ClientMatch::KeyView ClientMatch::Fields::keyInto(const RecordView &record, Key &buffers) const
{
    foldInto(bytes(record, m_tax), buffers.taxCode);
    foldInto(bytes(record, m_name), buffers.name);
    WhatsAppLink::phoneInto(bytes(record, m_mobile), buffers.mobile);
    return buffers.view();
}

QByteArray ClientMatch::fold(QByteArrayView text)
{
    QByteArray out;
    foldInto(text, out);
    return out;
}

void ClientMatch::foldInto(QByteArrayView text, QByteArray &out)
{
    out.resize(text.size());
    char *to = out.data();
    for (const char c : text)
        *to++ = c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

ClientMatch::Rule ClientMatch::match(const KeyView &client, const KeyView &other)
{
    if (!client.taxCode.isEmpty() && !other.taxCode.isEmpty())
        return client.taxCode == other.taxCode ? Rule::TaxCode : Rule::None;
    if (client.name.isEmpty() || client.name != other.name)
        return Rule::None;
    if (client.mobile.isEmpty() || other.mobile.isEmpty())
        return Rule::Name;
    return client.mobile == other.mobile ? Rule::NameAndMobile : Rule::None;
}

QString ClientMatch::describe(Rule rule)
{
    switch (rule) {
    case Rule::TaxCode:
        return s("codice fiscale");
    case Rule::NameAndMobile:
        return s("nome e cellulare");
    case Rule::Name:
        return s("solo nome");
    case Rule::None:
        break;
    }
    return QString();
}

} // namespace lumivista
