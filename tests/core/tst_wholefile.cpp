#include "core/WholeFile.h"
#include "TestFiles.h"
#include "FullDisk.h"
#include "Unprivileged.h"

#include <QtTest>

#include <sys/stat.h>

using namespace lumivista;
using State = WholeFile::State;

Q_DECLARE_METATYPE(WholeFile::State)

class TstWholeFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }
    void cleanup() { m_dir.reset(); }

    void read_data();
    void read();
    void writeReplacesWhole();
    void fullDiskKeepsThePreviousFile_data();
    void fullDiskKeepsThePreviousFile();
    void refusesWhatIsNotARegularFile();
    void refusesAReadOnlyFile();
    void leftoversOfACrashAreRemoved();

private:
    QString path() const { return m_dir->filePath(QStringLiteral("Lumivista.ini")); }
    /** Every entry of the folder, hidden ones too. */
    QStringList entries() const
    {
        return QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TstWholeFile::read_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<State>("state");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("nothing there") << "missing" << State::Missing << QByteArray();
    QTest::newRow("folder of the path is a file") << "notdir" << State::Missing << QByteArray();
    QTest::newRow("regular file") << "file" << State::Read << QByteArray("[Accesso]\r\nValore=1\r\n");
    QTest::newRow("empty file") << "empty" << State::Read << QByteArray();
    // Opening a pipe for reading would wait for a writer for ever.
    QTest::newRow("pipe") << "fifo" << State::Unreadable << QByteArray();
    // A link to an endless device would be read until memory runs out.
    QTest::newRow("link to an endless device") << "zero" << State::Unreadable << QByteArray();
    QTest::newRow("folder") << "dir" << State::Unreadable << QByteArray();
    QTest::newRow("far too large") << "large" << State::Unreadable << QByteArray();
    QTest::newRow("dangling link") << "dangling" << State::Unreadable << QByteArray();
}

void TstWholeFile::read()
{
    QFETCH(QString, setup);
    QFETCH(State, state);
    QFETCH(QByteArray, bytes);
    QString p = path();
    const QByteArray native = QFile::encodeName(p);
    if (setup == QLatin1String("notdir")) {
        writeBytes(m_dir->filePath(QStringLiteral("blocker")), "x");
        p = m_dir->filePath(QStringLiteral("blocker/Lumivista.ini"));
    } else if (setup == QLatin1String("file") || setup == QLatin1String("empty")) {
        writeBytes(p, bytes);
    } else if (setup == QLatin1String("fifo")) {
        QVERIFY(::mkfifo(native.constData(), 0666) == 0);
    } else if (setup == QLatin1String("zero")) {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), p));
    } else if (setup == QLatin1String("dir")) {
        QVERIFY(QDir().mkdir(p));
    } else if (setup == QLatin1String("large")) {
        writeBytes(p, QByteArray(WholeFile::DefaultLimit + 1, 'x'));
    } else if (setup == QLatin1String("dangling")) {
        QVERIFY(QFile::link(m_dir->filePath(QStringLiteral("gone")), p));
    }
    const WholeFile::Contents contents = WholeFile::read(p);
    QCOMPARE(contents.state, state);
    QCOMPARE(contents.bytes, bytes);
}

void TstWholeFile::writeReplacesWhole()
{
    writeBytes(path(), QByteArray(5000, 'o'));
    QVERIFY(WholeFile::write(path(), "nuovo"));
    QCOMPARE(fileBytes(path()), QByteArray("nuovo"));
    QCOMPARE(entries(), QStringList{QStringLiteral("Lumivista.ini")});
}

void TstWholeFile::fullDiskKeepsThePreviousFile_data()
{
    QTest::addColumn<int>("size");
    // Small enough to wait in a buffer until the final flush, and large enough to fail on the way.
    QTest::newRow("fails at the last flush") << 100;
    QTest::newRow("fails while writing") << 200000;
}

void TstWholeFile::fullDiskKeepsThePreviousFile()
{
    QFETCH(int, size);
    const QByteArray old("[Accesso]\r\nValore=3431A64DF76D4E3540\r\n");
    writeBytes(path(), old);
    WholeFile::Outcome outcome;
    {
        FullDisk full;
        outcome = WholeFile::write(path(), QByteArray(size, 'n'));
    }
    QVERIFY(!outcome.ok());
    QVERIFY(!outcome.error.isEmpty());
    QCOMPARE(fileBytes(path()), old);
    QCOMPARE(entries(), QStringList{QStringLiteral("Lumivista.ini")}); // no temporary file left
}

void TstWholeFile::refusesWhatIsNotARegularFile()
{
    const QByteArray native = QFile::encodeName(path());
    QVERIFY(::mkfifo(native.constData(), 0666) == 0);
    QVERIFY(!WholeFile::write(path(), "x").ok());
    struct stat st {};
    QVERIFY(::lstat(native.constData(), &st) == 0);
    QVERIFY(S_ISFIFO(st.st_mode));
}

void TstWholeFile::refusesAReadOnlyFile()
{
    if (!Unprivileged().ok())
        QSKIP("Running as root without the right to switch user: permissions cannot bind here");
    QVERIFY(::chmod(QFile::encodeName(m_dir->path()).constData(), 0777) == 0);
    writeBytes(path(), "old");
    QVERIFY(::chmod(QFile::encodeName(path()).constData(), 0444) == 0);
    Unprivileged guard;
    // The folder would let the file be replaced; the file's own permission says no.
    QVERIFY(!WholeFile::write(path(), "new").ok());
    QCOMPARE(fileBytes(path()), QByteArray("old"));
}

void TstWholeFile::leftoversOfACrashAreRemoved()
{
    const QStringList made = {"Lumivista.ini", "Lumivista.ini.aB3dE9", "unins000.dll.Zz0000", "unins000.dll",
                              "Lumivista.ini.bak", "Lumivista.ini.aB3dE9x", "Archivio_Clienti.pro"};
    for (const QString &name : made)
        writeBytes(m_dir->filePath(name), "x");
    QCOMPARE(WholeFile::removeLeftovers(m_dir->path(), {"Lumivista.ini", "unins000.dll"}), 2);
    QStringList kept = entries();
    kept.sort();
    QCOMPARE(kept, (QStringList{"Archivio_Clienti.pro", "Lumivista.ini", "Lumivista.ini.aB3dE9x", "Lumivista.ini.bak",
                                "unins000.dll"}));
}

QTEST_GUILESS_MAIN(TstWholeFile)
#include "tst_wholefile.moc"
