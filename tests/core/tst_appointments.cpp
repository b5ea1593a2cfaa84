#include "core/AppointmentKey.h"
#include "core/AppointmentRules.h"
#include "core/Record.h"
#include "core/WhatsAppLink.h"
#include "core/Text.h"
#include <QtTest>

using namespace lumivista;

namespace {

Record appointment(const QString &data, const QString &ore, const QString &minuti, const QString &avviso,
                   const QString &ottemperata, const QString &contatto = QStringLiteral("Rossi Mario"))
{
    Record r(RecordLayout::appointments());
    r.setValue(QStringLiteral("Data"), data);
    r.setValue(QStringLiteral("OreApp"), ore);
    r.setValue(QStringLiteral("MinutiApp"), minuti);
    r.setValue(QStringLiteral("Ora"), ore + QLatin1Char(':') + minuti);
    r.setValue(QStringLiteral("Avviso"), avviso);
    r.setValue(QStringLiteral("Causale"), QStringLiteral("Controllo della vista"));
    r.setValue(QStringLiteral("Contatto"), contatto);
    r.setValue(QStringLiteral("Cel"), QStringLiteral("3331234567"));
    r.setValue(QStringLiteral("Importo"), QStringLiteral("25,00"));
    r.setValue(QStringLiteral("Ottemperata"), ottemperata);
    return r;
}

const QString yes = QStringLiteral("S\u00EC");
const QString no = QStringLiteral("No");

} // namespace

class TestAppointments : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void key_data();
    void key();
    void imminent_data();
    void imminent();
    void agendaLine();
    void agendaLineKeyIsTheAppointmentKey_data();
    void agendaLineKeyIsTheAppointmentKey();
    void agendaLineColumns_data();
    void agendaLineColumns();
    void phone_data();
    void phone();
    void link_data();
    void link();
};

void TestAppointments::key_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("ore");
    QTest::addColumn<QString>("minuti");
    QTest::addColumn<QString>("key");

    QTest::newRow("complete") << "15/03/2024" << "09" << "30" << "202403150930";
    QTest::newRow("blanks around") << " 15/03/2024 " << " 09" << "30 " << "202403150930";
    QTest::newRow("no time") << "15/03/2024" << "" << "" << "20240315";
    QTest::newRow("no date") << "" << "09" << "30" << "0930";
    QTest::newRow("short date comes out garbled") << "1/3/2024" << "09" << "30" << "24/21/0930";
}

void TestAppointments::key()
{
    QFETCH(QString, data);
    QFETCH(QString, ore);
    QFETCH(QString, minuti);
    QFETCH(QString, key);
    QCOMPARE(AppointmentKey::of(data, ore, minuti), key);
    Record r = appointment(data, ore, minuti, QStringLiteral("0"), no);
    QCOMPARE(AppointmentKey::of(r.view()), key);
}

void TestAppointments::imminent_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("avviso");
    QTest::addColumn<QString>("ottemperata");
    QTest::addColumn<int>("expected"); // 1 imminent, 0 not, -1 unreadable

    // Today is 15/03/2024.
    QTest::newRow("today, no notice") << "15/03/2024" << "0" << no << 1;
    QTest::newRow("tomorrow, no notice") << "16/03/2024" << "0" << no << 0;
    QTest::newRow("tomorrow, one day") << "16/03/2024" << "1" << no << 1;
    QTest::newRow("in ten days, ten days") << "25/03/2024" << "10" << no << 1;
    QTest::newRow("in eleven days, ten days") << "26/03/2024" << "10" << no << 0;
    QTest::newRow("across a year, notice") << "02/01/2025" << "300" << no << 1;
    QTest::newRow("last month, still pending") << "10/02/2024" << "0" << no << 1;
    QTest::newRow("years ago, still pending") << "10/02/2019" << "3" << no << 1;
    QTest::newRow("last month, fulfilled") << "10/02/2024" << "0" << yes << 0;
    QTest::newRow("today, fulfilled") << "15/03/2024" << "0" << yes << 0;
    QTest::newRow("neither yes nor no") << "15/03/2024" << "0" << "X" << 0;
    QTest::newRow("empty flag") << "15/03/2024" << "0" << "" << 0;
    QTest::newRow("blank-padded notice") << "16/03/2024" << " 1 " << no << 1;
    QTest::newRow("empty date") << "" << "0" << no << -1;
    QTest::newRow("impossible date") << "31/02/2024" << "0" << no << -1;
    QTest::newRow("date with text") << "ieri" << "0" << no << -1;
    QTest::newRow("empty notice") << "15/03/2024" << "" << no << -1;
    QTest::newRow("notice with letters") << "15/03/2024" << "1a" << no << -1;
    QTest::newRow("unreadable even when fulfilled") << "xx/03/2024" << "0" << yes << -1;
}

void TestAppointments::imminent()
{
    QFETCH(QString, data);
    QFETCH(QString, avviso);
    QFETCH(QString, ottemperata);
    QFETCH(int, expected);
    const Record r = appointment(data, QStringLiteral("10"), QStringLiteral("00"), avviso, ottemperata);
    const auto result = AppointmentRules::isImminent(r.view(), QDate(2024, 3, 15));
    if (expected < 0) {
        QVERIFY(!result.has_value());
    } else {
        QVERIFY(result.has_value());
        QCOMPARE(*result, expected == 1);
    }
}

void TestAppointments::agendaLine()
{
    const Record r = appointment(QStringLiteral("15/03/2024"), QStringLiteral("09"), QStringLiteral("30"),
                                 QStringLiteral("0"), no);
    const QString expected = QStringLiteral("ID: 202403150930  Data: 15/03/2024  Ora: 09:30  ")
        + QStringLiteral("Rossi Mario").leftJustified(30) + QStringLiteral("  Cel. ")
        + QStringLiteral("3331234567    ") + QStringLiteral("  ")
        + QStringLiteral("Controllo della vista").leftJustified(42) + QStringLiteral("  \u20AC 25,00");
    QCOMPARE(AppointmentRules::agendaLine(r.view()), expected);
}

void TestAppointments::agendaLineKeyIsTheAppointmentKey_data()
{
    QTest::addColumn<QString>("data");
    QTest::newRow("date") << "15/03/2024";
    QTest::newRow("short date") << "1/3/2024";
    QTest::newRow("no date") << "";
    QTest::newRow("year only") << "2024";
    QTest::newRow("blanks around") << " 15/03/2024 ";
    QTest::newRow("text") << "domani";
}

void TestAppointments::agendaLineKeyIsTheAppointmentKey()
{
    // The line is built from the bytes; its ID must still be the one key of the program.
    QFETCH(QString, data);
    const Record r = appointment(data, QStringLiteral("09"), QStringLiteral("30"), QStringLiteral("0"), no);
    const QString key = AppointmentKey::of(r.view());
    const QString head = QStringLiteral("ID: ") + key + QStringLiteral("  Data: ") + Text::pad(Text::trim(data), 10)
        + QStringLiteral("  Ora: 09:30");
    QCOMPARE(AppointmentRules::agendaLine(r.view()).left(head.size()), head);
}

void TestAppointments::agendaLineColumns_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");

    QTest::newRow("short name padded") << "Bo Li" << QStringLiteral("Bo Li").leftJustified(30);
    QTest::newRow("exactly thirty") << QString(30, u'x') << QString(30, u'x');
    QTest::newRow("long name cut") << "Bianchi Carlo Alberto Maria Giuseppe" << "Bianchi Carlo Alberto Maria Gi";
    QTest::newRow("blanks trimmed first") << "   Verdi  " << QStringLiteral("Verdi").leftJustified(30);
    QTest::newRow("accents and euro") << QStringLiteral("Niccolò Forlì €") << QStringLiteral("Niccolò Forlì €").leftJustified(30);
}

void TestAppointments::agendaLineColumns()
{
    QFETCH(QString, name);
    QFETCH(QString, shown);
    const Record r = appointment(QStringLiteral("15/03/2024"), QStringLiteral("09"), QStringLiteral("30"),
                                 QStringLiteral("0"), no, name);
    const QString line = AppointmentRules::agendaLine(r.view());
    const QString prefix = QStringLiteral("ID: 202403150930  Data: 15/03/2024  Ora: 09:30  ");
    QVERIFY(line.startsWith(prefix));
    QCOMPARE(line.mid(prefix.size(), 30), shown);
    // The mobile column stays in place whatever the name.
    QCOMPARE(line.mid(prefix.size() + 30, 7), QStringLiteral("  Cel. "));
}

void TestAppointments::phone_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("phone");

    QTest::newRow("bare national mobile") << "3331234567" << "393331234567";
    QTest::newRow("blanks") << "333 123 4567" << "393331234567";
    QTest::newRow("plus and dash") << "+39 333-1234567" << "393331234567";
    QTest::newRow("double zero and brackets") << "0039 (333) 1234567" << "393331234567";
    QTest::newRow("dots and slashes") << "333.123/45.67" << "393331234567";
    QTest::newRow("tab and outer blanks") << " 333\t1234567 " << "393331234567";
    QTest::newRow("already international") << "393331234567" << "393331234567";
    QTest::newRow("landline left alone") << "0612345678" << "0612345678";
    QTest::newRow("nine-digit mobile left alone") << "333123456" << "333123456";
    QTest::newRow("eleven digits left alone") << "33312345678" << "33312345678";
    QTest::newRow("foreign number") << "+41 79 123 45 67" << "41791234567";
    QTest::newRow("only one prefix removed") << "+0039 333 1234567" << "00393331234567";
    QTest::newRow("empty") << "" << "";
}

void TestAppointments::phone()
{
    QFETCH(QString, typed);
    QFETCH(QString, phone);
    QCOMPARE(WhatsAppLink::phone(typed), phone);
}

void TestAppointments::link_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("expected");

    const QString tail = QStringLiteral("%20presso%20il%20nostro%20centro%20ottico%20alle%20ore%2009%3A30"
                                        "%20del%20giorno%2015%2F03%2F2024");
    QTest::newRow("confirmation")
        << WhatsAppLink::confirmation(QStringLiteral("3331234567"), QStringLiteral("09"), QStringLiteral("30"),
                                      QStringLiteral("15/03/2024"))
        << QStringLiteral("https://web.whatsapp.com/send?phone=393331234567&text=Gentile%20Cliente%2C%20le%20"
                          "confermiamo%20l%27appuntamento")
            + tail;
    QTest::newRow("reminder")
        << WhatsAppLink::reminder(QStringLiteral(" +39 333-1234567 "), QStringLiteral("09:30"),
                                  QStringLiteral("15/03/2024"))
        << QStringLiteral("https://web.whatsapp.com/send?phone=393331234567&text=Gentile%20Cliente%2C%20le%20"
                          "ricordiamo%20l%27appuntamento")
            + tail;
    QTest::newRow("empty number")
        << WhatsAppLink::build(QString(), QStringLiteral("a b"))
        << QStringLiteral("https://web.whatsapp.com/send?phone=&text=a%20b");
    QTest::newRow("query characters cannot break out")
        << WhatsAppLink::build(QStringLiteral("333&text=x"), QStringLiteral("50% & più #1 = ok?"))
        << QStringLiteral("https://web.whatsapp.com/send?phone=333%26text%3Dx&text=50%25%20%26%20pi%C3%B9%20%231"
                          "%20%3D%20ok%3F");
}

void TestAppointments::link()
{
    QFETCH(QString, link);
    QFETCH(QString, expected);
    QCOMPARE(link, expected);
}

QTEST_APPLESS_MAIN(TestAppointments)
#include "tst_appointments.moc"
