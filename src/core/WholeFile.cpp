#include "WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
            ::close(fd);
    }
};

/** The temporary name QSaveFile gives: the final name, a dot and six characters. */
QRegularExpression leftoverPattern(const QString &name)
{
    return QRegularExpression(QLatin1Char('^') + QRegularExpression::escape(name) + QStringLiteral("\\.[A-Za-z0-9]{6}$"));
}

} // namespace

WholeFile::Contents WholeFile::read(const QString &path, qint64 limit)
{
    Contents contents;
    const QByteArray native = QFile::encodeName(path);
    Descriptor file;
    do {
        file.fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (file.fd < 0 && errno == EINTR);
    if (file.fd < 0) {
        struct stat st {};
        const bool absent = (errno == ENOENT || errno == ENOTDIR) && ::lstat(native.constData(), &st) != 0;
        contents.state = absent ? State::Missing : State::Unreadable;
        return contents;
    }
    contents.state = State::Unreadable;
    struct stat st {};
    if (::fstat(file.fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > limit)
        return contents;
    QByteArray bytes(qsizetype(st.st_size), Qt::Uninitialized);
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(file.fd, bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
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
    QSaveFile file;
    QString error;
    qint64 written = 0;

    explicit Private(const QString &p) : path(p), file(p) {}

    void fail(const QString &why)
    {
        if (error.isEmpty())
            error = QStringLiteral("%1: %2").arg(path, why);
        file.cancelWriting();
    }
};

WholeFile::Writer::Writer(const QString &path) : d(new Private(path))
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (::stat(native.constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) {
            d->error = QStringLiteral("%1: not a regular file").arg(path);
            return;
        }
        // The folder may allow replacing a file its owner made read-only; the file
        // itself has the last word, ACLs included.
        Descriptor probe;
        probe.fd = ::open(native.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (probe.fd < 0) {
            d->error = QStringLiteral("%1: %2").arg(path, systemError(errno));
            return;
        }
    }
    d->file.setDirectWriteFallback(false);
    if (!d->file.open(QIODevice::WriteOnly))
        d->error = QStringLiteral("%1: %2").arg(path, d->file.errorString());
}

WholeFile::Writer::~Writer()
{
    if (d->file.isOpen())
        d->file.cancelWriting();
    delete d;
}

bool WholeFile::Writer::append(const QByteArray &bytes)
{
    if (!d->error.isEmpty())
        return false;
    if (d->file.write(bytes) != bytes.size()) {
        d->fail(d->file.errorString());
        return false;
    }
    d->written += bytes.size();
    return true;
}

WholeFile::Outcome WholeFile::Writer::commit()
{
    if (!d->error.isEmpty())
        return {d->error};
    QSaveFile &file = d->file;
    if (!file.flush()) {
        d->fail(file.errorString());
        return {d->error};
    }
    // The data must be on disk before the new file takes the old one's place;
    // a flush that reported success is not proof enough on every Qt version.
    if (::fsync(file.handle()) != 0) {
        d->fail(systemError(errno));
        return {d->error};
    }
    struct stat written {};
    if (::fstat(file.handle(), &written) != 0 || written.st_size != d->written || file.error() != QFileDevice::NoError) {
        d->fail(systemError(EIO));
        return {d->error};
    }
    if (!file.commit())
        return {QStringLiteral("%1: %2").arg(d->path, file.errorString())};
    // The rename itself must survive a power cut too.
    Descriptor folder;
    folder.fd = ::open(QFile::encodeName(QFileInfo(d->path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder.fd >= 0)
        ::fsync(folder.fd);
    return {};
}

WholeFile::Outcome WholeFile::write(const QString &path, const QByteArray &bytes)
{
    Writer writer(path);
    writer.append(bytes);
    return writer.commit();
}

WholeFile::CopyFailure WholeFile::copy(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return CopyFailure::Source;
    Writer out(target);
    QByteArray block(1024 * 1024, Qt::Uninitialized);
    for (;;) {
        const qint64 n = in.read(block.data(), block.size());
        if (n < 0)
            return CopyFailure::Source; // the writer, dropped, leaves no trace
        if (n == 0)
            break;
        if (!out.append(QByteArray::fromRawData(block.constData(), n)))
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
            if (pattern.match(entry).hasMatch() && QFile::remove(dir.filePath(entry)))
                ++removed;
        }
    }
    return removed;
}

} // namespace lumivista
