#include "RecordFile.h"
#include "FileSystem.h"
#include "ProgramFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSysInfo>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumivista {

namespace {

/** Another PC may hold the archive for the length of one command. */
constexpr auto kLockWait = std::chrono::milliseconds(3000);

std::chrono::milliseconds &lockWait()
{
    static std::chrono::milliseconds wait = kLockWait;
    return wait;
}
constexpr auto kLockRetry = std::chrono::milliseconds(50);
/** Bytes read per block by scan(): large enough to amortise the calls, small
 *  enough to stay in the processor cache while the block is decoded. */
constexpr qint64 kScanBlockBytes = 256 * 1024;

[[noreturn]] void fail(const QString &path, const char *what, int error,
                       ArchiveError::Kind kind = ArchiveError::Kind::Access)
{
    throw ArchiveError(QStringLiteral("%1: %2 (%3)")
                           .arg(path, QString::fromLatin1(what), QString::fromLocal8Bit(std::strerror(error))),
                       kind);
}

bool lockUnsupported(int error)
{
    return error == ENOLCK || error == EOPNOTSUPP || error == ENOSYS;
}

/** "host pid token" of the station, process and command that wrote a lock
 *  file: the token tells one command's lock from the next one's. */
QByteArray lockOwner()
{
    return QSysInfo::machineHostName().toUtf8() + ' ' + QByteArray::number(FileSystem::current().processId()) + ' '
           + QByteArray::number(QRandomGenerator::system()->generate64(), 16);
}

/** A name in the archive's folder that no other station or command uses. */
QByteArray uniqueBeside(const QByteArray &native, const char *what)
{
    return native + '.' + what + '.' + QSysInfo::machineHostName().toUtf8() + '.'
           + QByteArray::number(FileSystem::current().processId()) + '.'
           + QByteArray::number(QRandomGenerator::system()->generate64(), 16);
}

/** A small file's whole content, or a null array when it cannot be read. */
QByteArray contentOf(const QByteArray &native)
{
    FileSystem &fs = FileSystem::current();
    const int fd = fs.open(native, O_RDONLY | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return QByteArray();
    QByteArray bytes(512, Qt::Uninitialized);
    const ssize_t n = fs.read(fd, bytes.data(), size_t(bytes.size()));
    fs.close(fd);
    if (n < 0)
        return QByteArray();
    bytes.truncate(n);
    return bytes.isNull() ? QByteArray("") : bytes;
}

/** The share's own time now: the time it stamps on a file just written there.
 *  Comparing a lock's age against it, not against this station's clock, keeps a
 *  station whose clock runs ahead from taking every live lock for stale. */
std::optional<qint64> folderNow(const QByteArray &lockNative)
{
    const QByteArray probe = uniqueBeside(lockNative, "ora");
    FileSystem &fs = FileSystem::current();
    const int fd = fs.open(probe, O_WRONLY | O_CREAT | O_EXCL, 0666);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    const bool stamped = fs.write(fd, "t", 1) == 1 && fs.fileStatus(fd, &st) == 0;
    fs.close(fd);
    fs.unlink(probe);
    if (!stamped)
        return std::nullopt;
    return qint64(st.st_mtim.tv_sec);
}

/** The share's clock for the length of one wait for a lock: read once from a
 *  probe file, then carried forward by this station's steady clock, so waiting
 *  for a live lock does not write a probe on the share at every retry. */
class ShareClock
{
public:
    explicit ShareClock(const QByteArray &lockNative) : m_lock(lockNative) {}

    /** Seconds by the share's clock, or nothing when no probe can be written. */
    std::optional<qint64> now()
    {
        if (!m_read) {
            m_read = true;
            m_probed = folderNow(m_lock);
            m_at = std::chrono::steady_clock::now();
        }
        if (!m_probed)
            return std::nullopt;
        const auto since = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - m_at);
        return *m_probed + qint64(since.count());
    }

private:
    QByteArray m_lock;
    bool m_read = false;
    std::optional<qint64> m_probed;
    std::chrono::steady_clock::time_point m_at;
};

/** A lock file is stale when its process is known to be gone (same host, no
 *  such process) or when, by the share's clock, it is older than any command
 *  takes. owner is the content that was judged. */
bool isStale(const QByteArray &lockNative, const QByteArray &owner, ShareClock &clock)
{
    // A process of this station that has ended: known without asking the share.
    const QList<QByteArray> parts = owner.trimmed().split(' ');
    if (parts.size() >= 2 && parts.at(0) == QSysInfo::machineHostName().toUtf8()) {
        bool ok = false;
        const qint64 pid = parts.at(1).toLongLong(&ok);
        if (ok && FileSystem::current().processGone(pid))
            return true;
    }
    struct stat lockStat {};
    if (FileSystem::current().entryStatus(lockNative, &lockStat) != 0)
        return false;
    const std::optional<qint64> now = clock.now();
    return now && *now - qint64(lockStat.st_mtim.tv_sec) > RecordFile::StaleLockSeconds;
}

} // namespace

RecordFile::RecordFile(const QString &path, const RecordLayout &layout)
    : m_path(path), m_layout(layout)
{
    const QByteArray native = QFile::encodeName(path);
    FileSystem &fs = FileSystem::current();
    // A restore puts a new file in the archive's place while it holds the lock:
    // a command that waited for the lock on the old file opens the new one
    // instead, so that nothing is ever written into a file no longer there.
    for (int attempt = 0;; ++attempt) {
        m_fd = fs.open(native, O_RDWR | O_CREAT, 0666);
        if (m_fd < 0)
            fail(m_path, "cannot open the archive", errno);

        struct stat st {};
        const int statError = fs.fileStatus(m_fd, &st) != 0 ? errno : 0;
        if (statError != 0 || !S_ISREG(st.st_mode)) {
            const int error = statError != 0 ? statError : EISDIR;
            fs.close(m_fd);
            m_fd = -1;
            fail(m_path, "not a regular file", error);
        }

        try {
            lock();
        } catch (...) {
            fs.close(m_fd);
            m_fd = -1;
            throw;
        }
        struct stat named {};
        const bool replaced = fs.pathStatus(native, &named) != 0 || named.st_ino != st.st_ino || named.st_dev != st.st_dev;
        if (!replaced || attempt >= 10)
            return;
        release();
        fs.close(m_fd);
        m_fd = -1;
    }
}

void RecordFile::lock()
{
    const auto deadline = std::chrono::steady_clock::now() + lockWait();
    while (FileSystem::current().lock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (lockUnsupported(error))
            return lockWithFile(error);
        if (error != EWOULDBLOCK)
            fail(m_path, "cannot lock the archive", error);
        if (std::chrono::steady_clock::now() >= deadline)
            fail(m_path, "the archive is in use on another station", error, ArchiveError::Kind::InUse);
        std::this_thread::sleep_for(kLockRetry);
    }
}

void RecordFile::lockWithFile(int flockError)
{
    const QString lockPath = lockFileFor(m_path);
    const QByteArray native = QFile::encodeName(lockPath);
    const QByteArray owner = lockOwner();
    const auto deadline = std::chrono::steady_clock::now() + lockWait();
    FileSystem &fs = FileSystem::current();
    ShareClock shareClock(native);
    for (;;) {
        const int fd = fs.open(native, O_WRONLY | O_CREAT | O_EXCL, 0666);
        if (fd >= 0) {
            const bool written = fs.write(fd, owner.constData(), size_t(owner.size())) == owner.size()
                                 && fs.sync(fd) == 0;
            fs.close(fd);
            if (!written) {
                fs.unlink(native);
                fail(lockPath, "cannot write the lock file", errno ? errno : EIO);
            }
            m_lockFile = lockPath;
            m_lockOwner = owner;
            return;
        }
        const int error = errno;
        if (error != EEXIST)
            fail(lockPath, "no lock available for the archive", error ? error : flockError);
        const QByteArray judged = contentOf(native);
        if (!judged.isNull() && isStale(native, judged, shareClock)) {
            // Take the stale lock away under a name of our own: of two stations
            // doing this at once only one rename succeeds. Then make sure it was
            // the lock judged stale, not a live one put there meanwhile.
            const QByteArray taken = uniqueBeside(native, "scaduto");
            if (fs.rename(native, taken) == 0) {
                if (contentOf(taken) == judged) {
                    fs.unlink(taken);
                    continue; // gone: try for the lock at once
                }
                if (fs.link(taken, native) == 0 || errno == EEXIST)
                    fs.unlink(taken); // a live lock: back in its place, and waited for
                else
                    fs.rename(taken, native);
            } else if (errno == ENOENT) {
                continue; // another station took it first: try at once
            }
            // A lock that cannot be taken away is waited for like a live one.
        }
        if (std::chrono::steady_clock::now() >= deadline)
            fail(m_path, "the archive is in use on another station", EWOULDBLOCK, ArchiveError::Kind::InUse);
        std::this_thread::sleep_for(kLockRetry);
    }
}

void RecordFile::release()
{
    if (m_lockFile.isEmpty())
        return;
    // Only our own lock goes: a station that took ours over as stale (a command
    // that hung) now holds its own, which must stay.
    const QByteArray native = QFile::encodeName(m_lockFile);
    if (contentOf(native) == m_lockOwner)
        FileSystem::current().unlink(native);
    m_lockFile.clear();
    m_lockOwner.clear();
}

std::optional<Record> RecordFile::recordAt(const RecordLayout &layout, qint64 position)
{
    RecordFile file(pathFor(layout), layout);
    if (position < 1 || position > file.count())
        return std::nullopt;
    file.seek(position - 1);
    const Record record = file.read();
    file.close();
    return record;
}

RecordFile::~RecordFile()
{
    if (m_fd >= 0)
        FileSystem::current().close(m_fd);
    release();
}

void RecordFile::ensureOpen() const
{
    if (m_fd < 0)
        fail(m_path, "the archive is closed", EBADF);
}

qint64 RecordFile::count() const
{
    ensureOpen();
    struct stat st {};
    if (FileSystem::current().fileStatus(m_fd, &st) != 0)
        fail(m_path, "cannot measure the archive", errno);
    return qint64(st.st_size) / m_layout.size();
}

void RecordFile::seek(qint64 index)
{
    if (index < 0 || index > count())
        fail(m_path, "position outside the archive", EINVAL);
    m_index = index;
}

void RecordFile::readAt(qint64 position, char *data, qint64 length)
{
    qint64 done = 0;
    while (done < length) {
        const ssize_t n = FileSystem::current().readAt(m_fd, data + done, size_t(length - done), off_t(position + done));
        if (n < 0)
            fail(m_path, "cannot read the archive", errno);
        if (n == 0)
            fail(m_path, "the archive ended inside a record", EIO);
        done += n;
    }
}

Record RecordFile::read()
{
    if (m_index >= count())
        fail(m_path, "read past the last record", EINVAL);
    QByteArray bytes(m_layout.size(), Qt::Uninitialized);
    readAt(m_index * m_layout.size(), bytes.data(), bytes.size());
    ++m_index;
    return Record(m_layout, std::move(bytes));
}

void RecordFile::write(const Record &record)
{
    if (record.bytes().size() != m_layout.size())
        fail(m_path, "record of another archive", EINVAL);
    if (m_index > count())
        fail(m_path, "position outside the archive", EINVAL);
    const QByteArray &bytes = record.bytes();
    const qint64 position = m_index * m_layout.size();
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = FileSystem::current().writeAt(m_fd, bytes.constData() + done, size_t(bytes.size() - done),
                                                        off_t(position + done));
        if (n < 0)
            fail(m_path, "cannot write the archive", errno);
        if (n == 0)
            fail(m_path, "cannot write the archive", EIO);
        done += n;
    }
    // The record must be on disk before the card reports it saved.
    if (FileSystem::current().syncData(m_fd) != 0)
        fail(m_path, "cannot flush the archive", errno);
    ++m_index;
}

void RecordFile::scan(const std::function<bool(qint64 index, const RecordView &record)> &visit)
{
    const qint64 total = count();
    if (m_index >= total)
        return;
    const qint64 size = m_layout.size();
    const qint64 perBlock = qMax<qint64>(1, kScanBlockBytes / size);
    FileSystem::current().adviseSequential(m_fd, off_t(m_index * size));
    QByteArray block(perBlock * size, Qt::Uninitialized);
    while (m_index < total) {
        const qint64 records = qMin(perBlock, total - m_index);
        readAt(m_index * size, block.data(), records * size);
        for (qint64 i = 0; i < records; ++i) {
            const RecordView view(m_layout, QByteArrayView(block.constData() + i * size, size));
            const qint64 index = m_index++;
            if (!visit(index, view))
                return;
        }
    }
}

void RecordFile::close()
{
    if (m_fd < 0)
        return;
    const int fd = m_fd;
    m_fd = -1;
    // After a failed close the descriptor is gone anyway: never close it twice.
    const int closed = FileSystem::current().close(fd);
    const int error = errno;
    release();
    if (closed != 0 && error != EINTR)
        fail(m_path, "cannot close the archive", error);
}

QString RecordFile::lockFileFor(const QString &archivePath)
{
    return archivePath + QStringLiteral(".lck");
}

void RecordFile::setLockWaitForTests(int milliseconds)
{
    lockWait() = milliseconds > 0 ? std::chrono::milliseconds(milliseconds) : kLockWait;
}

QString RecordFile::pathFor(const RecordLayout &layout)
{
    return ProgramFolder::file(layout.archiveFileName());
}

} // namespace lumivista
