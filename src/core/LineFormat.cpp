#include "LineFormat.h"
#include "Utf8.h"
#include "ShortText.h"
#include "Text.h"

namespace lumivista {

LineFormat::LineFormat(const RecordLayout &layout, const QList<LinePart> &parts)
    : m_layout(&layout)
{
    for (const LinePart &part : parts) {
        const int index = layout.indexOf(part.field);
        if (index < 0) {
            m_unresolved << part.field; // a test of the member tables names it
            continue;
        }
        m_parts.append({Text::toCp1252(part.caption), layout.offset(index), layout.field(index).capacity, part.width});
    }
}

int LineFormat::fixedLength() const
{
    int length = 0;
    for (const Resolved &part : m_parts)
        length += int(part.caption.size()) + qMax(0, part.width);
    return length;
}

void LineFormat::buildBytes(QByteArrayView record, QByteArray &out) const
{
    out.resize(0);
    for (const Resolved &part : m_parts) {
        out.append(part.caption);
        const QByteArrayView value = ShortText::bytes(record, part.offset, part.capacity);
        if (part.width < 0) {
            out.append(value);
        } else {
            const qsizetype kept = qMin<qsizetype>(value.size(), part.width);
            out.append(value.first(kept));
            out.append(part.width - kept, ' ');
        }
    }
}

QString LineFormat::build(const RecordView &record) const
{
    QByteArray bytes;
    buildBytes(record.bytes(), bytes);
    return Text::fromCp1252(bytes);
}

LineFormat LineFormat::clientSearch()
{
    return LineFormat(RecordLayout::clients(), {{QString(), s("Name"), 30},
                                                {s("  Cel. "), s("MobilePhone"), 20},
                                                {s("  Oculista: "), s("Dentist"), 28},
                                                {s("  Note: "), s("Notes"), -1}});
}

LineFormat LineFormat::pendingIssues()
{
    return LineFormat(RecordLayout::clients(), {{QString(), s("Name"), 30},
                                                {s("  Cel. "), s("MobilePhone"), 20},
                                                {s("  Oculista: "), s("Dentist"), 28},
                                                {s("  "), s("Issues"), -1}});
}

LineFormat LineFormat::glassesSearch()
{
    return LineFormat(RecordLayout::glasses(), {{QString(), s("ClienteRigo01"), 30},
                                                {s("  Cel. "), s("ClienteRigo05"), 15},
                                                {s("  Presc. n. "), s("NumPre"), 12},
                                                {s("  Consegna: "), s("Consegna"), 10},
                                                {s("  Tipo: "), s("TipoOc"), 26},
                                                {s("  Totale: € "), s("Dovuto"), -1}});
}

LineFormat LineFormat::glassesUnpaid()
{
    return LineFormat(RecordLayout::glasses(), {{QString(), s("ClienteRigo01"), 30},
                                                {s("  Cel. "), s("ClienteRigo05"), 15},
                                                {s("  Presc. n. "), s("NumPre"), 12},
                                                {s("  Emissione: "), s("Data"), 10},
                                                {s("  Tipo: "), s("TipoOc"), 26},
                                                {s("  Totale: € "), s("Dovuto"), -1}});
}

LineFormat LineFormat::lensSearch()
{
    return LineFormat(RecordLayout::lenses(), {{QString(), s("ClienteRigo01"), 30},
                                               {s("  Cel. "), s("ClienteRigo05"), 15},
                                               {s("  Presc. n. "), s("NumPre"), 12},
                                               {s("  Data: "), s("Data"), 10},
                                               {s("  Lente DX: "), s("LenteDX01"), 26},
                                               {s("  Totale: € "), s("Dovuto"), -1}});
}

LineFormat LineFormat::appointments()
{
    return LineFormat(RecordLayout::appointments(), {{s("Data: "), s("Data"), 10},
                                                     {s("  Ora: "), s("Ora"), 5},
                                                     {s("  "), s("Causale"), 40},
                                                     {s("  Cliente: "), s("Contatto"), 30},
                                                     {s("  Cel. "), s("Cel"), 14},
                                                     {s("  Importo: € "), s("Importo"), -1}});
}

} // namespace lumivista
