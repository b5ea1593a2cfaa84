#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QHash>

namespace lumivista {

/** One ShortText field of a record: its name and its capacity N (1..250). */
struct FieldDef
{
    QString name;
    int capacity = 0;
};

/** A record type as a table of fields; offsets and size are derived from it,
 *  so the byte layout of an archive is stated exactly once. */
class RecordLayout
{
public:
    RecordLayout(QString archiveFileName, QList<FieldDef> fields);

    QString archiveFileName() const { return m_archiveFileName; }
    int size() const { return m_size; }
    int fieldCount() const { return int(m_fields.size()); }
    const FieldDef &field(int index) const { return m_fields.at(index); }
    int offset(int index) const { return m_offsets.at(index); }
    /** -1 when the layout has no such field. Case-sensitive. */
    int indexOf(const QString &name) const { return m_index.value(name, -1); }
    QStringList fieldNames() const;

    static const RecordLayout &clients();      // Archivio_Clienti.pro, 6065 bytes
    static const RecordLayout &glasses();      // Prescrizioni_Occhiali.pro, 5436 bytes
    static const RecordLayout &lenses();       // Prescrizioni_Lenti.pro, 5742 bytes
    static const RecordLayout &appointments(); // Archivio_Appuntamenti.pro, 1265 bytes
    /** The four archives, in that order. */
    static QList<const RecordLayout *> archives() { return {&clients(), &glasses(), &lenses(), &appointments()}; }

private:
    QString m_archiveFileName;
    QList<FieldDef> m_fields;
    QList<int> m_offsets;
    QHash<QString, int> m_index;
    int m_size = 0;
};

} // namespace lumivista
