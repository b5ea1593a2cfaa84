#include "Backup.h"
#include "FileSystem.h"
#include "ArchiveError.h"
#include "IniFile.h"
#include "RecordFile.h"
#include "RecordLayout.h"
#include "WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <memory>
#include <vector>
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
    for (const RecordLayout *layout : RecordLayout::archives()) {
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
std::optional<Copied> copyFile(const QString &source, const QString &target, const std::function<void(qint64)> &copied)
{
    Copied result;
    const WholeFile::CopyFailure failure = WholeFile::copy(source, target, [&](QByteArrayView block) {
        result.crc = quint32(::crc32(result.crc, reinterpret_cast<const Bytef *>(block.data()), uInt(block.size())));
        result.size += block.size();
        if (copied)
            copied(block.size());
    });
    if (failure != WholeFile::CopyFailure::None)
        return std::nullopt;
    return result;
}

/** Copies one file of the program folder; an archive under the lock the cards
 *  take, so the copy never catches half a record. The copy is read back and
 *  must match what was read. */
std::optional<Copied> backUpFile(const QString &source, const QString &target, const std::function<void(qint64)> &copied,
                                 bool locksHeld)
{
    std::optional<Copied> result;
    const RecordLayout *layout = archiveLayout(QFileInfo(source).fileName());
    if (layout && !locksHeld) {
        try {
            RecordFile lock(source, *layout);
            result = copyFile(source, target, copied);
            lock.close();
        } catch (const ArchiveError &) {
            return std::nullopt;
        }
    } else {
        result = copyFile(source, target, copied);
    }
    if (!result)
        return std::nullopt;
    const std::optional<Copied> check = measure(target);
    if (!check || check->size != result->size || check->crc != result->crc)
        return std::nullopt;
    return result;
}

/** The mark's lines after the first: "name<TAB>size<TAB>checksum" of every file. */
QByteArray manifestLine(const QString &name, const Copied &copied)
{
    return name.toUtf8() + '\t' + QByteArray::number(copied.size) + '\t'
        + QByteArray::number(copied.crc, 16).rightJustified(8, '0') + '\n';
}

/** What a backup's mark records; empty for a mark written before it recorded files. */
QList<std::pair<QString, Copied>> manifestOf(const QString &folder)
{
    QList<std::pair<QString, Copied>> files;
    const WholeFile::Contents mark = WholeFile::read(QDir(folder).filePath(Backup::markName()));
    const QList<QByteArray> lines = mark.bytes.split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> parts = lines.at(i).trimmed().split('\t');
        if (parts.size() != 3)
            continue;
        bool sizeOk = false;
        bool crcOk = false;
        const Copied copied{parts.at(1).toLongLong(&sizeOk), quint32(parts.at(2).toUInt(&crcOk, 16))};
        const QString name = QString::fromUtf8(parts.at(0));
        // Only the files a backup copies, never a path that leads elsewhere.
        if (sizeOk && crcOk && Backup::fileNames().contains(name))
            files.append({name, copied});
    }
    return files;
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
    QStringList names;
    for (const RecordLayout *layout : RecordLayout::archives())
        names << layout->archiveFileName();
    return names << QStringLiteral("Lumivista.ini") << QStringLiteral("unins000.dll");
}

QString Backup::folderName(const QDateTime &moment)
{
    return moment.toString(kFormat);
}

QDateTime Backup::momentOf(const QString &folder)
{
    return QDateTime::fromString(QFileInfo(folder).fileName(), kFormat);
}

QStringList Backup::expired(const QStringList &folders, const QDate &today)
{
    QStringList newest = folders;
    std::sort(newest.begin(), newest.end(), std::greater<>());
    std::set<QString> kept;
    // All of today's (one may be the way back from a restore), then the newest
    // of each of the last 14 days that have one.
    const QString todayName = today.toString(QStringLiteral("yyyy-MM-dd"));
    std::set<QString> days;
    for (const QString &name : std::as_const(newest)) {
        const QString day = name.left(10);
        if (day == todayName) {
            kept.insert(name);
            days.insert(day);
        } else if (!days.count(day) && int(days.size()) < kDailyKept) {
            kept.insert(name);
            days.insert(day);
        }
    }
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

namespace {

/** run(), and the backup made before a restore, which must not thin out the
 *  folder (the retention could take away the very backup being restored) and
 *  runs under the archives' locks the restore already holds. */
Backup::Outcome runInto(const QString &programFolder, const QString &root, const QDateTime &now, Backup::When when,
                        const Backup::Progress &progress, bool thin, bool locksHeld = false)
{
    Backup::Outcome outcome;
    const QDir program(programFolder);
    QStringList present;
    qint64 total = 0;
    for (const QString &name : Backup::fileNames()) {
        const QFileInfo info(program.filePath(name));
        if (info.isFile()) {
            present << name;
            total += info.size();
        }
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
    if (!madeToday || when == Backup::When::Now) {
        // Two backups in one second take the next free second.
        QDateTime moment = now;
        while (QFileInfo::exists(backups.filePath(Backup::folderName(moment))) && moment < now.addSecs(120))
            moment = moment.addSecs(1);
        const QString name = Backup::folderName(moment);
        const QString partial = backups.filePath(QLatin1Char('.') + name + QStringLiteral(".partial"));
        removeOurs(partial); // left by a run of this same second that was cut short
        bool ok = QDir().mkpath(partial);
        QStringList failed;
        QByteArray mark = "Copia di sicurezza di Lumivista del " + moment.toString(Qt::ISODate).toUtf8() + "\n";
        qint64 done = 0;
        const auto copied = [&](qint64 bytes) {
            done += bytes;
            if (progress)
                progress(done, total);
        };
        for (const QString &file : std::as_const(present)) {
            if (!ok)
                break;
            if (const auto copy = backUpFile(program.filePath(file), QDir(partial).filePath(file), copied, locksHeld))
                mark += manifestLine(file, *copy);
            else
                failed << file;
        }
        ok = ok && failed.isEmpty() && WholeFile::write(QDir(partial).filePath(Backup::markName()), mark).ok()
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
    if (thin) {
        for (const QString &name : Backup::expired(ours, now.date()))
            removeOurs(backups.filePath(name));
    }
    return outcome;
}

} // namespace

Backup::Outcome Backup::run(const QString &programFolder, const QString &root, const QDateTime &now, When when,
                            const Progress &progress)
{
    return runInto(programFolder, root, now, when, progress, true);
}

QString Backup::firstFolder(const QString &programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("Backup"));
}

QString Backup::secondFolder(const QString &programFolder)
{
    return IniFile::read(QDir(programFolder).filePath(QStringLiteral("Lumivista.ini")), QStringLiteral("Backup"),
                         QStringLiteral("Cartella"))
        .trimmed();
}

QList<Backup::Entry> Backup::list(const QString &root)
{
    QList<Entry> entries;
    const QDir backups(root);
    if (root.isEmpty() || !backups.exists())
        return entries;
    for (const QString &name : backups.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks)) {
        if (!isOurs(backups, name))
            continue;
        Entry e;
        e.path = backups.filePath(name);
        e.moment = momentOf(e.path);
        for (const QFileInfo &file : QDir(e.path).entryInfoList(QDir::Files)) {
            if (file.fileName() != markName())
                e.size += file.size();
        }
        entries.append(e);
    }
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) { return a.moment > b.moment; });
    return entries;
}

Backup::Verdict Backup::check(const QString &backupFolder, const Progress &progress)
{
    Verdict verdict;
    const QList<std::pair<QString, Copied>> files = manifestOf(backupFolder);
    if (files.isEmpty())
        return verdict;
    qint64 total = 0;
    for (const auto &file : files)
        total += file.second.size;
    qint64 done = 0;
    for (const auto &[name, recorded] : files) {
        const std::optional<Copied> now = measure(QDir(backupFolder).filePath(name));
        if (!now || now->size != recorded.size || now->crc != recorded.crc)
            verdict.damaged << name;
        done += recorded.size;
        if (progress)
            progress(done, total);
    }
    verdict.state = verdict.damaged.isEmpty() ? State::Good : State::Damaged;
    return verdict;
}

bool Backup::changedSinceToday(const QString &programFolder, const QString &root, const QDate &today)
{
    const QString day = today.toString(QStringLiteral("yyyy-MM-dd"));
    const QList<Entry> entries = list(root);
    const auto newest = std::find_if(entries.cbegin(), entries.cend(),
                                     [&day](const Entry &e) { return QFileInfo(e.path).fileName().startsWith(day); });
    const QDir program(programFolder);
    const bool anyFile = std::any_of(fileNames().cbegin(), fileNames().cend(),
                                     [&program](const QString &name) { return QFileInfo(program.filePath(name)).isFile(); });
    if (newest == entries.cend())
        return anyFile;
    const QList<std::pair<QString, Copied>> files = manifestOf(newest->path);
    if (files.isEmpty())
        return anyFile;
    for (const QString &name : fileNames()) {
        const auto recorded = std::find_if(files.cbegin(), files.cend(), [&name](const auto &f) { return f.first == name; });
        const std::optional<Copied> now = measure(program.filePath(name));
        if (recorded == files.cend()) {
            if (now)
                return true; // a file that appeared since
            continue;
        }
        if (!now || now->size != recorded->second.size || now->crc != recorded->second.crc)
            return true;
    }
    return false;
}

Backup::Outcome Backup::restore(const QString &programFolder, const QString &backupFolder, const QDateTime &now,
                                const Progress &progress)
{
    Outcome outcome;
    const Verdict verdict = check(backupFolder);
    if (verdict.state == State::Unverifiable) {
        outcome.problems << QStringLiteral("la copia non registra le dimensioni e i controlli dei suoi file, perciò "
                                           "non si può verificare: nessun file è stato ripristinato");
        return outcome;
    }
    if (verdict.state == State::Damaged) {
        outcome.problems << QStringLiteral("la copia è danneggiata (%1): nessun file è stato ripristinato")
                                .arg(verdict.damaged.join(QStringLiteral(", ")));
        return outcome;
    }
    const QList<std::pair<QString, Copied>> files = manifestOf(backupFolder);
    const QDir program(programFolder);
    // Every archive's lock, held from the backup of the current files until all
    // is in place: no station writes in between or reads half a restore.
    std::vector<std::unique_ptr<RecordFile>> locks;
    try {
        for (const RecordLayout *layout : RecordLayout::archives()) {
            const QString path = program.filePath(layout->archiveFileName());
            const bool restored = std::any_of(files.cbegin(), files.cend(),
                                              [layout](const auto &f) { return f.first == layout->archiveFileName(); });
            if (restored || QFileInfo(path).isFile())
                locks.push_back(std::make_unique<RecordFile>(path, *layout));
        }
    } catch (const ArchiveError &error) {
        outcome.problems << (error.kind() == ArchiveError::Kind::InUse
                                 ? QStringLiteral("un archivio è in uso su un'altra postazione: nessun file è stato "
                                                  "ripristinato; riprovare tra qualche istante")
                                 : QStringLiteral("un archivio non è accessibile: nessun file è stato ripristinato"));
        return outcome;
    }
    // The current files first, so that the restore can be undone.
    const Outcome before = runInto(programFolder, firstFolder(programFolder), now, When::Now, {}, false, true);
    if (!before.problems.isEmpty()) {
        outcome.problems << QStringLiteral("non è stato possibile fare prima la copia dei dati attuali (%1): nessun "
                                           "file è stato ripristinato")
                                .arg(before.problems.join(QStringLiteral("; ")));
        return outcome;
    }
    outcome.made = before.made;

    qint64 total = 0;
    for (const auto &file : files)
        total += file.second.size;
    qint64 done = 0;
    QStringList restored;
    for (const auto &[name, recorded] : files) {
        const QString target = program.filePath(name);
        const WholeFile::CopyFailure failure = WholeFile::copy(QDir(backupFolder).filePath(name), target,
                                                               [&](QByteArrayView block) {
            done += block.size();
            if (progress)
                progress(done, total);
        });
        const std::optional<Copied> now = failure == WholeFile::CopyFailure::None ? measure(target) : std::nullopt;
        if (!now || now->size != recorded.size || now->crc != recorded.crc) {
            outcome.problems << (restored.isEmpty()
                                     ? QStringLiteral("il file %1 non si è potuto ripristinare: nessun file è stato "
                                                      "ripristinato")
                                           .arg(name)
                                     : QStringLiteral("il file %1 non si è potuto ripristinare; sono già stati "
                                                      "ripristinati: %2")
                                           .arg(name, restored.join(QStringLiteral(", "))));
            break;
        }
        restored << name;
    }
    for (const std::unique_ptr<RecordFile> &lock : locks) {
        try {
            lock->close();
        } catch (const ArchiveError &) {
            // The file is in place already; closing the old descriptor cannot undo that.
        }
    }
    return outcome;
}

Backup::Outcome Backup::daily(const QString &programFolder, const QDateTime &now, When when, const Progress &progress)
{
    Outcome outcome = run(programFolder, firstFolder(programFolder), now, when, progress);
    const QString second = secondFolder(programFolder);
    if (second.isEmpty())
        return outcome;
    if (!QFileInfo(second).isDir()) {
        outcome.problems << QStringLiteral("la seconda cartella %1 non è raggiungibile")
                                .arg(QDir::toNativeSeparators(second));
        return outcome;
    }
    const Outcome copy = run(programFolder, second, now, when, progress);
    outcome.made << copy.made;
    outcome.problems << copy.problems;
    return outcome;
}

} // namespace lumivista
