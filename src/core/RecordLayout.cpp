#include "RecordLayout.h"

namespace lumivista {

namespace {

/** Appends `prefix01` … `prefixNN`, all of one capacity: rows of a card section. */
void addSeries(QList<FieldDef> &fields, const QString &prefix, int count, int capacity)
{
    for (int k = 1; k <= count; ++k)
        fields.append({prefix + QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0')), capacity});
}

/** The three attachment slots that clients and prescriptions share. */
void addAttachments(QList<FieldDef> &fields)
{
    addSeries(fields, QStringLiteral("File"), 3, 250);
    addSeries(fields, QStringLiteral("Desc"), 3, 250);
}

/** Eyeglass and contact-lens prescriptions differ only in the rows per eye. */
QList<FieldDef> prescriptionFields(int lensRows)
{
    QList<FieldDef> f = {
        {QStringLiteral("NumPre"), 20},
        {QStringLiteral("Data"), 10},
    };
    addSeries(f, QStringLiteral("OtticoRigo"), 5, 250);
    addSeries(f, QStringLiteral("ClienteRigo"), 3, 250);
    f.append({QStringLiteral("ClienteRigo04"), 16});
    f.append({QStringLiteral("ClienteRigo05"), 50});
    f.append({QStringLiteral("TipoOc"), 50});
    f.append({QStringLiteral("Uso"), 50});
    f.append({QStringLiteral("Consegna"), 10});
    f.append({QStringLiteral("Modalita"), 250});
    addSeries(f, QStringLiteral("Montatura"), 7, 50);
    addSeries(f, QStringLiteral("LenteDX"), lensRows, 50);
    addSeries(f, QStringLiteral("LenteSX"), lensRows, 50);
    addSeries(f, QStringLiteral("Importo"), 6, 12);
    f.append({QStringLiteral("Finale"), 12});
    f.append({QStringLiteral("Totale"), 20});
    f.append({QStringLiteral("Dovuto"), 20});
    f.append({QStringLiteral("Note"), 250});
    f.append({QStringLiteral("Saldato"), 2});
    addAttachments(f);
    return f;
}

} // namespace

RecordLayout::RecordLayout(QString archiveFileName, QList<FieldDef> fields)
    : m_archiveFileName(std::move(archiveFileName)), m_fields(std::move(fields))
{
    m_offsets.reserve(m_fields.size());
    for (int i = 0; i < m_fields.size(); ++i) {
        const FieldDef &f = m_fields.at(i);
        Q_ASSERT(f.capacity >= 1 && f.capacity <= 250);
        Q_ASSERT(!m_index.contains(f.name));
        m_offsets.append(m_size);
        m_index.insert(f.name, i);
        m_size += f.capacity + 1;
    }
}

QStringList RecordLayout::fieldNames() const
{
    QStringList names;
    names.reserve(m_fields.size());
    for (const FieldDef &f : m_fields)
        names.append(f.name);
    return names;
}

const RecordLayout &RecordLayout::clients()
{
    static const RecordLayout layout = [] {
        QList<FieldDef> f = {
            {QStringLiteral("Name"), 250},
            {QStringLiteral("Gender"), 1},
            {QStringLiteral("BirthDate"), 10},
            {QStringLiteral("BirthPlace"), 50},
            {QStringLiteral("Street"), 250},
            {QStringLiteral("City"), 50},
            {QStringLiteral("State"), 50},
            {QStringLiteral("Zip"), 30},
            {QStringLiteral("Citizenship"), 50},
            {QStringLiteral("TaxNumber"), 50},
            {QStringLiteral("SSN"), 50},
            {QStringLiteral("Email"), 50},
            {QStringLiteral("HomePhone"), 30},
            {QStringLiteral("MobilePhone"), 30},
            {QStringLiteral("Occupation"), 50},
            {QStringLiteral("Work"), 250},
            {QStringLiteral("Pathologies"), 250},
            {QStringLiteral("Drugs"), 250},
            {QStringLiteral("Allergies"), 250},
            {QStringLiteral("Problems"), 250},
            {QStringLiteral("Issues"), 250},
            {QStringLiteral("Communication"), 250},
            {QStringLiteral("Dentist"), 250},
            {QStringLiteral("Times"), 250},
            {QStringLiteral("Status"), 250},
            {QStringLiteral("Notes"), 250},
            {QStringLiteral("DataEsame"), 10},
            {QStringLiteral("Oculista"), 250},
            {QStringLiteral("Eta"), 50},
        };
        addSeries(f, QStringLiteral("Dente"), 67, 6);
        addAttachments(f);
        return RecordLayout(QStringLiteral("Archivio_Clienti.pro"), f);
    }();
    return layout;
}

const RecordLayout &RecordLayout::glasses()
{
    static const RecordLayout layout(QStringLiteral("Prescrizioni_Occhiali.pro"), prescriptionFields(7));
    return layout;
}

const RecordLayout &RecordLayout::lenses()
{
    static const RecordLayout layout(QStringLiteral("Prescrizioni_Lenti.pro"), prescriptionFields(10));
    return layout;
}

const RecordLayout &RecordLayout::appointments()
{
    static const RecordLayout layout(QStringLiteral("Archivio_Appuntamenti.pro"),
                                     {
                                         {QStringLiteral("Data"), 10},
                                         {QStringLiteral("OreApp"), 2},
                                         {QStringLiteral("MinutiApp"), 2},
                                         {QStringLiteral("Ora"), 5},
                                         {QStringLiteral("Avviso"), 3},
                                         {QStringLiteral("Tipologia"), 50},
                                         {QStringLiteral("Causale"), 250},
                                         {QStringLiteral("Dettagli"), 250},
                                         {QStringLiteral("Contatto"), 50},
                                         {QStringLiteral("Tel"), 30},
                                         {QStringLiteral("Cel"), 30},
                                         {QStringLiteral("Email"), 50},
                                         {QStringLiteral("Luogo"), 250},
                                         {QStringLiteral("Importo"), 15},
                                         {QStringLiteral("Note"), 250},
                                         {QStringLiteral("Ottemperata"), 2},
                                     });
    return layout;
}

} // namespace lumivista
