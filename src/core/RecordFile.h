#pragma once
#include "ArchiveError.h"
#include "Record.h"
#include "RecordView.h"
#include <QString>
#include <functional>
#include <optional>

namespace lumivista {

/** An archive of fixed-size records with no header, opened for one user command.
 *  The constructor opens (creating an empty file if missing) and takes an exclusive
 *  lock, so two PCs sharing the program folder never append at the same place;
 *  the destructor closes. Every failure throws ArchiveError.
 *
 *  The lock is flock(). Where the file system has none (some network shares), a
 *  lock file "<archive>.lck" created exclusively beside the archive takes its
 *  place; it is never written unguarded. A stale lock file is taken over
 *  atomically, and a command removes only the lock file it wrote itself. */
class RecordFile
{
public:
    RecordFile(const QString &path, const RecordLayout &layout);
    ~RecordFile();
    RecordFile(const RecordFile &) = delete;
    RecordFile &operator=(const RecordFile &) = delete;

    /** Whole records only: stray bytes at the end stay invisible. */
    qint64 count() const;
    void seek(qint64 index);          // 0 <= index <= count
    qint64 index() const { return m_index; }
    bool atEnd() const { return m_index >= count(); }
    /** Reads the record at the current index and advances. */
    Record read();
    /** Writes at the current index (index == count appends at count * size, over
     *  any stray bytes), flushes to disk and advances. */
    void write(const Record &record);
    /** Reads from the current index to the end in large blocks, handing each
     *  record to visit without copying it; visit returns false to stop early.
     *  Afterwards the index is just past the last record visited, as after the
     *  same number of read() calls. Search windows, lists and exports use it. */
    void scan(const std::function<bool(qint64 index, const RecordView &record)> &visit);
    /** Explicit close that reports failures; the destructor closes silently. */
    void close();

    /** The record at a 1-based position of the layout's archive in the program
     *  folder, read in a command of its own; nothing when the archive is
     *  shorter. Throws ArchiveError. */
    static std::optional<Record> recordAt(const RecordLayout &layout, qint64 position);
    /** The layout's archive in the program folder, rebuilt on every call. */
    static QString pathFor(const RecordLayout &layout);

    /** The lock file used where flock() is not supported. */
    static QString lockFileFor(const QString &archivePath);
    /** A lock file older than this was left by a station that stopped mid-command. */
    static constexpr int StaleLockSeconds = 120;

    /** Tests shorten the wait for a busy archive; zero restores the default. */
    static void setLockWaitForTests(int milliseconds);

private:
    void lock();
    void lockWithFile(int flockError);
    void release();
    void ensureOpen() const;
    void readAt(qint64 position, char *data, qint64 length);

    QString m_path;
    const RecordLayout &m_layout;
    int m_fd = -1;
    QString m_lockFile; // set while this command holds the fallback lock file
    QByteArray m_lockOwner; // what this command wrote into it
    qint64 m_index = 0;
};

} // namespace lumivista
