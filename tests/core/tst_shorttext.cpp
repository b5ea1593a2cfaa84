#include "core/Record.h"
#include "core/ShortText.h"

#include <QtTest>

using namespace lumivista;

namespace {
/** A field as it must stand in the file: length byte, text, zeros up to the capacity. */
QByteArray field(int capacity, const QByteArray &text)
{
    QByteArray f(1, char(quint8(text.size())));
    f += text;
    f += QByteArray(capacity - text.size(), '\0');
    return f;
}
} // namespace

class TstShortText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void write_data();
    void write();
    void read_data();
    void read();
    void readStaysInsideAShortRecord();
    void recordFieldsByName();
    void recordOfAnotherSize();
};

void TstShortText::write_data()
{
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("name with blanks around") << 250 << QStringLiteral("  Mario Rossi  ") << field(250, "Mario Rossi");
    QTest::newRow("300 characters into 250") << 250 << QString(300, QLatin1Char('x')) << field(250, QByteArray(250, 'x'));
    QTest::newRow("3 letters into 1") << 1 << QStringLiteral("abc") << field(1, "a");
    QTest::newRow("flag yes") << 2 << QStringLiteral("Sì") << QByteArray("\x02S\xEC");
    QTest::newRow("flag no") << 2 << QStringLiteral("No") << QByteArray("\x02No");
    QTest::newRow("e grave is one byte") << 10 << QStringLiteral("è") << field(10, "\xE8");
    QTest::newRow("outside cp1252 is one byte") << 10 << QStringLiteral("ā中") << field(10, "a?");
    QTest::newRow("empty") << 5 << QString() << field(5, "");
    QTest::newRow("only blanks") << 5 << QStringLiteral(" \t\r\n ") << field(5, "");
    QTest::newRow("cut keeps inner blanks") << 3 << QStringLiteral("ab cd") << field(3, "ab ");
}

void TstShortText::write()
{
    QFETCH(int, capacity);
    QFETCH(QString, text);
    QFETCH(QByteArray, expected);
    // A buffer that held another record: the field is rewritten whole, its neighbours not at all.
    const int offset = 7;
    QByteArray record(offset + 1 + capacity + 5, '\xAA');
    ShortText::write(record, offset, capacity, text);
    QCOMPARE(record.mid(offset, capacity + 1), expected);
    QCOMPARE(record.left(offset), QByteArray(offset, '\xAA'));
    QCOMPARE(record.mid(offset + 1 + capacity), QByteArray(5, '\xAA'));
}

void TstShortText::read_data()
{
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << 10 << field(10, "Rossi") << QStringLiteral("Rossi");
    QTest::newRow("leftover bytes read like zeros") << 10 << QByteArray("\x05RossiXYZW!") << QStringLiteral("Rossi");
    QTest::newRow("blanks trimmed") << 10 << field(10, "  Rossi \t") << QStringLiteral("Rossi");
    QTest::newRow("windows-1252") << 5 << field(5, "Citt\xE0") << QStringLiteral("Città");
    QTest::newRow("flag yes") << 2 << QByteArray("\x02S\xEC") << QStringLiteral("Sì");
    QTest::newRow("empty over garbage") << 4 << QByteArray("\x00garb", 5) << QString();
    QTest::newRow("length above capacity is cut") << 5 << QByteArray("\xFF" "abcdefgh") << QStringLiteral("abcde");
    QTest::newRow("length one above capacity") << 2 << QByteArray("\x03" "abc") << QStringLiteral("ab");
}

void TstShortText::read()
{
    QFETCH(int, capacity);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    const QByteArray record = QByteArray("pre") + bytes;
    QCOMPARE(ShortText::read(record, 3, capacity), expected);
    QCOMPARE(ShortText::read(QByteArrayView(record), 3, capacity), expected);
}

void TstShortText::readStaysInsideAShortRecord()
{
    const QByteArray record("\xC8" "abc");  // claims 200 bytes, holds 3
    QCOMPARE(ShortText::read(record, 0, 250), QStringLiteral("abc"));
    QCOMPARE(ShortText::read(record, 3, 250), QString());
    QCOMPARE(ShortText::read(record, 4, 250), QString());
    QCOMPARE(ShortText::read(record, -1, 250), QString());

    QByteArray tooShort("\x01", 1);
    ShortText::write(tooShort, 0, 5, QStringLiteral("abc"));
    QCOMPARE(tooShort, QByteArray("\x01", 1));
}

void TstShortText::recordFieldsByName()
{
    Record r(RecordLayout::glasses());
    QCOMPARE(r.bytes(), QByteArray(5436, '\0'));
    r.setValue(QStringLiteral("Saldato"), QStringLiteral("Sì"));
    r.setValue(QStringLiteral("NumPre"), QStringLiteral(" 12 "));
    r.setValue(QStringLiteral("NoSuchField"), QStringLiteral("x"));
    QCOMPARE(r.bytes().mid(3927, 3), QByteArray("\x02S\xEC"));
    QCOMPARE(r.bytes().mid(0, 3), QByteArray("\x02" "12"));
    QCOMPARE(r.value(QStringLiteral("Saldato")), QStringLiteral("Sì"));
    QCOMPARE(r.value(QStringLiteral("NumPre")), QStringLiteral("12"));
    QCOMPARE(r.value(QStringLiteral("NoSuchField")), QString());
    QCOMPARE(r.value(-1), QString());
    QCOMPARE(r.value(r.layout().fieldCount()), QString());
    QCOMPARE(r.bytes().size(), 5436);

    const RecordView view = r.view();
    QCOMPARE(view.value(QStringLiteral("Saldato")), QStringLiteral("Sì"));
    QCOMPARE(view.toRecord().bytes(), r.bytes());
}

void TstShortText::recordOfAnotherSize()
{
    const Record shorter(RecordLayout::appointments(), QByteArray("\x03" "abc"));
    QCOMPARE(shorter.bytes().size(), 1265);
    QCOMPARE(shorter.value(QStringLiteral("Data")), QStringLiteral("abc"));
    QCOMPARE(shorter.value(QStringLiteral("Ottemperata")), QString());

    const Record longer(RecordLayout::appointments(), QByteArray(2000, 'x'));
    QCOMPARE(longer.bytes().size(), 1265);
}

QTEST_GUILESS_MAIN(TstShortText)
#include "tst_shorttext.moc"
