#include "core/ExportColumns.h"
#include "TestFiles.h"
#include "core/ExportSnapshot.h"
#include "core/ProgramFolder.h"
#include "core/Record.h"
#include "core/RecordFile.h"
#include "FullDisk.h"

#include <QtTest>

using namespace lumivista;

namespace {

/** Appends records to an archive as a card would have stored them. */
void store(const RecordLayout &layout, const QList<QList<std::pair<QString, QString>>> &records)
{
    RecordFile file(RecordFile::pathFor(layout), layout);
    file.seek(file.count());
    for (const auto &fields : records) {
        Record r(layout);
        for (const auto &[name, value] : fields)
            r.setValue(name, value);
        file.write(r);
    }
    file.close();
}

QList<std::pair<QString, QString>> appointment(const QString &data, const QString &ore, const QString &minuti,
                                               const QString &ottemperata = QStringLiteral("No"))
{
    return {{"Data", data}, {"OreApp", ore}, {"MinutiApp", minuti}, {"Ora", ore + ':' + minuti},
            {"Avviso", "0"}, {"Contatto", "Rossi Mario"}, {"Ottemperata", ottemperata}};
}

QStringList column(const ExportSnapshot &snapshot, int c)
{
    QStringList out;
    for (const ExportRow &row : snapshot.rows())
        out << (c < 0 ? QString::number(row.number) : row.cell(c));
    return out;
}

} // namespace

class TstExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        ProgramFolder::setOverride(m_dir->path());
    }
    void cleanup()
    {
        ProgramFolder::setOverride(QString());
        m_dir.reset();
    }

    void clientsMatchTheGoldenFile()
    {
        // Two clients, with markup characters, accents, the euro sign and blanks to trim.
        store(RecordLayout::clients(),
              {{{"Name", "  Rossi & figli  "}, {"City", "Forlì"}, {"State", "FC"}, {"Notes", "a<b>c</b>d"},
                {"Issues", "deve 20 €"}, {"MobilePhone", "3331234567"}, {"Zip", "47121"}},
               {{"Name", "Bianchi Anna"}, {"Email", "anna@example.it"}, {"Notes", "R&D &amp; co; &#38;"}}});
        ExportSnapshot snapshot(RecordLayout::clients(), ExportColumns::clients(), ExportRows::All, false);
        QVERIFY(snapshot.fill(RecordFile::pathFor(RecordLayout::clients()), QDate()));
        QCOMPARE(snapshot.rows().size(), 2);
        const QString out = m_dir->filePath(QStringLiteral("Riepilogo_Clienti.xls"));
        QVERIFY(snapshot.write(out, QStringLiteral("Riepilogo Clienti")).ok());
        const QString golden = QFINDTESTDATA("../data/export/Riepilogo_Clienti.xls");
        QVERIFY(!golden.isEmpty());
        QCOMPARE(fileBytes(out), fileBytes(golden));
    }

    void cellText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("plain") << "Rossi Mario" << "Rossi Mario";
        // Read as markup, "a<b>c</b>d" would show as "acd": the text would be lost.
        QTest::newRow("markup") << "a<b>c</b>d" << "a&lt;b>c&lt;/b>d";
        QTest::newRow("ampersand with blanks") << "Rossi & figli" << "Rossi & figli";
        QTest::newRow("ampersand in a word") << "R&D" << "R&D";
        QTest::newRow("named reference") << "&amp;" << "&amp;amp;";
        QTest::newRow("numeric reference") << "&#38;" << "&amp;#38;";
        QTest::newRow("name without semicolon") << "&copy 2024" << "&copy 2024";
        QTest::newRow("ampersand at the end") << "A&" << "A&";
        QTest::newRow("accents and euro") << "Forlì 20 €" << "Forlì 20 €";
    }
    void cellText()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QCOMPARE(XlsWorkbook::cellText(typed), written);
    }

    void rowRules_data()
    {
        QTest::addColumn<int>("rule");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QStringList>("dates");
        const QDate march15(2024, 3, 15);
        QTest::newRow("day: fulfilled or not") << int(ExportRows::Day) << march15
                                               << QStringList{"15/03/2024", "15/03/2024"};
        QTest::newRow("day without appointments") << int(ExportRows::Day) << QDate(2024, 3, 20) << QStringList{};
        QTest::newRow("month: March 2024, not March 2023")
            << int(ExportRows::Month) << march15
            << QStringList{"01/03/2024", "15/03/2024", "15/03/2024", "16/03/2024", "31/03/2024"};
        QTest::newRow("imminent: pending and due") << int(ExportRows::Imminent) << march15
                                                   << QStringList{"01/03/2023", "01/03/2024", "15/03/2024"};
        QTest::newRow("all, in file order") << int(ExportRows::All) << march15
                                            << QStringList{"31/03/2024", "01/03/2024", "01/03/2023", "15/03/2024",
                                                           "15/03/2024", "16/03/2024", "01/04/2024"};
    }
    void rowRules()
    {
        QFETCH(int, rule);
        QFETCH(QDate, day);
        QFETCH(QStringList, dates);
        store(RecordLayout::appointments(),
              {appointment("31/03/2024", "09", "00", "Sì"), appointment("01/03/2024", "09", "00"),
               appointment("01/03/2023", "09", "00"), appointment("15/03/2024", "09", "00", "Sì"),
               appointment("15/03/2024", "10", "00"), appointment("16/03/2024", "09", "00"),
               appointment("01/04/2024", "09", "00")});
        const bool sorted = rule != int(ExportRows::All);
        ExportSnapshot snapshot(RecordLayout::appointments(),
                                ExportColumns::appointments(sorted ? ExportColumns::Appointments::Agenda
                                                                   : ExportColumns::Appointments::Archive),
                                ExportRows(rule), sorted);
        QVERIFY(snapshot.fill(RecordFile::pathFor(RecordLayout::appointments()), day));
        QCOMPARE(column(snapshot, 0), dates);
    }

    void keySortMovesWholeRows()
    {
        // Read as 16/03 10:00, 15/03 09:30, 15/03 18:00: shown by date and time, each with its number.
        store(RecordLayout::appointments(),
              {appointment("16/03/2024", "10", "00"), appointment("15/03/2024", "09", "30"),
               appointment("15/03/2024", "18", "00")});
        ExportSnapshot snapshot(RecordLayout::appointments(),
                                ExportColumns::appointments(ExportColumns::Appointments::Agenda), ExportRows::Month,
                                true);
        QVERIFY(snapshot.fill(RecordFile::pathFor(RecordLayout::appointments()), QDate(2024, 3, 1)));
        QCOMPARE(column(snapshot, -1), (QStringList{"2", "3", "1"}));
        QCOMPARE(column(snapshot, 1), (QStringList{"09:30", "18:00", "10:00"}));
        QCOMPARE(column(snapshot, 13), (QStringList{"202403150930", "202403151800", "202403161000"}));
    }

    void monthHeaderKeepsItsSpelling()
    {
        const auto month = ExportColumns::appointments(ExportColumns::Appointments::AgendaMonth);
        QCOMPARE(month.at(2).header, QStringLiteral("Ottico asegnato"));
        QCOMPARE(month.at(2).shownHeader(), QStringLiteral("Ottico assegnato"));
        QCOMPARE(ExportColumns::appointments(ExportColumns::Appointments::Agenda).at(2).header,
                 QStringLiteral("Ottico assegnato"));
        QCOMPARE(ExportColumns::appointments(ExportColumns::Appointments::Archive).size(), 13);
        QCOMPARE(month.size(), 14);
    }

    void missingArchiveGivesTheHeaderOnly()
    {
        ExportSnapshot snapshot(RecordLayout::lenses(), ExportColumns::prescriptions(PrescriptionKind::Lenses),
                                ExportRows::All, false);
        QVERIFY(snapshot.fill(RecordFile::pathFor(RecordLayout::lenses()), QDate()));
        QVERIFY(snapshot.rows().isEmpty());
        QVERIFY(QFileInfo::exists(RecordFile::pathFor(RecordLayout::lenses()))); // created empty
        const QString out = m_dir->filePath(QStringLiteral("Prescrizioni_Lenti.xls"));
        QVERIFY(snapshot.write(out, QStringLiteral("Prescrizioni Lenti")).ok());
        const QByteArray bytes = fileBytes(out);
        QCOMPARE(bytes, XlsWorkbook::head(QStringLiteral("Prescrizioni Lenti"), snapshot.columns()) + XlsWorkbook::tail());
        QVERIFY(bytes.contains("<x:Name>Prescrizioni Lenti</x:Name>"));
        QVERIFY(bytes.contains("width=280>Tipo contenitore</td>"));
        QCOMPARE(bytes.count("<tr>"), 1);
    }

    void failedWriteKeepsThePreviousExport()
    {
        store(RecordLayout::clients(), {{{"Name", "Rossi Mario"}}});
        ExportSnapshot snapshot(RecordLayout::clients(), ExportColumns::clients(), ExportRows::All, false);
        QVERIFY(snapshot.fill(RecordFile::pathFor(RecordLayout::clients()), QDate()));
        const QString out = m_dir->filePath(QStringLiteral("Riepilogo_Clienti.xls"));
        QFile old(out);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("previous export");
        old.close();
        WholeFile::Outcome outcome;
        {
            FullDisk full;
            outcome = snapshot.write(out, QStringLiteral("Riepilogo Clienti"));
        }
        QVERIFY(!outcome.ok());
        QCOMPARE(fileBytes(out), QByteArray("previous export"));
        QCOMPARE(QDir(m_dir->path()).entryList({"Riepilogo_Clienti.xls*"}, QDir::Files | QDir::Hidden),
                 QStringList{"Riepilogo_Clienti.xls"});
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TstExport)
#include "tst_export.moc"
