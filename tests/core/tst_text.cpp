#include "core/Text.h"

#include <QtTest>

using namespace lumivista;

class TstText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void trim_data();
    void trim();
    void encode_data();
    void encode();
    void everyCharacterTakesOneByte();
    void decode_data();
    void decode();
    void everyByteSurvivesARoundTrip();
    void pad_data();
    void pad();
    void foldingTouchesOnlyAToZ_data();
    void foldingTouchesOnlyAToZ();
};

void TstText::pad_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("expected");
    QTest::newRow("short is filled") << QStringLiteral("Ora") << 5 << QStringLiteral("Ora  ");
    QTest::newRow("exact") << QStringLiteral("10:00") << 5 << QStringLiteral("10:00");
    QTest::newRow("long is cut") << QStringLiteral("Rossi Mario") << 5 << QStringLiteral("Rossi");
    QTest::newRow("empty") << QString() << 3 << QStringLiteral("   ");
}

void TstText::pad()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QString, expected);
    QCOMPARE(Text::pad(text, width), expected);
}

void TstText::foldingTouchesOnlyAToZ_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("order"); // sign of the comparison
    QTest::addColumn<QString>("upperA");
    QTest::newRow("case ignored") << QStringLiteral("rossi") << QStringLiteral("ROSSI") << 0 << QStringLiteral("ROSSI");
    QTest::newRow("accents are not letters a to z") << QStringLiteral("è") << QStringLiteral("È") << 1
                                                    << QStringLiteral("è");
    QTest::newRow("prefix first") << QStringLiteral("Ross") << QStringLiteral("rossi") << -1 << QStringLiteral("ROSS");
    QTest::newRow("digits and blanks") << QStringLiteral("a 1") << QStringLiteral("A 2") << -1 << QStringLiteral("A 1");
    // "_" lies between "Z" and "a": folded it sorts after every letter.
    QTest::newRow("underscore after letters") << QStringLiteral("_") << QStringLiteral("b") << 1 << QStringLiteral("_");
}

void TstText::foldingTouchesOnlyAToZ()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, order);
    QFETCH(QString, upperA);
    QCOMPARE(Text::upperAZ(a), upperA);
    const int got = Text::compareFoldedAZ(a, b);
    QCOMPARE((got > 0) - (got < 0), order);
    QCOMPARE((Text::compareFoldedAZ(b, a) > 0) - (Text::compareFoldedAZ(b, a) < 0), -order);
}

void TstText::trim_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("spaces") << QStringLiteral("  Mario Rossi  ") << QStringLiteral("Mario Rossi");
    QTest::newRow("control characters") << QStringLiteral("\t\r\n\x01" "abc\x1F\x7F ") << QStringLiteral("abc\x1F\x7F");
    QTest::newRow("inner blanks kept") << QStringLiteral(" a \t b ") << QStringLiteral("a \t b");
    QTest::newRow("only blanks") << QStringLiteral(" \t\n ") << QString();
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("no-break space is not trimmed") << QStringLiteral("\u00A0x\u00A0") << QStringLiteral("\u00A0x\u00A0");
    QTest::newRow("nul at the ends") << QString(QChar(0)) + QStringLiteral("x") + QChar(0) << QStringLiteral("x");
}

void TstText::trim()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(Text::trim(text), expected);
}

void TstText::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("ascii") << QStringLiteral("Abc 123") << QByteArray("Abc 123");
    QTest::newRow("e grave") << QStringLiteral("è") << QByteArray("\xE8");
    QTest::newRow("e acute") << QStringLiteral("é") << QByteArray("\xE9");
    QTest::newRow("flag yes") << QStringLiteral("Sì") << QByteArray("S\xEC");
    QTest::newRow("euro") << QStringLiteral("€") << QByteArray("\x80");
    QTest::newRow("quotes and dashes") << QStringLiteral("‘’“”–—…") << QByteArray("\x91\x92\x93\x94\x96\x97\x85");
    QTest::newRow("OE and Y diaeresis") << QStringLiteral("ŒœŸÿ") << QByteArray("\x8C\x9C\x9F\xFF");
    QTest::newRow("a macron") << QStringLiteral("ā") << QByteArray("a");
    QTest::newRow("o double acute") << QStringLiteral("ő") << QByteArray("o");
    QTest::newRow("capital C caron") << QStringLiteral("Č") << QByteArray("C");
    QTest::newRow("u diaeresis macron keeps u diaeresis") << QStringLiteral("ǖ") << QByteArray("\xFC");
    QTest::newRow("fullwidth letter") << QStringLiteral("Ａ") << QByteArray("A");
    QTest::newRow("mathematical bold A") << QString::fromUcs4(U"\U0001D400") << QByteArray("A");
    QTest::newRow("chinese") << QStringLiteral("中") << QByteArray("?");
    QTest::newRow("emoji is one character") << QString::fromUcs4(U"\U0001F600") << QByteArray("?");
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
    QTest::newRow("C1 control without a cp1252 byte") << QString(QChar(0x80)) << QByteArray("?");
    QTest::newRow("undefined byte kept") << QString(QChar(0x81)) << QByteArray("\x81");
    QTest::newRow("mixed") << QStringLiteral("aé中") + QString::fromUcs4(U"\U0001F600") + QStringLiteral("őb")
                           << QByteArray("a\xE9??ob");
}

void TstText::encode()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, expected);
    QCOMPARE(Text::toCp1252(text), expected);
}

void TstText::everyCharacterTakesOneByte()
{
    QString all;
    for (char32_t c = 0; c < 0x10000; ++c) {
        if (!QChar::isSurrogate(c))
            all.append(QChar(char16_t(c)));
    }
    const QByteArray bytes = Text::toCp1252(all);
    QCOMPARE(bytes.size(), all.size());
    // A substitute is never a blank or a control where the character was none.
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (all.at(i).unicode() > 0xFF && quint8(bytes.at(i)) <= 32)
            QFAIL(qPrintable(QStringLiteral("U+%1 became a blank").arg(all.at(i).unicode(), 4, 16, QLatin1Char('0'))));
    }
}

void TstText::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ascii") << QByteArray("Rossi") << QStringLiteral("Rossi");
    QTest::newRow("accents") << QByteArray("Citt\xE0 S\xEC") << QStringLiteral("Città Sì");
    QTest::newRow("euro") << QByteArray("\x80") << QStringLiteral("€");
    QTest::newRow("Y diaeresis") << QByteArray("\x9F") << QStringLiteral("Ÿ");
    QTest::newRow("undefined bytes") << QByteArray("\x81\x8D\x8F\x90\x9D")
                                     << QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D");
    QTest::newRow("nul") << QByteArray("a\0b", 3) << QString::fromUtf16(u"a\u0000b", 3);
}

void TstText::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QCOMPARE(Text::fromCp1252(bytes), expected);
    QCOMPARE(Text::fromCp1252(bytes.constData(), int(bytes.size())), expected);
}

void TstText::everyByteSurvivesARoundTrip()
{
    QByteArray all(256, '\0');
    for (int b = 0; b < 256; ++b)
        all[b] = char(b);
    const QString text = Text::fromCp1252(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(Text::toCp1252(text), all);
}

QTEST_GUILESS_MAIN(TstText)
#include "tst_text.moc"
