#include "core/Amount.h"
#include "FullDisk.h"
#include "TestFiles.h"
#include "core/ClientHistory.h"
#include "core/ClientMatch.h"
#include "core/DateText.h"
#include "core/ProgramFolder.h"
#include "core/RecallFile.h"
#include "core/RecallList.h"
#include "core/Record.h"
#include "core/RecordFile.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/WhatsAppLink.h"
#include <QTemporaryDir>
#include <QUrlQuery>
#include "TestRecords.h"
#include <QtTest>

using namespace lumivista;

namespace {

const QString yes = QStringLiteral("S\u00EC");
const QDate today(2026, 12, 11);

Record glasses(const QString &number, const QString &date, const QString &name, const QString &tax,
               const QString &mobile, const QString &total, const QString &balance, const QString &paid)
{
    return makeRecord(RecordLayout::glasses(), {"NumPre=" + number, "Data=" + date, "ClienteRigo01=" + name,
                                          "ClienteRigo04=" + tax, "ClienteRigo05=" + mobile, "TipoOc=Progressivi",
                                          "Dovuto=" + total, "Totale=" + balance, "Saldato=" + paid});
}

Record lens(const QString &number, const QString &date, const QString &name, const QString &tax,
            const QString &mobile, const QString &total, const QString &balance, const QString &paid)
{
    return makeRecord(RecordLayout::lenses(), {"NumPre=" + number, "Data=" + date, "ClienteRigo01=" + name,
                                         "ClienteRigo04=" + tax, "ClienteRigo05=" + mobile, "LenteDX01=Acuvue",
                                         "Dovuto=" + total, "Totale=" + balance, "Saldato=" + paid});
}

Record appointment(const QString &date, const QString &time, const QString &name, const QString &mobile,
                   const QString &fulfilled)
{
    return makeRecord(RecordLayout::appointments(), {"Data=" + date, "Ora=" + time, "Contatto=" + name, "Cel=" + mobile,
                                               "Causale=Controllo", "Ottemperata=" + fulfilled});
}

Record client(const QString &name, const QString &tax, const QString &mobile, const QString &exam = QString())
{
    return makeRecord(RecordLayout::clients(),
                {"Name=" + name, "TaxNumber=" + tax, "MobilePhone=" + mobile, "DataEsame=" + exam});
}

} // namespace

/** A client's history and the recall list: who a prescription belongs to, the
 *  figures, which clients are due, and the recall file. */
class TestHistory : public QObject
{
    Q_OBJECT

    QTemporaryDir *m_dir = nullptr;

private Q_SLOTS:
    void init()
    {
        m_dir = new QTemporaryDir;
        ProgramFolder::setOverride(m_dir->path());
    }
    void cleanup()
    {
        ProgramFolder::setOverride(QString());
        delete m_dir;
    }

    void matchRules_data()
    {
        QTest::addColumn<QStringList>("client"); // tax, name, mobile
        QTest::addColumn<QStringList>("other");
        QTest::addColumn<int>("rule");
        using R = ClientMatch::Rule;
        QTest::newRow("same code, other name") << QStringList{"RSSMRA80A01H501U", "Rossi Mario", "333"}
                                               << QStringList{" rssmra80a01h501u ", "Rossi M.", "444"} << int(R::TaxCode);
        QTest::newRow("codes differ, same name") << QStringList{"RSSMRA80A01H501U", "Rossi Mario", ""}
                                                 << QStringList{"RSSMRA80A01H501X", "Rossi Mario", ""} << int(R::None);
        QTest::newRow("one code, name and mobile")
            << QStringList{"RSSMRA80A01H501U", "Rossi Mario", "333 1234567"}
            << QStringList{"", "ROSSI MARIO", "+39 333-1234567"} << int(R::NameAndMobile);
        QTest::newRow("name, mobiles differ") << QStringList{"", "Rossi Mario", "3331234567"}
                                              << QStringList{"", "Rossi Mario", "3339999999"} << int(R::None);
        QTest::newRow("name only, one mobile") << QStringList{"", "Rossi Mario", "3331234567"}
                                               << QStringList{"", "rossi mario", ""} << int(R::Name);
        // The searches fold A to Z only: an accented letter must match exactly.
        QTest::newRow("accent not folded") << QStringList{"", "Nicolò Bianchi", ""}
                                           << QStringList{"", "NICOLÒ BIANCHI", ""} << int(R::None);
        QTest::newRow("no name, no code") << QStringList{"", "", ""} << QStringList{"", "", ""} << int(R::None);
    }
    void matchRules()
    {
        QFETCH(QStringList, client);
        QFETCH(QStringList, other);
        QFETCH(int, rule);
        const Record c = ::client(client.at(1), client.at(0), client.at(2));
        const Record p = glasses("1", "01/01/2026", other.at(1), other.at(0), other.at(2), "", "", "No");
        const ClientMatch::Key key = ClientMatch::Fields(RecordLayout::clients()).key(c.view());
        // The key a scan makes into its reused buffers and a key of its own match alike.
        ClientMatch::Key buffers;
        QCOMPARE(int(ClientMatch::match(key.view(), ClientMatch::Fields(RecordLayout::glasses()).keyInto(p.view(), buffers))),
                 rule);
        QCOMPARE(int(ClientMatch::match(key.view(), ClientMatch::Fields(RecordLayout::glasses()).key(p.view()).view())), rule);
    }

    void historyGathersByEachRuleNewestFirst()
    {
        // Two clients named alike; only the tax code and the mobile tell them apart.
        const Record mario = client("Rossi Mario", "RSSMRA80A01H501U", "333 1111111", "15/06/2026");
        storeRecords(RecordLayout::glasses(),
              {glasses("G1", "10/01/2025", "Rossi Mario", "RSSMRA80A01H501U", "", "300,00", "0,00", yes),   // 1 code
               glasses("G2", "01/03/2026", "Rossi Mario", "RSSMRA80A01H501X", "", "999,00", "999,00", "No"), // other
               glasses("G3", "20/11/2026", "rossi mario", "", "3331111111", "250,50", "100,25", "No"),       // 3 name+cel
               glasses("G4", "05/12/2026", "Rossi Mario", "", "", "abc", "xyz", "No")});                     // 4 name
        storeRecords(RecordLayout::lenses(),
              {lens("L1", "12/12/2025", "Rossi Mario", "RSSMRA80A01H501U", "", "80,10", "0,00", yes),
               lens("L2", "02/12/2025", "Rossi Mario", "", "3332222222", "50,00", "50,00", "No")}); // other mobile
        storeRecords(RecordLayout::appointments(),
              {appointment("10/12/2026", "10:30", "ROSSI MARIO", "", yes),
               appointment("24/12/2026", "09:00", "Rossi Mario", "333 1111111", "No")});

        const ClientHistory::Result h = ClientHistory::of(mario, today);
        QStringList got;
        for (const HistoryEntry &e : h.entries)
            got << QStringLiteral("%1 %2 %3 %4").arg(HistoryEntry::kindName(e.kind)).arg(e.position).arg(e.date,
                                                                                                        ClientMatch::describe(e.rule));
        QCOMPARE(got, (QStringList{"Appuntamento 2 24/12/2026 nome e cellulare", "Appuntamento 1 10/12/2026 solo nome",
                                   "Occhiali 4 05/12/2026 solo nome", "Occhiali 3 20/11/2026 nome e cellulare",
                                   "Esame optometrico 0 15/06/2026 ", "Lenti a contatto 1 12/12/2025 codice fiscale",
                                   "Occhiali 1 10/01/2025 codice fiscale"}));
        // Spent in the last 12 months: G3 and L1 (G4's total cannot be read; G1 is older).
        QCOMPARE(Amount::text(h.spent), QStringLiteral("330,60"));
        // Open: G3 only (G4's balance cannot be read).
        QCOMPARE(Amount::text(h.open), QStringLiteral("100,25"));
        QCOMPARE(h.unreadableAmounts, 2);
        // The last visit is not the appointment still to come.
        QCOMPARE(h.lastVisit, QDate(2026, 12, 10));
        QVERIFY(h.failures.isEmpty());
        QCOMPARE(h.entries.at(3).state, QStringLiteral("Da saldare"));
        QCOMPARE(h.entries.at(5).state, QStringLiteral("Saldata"));
    }

    void monthsBetween_data()
    {
        QTest::addColumn<QDate>("since");
        QTest::addColumn<QDate>("until");
        QTest::addColumn<int>("months");
        QTest::newRow("day before") << QDate(2026, 3, 10) << QDate(2026, 5, 9) << 1;
        QTest::newRow("same day") << QDate(2026, 3, 10) << QDate(2026, 5, 10) << 2;
        QTest::newRow("31st to a short month") << QDate(2026, 1, 31) << QDate(2026, 2, 28) << 1;
        QTest::newRow("ahead") << QDate(2026, 5, 10) << QDate(2026, 3, 10) << -2;
        QTest::newRow("years") << QDate(2024, 12, 11) << QDate(2026, 12, 11) << 24;
    }
    void monthsBetween()
    {
        QFETCH(QDate, since);
        QFETCH(QDate, until);
        QFETCH(int, months);
        QCOMPARE(DateText::monthsBetween(since, until), months);
    }

    void recallsByKindAndInterval()
    {
        storeRecords(RecordLayout::clients(),
              {client("Alfa", "", "3330000001"),                       // 1 glasses 24 months ago to the day: due
               client("Beta", "", "3330000002"),                       // 2 glasses 23 months ago: not due
               client("Gamma", "GMMXXX80A01H501U", "3330000003"),      // 3 lens 13 months ago by code: due
               client("Delta", "", "", "01/01/2024"),                  // 4 exam only, 35 months: due
               client("Epsilon", "", "3330000005"),                    // 5 nothing at all: never listed
               client("Zeta", "", "3330000006", "01/01/2020"),         // 6 old exam, recent glasses: not due
               client("Eta", "", "3330000007")});                      // 7 lens 11 months, glasses 30: not due
        storeRecords(RecordLayout::glasses(),
              {glasses("1", "11/12/2024", "ALFA", "", "", "", "", yes),
               glasses("2", "11/01/2025", "Beta", "", "333 0000002", "", "", yes),
               glasses("3", "01/06/2026", "Zeta", "", "", "", "", yes),
               glasses("4", "01/06/2024", "Eta", "", "", "", "", yes),
               glasses("5", "01/01/2010", "Epsilon", "", "3339999999", "", "", yes)}); // another Epsilon's
        storeRecords(RecordLayout::lenses(),
              {lens("1", "11/11/2025", "Someone else", "GMMXXX80A01H501U", "", "", "", yes),
               lens("2", "11/01/2026", "Eta", "", "", "", "", yes)});

        const RecallList::Result due = RecallList::due(today, {24, 12}, {{4, QDate(2026, 12, 1)}});
        QStringList got;
        for (const RecallEntry &e : due.entries)
            got << QStringLiteral("%1 %2 %3 %4 %5 %6")
                       .arg(e.name)
                       .arg(e.position)
                       .arg(RecallEntry::kindName(e.kind), DateText::write(e.lastVisit))
                       .arg(e.months)
                       .arg(e.recalled.isValid() ? DateText::write(e.recalled) : QStringLiteral("-"));
        QCOMPARE(got, (QStringList{"Alfa 1 Occhiali 11/12/2024 24 -",
                                   "Delta 4 Esame optometrico 01/01/2024 35 01/12/2026",
                                   "Gamma 3 Lenti a contatto 11/11/2025 13 -"}));
        QVERIFY(RecallList::recentlyRecalled(due.entries.at(1), today));
        QVERIFY(!RecallList::recentlyRecalled(due.entries.at(0), today));

        // Shorter intervals bring Beta (23 months) and Eta (lenses, 11 months) in.
        QCOMPARE(RecallList::due(today, {23, 11}, {}).entries.size(), 5);
    }

    void recallFileKeepsEveryLine()
    {
        QCOMPARE(RecallFile::read()->size(), 0); // missing: nothing recalled yet
        QVERIFY(RecallFile::mark(12, QDate(2026, 11, 1)));
        QVERIFY(RecallFile::mark(3, QDate(2026, 11, 2)));
        QVERIFY(RecallFile::mark(12, QDate(2026, 12, 11)));
        const QHash<qint64, QDate> read = *RecallFile::read();
        QCOMPARE(read.size(), 2);
        QCOMPARE(read.value(12), QDate(2026, 12, 11));
        QCOMPARE(read.value(3), QDate(2026, 11, 2));
        QCOMPARE(fileBytes(RecallFile::path()), QByteArray("[Richiami]\r\n12=11/12/2026\r\n3=02/11/2026\r\n"));

        // A full disk or an unreadable file: the file stays byte for byte.
        const QByteArray before = fileBytes(RecallFile::path());
        {
            FullDisk full;
            QVERIFY(!RecallFile::mark(7, today));
        }
        QCOMPARE(fileBytes(RecallFile::path()), before);
        QFile::remove(RecallFile::path());
        QVERIFY(QDir().mkdir(RecallFile::path())); // a folder where the file should be
        QVERIFY(!RecallFile::read());
        QVERIFY(!RecallFile::mark(7, today));
    }

    void recallSettingsAndMessage()
    {
        QCOMPARE(Settings::recallMonths(PrescriptionKind::Glasses), 24);
        QCOMPARE(Settings::recallMonths(PrescriptionKind::Lenses), 12);
        QVERIFY(Settings::writeRecallMonths(PrescriptionKind::Lenses, 6));
        QCOMPARE(Settings::recallMonths(PrescriptionKind::Lenses), 6);
        writeBytes(Settings::path(), "[Richiami]\r\nMesi Occhiali=0\r\nMesi Lenti=sei\r\n");
        QCOMPARE(Settings::recallMonths(PrescriptionKind::Glasses), 24); // out of range: the default
        QCOMPARE(Settings::recallMonths(PrescriptionKind::Lenses), 12);

        // The link carries the text exactly, apostrophes and accents included.
        const QUrl link(WhatsAppLink::recall(QStringLiteral("333 123 4567"), QStringLiteral("Ottica D'Amico"), 25));
        const QUrlQuery query(link);
        QCOMPARE(query.queryItemValue(QStringLiteral("phone")), QStringLiteral("393331234567"));
        QCOMPARE(query.queryItemValue(QStringLiteral("text"), QUrl::FullyDecoded),
                 QStringLiteral("Gentile Cliente, sono trascorsi 25 mesi dalla sua ultima visita presso Ottica "
                                "D'Amico. \u00C8 il momento di un controllo della vista: ci contatti per fissare un "
                                "appuntamento."));
    }
};

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"
