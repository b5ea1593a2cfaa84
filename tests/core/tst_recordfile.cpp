#include "core/ProgramFolder.h"
#include "TestFiles.h"
#include "core/RecordFile.h"
#include "FaultyFileSystem.h"
#include "Unprivileged.h"

#include <QtTest>

#include <sys/stat.h>
#include <thread>
#include <sys/wait.h>
#include <unistd.h>

using namespace lumivista;

namespace {

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

/** How opening fails, or nothing when it opens. */
std::optional<ArchiveError::Kind> openFailure(const QString &path)
{
    try {
        RecordFile f(path, RecordLayout::appointments());
        return std::nullopt;
    } catch (const ArchiveError &error) {
        return error.kind();
    }
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
    void busyArchiveWaitsBeforeGivingUp();
    void withoutFlockALockFileGuards_data();
    void withoutFlockALockFileGuards();
    void staleLockFiles_data();
    void staleLockFiles();
    void staleLockTakeoverLeavesALiveLockAlone();
    void staleLockThatCannotBeTakenIsWaitedFor();
    void releaseLeavesAnotherStationsLock();
    void stalenessGoesByTheSharesClock();
    void closedArchiveThrows();
    void archiveReplacedWhileWaitingIsOpenedAgain();

private:
    QTemporaryDir *m_dir = nullptr;
};

void TstRecordFile::init()
{
    m_dir = new QTemporaryDir;
    QVERIFY(m_dir->isValid());
    ProgramFolder::setOverride(m_dir->path());
    // A busy archive is given up on quickly here; one test waits the real way.
    RecordFile::setLockWaitForTests(150);
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
        // Held past the wait by another station: in use, not a permissions problem.
        QCOMPARE(openFailure(path), std::optional(ArchiveError::Kind::InUse));
    }
    // The lock ends with the holder.
    QVERIFY(opens(path));
}

namespace {
/** Acts out a file system without flock() for as long as it lives. */
struct NoFlock : FaultyFileSystem
{
    explicit NoFlock(int error) { refuseLocks = error; }
};
} // namespace

void TstRecordFile::busyArchiveWaitsBeforeGivingUp()
{
    // Another station's command is short: the archive is waited for, not refused at once.
    RecordFile::setLockWaitForTests(2000);
    const QString path = RecordFile::pathFor(RecordLayout::appointments());
    auto holder = std::make_unique<RecordFile>(path, RecordLayout::appointments());
    std::thread station([&holder] {
        QThread::msleep(300);
        holder.reset();
    });
    const bool opened = opens(path);
    station.join();
    QVERIFY(opened);
}

void TstRecordFile::withoutFlockALockFileGuards_data()
{
    QTest::addColumn<int>("error");
    QTest::newRow("ENOLCK") << ENOLCK;
    QTest::newRow("EOPNOTSUPP") << EOPNOTSUPP;
    QTest::newRow("ENOSYS") << ENOSYS;
}

void TstRecordFile::withoutFlockALockFileGuards()
{
    // Some network shares have no flock(): writes must never go on unguarded, or
    // two stations appending at once lose records.
    QFETCH(int, error);
    NoFlock noFlock(error);
    const QString path = RecordFile::pathFor(RecordLayout::appointments());
    const QString lockFile = RecordFile::lockFileFor(path);
    {
        RecordFile holder(path, RecordLayout::appointments());
        QVERIFY(QFileInfo::exists(lockFile));
        QCOMPARE(openFailure(path), std::optional(ArchiveError::Kind::InUse));
        holder.seek(holder.count());
        holder.write(Record(RecordLayout::appointments()));
        holder.close();
        QVERIFY(!QFileInfo::exists(lockFile));
    }
    QVERIFY(opens(path));
    QVERIFY(!QFileInfo::exists(lockFile));
    QCOMPARE(QFileInfo(path).size(), RecordLayout::appointments().size());
}

void TstRecordFile::staleLockFiles_data()
{
    QTest::addColumn<QByteArray>("owner");
    QTest::addColumn<int>("ageSeconds");
    QTest::addColumn<bool>("taken");
    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    QTest::newRow("another station, just now") << QByteArray("cassa2 4242") << 0 << false;
    QTest::newRow("another station, long ago") << QByteArray("cassa2 4242") << RecordFile::StaleLockSeconds + 60 << true;
    QTest::newRow("this station, process gone") << host + " dead" << 0 << true;
    QTest::newRow("this station, process alive") << host + ' ' + QByteArray::number(::getpid()) << 0 << false;
    QTest::newRow("unreadable content") << QByteArray("\x01\x02") << 0 << false;
}

void TstRecordFile::staleLockFiles()
{
    QFETCH(QByteArray, owner);
    QFETCH(int, ageSeconds);
    QFETCH(bool, taken);
    if (owner.endsWith(" dead")) {
        // A process that has surely ended: a child that exited and was reaped.
        const pid_t child = ::fork();
        if (child == 0)
            ::_exit(0);
        QVERIFY(child > 0);
        QVERIFY(::waitpid(child, nullptr, 0) == child);
        owner.replace("dead", QByteArray::number(child));
    }
    NoFlock noFlock(ENOLCK);
    const QString path = RecordFile::pathFor(RecordLayout::appointments());
    const QString lockFile = RecordFile::lockFileFor(path);
    writeBytes(lockFile, owner);
    if (ageSeconds > 0) {
        QFile f(lockFile);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime));
    }
    QCOMPARE(opens(path), taken);
    // A lock file that was not ours is never removed by a failed attempt.
    QCOMPARE(QFileInfo::exists(lockFile), !taken);
}

void TstRecordFile::staleLockTakeoverLeavesALiveLockAlone()
{
    // A station judges a dead station's lock stale; slowed down as on a network
    // share, it only acts after another station has put its live lock there.
    NoFlock noFlock(ENOLCK);
    const QString path = RecordFile::pathFor(RecordLayout::appointments());
    const QString lockFile = RecordFile::lockFileFor(path);
    writeBytes(lockFile, "cassa2 4242 old");
    QFile old(lockFile);
    QVERIFY(old.open(QIODevice::ReadWrite));
    QVERIFY(old.setFileTime(QDateTime::currentDateTime().addSecs(-RecordFile::StaleLockSeconds - 60),
                            QFileDevice::FileModificationTime));
    old.close();
    const QByteArray live("cassa3 777 live");
    int stale = 0;
    noFlock.beforeRename = [&](const QByteArray &from, const QByteArray &) {
        if (from != QFile::encodeName(lockFile) || stale++ > 0)
            return;
        const QString fresh = lockFile + QStringLiteral(".new");
        writeBytes(fresh, live);
        QVERIFY(::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(lockFile).constData()) == 0);
    };
    const auto failure = openFailure(path);
    QCOMPARE(stale, 1);
    QCOMPARE(failure, std::optional(ArchiveError::Kind::InUse));
    QCOMPARE(fileBytes(lockFile), live);
    // Nothing of ours is left beside the archive.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 2);
}

void TstRecordFile::staleLockThatCannotBeTakenIsWaitedFor()
{
    // A share that refuses to rename the stale lock: the archive is reported in
    // use when the wait runs out, instead of the station retrying for ever.
    NoFlock noFlock(ENOLCK);
    noFlock.refuseRenames = EACCES;
    const QString path = RecordFile::pathFor(RecordLayout::appointments());
    const QString lockFile = RecordFile::lockFileFor(path);
    writeBytes(lockFile, "cassa2 4242 old");
    QFile old(lockFile);
    QVERIFY(old.open(QIODevice::ReadWrite));
    QVERIFY(old.setFileTime(QDateTime::currentDateTime().addSecs(-RecordFile::StaleLockSeconds - 60),
                            QFileDevice::FileModificationTime));
    old.close();
    QCOMPARE(openFailure(path), std::optional(ArchiveError::Kind::InUse));
    QCOMPARE(fileBytes(lockFile), QByteArray("cassa2 4242 old"));
}

void TstRecordFile::releaseLeavesAnotherStationsLock()
{
    // Our command hung past the stale age and another station took the lock
    // over: closing must not remove that station's lock.
    NoFlock noFlock(ENOLCK);
    const QString path = RecordFile::pathFor(RecordLayout::appointments());
    const QString lockFile = RecordFile::lockFileFor(path);
    const QByteArray theirs("cassa2 4242 theirs");
    {
        RecordFile holder(path, RecordLayout::appointments());
        writeBytes(lockFile, theirs);
        holder.close();
    }
    QCOMPARE(fileBytes(lockFile), theirs);
}

void TstRecordFile::stalenessGoesByTheSharesClock()
{
    // A station whose clock runs five minutes ahead of the share's must still
    // see a lock written a moment ago as live.
    const QString faketime = QStandardPaths::findExecutable(QStringLiteral("faketime"));
    if (faketime.isEmpty())
        QSKIP("faketime is not installed (scripts/setup installs it)");
    const QString path = RecordFile::pathFor(RecordLayout::appointments());
    const QString lockFile = RecordFile::lockFileFor(path);
    writeBytes(lockFile, "cassa2 4242 live");
    QProcess station;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("NO_FAKE_STAT"), QStringLiteral("1")); // file times stay the share's
    station.setProcessEnvironment(environment);
    station.start(faketime, {QStringLiteral("-f"), QStringLiteral("+5m"), QStringLiteral(LOCKPROBE), path});
    QVERIFY(station.waitForFinished(60000));
    QCOMPARE(station.exitStatus(), QProcess::NormalExit);
    QCOMPARE(station.exitCode(), 2);
    QCOMPARE(fileBytes(lockFile), QByteArray("cassa2 4242 live"));

    // And a lock that is old by the share's clock is still taken over.
    QFile old(lockFile);
    QVERIFY(old.open(QIODevice::ReadWrite));
    QVERIFY(old.setFileTime(QDateTime::currentDateTime().addSecs(-RecordFile::StaleLockSeconds - 60),
                            QFileDevice::FileModificationTime));
    old.close();
    station.start(faketime, {QStringLiteral("-f"), QStringLiteral("-1m"), QStringLiteral(LOCKPROBE), path});
    QVERIFY(station.waitForFinished(60000));
    QCOMPARE(station.exitCode(), 0);
    QVERIFY(!QFileInfo::exists(lockFile));
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

void TstRecordFile::archiveReplacedWhileWaitingIsOpenedAgain()
{
    // A restore renames a new archive into place while this command waits for
    // the lock of the old one: the command must work on the new file.
    const QString path = RecordFile::pathFor(RecordLayout::clients());
    writeBytes(path, client(QStringLiteral("Vecchio")).bytes());
    writeBytes(path + QStringLiteral(".nuovo"),
               client(QStringLiteral("Anna")).bytes() + client(QStringLiteral("Bruno")).bytes());
    FaultyFileSystem fs;
    int locks = 0;
    fs.beforeLock = [&] {
        if (++locks == 1)
            QCOMPARE(::rename(QFile::encodeName(path + QStringLiteral(".nuovo")).constData(), QFile::encodeName(path).constData()), 0);
    };
    {
        RecordFile f(path, RecordLayout::clients());
        QCOMPARE(f.count(), 2);
        f.seek(2);
        f.write(client(QStringLiteral("Carla")));
        f.close();
    }
    QCOMPARE(QFileInfo(path).size(), 3 * 6065);
}

QTEST_GUILESS_MAIN(TstRecordFile)
#include "tst_recordfile.moc"
