#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace lumivista {

/** The daily copy of the shop's data: the four archives, the settings and the
 *  credentials, into a folder named after the moment, "AAAA-MM-GG_hhmmss". The
 *  copy is made under a temporary name, checked against its sources by size and
 *  checksum, and only then given its name; old copies are thinned out to the
 *  last 14 days plus the newest of each of the last 12 months. Only folders that
 *  carry this program's mark are ever deleted. */
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

    /** The start-of-day step: unless root already holds a backup made on now's
     *  day, copies the program folder's files into a new folder of root; then
     *  applies the retention to root. Missing files are skipped; with none of
     *  them there, no backup is made. */
    static Outcome run(const QString &programFolder, const QString &root, const QDateTime &now);

    /** run() into "Backup" beside the files, and into the second folder that the
     *  key "Cartella" of section "Backup" of Lumivista.ini names, if any. */
    static Outcome daily(const QString &programFolder, const QDateTime &now);

    /** Of the backup folders named, those the retention removes on today. */
    static QStringList expired(const QStringList &folders, const QDate &today);
};

} // namespace lumivista
