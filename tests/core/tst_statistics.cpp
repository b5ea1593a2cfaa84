#include "core/Amount.h"
#include "core/ProgramFolder.h"
#include "core/Record.h"
#include "core/RecordFile.h"
#include "core/ShopStatistics.h"
#include <QTemporaryDir>
#include "TestRecords.h"
#include <QtTest>

using namespace lumivista;

namespace {

const QString yes = QStringLiteral("S\u00EC");

Record prescription(const RecordLayout &layout, const QString &date, const QString &total, const QString &deposit,
                    const QString &balance, const QString &paid, const QStringList &makers = {})
{
    QStringList pairs = {"Data=" + date, "Dovuto=" + total, "Finale=" + deposit, "Totale=" + balance, "Saldato=" + paid};
    pairs << makers;
    return makeRecord(layout, pairs);
}

} // namespace

/** The year's figures against sums made by hand, with damaged records among them. */
class TestStatistics : public QObject
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

    void yearFiguresAreExact()
    {
        const RecordLayout &g = RecordLayout::glasses();
        const RecordLayout &l = RecordLayout::lenses();
        storeRecords(g, {prescription(g, "05/01/2026", "0,10", "0,10", "0,00", yes, {"Montatura01=Ray-Ban", "LenteDX01=Zeiss",
                                                                              "LenteSX01=zeiss"}),
                  prescription(g, "20/01/2026", "0,20", "0,00", "0,20", "No", {"Montatura01=RAY-BAN", "LenteDX01=Hoya",
                                                                              "LenteSX01=Zeiss"}),
                  prescription(g, "31/12/2026", "1000,005", "", "", yes, {"Montatura01=Persol"}), // more decimals: exact
                  prescription(g, "15/03/2026", "12,3x", "0,00", "0,00", yes),  // damaged amount: skipped
                  prescription(g, "31/02/2026", "50,00", "0,00", "0,00", yes),  // no such date: skipped
                  prescription(g, "10/06/2025", "300,00", "100,00", "200,00", "No"),  // the year before
                  prescription(g, "10/06/2024", "abc", "", "", "No")}); // two years before: not read
        storeRecords(l, {prescription(l, "05/01/2026", "0,30", "", "", "No", {"LenteDX02=Acuvue", "LenteSX02=Acuvue"}),
                  prescription(l, "07/07/2026", "-5,00", "", "-5,00", "No")}); // a credit note
        storeRecords(RecordLayout::appointments(),
              {makeRecord(RecordLayout::appointments(), {"Data=02/01/2026", "Ottemperata=" + yes}),
               makeRecord(RecordLayout::appointments(), {"Data=03/01/2026", "Ottemperata=No"}),
               makeRecord(RecordLayout::appointments(), {"Data=", "Ottemperata=No"}), // no date: skipped
               makeRecord(RecordLayout::appointments(), {"Data=03/01/2025", "Ottemperata=No"})});

        const ShopStatistics::Result r = ShopStatistics::of(2026);
        QCOMPARE(r.skipped, 3);
        QVERIFY(r.failures.isEmpty());
        const MonthFigures &january = r.months[0];
        // 0,10 + 0,20 in binary floating point is not 0,30; here it is.
        QCOMPARE(Amount::text(january.glassesIncome), QStringLiteral("0,30"));
        QCOMPARE(january.glassesIncome + january.lensIncome, *Decimal::parse(QStringLiteral("0,6")));
        QCOMPARE(Amount::text(january.deposits), QStringLiteral("0,10"));
        QCOMPARE(Amount::text(january.open), QStringLiteral("0,20")); // the lens balance is empty
        QCOMPARE(january.glasses, 2);
        QCOMPARE(january.lenses, 1);
        QCOMPARE(january.fulfilled, 1);
        QCOMPARE(january.pending, 1);
        QCOMPARE(r.months[11].glassesIncome, *Decimal::parse(QStringLiteral("1000,005")));
        QCOMPARE(Amount::text(r.months[6].lensIncome), QStringLiteral("-5,00"));
        QCOMPARE(Amount::text(r.months[6].open), QStringLiteral("-5,00"));

        const MonthFigures total = r.total();
        QCOMPARE(total.glassesIncome, *Decimal::parse(QStringLiteral("1000,305")));
        QCOMPARE(total.glasses, 3);
        QCOMPARE(total.lenses, 2);
        const MonthFigures before = r.previousTotal();
        QCOMPARE(Amount::text(before.glassesIncome), QStringLiteral("300,00"));
        QCOMPARE(Amount::text(before.open), QStringLiteral("200,00"));
        QCOMPARE(before.pending, 1);

        // Makers of the year, by name folded A to Z; one maker for both eyes counts once.
        QCOMPARE(r.frameMakers.size(), 2);
        QCOMPARE(r.frameMakers.at(0).name, QStringLiteral("Ray-Ban"));
        QCOMPARE(r.frameMakers.at(0).count, 2);
        QCOMPARE(r.lensMakers.at(0).name, QStringLiteral("Zeiss"));
        QCOMPARE(r.lensMakers.at(0).count, 2);
        QCOMPARE(r.lensMakers.size(), 3); // Zeiss, Acuvue, Hoya
    }

    void amountsAsStored_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("read"); // "-" for not a number
        QTest::newRow("empty") << "" << "0";
        QTest::newRow("two decimals") << "12,50" << "12,5";
        QTest::newRow("one decimal") << "12,5" << "12,5";
        QTest::newRow("whole") << "12" << "12";
        QTest::newRow("negative") << "-0,50" << "-0,5";
        QTest::newRow("three decimals") << "0,005" << "0,005";
        QTest::newRow("point") << "12.50" << "-";
        QTest::newRow("trailing comma") << "12," << "12";
        QTest::newRow("words") << "dodici" << "-";
    }
    void amountsAsStored()
    {
        QFETCH(QString, stored);
        QFETCH(QString, read);
        storeRecords(RecordLayout::glasses(),
              {prescription(RecordLayout::glasses(), "01/05/2026", stored, "", "", yes),
               prescription(RecordLayout::glasses(), "02/05/2026", stored, "", "", yes)});
        const ShopStatistics::Result r = ShopStatistics::of(2026);
        if (read == QLatin1String("-")) {
            QCOMPARE(r.skipped, 2);
            QVERIFY(r.months[4].glassesIncome.isZero());
        } else {
            QCOMPARE(r.skipped, 0);
            const Decimal one = *Decimal::parse(read);
            QCOMPARE(r.months[4].glassesIncome, one + one);
        }
    }
};

QTEST_GUILESS_MAIN(TestStatistics)
#include "tst_statistics.moc"
