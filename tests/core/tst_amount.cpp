#include "core/Amount.h"
#include "core/Decimal.h"
#include <QtTest>

using namespace lumivista;

class TestAmount : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void keys_data();
    void keys();
    void normalise_data();
    void normalise();
    void normaliseAppointment_data();
    void normaliseAppointment();
    void totals_data();
    void totals();
    void general_data();
    void general();
    void parse_data();
    void parse();
};

void TestAmount::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("passes");
    QTest::newRow("digit 0") << int(Qt::Key_0) << "0" << true;
    QTest::newRow("digit 9") << int(Qt::Key_9) << "9" << true;
    QTest::newRow("comma") << int(Qt::Key_Comma) << "," << true;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << "\b" << true;
    QTest::newRow("delete") << int(Qt::Key_Delete) << "" << true;
    QTest::newRow("left") << int(Qt::Key_Left) << "" << true;
    QTest::newRow("right") << int(Qt::Key_Right) << "" << true;
    QTest::newRow("point") << int(Qt::Key_Period) << "." << false;
    QTest::newRow("minus") << int(Qt::Key_Minus) << "-" << false;
    QTest::newRow("letter") << int(Qt::Key_A) << "a" << false;
    QTest::newRow("letter e") << int(Qt::Key_E) << "E" << false;
    QTest::newRow("blank") << int(Qt::Key_Space) << " " << false;
    QTest::newRow("home") << int(Qt::Key_Home) << "" << false;
    QTest::newRow("end") << int(Qt::Key_End) << "" << false;
    QTest::newRow("up") << int(Qt::Key_Up) << "" << false;
    QTest::newRow("tab") << int(Qt::Key_Tab) << "\t" << false;
    QTest::newRow("paste") << int(Qt::Key_V) << "\x16" << false;
}

void TestAmount::keys()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(bool, passes);
    QCOMPARE(Amount::keyPasses(key, text), passes);
}

void TestAmount::normalise_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("left");
    QTest::newRow("integer") << "12" << "12,00";
    QTest::newRow("one decimal") << "12,5" << "12,50";
    QTest::newRow("leading zeros") << "0012" << "12,00";
    QTest::newRow("three decimals") << "7,456" << "7,46";
    QTest::newRow("two commas") << "1,2,3" << "0,00";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("blanks") << "   " << "";
    QTest::newRow("hundred") << "100" << "100,00";
    QTest::newRow("twenty-five and a half") << "25,5" << "25,50";
    QTest::newRow("deposit") << "11,23" << "11,23";
    QTest::newRow("two decimals kept") << "1,00" << "1,00";
    QTest::newRow("zero") << "0" << "0,00";
    QTest::newRow("zero comma zero") << "0,0" << "0,00";
    QTest::newRow("leading comma") << ",5" << "0,50";
    QTest::newRow("trailing comma") << "5," << "5,00";
    QTest::newRow("comma alone") << "," << "0,00";
    QTest::newRow("below half a cent") << "0,004" << "0,00";
    QTest::newRow("half a cent") << "0,005" << "0,01";
    QTest::newRow("twelve digits") << "999999999999" << "999999999999,00";
    QTest::newRow("carry into units") << "9,999" << "10,00";
    QTest::newRow("point is not a separator") << "12.5" << "0,00";
    QTest::newRow("letters") << "abc" << "0,00";
    // Halves that a binary double holds just below the half: rounded as typed.
    QTest::newRow("1,005") << "1,005" << "1,01";
    QTest::newRow("2,675") << "2,675" << "2,68";
    QTest::newRow("1,015") << "1,015" << "1,02";
    QTest::newRow("0,125") << "0,125" << "0,13";
    QTest::newRow("0,285") << "0,285" << "0,29";
    QTest::newRow("1,255") << "1,255" << "1,26";
    QTest::newRow("8,345") << "8,345" << "8,35";
    QTest::newRow("10,005") << "10,005" << "10,01";
    QTest::newRow("1234,565") << "1234,565" << "1234,57";
    // Texts that cannot be typed but may come from a stored record.
    QTest::newRow("negative half") << "-1,005" << "-1,01";
    QTest::newRow("negative tiny") << "-0,001" << "0,00";
    QTest::newRow("exponent") << "1,5E3" << "1500,00";
}

void TestAmount::normalise()
{
    QFETCH(QString, typed);
    QFETCH(QString, left);
    QCOMPARE(Amount::normalise(typed), left);
}

void TestAmount::normaliseAppointment_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("left");
    QTest::newRow("integer") << "12" << "12,00";
    QTest::newRow("one decimal") << "7,5" << "7,50";
    QTest::newRow("rounds up") << "12,346" << "12,35";
    QTest::newRow("rounds down") << "12,344" << "12,34";
    QTest::newRow("leading comma") << ",5" << "0,50";
    QTest::newRow("empty") << "" << "0,00";
    QTest::newRow("blanks") << "  " << "0,00";
    QTest::newRow("comma alone") << "," << "0,00";
    QTest::newRow("trailing comma") << "5," << "5,00";
    QTest::newRow("not a number") << "1,2,3" << "0,00";
    QTest::newRow("1,005") << "1,005" << "1,01";
    QTest::newRow("2,675") << "2,675" << "2,68";
    QTest::newRow("leading zeros") << "0012" << "12,00";
}

void TestAmount::normaliseAppointment()
{
    QFETCH(QString, typed);
    QFETCH(QString, left);
    QCOMPARE(Amount::normaliseAppointment(typed), left);
}

void TestAmount::totals_data()
{
    QTest::addColumn<QStringList>("amounts");
    QTest::addColumn<QString>("deposit");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("balance");
    QTest::addColumn<QString>("total");
    const QStringList none{"", "", "", "", "", ""};
    QTest::newRow("all empty") << none << "" << true << "0,00" << "0,00";
    QTest::newRow("amounts and deposit")
        << QStringList{"100,00", "25,50", "", "", "", ""} << "50,00" << true << "75,50" << "125,50";
    QTest::newRow("deposit above the sum")
        << QStringList{"10,00", "", "", "", "", ""} << "11,23" << true << "-1,23" << "10,00";
    QTest::newRow("lenses and solution")
        << QStringList{"60,00", "60,00", "15,50", "", "", ""} << "50,00" << true << "85,50" << "135,50";
    QTest::newRow("all six")
        << QStringList{"1,00", "2,00", "3,00", "4,00", "5,00", "6,00"} << "0,50" << true << "20,50" << "21,00";
    QTest::newRow("paid in full")
        << QStringList{"80,00", "", "", "", "", ""} << "80,00" << true << "0,00" << "80,00";
    QTest::newRow("tenths that binary cannot hold")
        << QStringList{"0,10", "0,20", "", "", "", ""} << "" << true << "0,30" << "0,30";
    QTest::newRow("unnormalised half cent")
        << QStringList{"1,005", "", "", "", "", ""} << "" << true << "1,01" << "1,01";
    QTest::newRow("half cents add up")
        << QStringList{"2,675", "1,015", "", "", "", ""} << "" << true << "3,69" << "3,69";
    QTest::newRow("negative half cent balance")
        << QStringList{"1,00", "", "", "", "", ""} << "2,005" << true << "-1,01" << "1,00";
    QTest::newRow("twelve-digit amounts")
        << QStringList{"999999999999", "999999999999", "", "", "", ""} << "0,01" << true
        << "1999999999997,99" << "1999999999998,00";
    QTest::newRow("point in an amount")
        << QStringList{"12.50", "10,00", "", "", "", ""} << "5,00" << false << "" << "";
    QTest::newRow("deposit not a number")
        << QStringList{"10,00", "", "", "", "", ""} << "abc" << false << "" << "";
    QTest::newRow("comma alone") << QStringList{",", "", "", "", "", ""} << "" << false << "" << "";
}

void TestAmount::totals()
{
    QFETCH(QStringList, amounts);
    QFETCH(QString, deposit);
    QFETCH(bool, valid);
    QFETCH(QString, balance);
    QFETCH(QString, total);
    const Amount::Totals t = Amount::totals(amounts, deposit);
    QCOMPARE(t.valid, valid);
    QCOMPARE(t.balance, balance);
    QCOMPARE(t.total, total);
}

void TestAmount::general_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("general");
    QTest::newRow("integer") << "12" << "12";
    QTest::newRow("trailing zeros dropped") << "12,50" << "12,5";
    QTest::newRow("zero") << "0,000" << "0";
    QTest::newRow("negative zero") << "-0" << "0";
    QTest::newRow("small fixed") << "0,0001" << "0,0001";
    QTest::newRow("small exponent") << "0,00001" << "1E-5";
    QTest::newRow("fifteen digits") << "123456789012345" << "123456789012345";
    QTest::newRow("sixteen digits") << "1234567890123456" << "1,23456789012346E15";
    QTest::newRow("fifteen significant") << "1,23456789012345678" << "1,23456789012346";
    QTest::newRow("negative") << "-7,25" << "-7,25";
    QTest::newRow("large exponent") << "1E20" << "1E20";
}

void TestAmount::general()
{
    QFETCH(QString, number);
    QFETCH(QString, general);
    const auto value = Decimal::parse(number);
    QVERIFY(value);
    QCOMPARE(value->toGeneral(), general);
}

void TestAmount::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("number");
    QTest::newRow("blanks around") << "  12,5 " << true;
    QTest::newRow("plus sign") << "+3" << true;
    QTest::newRow("exponent without digits") << "1E" << false;
    QTest::newRow("blank inside") << "1 2" << false;
    QTest::newRow("thousands point") << "1.000,00" << false;
    QTest::newRow("sign alone") << "-" << false;
    QTest::newRow("beyond a double") << "1E400" << false;
    QTest::newRow("below a double") << "1E-400" << true;
}

void TestAmount::parse()
{
    QFETCH(QString, text);
    QFETCH(bool, number);
    QCOMPARE(Decimal::parse(text).has_value(), number);
}

QTEST_APPLESS_MAIN(TestAmount)
#include "tst_amount.moc"
