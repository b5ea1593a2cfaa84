#include "Backup.h"
#include "FileSystem.h"
#include "IniFile.h"
#include "RecordFile.h"
#include "RecordLayout.h"
#include "WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <optional>
#include <set>

#include <fcntl.h>
#include <sys/stat.h>
#include <zlib.h>

namespace lumivista {

namespace {

constexpr int kDailyKept = 14;
constexpr int kMonthsKept = 12;
const QString kFormat = QStringLiteral("yyyy-MM-dd_HHmmss");

const QRegularExpression &folderPattern()
{
    static const QRegularExpression pattern(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}_\\d{6}$"));
    return pattern;
}

const RecordLayout *archiveLayout(const QString &fileName)
{
    for (const RecordLayout *layout : {&RecordLayout::clients(), &RecordLayout::glasses(), &RecordLayout::lenses(),
                                       &RecordLayout::appointments()}) {
        if (layout->archiveFileName() == fileName)
            return layout;
    }
    return nullptr;
}

struct Copied
{
    qint64 size = 0;
    quint32 crc = 0;
};

/** The size and checksum of a file as it is on disk now. */
std::optional<Copied> measure(const QString &path)
{
    FileSystem &fs = FileSystem::current();
    const int fd = fs.open(QFile::encodeName(path), O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    Copied result;
    QByteArray block(1 << 20, Qt::Uninitialized);
    ssize_t n;
    while ((n = fs.read(fd, block.data(), size_t(block.size()))) > 0) {
        result.crc = quint32(::crc32(result.crc, reinterpret_cast<const Bytef *>(block.constData()), uInt(n)));
        result.size += n;
    }
    fs.close(fd);
    if (n < 0)
        return std::nullopt;
    return result;
}

/** Copies source to target through the durable write every whole file gets;
 *  the source's size and checksum as they were read. */
std::optional<Copied> copyFile(const QString &source, const QString &target)
{
    Copied copied;
    const WholeFile::CopyFailure failure = WholeFile::copy(source, target, [&copied](QByteArrayView block) {
        copied.crc = quint32(::crc32(copied.crc, reinterpret_cast<const Bytef *>(block.data()), uInt(block.size())));
        copied.size += block.size();
    });
    if (failure != WholeFile::CopyFailure::None)
        return std::nullopt;
    return copied;
}

/** Copies one file of the program folder; an archive under the lock the cards
 *  take, so the copy never catches half a record. */
bool backUpFile(const QString &source, const QString &target)
{
    std::optional<Copied> copied;
    if (const RecordLayout *layout = archiveLayout(QFileInfo(source).fileName())) {
        try {
            RecordFile lock(source, *layout);
            copied = copyFile(source, target);
            lock.close();
        } catch (const ArchiveError &) {
            return false;
        }
    } else {
        copied = copyFile(source, target);
    }
    if (!copied)
        return false;
    const std::optional<Copied> check = measure(target);
    return check && check->size == copied->size && check->crc == copied->crc;
}

const QRegularExpression &partialPattern()
{
    static const QRegularExpression pattern(QStringLiteral("^\\.(\\d{4}-\\d{2}-\\d{2}_\\d{6})\\.partial$"));
    return pattern;
}

/** A real folder, not a link to one: only such folders are ever emptied, so a
 *  link with a backup's name can never lead the clean-up elsewhere. */
bool isRealFolder(const QString &path)
{
    struct stat st {};
    return FileSystem::current().entryStatus(QFile::encodeName(path), &st) == 0 && S_ISDIR(st.st_mode);
}

bool isRealFile(const QString &path)
{
    struct stat st {};
    return FileSystem::current().entryStatus(QFile::encodeName(path), &st) == 0 && S_ISREG(st.st_mode);
}

bool isOurs(const QDir &root, const QString &name)
{
    return folderPattern().match(name).hasMatch() && isRealFolder(root.filePath(name))
           && isRealFile(root.filePath(name + '/' + Backup::markName()));
}

/** Removes a folder of ours and what it holds, never following a link. */
void removeOurs(const QString &path)
{
    if (isRealFolder(path))
        QDir(path).removeRecursively(); // removes links inside as links
}

/** Removes the temporary folders of runs cut short. One begun within the last
 *  hour may belong to another station's run going on now, and is left to it. */
void removeStalePartials(const QDir &root, const QDateTime &now)
{
    for (const QString &name : root.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks)) {
        const QRegularExpressionMatch match = partialPattern().match(name);
        if (!match.hasMatch())
            continue;
        const QDateTime begun = QDateTime::fromString(match.captured(1), kFormat);
        if (!begun.isValid() || begun.secsTo(now) > 3600 || begun > now.addSecs(3600))
            removeOurs(root.filePath(name));
    }
}

} // namespace

QStringList Backup::fileNames()
{
    return {RecordLayout::clients().archiveFileName(), RecordLayout::glasses().archiveFileName(),
            RecordLayout::lenses().archiveFileName(), RecordLayout::appointments().archiveFileName(),
            QStringLiteral("Lumivista.ini"), QStringLiteral("unins000.dll")};
}

QString Backup::folderName(const QDateTime &moment)
{
    return moment.toString(kFormat);
}

QStringList Backup::expired(const QStringList &folders, const QDate &today)
{
    QStringList newest = folders;
    std::sort(newest.begin(), newest.end(), std::greater<>());
    std::set<QString> kept;
    for (int i = 0; i < newest.size() && i < kDailyKept; ++i)
        kept.insert(newest.at(i));
    // The newest backup of each of the last twelve months, this one included.
    for (int m = 0; m < kMonthsKept; ++m) {
        const QString month = today.addMonths(-m).toString(QStringLiteral("yyyy-MM"));
        const auto it = std::find_if(newest.cbegin(), newest.cend(),
                                     [&month](const QString &name) { return name.startsWith(month); });
        if (it != newest.cend())
            kept.insert(*it);
    }
    QStringList gone;
    for (const QString &name : folders) {
        if (!kept.count(name))
            gone << name;
    }
    return gone;
}

Backup::Outcome Backup::run(const QString &programFolder, const QString &root, const QDateTime &now)
{
    Outcome outcome;
    const QDir program(programFolder);
    QStringList present;
    for (const QString &name : fileNames()) {
        if (QFileInfo(program.filePath(name)).isFile())
            present << name;
    }
    if (present.isEmpty())
        return outcome;
    if (!QDir().mkpath(root)) {
        outcome.problems << QStringLiteral("la cartella %1 non si può creare").arg(QDir::toNativeSeparators(root));
        return outcome;
    }
    const QDir backups(root);
    QStringList ours;
    removeStalePartials(backups, now);
    for (const QString &name : backups.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks)) {
        if (isOurs(backups, name))
            ours << name;
    }
    const QString day = now.date().toString(QStringLiteral("yyyy-MM-dd"));
    const bool madeToday = std::any_of(ours.cbegin(), ours.cend(), [&day](const QString &n) { return n.startsWith(day); });
    if (!madeToday) {
        const QString name = folderName(now);
        const QString partial = backups.filePath(QLatin1Char('.') + name + QStringLiteral(".partial"));
        removeOurs(partial); // left by a run of this same second that was cut short
        bool ok = QDir().mkpath(partial);
        QStringList failed;
        for (const QString &file : std::as_const(present)) {
            if (ok && !backUpFile(program.filePath(file), QDir(partial).filePath(file)))
                failed << file;
        }
        ok = ok && failed.isEmpty()
            && WholeFile::write(QDir(partial).filePath(markName()),
                                "Copia di sicurezza di Lumivista del " + now.toString(Qt::ISODate).toUtf8() + "\n")
                   .ok()
            && QDir().rename(partial, backups.filePath(name));
        if (ok) {
            outcome.made << backups.filePath(name);
            ours << name;
        } else {
            removeOurs(partial);
            outcome.problems << (failed.isEmpty()
                                     ? QStringLiteral("la copia in %1 non è stata completata")
                                           .arg(QDir::toNativeSeparators(root))
                                     : QStringLiteral("in %1 non si sono potuti copiare: %2")
                                           .arg(QDir::toNativeSeparators(root), failed.join(QStringLiteral(", "))));
        }
    }
    for (const QString &name : expired(ours, now.date()))
        removeOurs(backups.filePath(name));
    return outcome;
}

Backup::Outcome Backup::daily(const QString &programFolder, const QDateTime &now)
{
    Outcome outcome = run(programFolder, QDir(programFolder).filePath(QStringLiteral("Backup")), now);
    const QString second = IniFile::read(QDir(programFolder).filePath(QStringLiteral("Lumivista.ini")),
                                         QStringLiteral("Backup"), QStringLiteral("Cartella"));
    if (second.isEmpty())
        return outcome;
    if (!QFileInfo(second).isDir()) {
        outcome.problems << QStringLiteral("la seconda cartella %1 non è raggiungibile")
                                .arg(QDir::toNativeSeparators(second));
        return outcome;
    }
    const Outcome copy = run(programFolder, second, now);
    outcome.made << copy.made;
    outcome.problems << copy.problems;
    return outcome;
}

} // namespace lumivista
