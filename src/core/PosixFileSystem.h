#pragma once
#include "FileSystem.h"

namespace lumivista {

/** The file system as POSIX systems (Linux, the BSDs, macOS) offer it. */
class PosixFileSystem : public FileSystem
{
public:
    int open(const QByteArray &path, int flags, mode_t mode = 0) override;
    int close(int fd) override;
    ssize_t read(int fd, char *data, size_t size) override;
    ssize_t write(int fd, const char *data, size_t size) override;
    ssize_t readAt(int fd, char *data, size_t size, off_t position) override;
    ssize_t writeAt(int fd, const char *data, size_t size, off_t position) override;
    int lock(int fd, int operation) override;
    int sync(int fd) override;
    int syncData(int fd) override;
    int fileStatus(int fd, struct stat *status) override;
    int entryStatus(const QByteArray &path, struct stat *status) override;
    int pathStatus(const QByteArray &path, struct stat *status) override;
    int rename(const QByteArray &from, const QByteArray &to) override;
    int link(const QByteArray &existing, const QByteArray &name) override;
    int unlink(const QByteArray &path) override;
    void startWriteback(int fd, off_t position, off_t length) override;
    void adviseSequential(int fd, off_t position) override;
    bool processGone(qint64 pid) override;
    qint64 processId() override;
};

} // namespace lumivista
