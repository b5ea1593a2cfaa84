#pragma once
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace lumivista {

/** The daily copy of the shop's data: the four archives, the settings and the
 *  credentials, into a folder named after the moment, "AAAA-MM-GG_hhmmss". The
 *  copy is made under a temporary name, checked against its sources by size and
 *  checksum, and only then given its name. The mark file inside records every
 *  file's size and checksum, so a backup can be checked at any later time.
 *  Old copies are thinned out to the newest of each of the last 14 days with a
 *  backup (all of today's stay) plus the newest of each of the last 12 months.
 *  Only folders that carry this program's mark are ever deleted. */
class Backup
{
public:
    /** What a backup run did: the folders made, and what went wrong, in words
     *  a shop can act on (empty when all went well). */
    struct Outcome
    {
        QStringList made;
        QStringList problems;
    };

    /** The files copied, in the program folder. */
    static QStringList fileNames();
    /** The file inside every backup folder that says this program made it. */
    static QString markName() { return QStringLiteral("Lumivista-backup.txt"); }
    /** "AAAA-MM-GG_hhmmss" of a moment. */
    static QString folderName(const QDateTime &moment);
    /** The moment a backup folder's name gives; invalid for another name. */
    static QDateTime momentOf(const QString &folder);

    /** When a backup is made: once a day, or whenever the user asks (and at
     *  close, before a restore). */
    enum class When { Daily, Now };
    /** Bytes copied so far and in all; called now and then during a copy. */
    using Progress = std::function<void(qint64 done, qint64 total)>;

    /** Daily: unless root already holds a backup made on now's day, copies the
     *  program folder's files into a new folder of root. Now: always. Then
     *  applies the retention to root. Missing files are skipped; with none of
     *  them there, no backup is made. */
    static Outcome run(const QString &programFolder, const QString &root, const QDateTime &now,
                       When when = When::Daily, const Progress &progress = {});

    /** run() into "Backup" beside the files, and into the second folder that the
     *  key "Cartella" of section "Backup" of Lumivista.ini names, if any. */
    static Outcome daily(const QString &programFolder, const QDateTime &now, When when = When::Daily,
                         const Progress &progress = {});
    /** The second folder as Lumivista.ini names it; empty when there is none. */
    static QString secondFolder(const QString &programFolder);
    /** "Backup" in the program folder. */
    static QString firstFolder(const QString &programFolder);

    /** One backup folder of ours. */
    struct Entry
    {
        QString path;
        QDateTime moment;
        qint64 size = 0; // of its files, the mark not counted
    };
    /** The backups in root, newest first. */
    static QList<Entry> list(const QString &root);

    /** Whether a backup checks out: every file its mark records is there with
     *  that size and checksum. One made before the mark recorded them cannot be
     *  checked. */
    enum class State { Good, Damaged, Unverifiable };
    struct Verdict
    {
        State state = State::Unverifiable;
        QStringList damaged; // files missing or not as recorded
    };
    static Verdict check(const QString &backupFolder, const Progress &progress = {});

    /** Whether a file of the program folder differs from what the newest backup
     *  of today in root holds of it (or there is no backup of today): the
     *  program then backs up again when it closes. */
    static bool changedSinceToday(const QString &programFolder, const QString &root, const QDate &today);

    /** Puts a backup back: checks it, backs the current files up into the
     *  program's own backup folder first (so the restore can be undone), then,
     *  holding every archive's lock, replaces each file the backup holds through
     *  a temporary file and a rename. A file the backup does not hold stays as
     *  it is. Nothing is restored when the check, the backup first or a lock
     *  fails; outcome.made names the backup made first. */
    static Outcome restore(const QString &programFolder, const QString &backupFolder, const QDateTime &now,
                           const Progress &progress = {});

    /** Of the backup folders named, those the retention removes on today. */
    static QStringList expired(const QStringList &folders, const QDate &today);
};

} // namespace lumivista
