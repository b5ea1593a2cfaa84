#pragma once
#include "core/PosixFileSystem.h"
#include <QHash>
#include <functional>

namespace lumivista {

/** The file system under the faults the tests act out, for as long as it
 *  lives: it installs itself and puts the previous one back when it goes.
 *  Without a fault set it behaves as POSIX. */
class FaultyFileSystem : public PosixFileSystem
{
public:
    FaultyFileSystem();
    ~FaultyFileSystem() override;
    FaultyFileSystem(const FaultyFileSystem &) = delete;
    FaultyFileSystem &operator=(const FaultyFileSystem &) = delete;

    /** The error every lock call fails with, as on a share without locks; 0: locks work. */
    int refuseLocks = 0;
    /** Called before every lock, as another station acting while this one
     *  waits for the lock would (a restore putting a new file in place). */
    std::function<void()> beforeLock;
    /** Writes that would make a file larger than this fail with ENOSPC, as on
     *  a full disk; below zero: no limit. */
    qint64 fileSizeLimit = -1;
    /** The error every rename fails with, as on a share that refuses it; 0: renames work. */
    int refuseRenames = 0;
    /** Called before every rename, as another station slowed down on a share
     *  would act in between. */
    std::function<void(const QByteArray &from, const QByteArray &to)> beforeRename;

    int lock(int fd, int operation) override;
    ssize_t write(int fd, const char *data, size_t size) override;
    ssize_t writeAt(int fd, const char *data, size_t size, off_t position) override;
    int rename(const QByteArray &from, const QByteArray &to) override;

private:
    /** How much of size fits before the limit at position; sets errno when nothing does. */
    ssize_t room(size_t size, off_t position) const;

    FileSystem *m_previous = nullptr;
};

} // namespace lumivista
