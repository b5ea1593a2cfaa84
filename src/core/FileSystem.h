#pragma once
#include <QByteArray>
#include <QtGlobal>

#include <sys/stat.h>
#include <sys/types.h>

namespace lumivista {

/** The operating system's file calls, in one place: opens, reads and writes,
 *  locks, syncs, renames, links and the check whether a process still runs.
 *  Record files, whole files, attachments and backups make every such call
 *  through current(), so a port or a file-system quirk touches one class, and
 *  tests put the calls under faults (a lock refused, a slowed share, a full
 *  disk) by installing one of their own. Calls answer as POSIX does: -1 and
 *  errno on failure; EINTR is retried inside. Paths are encoded file names. */
class FileSystem
{
public:
    virtual ~FileSystem() = default;

    /** The file system in use: the POSIX one unless a test installed another. */
    static FileSystem &current();
    /** Makes fs the one in use (null: back to POSIX); returns the previous one. */
    static FileSystem *install(FileSystem *fs);

    virtual int open(const QByteArray &path, int flags, mode_t mode = 0) = 0;
    virtual int close(int fd) = 0;
    virtual ssize_t read(int fd, char *data, size_t size) = 0;
    virtual ssize_t write(int fd, const char *data, size_t size) = 0;
    virtual ssize_t readAt(int fd, char *data, size_t size, off_t position) = 0;
    virtual ssize_t writeAt(int fd, const char *data, size_t size, off_t position) = 0;
    /** flock(): the archives' lock between stations. */
    virtual int lock(int fd, int operation) = 0;
    /** fsync(): data and metadata on disk. */
    virtual int sync(int fd) = 0;
    /** fdatasync(): the data on disk, enough for a record written in place. */
    virtual int syncData(int fd) = 0;
    virtual int fileStatus(int fd, struct stat *status) = 0;
    /** lstat(): the entry itself, a link not followed. */
    virtual int entryStatus(const QByteArray &path, struct stat *status) = 0;
    /** stat(): what the path leads to, a link followed. */
    virtual int pathStatus(const QByteArray &path, struct stat *status) = 0;
    virtual int rename(const QByteArray &from, const QByteArray &to) = 0;
    virtual int link(const QByteArray &existing, const QByteArray &name) = 0;
    virtual int unlink(const QByteArray &path) = 0;
    /** Starts writing a range just written out to disk without waiting for it,
     *  so a large file's final sync finds little left to do. Only a hint. */
    virtual void startWriteback(int fd, off_t position, off_t length) = 0;
    /** A hint that the file is about to be read from position to the end. */
    virtual void adviseSequential(int fd, off_t position) = 0;
    /** Whether a process of this machine is known to have ended. */
    virtual bool processGone(qint64 pid) = 0;
    virtual qint64 processId() = 0;
};

} // namespace lumivista
