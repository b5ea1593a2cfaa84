#include "core/Crypt.h"
#include <QTest>

using namespace lumivista;

/** The scrambling of the access password, checked against values worked out by
 *  hand from the key chain (start 30962, times 43627 plus 34093, modulo 65536). */
class TestCrypt : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scramble_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("hex");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("one character") << "A" << "39";
        QTest::newRow("repeated character scrambles differently") << "AA" << "39F9";
        QTest::newRow("initial password") << "LUMIVISTA" << "3431A64DF76D4E3540";
        QTest::newRow("upper-case word") << "PASSWORD" << "2826630113CFAAB5";
        QTest::newRow("digits") << "12345678" << "496C1AF2A7E00353";
        QTest::newRow("accented letters and blank") << QStringLiteral("ÈÀ1 2") << "B02FE1468C";
        // U+20AC keeps only its low byte 0xAC.
        QTest::newRow("code above 255") << QStringLiteral("€") << "D4";
    }

    void scramble()
    {
        QFETCH(QString, plain);
        QFETCH(QString, hex);
        QCOMPARE(Crypt::ScrambleText(plain), hex);
    }

    void unscramble_data()
    {
        QTest::addColumn<QString>("hex");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<QString>("plain");
        QTest::newRow("empty") << QString() << true << QString();
        QTest::newRow("two characters") << "39F9" << true << "AA";
        QTest::newRow("lower-case digits") << "39f9" << true << "AA";
        QTest::newRow("initial password") << "3431A64DF76D4E3540" << true << "LUMIVISTA";
        QTest::newRow("odd last digit ignored") << "39F" << true << "A";
        QTest::newRow("odd last character never read") << "39F9X" << true << "AA";
        QTest::newRow("single digit") << "3" << true << QString();
        QTest::newRow("letter beyond F") << "3G" << false << QString();
        QTest::newRow("blank inside") << "39 F" << false << QString();
        QTest::newRow("sign") << "+39F" << false << QString();
        QTest::newRow("not hex at all") << "LUMIVISTA" << false << QString();
    }

    void unscramble()
    {
        QFETCH(QString, hex);
        QFETCH(bool, readable);
        QFETCH(QString, plain);
        const std::optional<QString> result = Crypt::UnscrambleText(hex);
        QCOMPARE(result.has_value(), readable);
        if (readable)
            QCOMPARE(*result, plain);
    }

    void roundTripEveryByte()
    {
        QString all;
        for (int code = 0; code < 256; ++code)
            all += QChar(code);
        const QString hex = Crypt::ScrambleText(all);
        QCOMPARE(hex.size(), all.size() * 2);
        QCOMPARE(Crypt::UnscrambleText(hex).value(), all);
        QCOMPARE(Crypt::UnscrambleText(hex.toLower()).value(), all);
    }

    void codesAbove255LoseTheirHighByte()
    {
        QCOMPARE(Crypt::UnscrambleText(Crypt::ScrambleText(QStringLiteral("€"))).value(), QString(QChar(0xAC)));
    }

    void storable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("storable");
        QTest::newRow("letters and digits") << "Lumivista2024" << true;
        QTest::newRow("accented letters") << QStringLiteral("perché più") << true;
        QTest::newRow("punctuation and blank") << "a b.c-d_e!" << true;
        QTest::newRow("euro sign") << QStringLiteral("prezzo€") << false;
        QTest::newRow("greek letter") << QStringLiteral("alfaβ") << false;
        QTest::newRow("tab") << "a\tb" << false;
        QTest::newRow("C1 control") << QString("ab") + QChar(0x85) << false;
    }

    void storable()
    {
        QFETCH(QString, text);
        QFETCH(bool, storable);
        QCOMPARE(Crypt::isStorable(text), storable);
    }
};

QTEST_APPLESS_MAIN(TestCrypt)
#include "tst_crypt.moc"
