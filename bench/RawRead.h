#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>

#include <fcntl.h>
#include <unistd.h>

/** Reads the whole file in 64 KiB blocks and returns a checksum, so nothing is
 *  skipped: the yardstick the archive scans are measured against. */
inline quint64 readRaw(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        qFatal("cannot open %s", qPrintable(path));
    QByteArray buffer(64 * 1024, Qt::Uninitialized);
    quint64 sum = 0;
    for (;;) {
        const ssize_t n = ::read(fd, buffer.data(), size_t(buffer.size()));
        if (n <= 0)
            break;
        sum += quint8(buffer.at(0)) + quint64(n);
    }
    ::close(fd);
    return sum;
}
