#include "FaultyFileSystem.h"
#include <cerrno>
#include <unistd.h>

namespace lumivista {

FaultyFileSystem::FaultyFileSystem() : m_previous(FileSystem::install(this))
{
}

FaultyFileSystem::~FaultyFileSystem()
{
    FileSystem::install(m_previous);
}

int FaultyFileSystem::lock(int fd, int operation)
{
    if (beforeLock)
        beforeLock();
    if (refuseLocks != 0) {
        errno = refuseLocks;
        return -1;
    }
    return PosixFileSystem::lock(fd, operation);
}

ssize_t FaultyFileSystem::room(size_t size, off_t position) const
{
    if (fileSizeLimit < 0)
        return ssize_t(size);
    const qint64 left = fileSizeLimit - qint64(position);
    if (left <= 0) {
        errno = ENOSPC;
        return -1;
    }
    return ssize_t(qMin<qint64>(qint64(size), left));
}

ssize_t FaultyFileSystem::write(int fd, const char *data, size_t size)
{
    const ssize_t fits = room(size, ::lseek(fd, 0, SEEK_CUR));
    return fits < 0 ? fits : PosixFileSystem::write(fd, data, size_t(fits));
}

ssize_t FaultyFileSystem::writeAt(int fd, const char *data, size_t size, off_t position)
{
    const ssize_t fits = room(size, position);
    return fits < 0 ? fits : PosixFileSystem::writeAt(fd, data, size_t(fits), position);
}

int FaultyFileSystem::rename(const QByteArray &from, const QByteArray &to)
{
    if (beforeRename)
        beforeRename(from, to);
    if (refuseRenames != 0) {
        errno = refuseRenames;
        return -1;
    }
    return PosixFileSystem::rename(from, to);
}

} // namespace lumivista
