#include "PosixFileSystem.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace lumivista {

namespace {

/** Repeats a call that a signal interrupted. */
template<class Call> auto retried(Call call)
{
    decltype(call()) result;
    do {
        result = call();
    } while (result < 0 && errno == EINTR);
    return result;
}

} // namespace

int PosixFileSystem::open(const QByteArray &path, int flags, mode_t mode)
{
    return retried([&] { return ::open(path.constData(), flags | O_CLOEXEC, mode); });
}

int PosixFileSystem::close(int fd)
{
    // A close interrupted by a signal has closed the descriptor all the same.
    return ::close(fd);
}

ssize_t PosixFileSystem::read(int fd, char *data, size_t size)
{
    return retried([&] { return ::read(fd, data, size); });
}

ssize_t PosixFileSystem::write(int fd, const char *data, size_t size)
{
    return retried([&] { return ::write(fd, data, size); });
}

ssize_t PosixFileSystem::readAt(int fd, char *data, size_t size, off_t position)
{
    return retried([&] { return ::pread(fd, data, size, position); });
}

ssize_t PosixFileSystem::writeAt(int fd, const char *data, size_t size, off_t position)
{
    return retried([&] { return ::pwrite(fd, data, size, position); });
}

int PosixFileSystem::lock(int fd, int operation)
{
    return retried([&] { return ::flock(fd, operation); });
}

int PosixFileSystem::sync(int fd)
{
    return retried([&] { return ::fsync(fd); });
}

int PosixFileSystem::syncData(int fd)
{
    return retried([&] { return ::fdatasync(fd); });
}

int PosixFileSystem::fileStatus(int fd, struct stat *status)
{
    return ::fstat(fd, status);
}

int PosixFileSystem::entryStatus(const QByteArray &path, struct stat *status)
{
    return ::lstat(path.constData(), status);
}

int PosixFileSystem::pathStatus(const QByteArray &path, struct stat *status)
{
    return ::stat(path.constData(), status);
}

int PosixFileSystem::rename(const QByteArray &from, const QByteArray &to)
{
    return ::rename(from.constData(), to.constData());
}

int PosixFileSystem::link(const QByteArray &existing, const QByteArray &name)
{
    return ::link(existing.constData(), name.constData());
}

int PosixFileSystem::unlink(const QByteArray &path)
{
    return ::unlink(path.constData());
}

void PosixFileSystem::startWriteback(int fd, off_t position, off_t length)
{
#ifdef SYNC_FILE_RANGE_WRITE
    ::sync_file_range(fd, position, length, SYNC_FILE_RANGE_WRITE);
#else
    Q_UNUSED(fd);
    Q_UNUSED(position);
    Q_UNUSED(length);
#endif
}

void PosixFileSystem::adviseSequential(int fd, off_t position)
{
    ::posix_fadvise(fd, position, 0, POSIX_FADV_SEQUENTIAL);
}

bool PosixFileSystem::processGone(qint64 pid)
{
    return pid > 0 && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

qint64 PosixFileSystem::processId()
{
    return qint64(::getpid());
}

} // namespace lumivista
