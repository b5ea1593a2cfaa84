#include "ClientMatch.h"
#include "ShortText.h"
#include "Utf8.h"
#include <algorithm>
#include <cstring>

namespace lumivista {

namespace {

QByteArray foldedAZ(QByteArrayView text)
{
    QByteArray out(text.data(), text.size());
    for (char &c : out) {
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    }
    return out;
}

/** text folded equals folded, compared byte by byte without a copy. */
bool equalFolded(QByteArrayView text, const QByteArray &folded)
{
    if (text.size() != folded.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char c = text.at(i);
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
        if (c != folded.at(i))
            return false;
    }
    return true;
}

} // namespace

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
    key.taxCode = foldTaxCode(bytes(record, m_tax));
    key.name = foldName(bytes(record, m_name));
    key.mobile = phone(bytes(record, m_mobile));
    return key;
}

ClientMatch::Rule ClientMatch::Fields::match(const Key &client, const RecordView &record) const
{
    const QByteArrayView tax = bytes(record, m_tax);
    if (!client.taxCode.isEmpty() && !tax.isEmpty())
        return equalFolded(tax, client.taxCode) ? Rule::TaxCode : Rule::None;
    if (client.name.isEmpty() || !equalFolded(bytes(record, m_name), client.name))
        return Rule::None;
    if (client.mobile.isEmpty())
        return Rule::Name;
    const QByteArray mobile = phone(bytes(record, m_mobile));
    if (mobile.isEmpty())
        return Rule::Name;
    return mobile == client.mobile ? Rule::NameAndMobile : Rule::None;
}

QByteArray ClientMatch::foldName(QByteArrayView name)
{
    return foldedAZ(name);
}

void ClientMatch::foldInto(QByteArrayView text, QByteArray &out)
{
    out.resize(text.size());
    char *to = out.data();
    for (const char c : text)
        *to++ = c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

QByteArray ClientMatch::foldTaxCode(QByteArrayView code)
{
    // A tax code holds only letters A to Z and digits; anything else stays as typed.
    return foldedAZ(code);
}

QByteArray ClientMatch::phone(QByteArrayView typed)
{
    QByteArray digits;
    phoneInto(typed, digits);
    return digits;
}

void ClientMatch::phoneInto(QByteArrayView typed, QByteArray &out)
{
    // At most two more than typed: the "39" of a national mobile.
    out.resize(typed.size() + 2);
    char *const begin = out.data() + 2;
    char *end = begin;
    for (const char c : typed) {
        const auto u = uchar(c);
        // Blanks (the no-break space too), control characters and the usual separators.
        if (u <= 32 || u == 0xA0 || c == '-' || c == '.' || c == '/' || c == '(' || c == ')')
            continue;
        *end++ = c;
    }
    char *from = begin;
    if (end - from >= 1 && from[0] == '+')
        from += 1;
    else if (end - from >= 2 && from[0] == '0' && from[1] == '0')
        from += 2;
    const bool nationalMobile = end - from == 10 && from[0] == '3'
        && std::all_of(from, end, [](char c) { return c >= '0' && c <= '9'; });
    if (nationalMobile) {
        // The two bytes kept free before the digits take the prefix.
        from -= 2;
        from[0] = '3';
        from[1] = '9';
    }
    const qsizetype length = end - from;
    std::memmove(out.data(), from, size_t(length));
    out.resize(length);
}

ClientMatch::Rule ClientMatch::match(const Key &client, const Key &other)
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
