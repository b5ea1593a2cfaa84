#include "core/RecordLayout.h"

#include <QtTest>

using namespace lumivista;

namespace {
const RecordLayout &layoutNamed(const QString &name)
{
    if (name == QLatin1String("clients"))
        return RecordLayout::clients();
    if (name == QLatin1String("glasses"))
        return RecordLayout::glasses();
    if (name == QLatin1String("lenses"))
        return RecordLayout::lenses();
    return RecordLayout::appointments();
}
} // namespace

class TstRecordLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void archives_data();
    void archives();
    void offsets_data();
    void offsets();
    void unknownNames();
};

void TstRecordLayout::archives_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("fields");
    QTest::newRow("clients") << "clients" << "Archivio_Clienti.pro" << 6065 << 102;
    QTest::newRow("glasses") << "glasses" << "Prescrizioni_Occhiali.pro" << 5436 << 54;
    QTest::newRow("lenses") << "lenses" << "Prescrizioni_Lenti.pro" << 5742 << 60;
    QTest::newRow("appointments") << "appointments" << "Archivio_Appuntamenti.pro" << 1265 << 16;
}

void TstRecordLayout::archives()
{
    QFETCH(QString, layout);
    QFETCH(QString, fileName);
    QFETCH(int, size);
    QFETCH(int, fields);
    const RecordLayout &l = layoutNamed(layout);
    QCOMPARE(l.archiveFileName(), fileName);
    QCOMPARE(l.size(), size);
    QCOMPARE(l.fieldCount(), fields);
    QCOMPARE(l.fieldNames().size(), fields);
    QCOMPARE(l.offset(fields - 1) + l.field(fields - 1).capacity, size - 1);
}

void TstRecordLayout::offsets_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("capacity");

    const struct Row { const char *layout; const char *field; int offset; int capacity; } rows[] = {
        {"clients", "Name", 0, 250}, {"clients", "Gender", 251, 1}, {"clients", "BirthDate", 253, 10},
        {"clients", "BirthPlace", 264, 50}, {"clients", "Street", 315, 250}, {"clients", "City", 566, 50},
        {"clients", "State", 617, 50}, {"clients", "Zip", 668, 30}, {"clients", "Citizenship", 699, 50},
        {"clients", "TaxNumber", 750, 50}, {"clients", "SSN", 801, 50}, {"clients", "Email", 852, 50},
        {"clients", "HomePhone", 903, 30}, {"clients", "MobilePhone", 934, 30}, {"clients", "Occupation", 965, 50},
        {"clients", "Work", 1016, 250}, {"clients", "Pathologies", 1267, 250}, {"clients", "Drugs", 1518, 250},
        {"clients", "Allergies", 1769, 250}, {"clients", "Problems", 2020, 250}, {"clients", "Issues", 2271, 250},
        {"clients", "Communication", 2522, 250}, {"clients", "Dentist", 2773, 250}, {"clients", "Times", 3024, 250},
        {"clients", "Status", 3275, 250}, {"clients", "Notes", 3526, 250}, {"clients", "DataEsame", 3777, 10},
        {"clients", "Oculista", 3788, 250}, {"clients", "Eta", 4039, 50}, {"clients", "Dente01", 4090, 6},
        {"clients", "Dente02", 4097, 6}, {"clients", "Dente67", 4552, 6}, {"clients", "File01", 4559, 250},
        {"clients", "File02", 4810, 250}, {"clients", "File03", 5061, 250}, {"clients", "Desc01", 5312, 250},
        {"clients", "Desc02", 5563, 250}, {"clients", "Desc03", 5814, 250},

        {"glasses", "NumPre", 0, 20}, {"glasses", "Data", 21, 10}, {"glasses", "OtticoRigo01", 32, 250},
        {"glasses", "OtticoRigo05", 1036, 250}, {"glasses", "ClienteRigo01", 1287, 250},
        {"glasses", "ClienteRigo03", 1789, 250}, {"glasses", "ClienteRigo04", 2040, 16},
        {"glasses", "ClienteRigo05", 2057, 50}, {"glasses", "TipoOc", 2108, 50}, {"glasses", "Uso", 2159, 50},
        {"glasses", "Consegna", 2210, 10}, {"glasses", "Modalita", 2221, 250}, {"glasses", "Montatura01", 2472, 50},
        {"glasses", "Montatura07", 2778, 50}, {"glasses", "LenteDX01", 2829, 50}, {"glasses", "LenteDX07", 3135, 50},
        {"glasses", "LenteSX01", 3186, 50}, {"glasses", "Importo01", 3543, 12}, {"glasses", "Importo06", 3608, 12},
        {"glasses", "Finale", 3621, 12}, {"glasses", "Totale", 3634, 20}, {"glasses", "Dovuto", 3655, 20},
        {"glasses", "Note", 3676, 250}, {"glasses", "Saldato", 3927, 2}, {"glasses", "File01", 3930, 250},
        {"glasses", "Desc01", 4683, 250}, {"glasses", "Desc03", 5185, 250},

        {"lenses", "NumPre", 0, 20}, {"lenses", "OtticoRigo02", 283, 250}, {"lenses", "OtticoRigo03", 534, 250},
        {"lenses", "OtticoRigo04", 785, 250}, {"lenses", "ClienteRigo02", 1538, 250},
        {"lenses", "ClienteRigo04", 2040, 16}, {"lenses", "Modalita", 2221, 250}, {"lenses", "LenteDX01", 2829, 50},
        {"lenses", "LenteDX10", 3288, 50}, {"lenses", "LenteSX01", 3339, 50}, {"lenses", "LenteSX10", 3798, 50},
        {"lenses", "Importo01", 3849, 12}, {"lenses", "Importo06", 3914, 12}, {"lenses", "Finale", 3927, 12},
        {"lenses", "Totale", 3940, 20}, {"lenses", "Dovuto", 3961, 20}, {"lenses", "Note", 3982, 250},
        {"lenses", "Saldato", 4233, 2}, {"lenses", "File01", 4236, 250}, {"lenses", "File02", 4487, 250},
        {"lenses", "File03", 4738, 250}, {"lenses", "Desc01", 4989, 250}, {"lenses", "Desc02", 5240, 250},
        {"lenses", "Desc03", 5491, 250},

        {"appointments", "Data", 0, 10}, {"appointments", "OreApp", 11, 2}, {"appointments", "MinutiApp", 14, 2},
        {"appointments", "Ora", 17, 5}, {"appointments", "Avviso", 23, 3}, {"appointments", "Tipologia", 27, 50},
        {"appointments", "Causale", 78, 250}, {"appointments", "Dettagli", 329, 250},
        {"appointments", "Contatto", 580, 50}, {"appointments", "Tel", 631, 30}, {"appointments", "Cel", 662, 30},
        {"appointments", "Email", 693, 50}, {"appointments", "Luogo", 744, 250}, {"appointments", "Importo", 995, 15},
        {"appointments", "Note", 1011, 250}, {"appointments", "Ottemperata", 1262, 2},
    };
    for (const Row &r : rows) {
        QTest::addRow("%s %s", r.layout, r.field)
            << QString::fromLatin1(r.layout) << QString::fromLatin1(r.field) << r.offset << r.capacity;
    }
}

void TstRecordLayout::offsets()
{
    QFETCH(QString, layout);
    QFETCH(QString, field);
    QFETCH(int, offset);
    QFETCH(int, capacity);
    const RecordLayout &l = layoutNamed(layout);
    const int index = l.indexOf(field);
    QVERIFY2(index >= 0, qPrintable(field));
    QCOMPARE(l.field(index).name, field);
    QCOMPARE(l.offset(index), offset);
    QCOMPARE(l.field(index).capacity, capacity);
}

void TstRecordLayout::unknownNames()
{
    QCOMPARE(RecordLayout::clients().indexOf(QStringLiteral("name")), -1);
    QCOMPARE(RecordLayout::clients().indexOf(QStringLiteral("Dente68")), -1);
    QCOMPARE(RecordLayout::glasses().indexOf(QStringLiteral("LenteDX08")), -1);
    QVERIFY(RecordLayout::lenses().indexOf(QStringLiteral("LenteDX08")) >= 0);
}

QTEST_GUILESS_MAIN(TstRecordLayout)
#include "tst_recordlayout.moc"
