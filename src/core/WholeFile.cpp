#include "WholeFile.h"
#include "FileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>

namespace lumivista {

namespace {

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

/** Closes a descriptor on every way out. */
struct Descriptor
{
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0)
            FileSystem::current().close(fd);
    }
};

/** The temporary name of a file being written: the final name, a dot and six
 *  letters or digits. Created new, so it is never a name someone else uses. */
QRegularExpression leftoverPattern(const QString &name)
{
    return QRegularExpression(QLatin1Char('^') + QRegularExpression::escape(name) + QStringLiteral("\\.[A-Za-z0-9]{6}$"));
}

QByteArray temporaryName(const QByteArray &native)
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray name = native + '.';
    for (int i = 0; i < 6; ++i)
        name += letters[QRandomGenerator::system()->bounded(int(sizeof letters) - 1)];
    return name;
}

} // namespace

WholeFile::Contents WholeFile::read(const QString &path, qint64 limit)
{
    FileSystem &fs = FileSystem::current();
    Contents contents;
    const QByteArray native = QFile::encodeName(path);
    Descriptor file;
    file.fd = fs.open(native, O_RDONLY | O_NONBLOCK | O_NOCTTY);
    if (file.fd < 0) {
        struct stat st {};
        const bool absent = (errno == ENOENT || errno == ENOTDIR) && fs.entryStatus(native, &st) != 0;
        contents.state = absent ? State::Missing : State::Unreadable;
        return contents;
    }
    contents.state = State::Unreadable;
    struct stat st {};
    if (fs.fileStatus(file.fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > limit)
        return contents;
    QByteArray bytes(qsizetype(st.st_size), Qt::Uninitialized);
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = fs.read(file.fd, bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0)
            return contents;
        if (n == 0)
            break; // shrank while reading: what is there is what counts
        done += n;
    }
    bytes.truncate(done);
    contents.state = State::Read;
    contents.bytes = std::move(bytes);
    return contents;
}

struct WholeFile::Writer::Private
{
    QString path;
    QByteArray native;
    QByteArray temporary; // ours, created new; empty once gone or renamed
    int fd = -1;
    QString error;
    qint64 written = 0;

    void fail(const QString &why)
    {
        if (error.isEmpty())
            error = QStringLiteral("%1: %2").arg(path, why);
        drop();
    }

    /** Closes and removes the temporary file: the old file stays as it was. */
    void drop()
    {
        FileSystem &fs = FileSystem::current();
        if (fd >= 0)
            fs.close(fd);
        fd = -1;
        if (!temporary.isEmpty())
            fs.unlink(temporary);
        temporary.clear();
    }
};

WholeFile::Writer::Writer(const QString &path) : d(new Private)
{
    FileSystem &fs = FileSystem::current();
    d->path = path;
    d->native = QFile::encodeName(path);
    mode_t mode = 0666;
    struct stat st {};
    if (fs.entryStatus(d->native, &st) == 0) {
        if (!S_ISREG(st.st_mode)) {
            d->error = QStringLiteral("%1: not a regular file").arg(path);
            return;
        }
        // The folder may allow replacing a file its owner made read-only; the file
        // itself has the last word, ACLs included.
        Descriptor probe;
        probe.fd = fs.open(d->native, O_WRONLY | O_NONBLOCK | O_NOCTTY);
        if (probe.fd < 0) {
            d->error = QStringLiteral("%1: %2").arg(path, systemError(errno));
            return;
        }
        mode = st.st_mode & 07777; // the new file keeps the old one's permissions
    }
    for (int attempt = 0; attempt < 100 && d->fd < 0; ++attempt) {
        const QByteArray name = temporaryName(d->native);
        d->fd = fs.open(name, O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY, mode);
        if (d->fd >= 0)
            d->temporary = name;
        else if (errno != EEXIST)
            break;
    }
    if (d->fd < 0)
        d->error = QStringLiteral("%1: %2").arg(path, systemError(errno));
}

WholeFile::Writer::~Writer()
{
    d->drop();
    delete d;
}

bool WholeFile::Writer::append(const QByteArray &bytes)
{
    if (!d->error.isEmpty())
        return false;
    FileSystem &fs = FileSystem::current();
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = fs.write(d->fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n <= 0) {
            d->fail(systemError(n < 0 ? errno : ENOSPC));
            return false;
        }
        done += n;
    }
    // Large pieces (an export's blocks) start on their way to the disk at once,
    // while the next piece is being made.
    if (bytes.size() >= (1 << 20))
        fs.startWriteback(d->fd, off_t(d->written), off_t(bytes.size()));
    d->written += bytes.size();
    return true;
}

WholeFile::Outcome WholeFile::Writer::commit()
{
    if (!d->error.isEmpty())
        return {d->error};
    FileSystem &fs = FileSystem::current();
    // The data must be on disk, whole, before the new file takes the old one's place.
    if (fs.sync(d->fd) != 0) {
        d->fail(systemError(errno));
        return {d->error};
    }
    struct stat written {};
    if (fs.fileStatus(d->fd, &written) != 0 || written.st_size != d->written) {
        d->fail(systemError(EIO));
        return {d->error};
    }
    const int closed = fs.close(d->fd);
    d->fd = -1;
    if (closed != 0) {
        d->fail(systemError(errno));
        return {d->error};
    }
    if (fs.rename(d->temporary, d->native) != 0) {
        d->fail(systemError(errno));
        return {d->error};
    }
    d->temporary.clear();
    // The rename itself must survive a power cut too.
    Descriptor folder;
    folder.fd = fs.open(QFile::encodeName(QFileInfo(d->path).absolutePath()), O_RDONLY | O_DIRECTORY);
    if (folder.fd >= 0)
        fs.sync(folder.fd);
    return {};
}

WholeFile::Outcome WholeFile::write(const QString &path, const QByteArray &bytes)
{
    Writer writer(path);
    writer.append(bytes);
    return writer.commit();
}

WholeFile::CopyFailure WholeFile::copy(const QString &source, const QString &target,
                                       const std::function<void(QByteArrayView)> &seen)
{
    FileSystem &fs = FileSystem::current();
    Descriptor in;
    in.fd = fs.open(QFile::encodeName(source), O_RDONLY | O_NONBLOCK | O_NOCTTY);
    struct stat st {};
    if (in.fd < 0 || fs.fileStatus(in.fd, &st) != 0 || !S_ISREG(st.st_mode))
        return CopyFailure::Source;
    Writer out(target);
    QByteArray block(1024 * 1024, Qt::Uninitialized);
    for (;;) {
        const ssize_t n = fs.read(in.fd, block.data(), size_t(block.size()));
        if (n < 0)
            return CopyFailure::Source; // the writer, dropped, leaves no trace
        if (n == 0)
            break;
        const QByteArray piece = QByteArray::fromRawData(block.constData(), n);
        if (seen)
            seen(piece);
        if (!out.append(piece))
            return CopyFailure::Target;
    }
    return out.commit() ? CopyFailure::None : CopyFailure::Target;
}

int WholeFile::removeLeftovers(const QString &folder, const QStringList &names)
{
    int removed = 0;
    const QDir dir(folder);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        const QRegularExpression pattern = leftoverPattern(name);
        for (const QString &entry : entries) {
            if (pattern.match(entry).hasMatch()
                && FileSystem::current().unlink(QFile::encodeName(dir.filePath(entry))) == 0)
                ++removed;
        }
    }
    return removed;
}

} // namespace lumivista
