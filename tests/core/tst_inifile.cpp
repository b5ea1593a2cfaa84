#include "core/IniFile.h"
#include "TestFiles.h"
#include "Unprivileged.h"

#include <QtTest>

#include <sys/stat.h>

using namespace lumivista;

namespace {

/** Bytes of a literal that holds NULs. */
template <qsizetype N>
QByteArray raw(const char (&literal)[N])
{
    return QByteArray(literal, N - 1);
}

} // namespace

class TstIniFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void read_data();
    void read();
    void missingFileReadsEmpty();
    void write_data();
    void write();
    void writtenValuesReadBack();
    void failures_data();
    void failures();

private:
    QString path() const { return m_dir->filePath(QStringLiteral("Lumivista.ini")); }
    QTemporaryDir *m_dir = nullptr;
};

void TstIniFile::init()
{
    m_dir = new QTemporaryDir;
    QVERIFY(m_dir->isValid());
}

void TstIniFile::cleanup()
{
    ::chmod(QFile::encodeName(m_dir->path()).constData(), 0755);
    delete m_dir;
    m_dir = nullptr;
}

void TstIniFile::read_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QByteArray settings = "; Lumivista\r\n"
                                "[Centro Ottico]\r\n"
                                "Rigo 1=Ottica Bianchi\r\n"
                                "Rigo 2 =  Via Roma 1  \r\n"
                                ";Rigo 3=commented out\r\n"
                                "Rigo 4=\r\n"
                                "\r\n"
                                "[Numerazione Prescrizioni Occhiali]\r\n"
                                "Inizio=100\r\n";
    QTest::newRow("exact") << settings << "Centro Ottico" << "Rigo 1" << "Ottica Bianchi";
    QTest::newRow("section and key ignore case") << settings << "centro ottico" << "RIGO 1" << "Ottica Bianchi";
    QTest::newRow("blanks around key and value") << settings << "Centro Ottico" << "Rigo 2" << "Via Roma 1";
    QTest::newRow("comment is no key") << settings << "Centro Ottico" << "Rigo 3" << "";
    QTest::newRow("empty value") << settings << "Centro Ottico" << "Rigo 4" << "";
    QTest::newRow("key of another section") << settings << "Centro Ottico" << "Inizio" << "";
    QTest::newRow("second section") << settings << "Numerazione Prescrizioni Occhiali" << "Inizio" << "100";
    QTest::newRow("missing section") << settings << "Modulo Privacy" << "Inizio" << "";
    QTest::newRow("LF line ends") << QByteArray("[Accesso]\nValore=1A2B\n") << "Accesso" << "Valore" << "1A2B";
    QTest::newRow("no final line break") << QByteArray("[Accesso]\r\nValore=1A2B") << "Accesso" << "Valore" << "1A2B";
    QTest::newRow("windows-1252 value") << QByteArray("[Modulo Privacy]\r\nCitta=Forl\xEC \x80\r\n")
                                        << "Modulo Privacy" << "Citta" << "Forlì €";
    QTest::newRow("value holding =") << QByteArray("[A]\r\nk=a=b\r\n") << "A" << "k" << "a=b";
    QTest::newRow("UTF-8 BOM") << QByteArray("\xEF\xBB\xBF[A]\r\nk=v\r\n") << "A" << "k" << "v";
    QTest::newRow("key before any section") << QByteArray("k=v\r\n[A]\r\n") << "A" << "k" << "";
    QTest::newRow("garbage") << raw("\x00\xFF[\x01=\n=\n[A\n]]\r\r\n==") << "A" << "k" << "";
    QTest::newRow("empty file") << QByteArray() << "A" << "k" << "";
}

void TstIniFile::read()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    writeBytes(path(), content);
    QCOMPARE(IniFile::read(path(), section, key), expected);
}

void TstIniFile::missingFileReadsEmpty()
{
    QCOMPARE(IniFile::read(path(), QStringLiteral("Accesso"), QStringLiteral("Valore")), QString());
    QVERIFY(!QFile::exists(path()));
}

void TstIniFile::write_data()
{
    QTest::addColumn<QByteArray>("before");  // "<none>" for a missing file
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("new file uses CRLF") << QByteArray("<none>") << "Accesso" << "Valore" << "1A2B"
                                        << QByteArray("[Accesso]\r\nValore=1A2B\r\n");
    QTest::newRow("replace keeps comments and order")
        << QByteArray("; top\n[A]\nx=1\n\n; about B\n[B]\ny=2\nz=3\n") << "b" << "Y" << "new"
        << QByteArray("; top\n[A]\nx=1\n\n; about B\n[B]\ny=new\nz=3\n");
    QTest::newRow("replace keeps the spelling of the key")
        << QByteArray("[Centro Ottico]\r\nRigo 1 = old\r\n") << "centro ottico" << "RIGO 1" << "Ottica Rossi"
        << QByteArray("[Centro Ottico]\r\nRigo 1 = Ottica Rossi\r\n");
    QTest::newRow("missing key goes after the section's last key")
        << QByteArray("[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n") << "A" << "z" << "3"
        << QByteArray("[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n");
    QTest::newRow("missing key in a section without keys")
        << QByteArray("[A]\r\n[B]\r\ny=2\r\n") << "A" << "x" << "1"
        << QByteArray("[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
    QTest::newRow("missing section goes at the end")
        << QByteArray("[A]\nx=1\n") << "Numerazione Prescrizioni Lenti" << "Inizio" << "5"
        << QByteArray("[A]\nx=1\n[Numerazione Prescrizioni Lenti]\nInizio=5\n");
    QTest::newRow("unterminated last line")
        << QByteArray("[A]\r\nx=1") << "B" << "y" << "2" << QByteArray("[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
    QTest::newRow("unterminated last key replaced")
        << QByteArray("[A]\r\nx=1") << "A" << "x" << "2" << QByteArray("[A]\r\nx=2");
    QTest::newRow("windows-1252 value") << QByteArray("<none>") << "Modulo Privacy" << "Citta" << "Forlì €"
                                        << QByteArray("[Modulo Privacy]\r\nCitta=Forl\xEC \x80\r\n");
    QTest::newRow("a line break cannot inject a key")
        << QByteArray("[A]\r\n") << "A" << "x" << "v\r\n[B]\r\ny=1"
        << QByteArray("[A]\r\nx=v [B] y=1\r\n");
    QTest::newRow("empty file") << QByteArray() << "A" << "x" << "" << QByteArray("[A]\r\nx=\r\n");
    QTest::newRow("garbage kept")
        << raw("\x00\xFF junk\r\n[A]\r\n=\r\n") << "A" << "k" << "v"
        << raw("\x00\xFF junk\r\n[A]\r\nk=v\r\n=\r\n");
}

void TstIniFile::write()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    if (before != "<none>")
        writeBytes(path(), before);
    QVERIFY(IniFile::write(path(), section, key, value));
    QCOMPARE(fileBytes(path()), after);
}

void TstIniFile::writtenValuesReadBack()
{
    const QString p = path();
    QVERIFY(IniFile::write(p, QStringLiteral("Centro Ottico"), QStringLiteral("Rigo 1"), QStringLiteral("Ottica Rossi")));
    QVERIFY(IniFile::write(p, QStringLiteral("Centro Ottico"), QStringLiteral("Rigo 2"), QStringLiteral("Via Dante 3")));
    QVERIFY(IniFile::write(p, QStringLiteral("Numerazione Prescrizioni Occhiali"), QStringLiteral("Inizio"), QStringLiteral("7")));
    QVERIFY(IniFile::write(p, QStringLiteral("CENTRO OTTICO"), QStringLiteral("rigo 1"), QStringLiteral("Ottica Verdi")));
    QCOMPARE(IniFile::read(p, QStringLiteral("Centro Ottico"), QStringLiteral("Rigo 1")), QStringLiteral("Ottica Verdi"));
    QCOMPARE(IniFile::read(p, QStringLiteral("Centro Ottico"), QStringLiteral("Rigo 2")), QStringLiteral("Via Dante 3"));
    QCOMPARE(IniFile::read(p, QStringLiteral("Numerazione Prescrizioni Occhiali"), QStringLiteral("Inizio")), QStringLiteral("7"));
    QCOMPARE(fileBytes(p), QByteArray("[Centro Ottico]\r\nRigo 1=Ottica Verdi\r\nRigo 2=Via Dante 3\r\n"
                                      "[Numerazione Prescrizioni Occhiali]\r\nInizio=7\r\n"));
}

void TstIniFile::failures_data()
{
    QTest::addColumn<QString>("cause");
    QTest::newRow("read-only file") << "file";
    QTest::newRow("read-only folder, file missing") << "folder";
    QTest::newRow("folder in place of the file") << "directory";
    QTest::newRow("invalid key") << "key";
}

void TstIniFile::failures()
{
    QFETCH(QString, cause);
    const QByteArray old("; kept\r\n[Accesso]\r\nValore=OLD\r\n");
    const QString p = path();
    QVERIFY(::chmod(QFile::encodeName(m_dir->path()).constData(), 0777) == 0);

    if (cause == QLatin1String("directory")) {
        QVERIFY(QDir().mkdir(p));
        QVERIFY(!IniFile::write(p, QStringLiteral("Accesso"), QStringLiteral("Valore"), QStringLiteral("NEW")));
        QVERIFY(QFileInfo(p).isDir());
        QCOMPARE(IniFile::read(p, QStringLiteral("Accesso"), QStringLiteral("Valore")), QString());
        return;
    }
    if (cause == QLatin1String("key")) {
        writeBytes(p, old);
        QVERIFY(!IniFile::write(p, QStringLiteral("Accesso"), QStringLiteral("a=b"), QStringLiteral("NEW")));
        QVERIFY(!IniFile::write(p, QStringLiteral("Acc]esso"), QStringLiteral("Valore"), QStringLiteral("NEW")));
        QVERIFY(!IniFile::write(p, QStringLiteral(" "), QStringLiteral("Valore"), QStringLiteral("NEW")));
        QCOMPARE(fileBytes(p), old);
        return;
    }

    if (!Unprivileged().ok())
        QSKIP("Running as root without the right to switch user: permissions cannot bind here");
    if (cause == QLatin1String("file")) {
        writeBytes(p, old);
        QVERIFY(::chmod(QFile::encodeName(p).constData(), 0666) == 0);
        {
            // Writable, the same file takes a value, so only its permission makes the difference.
            Unprivileged guard;
            QVERIFY(IniFile::write(p, QStringLiteral("Accesso"), QStringLiteral("Valore"), QStringLiteral("OLD")));
        }
        QCOMPARE(fileBytes(p), old);
        QVERIFY(::chmod(QFile::encodeName(p).constData(), 0444) == 0);
        Unprivileged guard;
        QVERIFY(!IniFile::write(p, QStringLiteral("Accesso"), QStringLiteral("Valore"), QStringLiteral("NEW")));
        QCOMPARE(fileBytes(p), old);
    } else {
        QVERIFY(::chmod(QFile::encodeName(m_dir->path()).constData(), 0555) == 0);
        Unprivileged guard;
        QVERIFY(!IniFile::write(p, QStringLiteral("Accesso"), QStringLiteral("Valore"), QStringLiteral("NEW")));
        QVERIFY(!QFile::exists(p));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    }
}

QTEST_GUILESS_MAIN(TstIniFile)
#include "tst_inifile.moc"
