#include "core/ProgramFolder.h"
#include "core/RecordFile.h"
#include "Unprivileged.h"

#include <QtTest>

#include <sys/stat.h>

using namespace lumivista;

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

/** A client record whose name tells it apart. */
Record client(const QString &name, const QString &city = QString())
{
    Record r(RecordLayout::clients());
    r.setValue(QStringLiteral("Name"), name);
    r.setValue(QStringLiteral("City"), city);
    return r;
}

/** A record of a recognisable byte pattern, all of its bytes set. */
QByteArray pattern(int size, char c)
{
    return QByteArray(size, c);
}

bool opens(const QString &path)
{
    try {
        RecordFile f(path, RecordLayout::appointments());
        f.close();
        return true;
    } catch (const ArchiveError &) {
        return false;
    }
}

} // namespace

class TstRecordFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void missingFileIsCreatedEmpty();
    void pathIsInTheProgramFolder();
    void appendAndReadBack();
    void strayBytesAreInvisibleAndOverwritten();
    void updateTouchesOnlyItsRecord();
    void positionsOutsideTheArchiveThrow();
    void scanVisitsEveryRecord();
    void scanStopsEarly();
    void openFailures_data();
    void openFailures();
    void lockedArchiveThrows();
    void closedArchiveThrows();

private:
    QTemporaryDir *m_dir = nullptr;
};

void TstRecordFile::init()
{
    m_dir = new QTemporaryDir;
    QVERIFY(m_dir->isValid());
    ProgramFolder::setOverride(m_dir->path());
}

void TstRecordFile::cleanup()
{
    ProgramFolder::setOverride(QString());
    // Restore permissions a failure case took away, so the folder can go.
    QDirIterator it(m_dir->path(), QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        ::chmod(QFile::encodeName(it.next()).constData(), 0755);
    delete m_dir;
    m_dir = nullptr;
}

void TstRecordFile::missingFileIsCreatedEmpty()
{
    const QString path = RecordFile::pathFor(RecordLayout::clients());
    QVERIFY(!QFile::exists(path));
    const mode_t old = ::umask(002);
    {
        RecordFile f(path, RecordLayout::clients());
        QCOMPARE(f.count(), 0);
        QVERIFY(f.atEnd());
        QCOMPARE(f.index(), 0);
        f.close();
    }
    ::umask(old);
    QVERIFY(QFile::exists(path));
    QCOMPARE(QFileInfo(path).size(), 0);
    struct stat st {};
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
    QCOMPARE(st.st_mode & 0777, mode_t(0664));
}

void TstRecordFile::pathIsInTheProgramFolder()
{
    QCOMPARE(RecordFile::pathFor(RecordLayout::lenses()), m_dir->filePath(QStringLiteral("Prescrizioni_Lenti.pro")));
    ProgramFolder::setOverride(QString());
    QCOMPARE(RecordFile::pathFor(RecordLayout::appointments()),
             QCoreApplication::applicationDirPath() + QStringLiteral("/Archivio_Appuntamenti.pro"));
}

void TstRecordFile::appendAndReadBack()
{
    const QString path = RecordFile::pathFor(RecordLayout::clients());
    {
        RecordFile f(path, RecordLayout::clients());
        for (const char *name : {"Anna", "Bruno", "Carla"}) {
            f.seek(f.count());
            f.write(client(QString::fromLatin1(name)));
            QCOMPARE(f.index(), f.count());
        }
        f.close();
    }
    QCOMPARE(QFileInfo(path).size(), 3 * 6065);

    RecordFile f(path, RecordLayout::clients());
    QCOMPARE(f.count(), 3);
    f.seek(1);
    const Record r = f.read();
    QCOMPARE(f.index(), 2);  // the 1-based position of the record just read
    QCOMPARE(r.value(QStringLiteral("Name")), QStringLiteral("Bruno"));
    QCOMPARE(r.bytes(), client(QStringLiteral("Bruno")).bytes());
    QCOMPARE(f.read().value(QStringLiteral("Name")), QStringLiteral("Carla"));
    QVERIFY(f.atEnd());
}

void TstRecordFile::strayBytesAreInvisibleAndOverwritten()
{
    const int size = RecordLayout::clients().size();
    const QString path = RecordFile::pathFor(RecordLayout::clients());
    const QByteArray whole = pattern(size, 'a') + pattern(size, 'b') + pattern(size, 'c');
    writeBytes(path, whole + QByteArray(100, 'Z'));

    RecordFile f(path, RecordLayout::clients());
    QCOMPARE(f.count(), 3);
    f.seek(3);
    QVERIFY(f.atEnd());
    QVERIFY_THROWS_EXCEPTION(ArchiveError, f.read());
    f.write(client(QStringLiteral("Dario")));
    QCOMPARE(f.index(), 4);
    QCOMPARE(f.count(), 4);
    f.close();

    const QByteArray after = fileBytes(path);
    QCOMPARE(after.size(), 4 * size);
    QCOMPARE(after.left(3 * size), whole);
    QCOMPARE(after.mid(3 * size), client(QStringLiteral("Dario")).bytes());
}

void TstRecordFile::updateTouchesOnlyItsRecord()
{
    const RecordLayout &layout = RecordLayout::glasses();
    const int size = layout.size();
    const QString path = RecordFile::pathFor(layout);
    QByteArray before;
    for (char c : {'1', '2', '3', '4', '5'})
        before += pattern(size, c);
    writeBytes(path, before);

    Record changed(layout);
    changed.setValue(QStringLiteral("NumPre"), QStringLiteral("42"));
    changed.setValue(QStringLiteral("Saldato"), QStringLiteral("Sì"));
    {
        RecordFile f(path, layout);
        f.seek(1);  // position 2
        f.write(changed);
        QCOMPARE(f.index(), 2);
        f.close();
    }
    const QByteArray after = fileBytes(path);
    QCOMPARE(after.size(), before.size());
    QCOMPARE(after.left(size), before.left(size));
    QCOMPARE(after.mid(size, size), changed.bytes());
    QCOMPARE(after.mid(2 * size), before.mid(2 * size));
}

void TstRecordFile::positionsOutsideTheArchiveThrow()
{
    const QString path = RecordFile::pathFor(RecordLayout::appointments());
    writeBytes(path, pattern(2 * 1265, 'x'));
    RecordFile f(path, RecordLayout::appointments());
    QVERIFY_THROWS_EXCEPTION(ArchiveError, f.seek(-1));
    QVERIFY_THROWS_EXCEPTION(ArchiveError, f.seek(3));
    f.seek(2);
    QVERIFY_THROWS_EXCEPTION(ArchiveError, f.read());
    QVERIFY_THROWS_EXCEPTION(ArchiveError, f.write(Record(RecordLayout::clients())));
}

void TstRecordFile::scanVisitsEveryRecord()
{
    const QString path = RecordFile::pathFor(RecordLayout::clients());
    QStringList names;
    QByteArray bytes;
    // More records than one scan block holds, plus stray bytes.
    for (int i = 0; i < 400; ++i) {
        names << QStringLiteral("Cliente %1").arg(i);
        bytes += client(names.last(), i % 2 ? QStringLiteral("Roma") : QStringLiteral("Milano")).bytes();
    }
    writeBytes(path, bytes + "stray");

    RecordFile f(path, RecordLayout::clients());
    f.seek(1);
    QStringList seen;
    qint64 expected = 1;
    f.scan([&](qint64 index, const RecordView &r) {
        if (index != expected++)
            return false;
        seen << r.value(QStringLiteral("Name"));
        return true;
    });
    QCOMPARE(seen, names.mid(1));
    QVERIFY(f.atEnd());
    QCOMPARE(f.index(), 400);
}

void TstRecordFile::scanStopsEarly()
{
    const QString path = RecordFile::pathFor(RecordLayout::clients());
    writeBytes(path, client(QStringLiteral("Anna")).bytes() + client(QStringLiteral("Bruno")).bytes()
                         + client(QStringLiteral("Carla")).bytes());
    RecordFile f(path, RecordLayout::clients());
    Record found(RecordLayout::clients());
    f.scan([&](qint64, const RecordView &r) {
        if (r.value(QStringLiteral("Name")) != QLatin1String("Bruno"))
            return true;
        found = r.toRecord();
        return false;
    });
    // As after the matching read: the index is the found record's position.
    QCOMPARE(f.index(), 2);
    QCOMPARE(found.value(QStringLiteral("Name")), QStringLiteral("Bruno"));
    QCOMPARE(f.read().value(QStringLiteral("Name")), QStringLiteral("Carla"));
}

void TstRecordFile::openFailures_data()
{
    QTest::addColumn<QString>("cause");
    QTest::newRow("read-only folder, file missing") << "folder";
    QTest::newRow("read-only file") << "file";
    QTest::newRow("folder in place of the file") << "directory";
}

void TstRecordFile::openFailures()
{
    QFETCH(QString, cause);
    const QString folder = m_dir->filePath(QStringLiteral("program"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(::chmod(QFile::encodeName(m_dir->path()).constData(), 0755) == 0);
    QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0777) == 0);
    const QString path = folder + QStringLiteral("/Archivio_Appuntamenti.pro");

    if (cause == QLatin1String("directory")) {
        QVERIFY(QDir().mkdir(path));
        QVERIFY_THROWS_EXCEPTION(ArchiveError, RecordFile(path, RecordLayout::appointments()));
        QVERIFY(QFileInfo(path).isDir());
        return;
    }

    if (!Unprivileged().ok())
        QSKIP("Running as root without the right to switch user: permissions cannot bind here");
    if (cause == QLatin1String("file")) {
        // The same file opens while writable, so only its permission makes the difference.
        {
            Unprivileged guard;
            QVERIFY(opens(path));
        }
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0444) == 0);
        Unprivileged guard;
        QVERIFY_THROWS_EXCEPTION(ArchiveError, RecordFile(path, RecordLayout::appointments()));
        QCOMPARE(QFileInfo(path).size(), 0);
    } else {
        const QString control = folder + QStringLiteral("/control.pro");
        {
            Unprivileged guard;
            QVERIFY(opens(control));
        }
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0555) == 0);
        Unprivileged guard;
        QVERIFY_THROWS_EXCEPTION(ArchiveError, RecordFile(path, RecordLayout::appointments()));
        QVERIFY(!QFile::exists(path));
        // An existing writable archive still opens in a read-only folder.
        QVERIFY(opens(control));
    }
}

void TstRecordFile::lockedArchiveThrows()
{
    const QString path = RecordFile::pathFor(RecordLayout::appointments());
    {
        RecordFile holder(path, RecordLayout::appointments());
        QVERIFY_THROWS_EXCEPTION(ArchiveError, RecordFile(path, RecordLayout::appointments()));
    }
    // The lock ends with the holder.
    QVERIFY(opens(path));
}

void TstRecordFile::closedArchiveThrows()
{
    RecordFile f(RecordFile::pathFor(RecordLayout::appointments()), RecordLayout::appointments());
    f.close();
    f.close();  // closing twice is harmless
    QVERIFY_THROWS_EXCEPTION(ArchiveError, f.count());
    QVERIFY_THROWS_EXCEPTION(ArchiveError, f.read());
    QVERIFY_THROWS_EXCEPTION(ArchiveError, f.write(Record(RecordLayout::appointments())));
}

QTEST_GUILESS_MAIN(TstRecordFile)
#include "tst_recordfile.moc"
