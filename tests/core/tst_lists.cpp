#include "core/LineFormat.h"
#include "core/ListFind.h"
#include "core/AppointmentRules.h"
#include "core/ListingRules.h"
#include "core/Text.h"
#include "core/Record.h"
#include "core/RecordFile.h"
#include "core/RecordSearch.h"
#include <QTemporaryDir>
#include <QtTest>

using namespace lumivista;

namespace {

Record record(const RecordLayout &layout, const QStringList &pairs)
{
    Record r(layout);
    for (const QString &pair : pairs)
        r.setValue(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
    return r;
}

Record client(const QString &name, const QString &mobile = QString(), const QString &issues = QString(),
              const QString &city = QString())
{
    return record(RecordLayout::clients(), {"Name=" + name, "MobilePhone=" + mobile, "Dentist=Dr. Neri",
                                            "Notes=note di " + name, "Issues=" + issues, "City=" + city});
}

Record appointment(const QString &date, const QString &fulfilled)
{
    return record(RecordLayout::appointments(), {"Data=" + date, "Ora=09:30", "Causale=Controllo",
                                                 "Contatto=Rossi Mario", "Cel=333", "Importo=25,00",
                                                 "Ottemperata=" + fulfilled});
}

/** An archive of the given records in a temporary folder. */
class Archive
{
public:
    Archive(const RecordLayout &layout, const QList<Record> &records)
        : m_file(m_dir.filePath(layout.archiveFileName()), layout)
    {
        for (const Record &r : records)
            m_file.write(r);
    }
    RecordFile &file() { return m_file; }

private:
    QTemporaryDir m_dir;
    RecordFile m_file;
};

const QString yes = QStringLiteral("S\u00EC");

} // namespace

/** Line formats, the sort, filters, the "Trova" walk, the pick and the listing rules. */
class TestLists : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lineFormats_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("line");
        const QString name35 = QStringLiteral("Abbracciavento Bartolomeo Giovanni"); // 34
        QTest::newRow("client, 35-character name cut to 30")
            << "client" << QStringList{"Name= " + name35 + "X ", "MobilePhone=333 1234567", "Dentist=Dr. Neri",
                                       "Notes=  porta occhiali  "}
            << "Abbracciavento Bartolomeo Giov  Cel. 333 1234567" + QString(9, QLatin1Char(' ')) + "  Oculista: Dr. Neri"
                   + QString(20, QLatin1Char(' ')) + "  Note: porta occhiali";
        QTest::newRow("pending issues, empty oculist")
            << "issues" << QStringList{"Name=Rossi", "Issues=Saldo 50 [euro]"}
            << "Rossi                           Cel.                       Oculista:                               "
               "Saldo 50 [euro]";
        QTest::newRow("eyeglass search")
            << "glassesSearch"
            << QStringList{"ClienteRigo01=Bianchi Anna", "ClienteRigo05=3331234567", "NumPre=12",
                           "Consegna=10/12/2026", "TipoOc=Progressivi", "Dovuto=350,00"}
            << "Bianchi Anna                    Cel. 3331234567       Presc. n. 12            Consegna: 10/12/2026  "
               "Tipo: Progressivi                 Totale: € 350,00";
        QTest::newRow("eyeglass unpaid")
            << "glassesUnpaid" << QStringList{"ClienteRigo01=Bianchi Anna", "Data=01/12/2026", "TipoOc=Lettura"}
            << "Bianchi Anna                    Cel.                  Presc. n.               Emissione: 01/12/2026  "
               "Tipo: Lettura                     Totale: € ";
        QTest::newRow("lens search, long lens cut")
            << "lens" << QStringList{"ClienteRigo01=Verdi", "LenteDX01=" + QString(40, QLatin1Char('L')), "Dovuto=80"}
            << "Verdi                           Cel.                  Presc. n.               Data:             "
               "Lente DX: " + QString(26, QLatin1Char('L')) + "  Totale: € 80";
        QTest::newRow("appointment")
            << "appointments"
            << QStringList{"Data=03/03/2025", "Ora=09:30", "Causale=Controllo", "Contatto=Rossi Mario",
                           "Cel=3331234567", "Importo=25,00"}
            << "Data: 03/03/2025  Ora: 09:30  Controllo                                 Cliente: Rossi Mario"
               "                     Cel. 3331234567      Importo: € 25,00";
    }
    void lineFormats()
    {
        QFETCH(QString, format);
        QFETCH(QStringList, fields);
        QFETCH(QString, line);
        const LineFormat f = format == "client"          ? LineFormat::clientSearch()
            : format == "issues"                         ? LineFormat::pendingIssues()
            : format == "glassesSearch"                  ? LineFormat::glassesSearch()
            : format == "glassesUnpaid"                  ? LineFormat::glassesUnpaid()
            : format == "lens"                           ? LineFormat::lensSearch()
                                                         : LineFormat::appointments();
        QCOMPARE(f.build(record(*f.layout(), fields).view()), line);
    }

    void sortFoldsOnlyAToZ()
    {
        LineList list = LineList::fromStringList(
            {"rossi b", "Zeta", "\u00C0lfa", "ROSSI", "alfa", "Rossi", "\u00E8lla", "beta", "\u20AC 5", "~"});
        RecordSearch::sort(list);
        const QStringList lines = list.toStringList();
        // Same names in another case keep their order; accented letters sort by code, after z.
        // The euro sign (a low byte in Windows-1252) sorts by its character code, last.
        QCOMPARE(lines, QStringList({"alfa", "beta", "ROSSI", "Rossi", "rossi b", "Zeta", "~", "\u00C0lfa", "\u00E8lla",
                                     "\u20AC 5"}));
    }

    void filterMatching_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<bool>("matches");
        QTest::newRow("start") << "Rossi Mario" << "ros" << true;
        QTest::newRow("inside, other case") << "Rossi Mario" << "MAR" << true;
        QTest::newRow("trimmed filter") << "Rossi Mario" << "  mario " << true;
        QTest::newRow("absent") << "Rossi Mario" << "bianchi" << false;
        QTest::newRow("accent must match exactly") << "Nicolò" << "nicolo" << false;
        QTest::newRow("accent, A-Z folded") << "NICOLò" << "nicolò" << true;
        QTest::newRow("accented capital not folded") << "NICOLÒ" << "nicolò" << false;
        QTest::newRow("longer than field") << "Re" << "Rem" << false;
    }
    void filterMatching()
    {
        QFETCH(QString, field);
        QFETCH(QString, filter);
        QFETCH(bool, matches);
        const QByteArray bytes = Text::toCp1252(field);
        QCOMPARE(RecordSearch::fieldContains(bytes, filter), matches);
    }

    void searchNeedsEveryFilterInUse()
    {
        Archive a(RecordLayout::clients(), {client("Rossi Mario", "", "", "Roma"), client("Bianchi Rosa", "", "", "Milano"),
                                            client("ROSSETTI Anna", "", "", "Roma"), client("Verdi", "", "", "Roma")});
        const LineFormat f = LineFormat::clientSearch();
        auto names = [&](const QList<FieldFilter> &filters) {
            QStringList found;
            for (const QString &line : RecordSearch::lines(a.file(), f, filters, {}, true).toStringList())
                found << line.left(30).trimmed();
            return found;
        };
        QCOMPARE(names({}), QStringList({"Bianchi Rosa", "ROSSETTI Anna", "Rossi Mario", "Verdi"}));
        QCOMPARE(names({{"Name", "ros"}}), QStringList({"Bianchi Rosa", "ROSSETTI Anna", "Rossi Mario"}));
        QCOMPARE(names({{"Name", "ros"}, {"City", "ROMA"}}), QStringList({"ROSSETTI Anna", "Rossi Mario"}));
    }

    void trovaWalk_data()
    {
        QTest::addColumn<int>("fold");
        QTest::addColumn<QStringList>("presses");  // typed text of each press
        QTest::addColumn<QList<int>>("selected");  // row selected after each press
        QTest::newRow("same text walks and wraps")
            << int(ListFind::Fold::AZ) << QStringList{"rossi", "rossi", "rossi", "rossi"} << QList<int>{0, 2, 4, 0};
        QTest::newRow("new text restarts at the top")
            << int(ListFind::Fold::AZ) << QStringList{"rossi", "rossi", "ROSSI B"} << QList<int>{0, 2, 2};
        QTest::newRow("no match keeps the selection")
            << int(ListFind::Fold::AZ) << QStringList{"rossi", "rossi", "zzz"} << QList<int>{0, 2, 2};
        QTest::newRow("empty text never matches") << int(ListFind::Fold::AZ) << QStringList{"", ""} << QList<int>{0, 0};
        QTest::newRow("only one line matches: it stays")
            << int(ListFind::Fold::AZ) << QStringList{"verdi", "verdi"} << QList<int>{3, 3};
        QTest::newRow("search windows fold only A-Z")
            << int(ListFind::Fold::AZ) << QStringList{"nicolò"} << QList<int>{0};
        QTest::newRow("lists lower-case every letter")
            << int(ListFind::Fold::Lower) << QStringList{"nicolò", "nicolò"} << QList<int>{1, 1};
    }
    void trovaWalk()
    {
        QFETCH(int, fold);
        QFETCH(QStringList, presses);
        QFETCH(QList<int>, selected);
        const QStringList lines = {"ROSSI A", "NICOLÒ", "rossi b", "Verdi", "Rossi C"};
        ListFind find{ListFind::Fold(fold)};
        int current = -1;
        for (int i = 0; i < presses.size(); ++i) {
            const int row = find.next(int(lines.size()), current, presses.at(i), [&](int r) { return lines.at(r); });
            if (row >= 0)
                current = row;
            else if (current < 0)
                current = 0; // no line selected: the first is
            QCOMPARE(current, selected.at(i));
        }
    }

    void pickTakesTheLastEqualLine()
    {
        Archive a(RecordLayout::clients(), {client("Rossi", "333"), client("Bianchi"), client("Rossi", "333"),
                                            client("Rossi", "334")});
        const LineFormat f = LineFormat::clientSearch();
        const QString line = f.build(client("Rossi", "333").view());
        QCOMPARE(RecordSearch::lastWithLine(a.file(), f, QStringLiteral("  ") + line + QStringLiteral("  ")), 2);
        QCOMPARE(RecordSearch::lastWithLine(a.file(), f, f.build(client("Bianchi").view())), 1);
        QVERIFY(!RecordSearch::lastWithLine(a.file(), f, QStringLiteral("Nessuno")).has_value());
    }

    void listingRules_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("fulfilled");
        QTest::addColumn<bool>("toFulfil");
        QTest::addColumn<bool>("expired");
        QTest::addColumn<bool>("done");
        QTest::newRow("today, not fulfilled") << "10/12/2026" << "No" << true << false << false;
        QTest::newRow("yesterday, not fulfilled") << "09/12/2026" << "No" << true << true << false;
        QTest::newRow("tomorrow, not fulfilled") << "11/12/2026" << "No" << true << false << false;
        QTest::newRow("last year, fulfilled") << "10/12/2025" << yes << false << false << true;
        QTest::newRow("unreadable date") << "31/02/2026" << "No" << true << false << false;
        QTest::newRow("neither yes nor no") << "09/12/2026" << "" << false << false << false;
    }
    void listingRules()
    {
        QFETCH(QString, date);
        QFETCH(QString, fulfilled);
        QFETCH(bool, toFulfil);
        QFETCH(bool, expired);
        QFETCH(bool, done);
        const Record r = appointment(date, fulfilled);
        QCOMPARE(AppointmentRules::isNotFulfilled(r.view()), toFulfil);
        QCOMPARE(ListingRules::expired(r.view(), QDate(2026, 12, 10)), expired);
        QCOMPARE(AppointmentRules::isFulfilled(r.view()), done);
    }

    void clientAndPrescriptionRules()
    {
        QVERIFY(ListingRules::pendingIssue(client("A", "", "saldo").view()));
        QVERIFY(!ListingRules::pendingIssue(client("A", "", "    ").view()));
        QVERIFY(ListingRules::unpaid(record(RecordLayout::glasses(), {"Saldato=No"}).view()));
        QVERIFY(!ListingRules::unpaid(record(RecordLayout::glasses(), {"Saldato=" + yes}).view()));
        QVERIFY(!ListingRules::unpaid(record(RecordLayout::lenses(), {"Saldato="}).view()));
    }

    void expiredListSkipsAnUnreadableDateAndGoesOn()
    {
        Archive a(RecordLayout::appointments(),
                  {appointment("08/12/2026", "No"), appointment("3l/12/2026", "No"), appointment("09/12/2026", "No"),
                   appointment("10/12/2026", "No")});
        const QDate today(2026, 12, 10);
        const QStringList lines = RecordSearch::lines(
            a.file(), LineFormat::appointments(), {}, [&](const RecordView &r) { return ListingRules::expired(r, today); },
            false).toStringList();
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines.at(0).startsWith(QStringLiteral("Data: 08/12/2026")));
        QVERIFY(lines.at(1).startsWith(QStringLiteral("Data: 09/12/2026")));
    }
};

QTEST_GUILESS_MAIN(TestLists)
#include "tst_lists.moc"
