#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

namespace lumivista {

/** Files read and written whole: settings, credentials, exports, documents.
 *  A write either replaces the file completely or leaves the previous one as it
 *  was; a read never blocks and never swallows more than a sane amount. */
class WholeFile
{
public:
    enum class State { Missing, Read, Unreadable };

    struct Contents
    {
        State state = State::Missing;
        QByteArray bytes;
    };

    /** What writing reported: empty error on success. */
    struct Outcome
    {
        QString error;
        bool ok() const { return error.isEmpty(); }
        explicit operator bool() const { return ok(); }
    };

    /** Settings and credentials are a few kilobytes; anything far larger is not ours. */
    static constexpr qint64 DefaultLimit = 1024 * 1024;

    /** Missing only when nothing is at the path. A pipe, a device, a folder, a file
     *  larger than limit or one that cannot be read is Unreadable: opening never
     *  waits for a writer at the other end of a pipe. */
    static Contents read(const QString &path, qint64 limit = DefaultLimit);

    /** Replaces the file through a temporary one beside it: every write, the flush
     *  and the sync to disk are checked before the temporary file takes the final
     *  name, so a full disk or a crash leaves the previous file whole and no
     *  temporary file behind. Refuses a target that exists and is not a regular
     *  file, or that the user may not write even if the folder would allow replacing it. */
    static Outcome write(const QString &path, const QByteArray &bytes);

    /** A whole file written piece by piece (a large export), with the same
     *  guarantees as write(): nothing replaces the old file until commit()
     *  succeeded, and a writer dropped without commit() leaves no trace. */
    class Writer
    {
    public:
        explicit Writer(const QString &path);
        ~Writer();
        Writer(const Writer &) = delete;
        Writer &operator=(const Writer &) = delete;

        /** False once anything failed; later appends are ignored. */
        bool append(const QByteArray &bytes);
        Outcome commit();

    private:
        struct Private;
        Private *d;
    };

    /** Where a copy failed, so the caller can say why in its own words. */
    enum class CopyFailure { None, Source, Target };

    /** Copies source over target with the guarantees of write(): the copy goes
     *  to a temporary file of our own beside target (created new, so no file of
     *  the user's is ever touched), is flushed and synced, and only then takes
     *  target's name in one rename. On failure target is as it was. seen, when
     *  given, is shown every block as it is copied (a backup's checksum). */
    static CopyFailure copy(const QString &source, const QString &target,
                            const std::function<void(QByteArrayView)> &seen = {});

    /** Removes temporary files that a crash in the middle of write() left in folder
     *  for the files named; returns how many were removed. */
    static int removeLeftovers(const QString &folder, const QStringList &names);
};

} // namespace lumivista
