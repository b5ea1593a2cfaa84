#include "core/Numbering.h"
#include "core/ProgramFolder.h"
#include "core/Settings.h"
#include <QtTest>

using namespace lumivista;

namespace {
/** The settings as read, with a marker for "could not be read". */
QStringList shop()
{
    return Settings::shopLines().value_or(QStringList{QStringLiteral("<unreadable>")});
}
QString start(PrescriptionKind kind)
{
    return Settings::numberingStart(kind).value_or(QStringLiteral("<unreadable>"));
}
} // namespace

class TestNumbering : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void startValue_data();
    void startValue();
    void normaliseStart_data();
    void normaliseStart();
    void next_data();
    void next();
    void keys_data();
    void keys();
    void missingFileReadsEmpty();
    void damagedFileReadsEmpty();
    void shopLinesRoundTrip();
    void kindsAreIndependent();
    void unwritableFolderRefusesWrite();
    void unreadableFileIsNotMissing();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestNumbering::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    ProgramFolder::setOverride(m_dir->path());
}

void TestNumbering::cleanup()
{
    ProgramFolder::setOverride(QString());
    m_dir.reset();
}

void TestNumbering::startValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("integer");
    QTest::addColumn<qint64>("value");
    QTest::newRow("empty") << "" << true << qint64(1);
    QTest::newRow("blanks") << "  " << true << qint64(1);
    QTest::newRow("one hundred") << "100" << true << qint64(100);
    QTest::newRow("zero") << "0" << true << qint64(0);
    QTest::newRow("five digits") << "99999" << true << qint64(99999);
    QTest::newRow("leading zeros") << "007" << true << qint64(7);
    QTest::newRow("signed") << "-5" << true << qint64(-5);
    QTest::newRow("decimal") << "1,5" << false << qint64(0);
    QTest::newRow("letters") << "abc" << false << qint64(0);
    QTest::newRow("digits and letters") << "12a" << false << qint64(0);
    QTest::newRow("sign alone") << "-" << false << qint64(0);
    QTest::newRow("beyond 32 bits") << "99999999999" << false << qint64(0);
}

void TestNumbering::startValue()
{
    QFETCH(QString, text);
    QFETCH(bool, integer);
    QFETCH(qint64, value);
    const auto start = Numbering::startValue(text);
    QCOMPARE(start.has_value(), integer);
    if (integer)
        QCOMPARE(*start, value);
}

void TestNumbering::normaliseStart_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("left");
    QTest::newRow("leading zeros") << "007" << "7";
    QTest::newRow("all zeros") << "00000" << "0";
    QTest::newRow("empty") << "" << "1";
    QTest::newRow("blanks") << "   " << "1";
    QTest::newRow("plain") << "500" << "500";
    QTest::newRow("not a number") << "1a" << "1";
    QTest::newRow("half rounds up") << "2,5" << "3";
    QTest::newRow("below half") << "2,4" << "2";
}

void TestNumbering::normaliseStart()
{
    QFETCH(QString, typed);
    QFETCH(QString, left);
    QCOMPARE(Numbering::normaliseStart(typed), left);
}

void TestNumbering::next_data()
{
    QTest::addColumn<qint64>("start");
    QTest::addColumn<qint64>("count");
    QTest::addColumn<QString>("number");
    QTest::newRow("first") << qint64(1) << qint64(0) << "1";
    QTest::newRow("eleventh") << qint64(1) << qint64(10) << "11";
    QTest::newRow("start 100, five stored") << qint64(100) << qint64(5) << "105";
    QTest::newRow("start 500, twelve stored") << qint64(500) << qint64(12) << "512";
    QTest::newRow("start 0") << qint64(0) << qint64(0) << "0";
}

void TestNumbering::next()
{
    QFETCH(qint64, start);
    QFETCH(qint64, count);
    QFETCH(QString, number);
    QCOMPARE(Numbering::next(start, count), number);
}

void TestNumbering::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("passes");
    QTest::newRow("digit") << int(Qt::Key_5) << "5" << true;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << "\b" << true;
    QTest::newRow("delete") << int(Qt::Key_Delete) << "" << true;
    QTest::newRow("left") << int(Qt::Key_Left) << "" << true;
    QTest::newRow("right") << int(Qt::Key_Right) << "" << true;
    QTest::newRow("comma") << int(Qt::Key_Comma) << "," << false;
    QTest::newRow("minus") << int(Qt::Key_Minus) << "-" << false;
    QTest::newRow("letter") << int(Qt::Key_A) << "a" << false;
    QTest::newRow("home") << int(Qt::Key_Home) << "" << false;
}

void TestNumbering::keys()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(bool, passes);
    QCOMPARE(Numbering::keyPasses(key, text), passes);
}

void TestNumbering::missingFileReadsEmpty()
{
    QCOMPARE(shop(), QStringList(5, QString()));
    QCOMPARE(start(PrescriptionKind::Glasses), QString());
    QCOMPARE(start(PrescriptionKind::Lenses), QString());
}

void TestNumbering::damagedFileReadsEmpty()
{
    QFile f(Settings::path());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("\x00\xff\x01[Centro\x00 Ottico\nRigo 1\x02garbage", 37));
    f.close();
    QCOMPARE(shop(), QStringList(5, QString()));
    QCOMPARE(start(PrescriptionKind::Glasses), QString());
}

void TestNumbering::shopLinesRoundTrip()
{
    const QStringList lines{"  Ottica Bellavista ", "Via Roma 1", "", "00100 Roma", "P.IVA 01234567890"};
    QVERIFY(Settings::writeShopLines(lines));
    QCOMPARE(shop(),
             (QStringList{"Ottica Bellavista", "Via Roma 1", "", "00100 Roma", "P.IVA 01234567890"}));
    QFile f(Settings::path());
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.contains("[Centro Ottico]"));
    QVERIFY(bytes.contains("Rigo 1=Ottica Bellavista"));
    QVERIFY(bytes.contains("Rigo 3="));
}

void TestNumbering::kindsAreIndependent()
{
    QVERIFY(Settings::writeNumberingStart(PrescriptionKind::Glasses, QStringLiteral("500")));
    QCOMPARE(start(PrescriptionKind::Lenses), QString());
    QVERIFY(Settings::writeNumberingStart(PrescriptionKind::Lenses, QStringLiteral("20")));
    QCOMPARE(start(PrescriptionKind::Glasses), QStringLiteral("500"));
    QCOMPARE(start(PrescriptionKind::Lenses), QStringLiteral("20"));
    QFile f(Settings::path());
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.contains("[Numerazione Prescrizioni Occhiali]"));
    QVERIFY(bytes.contains("[Numerazione Prescrizioni Lenti]"));
}

void TestNumbering::unwritableFolderRefusesWrite()
{
    // A folder below a plain file can never be written, whoever runs the test.
    QFile blocker(m_dir->filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ProgramFolder::setOverride(m_dir->filePath(QStringLiteral("blocker/folder")));
    QVERIFY(!Settings::writeShopLines(QStringList{"Ottica"}));
    QVERIFY(!Settings::writeNumberingStart(PrescriptionKind::Glasses, QStringLiteral("5")));
    QCOMPARE(shop(), QStringList(5, QString()));
}

void TestNumbering::unreadableFileIsNotMissing()
{
    // A settings file that is there but cannot be read must not read as a fresh
    // installation, or New would number from 1 again.
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), Settings::path()));
    QCOMPARE(Settings::shopLines(), std::nullopt);
    QCOMPARE(Settings::numberingStart(PrescriptionKind::Glasses), std::nullopt);
    QVERIFY(!Settings::writeNumberingStart(PrescriptionKind::Glasses, QStringLiteral("5")));
    QVERIFY(QFileInfo(Settings::path()).isSymLink());
}

QTEST_APPLESS_MAIN(TestNumbering)
#include "tst_numbering.moc"
