#include "core/Crypt.h"
#include "core/Text.h"
#include <QTest>

using namespace lumivista;

/** The scrambling of the access password, checked against values worked out by
 *  hand from the key chain (start 30962, times 43627 plus 34093, modulo 65536),
 *  each character taken as its Windows-1252 byte. */
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
        // The euro sign is byte 0x80 in Windows-1252, not the low byte of U+20AC.
        QTest::newRow("euro sign") << QStringLiteral("€") << "F8";
        // Outside Windows-1252 only the low byte of the code is left: U+03B2 gives 0xB2.
        QTest::newRow("code outside Windows-1252") << QStringLiteral("β") << "CA";
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
        QByteArray bytes;
        for (int code = 0; code < 256; ++code)
            bytes += char(code);
        const QString all = Text::fromCp1252(bytes);
        const QString hex = Crypt::ScrambleText(all);
        QCOMPARE(hex.size(), all.size() * 2);
        QCOMPARE(Crypt::UnscrambleText(hex).value(), all);
        QCOMPARE(Crypt::UnscrambleText(hex.toLower()).value(), all);
    }

    void codesOutsideWindows1252LoseTheirHighByte()
    {
        QCOMPARE(Crypt::UnscrambleText(Crypt::ScrambleText(QStringLiteral("β"))).value(), QStringLiteral("²"));
    }

    void storable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("storable");
        QTest::newRow("letters and digits") << "Lumivista2024" << true;
        QTest::newRow("accented letters") << QStringLiteral("perché più") << true;
        QTest::newRow("punctuation and blank") << "a b.c-d_e!" << true;
        QTest::newRow("euro sign and typographic quotes") << QStringLiteral("prezzo€ “ok”") << true;
        QTest::newRow("greek letter") << QStringLiteral("alfaβ") << false;
        QTest::newRow("tab") << "a\tb" << false;
        QTest::newRow("C1 control") << QString("ab") + QChar(0x85) << false;
        QTest::newRow("byte Windows-1252 leaves undefined") << QString("ab") + QChar(0x81) << false;
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
