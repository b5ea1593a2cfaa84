#include "core/TaxCode.h"
#include "core/VatNumber.h"

#include <QtTest>

using namespace lumivista;

class TstChecks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void taxCode_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("valid");
        QTest::newRow("the rule's example") << "AAAAAA00A00A000I" << true;
        QTest::newRow("same with another letter") << "AAAAAA00A00A000J" << false;
        QTest::newRow("a real-looking code") << "RSSMRA80A01H501U" << true;
        QTest::newRow("its check letter wrong") << "RSSMRA80A01H501X" << false;
        // Omocodia: digits of the birth data replaced by letters (0 L, 1 M, 5 R, 8 U ...).
        QTest::newRow("omocodia") << "RSSMRA80A01H50MM" << true;
        QTest::newRow("omocodia, every digit a letter") << "RSSMRAULALMHRLMD" << true;
        QTest::newRow("omocodia, wrong letter") << "RSSMRA80A01H50MU" << false;
        QTest::newRow("fifteen characters") << "RSSMRA80A01H501" << false;
        QTest::newRow("seventeen characters") << "RSSMRA80A01H501UX" << false;
        QTest::newRow("empty") << "" << false;
        // Nothing outside digits and A-Z is ever looked up in the tables.
        QTest::newRow("blank inside") << "RSSMRA80 01H501U" << false;
        QTest::newRow("punctuation") << "RSSMRA80A01H50.U" << false;
        QTest::newRow("accented letter") << QStringLiteral("RSSMRÀ80A01H501U") << false;
        QTest::newRow("lower case is not upper case") << "rssmra80a01h501u" << false;
        QTest::newRow("symbol beyond Z in the table") << "RSSMRA80A01H50[U" << false;
    }
    void taxCode()
    {
        QFETCH(QString, code);
        QFETCH(bool, valid);
        QCOMPARE(TaxCode::isValid(code), valid);
    }

    void vatNumber_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("office");
        QTest::newRow("Torino") << "12345670017" << true << "Torino";
        QTest::newRow("Torino, wrong digit") << "12345670010" << false << "Torino";
        QTest::newRow("all zeros, code without a row") << "00000000000" << true << "";
        QTest::newRow("Roma 1") << "00000000588" << true << "Roma 1";
        QTest::newRow("ten digits") << "1234567001" << false << "";
        QTest::newRow("a letter from the card") << "1234567001A" << false << "";
        QTest::newRow("twelve digits") << "123456700170" << false << "";
        QTest::newRow("doubles above nine") << "99999999999" << false << "";
        QTest::newRow("Napoli 2") << "00000001024" << true << "Napoli 2";
    }
    void vatNumber()
    {
        QFETCH(QString, number);
        QFETCH(bool, valid);
        QFETCH(QString, office);
        QCOMPARE(VatNumber::isValid(number), valid);
        // The office is named only for a valid number.
        if (valid)
            QCOMPARE(VatNumber::officeOf(number), office);
    }

    void officeCodes_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("office");
        QTest::newRow("000") << "000" << "";
        QTest::newRow("001") << "001" << "Torino";
        QTest::newRow("040") << "040" << QStringLiteral("Forlì");
        QTest::newRow("096") << "096" << "Monza (Milano 2)";
        QTest::newRow("102") << "102" << "Napoli 2";
        QTest::newRow("103") << "103" << "";
        QTest::newRow("119") << "119" << "";
        QTest::newRow("120") << "120" << "Bologna 2";
        QTest::newRow("121") << "121" << "Napoli 2";
        QTest::newRow("122") << "122" << "";
        QTest::newRow("999") << "999" << "";
        QTest::newRow("short") << "01" << "";
    }
    void officeCodes()
    {
        QFETCH(QString, code);
        QFETCH(QString, office);
        QCOMPARE(VatNumber::officeName(code), office);
    }
};

QTEST_GUILESS_MAIN(TstChecks)
#include "tst_checks.moc"
