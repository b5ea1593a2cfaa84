#include "RecallFile.h"
#include "DateText.h"
#include "ProgramFolder.h"
#include "WholeFile.h"

namespace lumivista {

namespace {

/** A recall line is some ten bytes; a hundred thousand clients stay far below this. */
constexpr qint64 Limit = 64 * 1024 * 1024;
const char *const Section = "[Richiami]";

/** The position a line "position=dd/mm/yyyy" is about; nothing for other lines. */
std::optional<qint64> positionOf(QByteArrayView line)
{
    const qsizetype equals = line.indexOf('=');
    if (equals <= 0)
        return std::nullopt;
    bool ok = false;
    const qint64 position = line.first(equals).toByteArray().trimmed().toLongLong(&ok);
    return ok && position > 0 ? std::optional<qint64>(position) : std::nullopt;
}

} // namespace

QString RecallFile::path()
{
    return ProgramFolder::file(fileName());
}

std::optional<QHash<qint64, QDate>> RecallFile::read()
{
    const WholeFile::Contents file = WholeFile::read(path(), Limit);
    if (file.state == WholeFile::State::Unreadable)
        return std::nullopt;
    QHash<qint64, QDate> recalled;
    for (const QByteArray &line : file.bytes.split('\n')) {
        const std::optional<qint64> position = positionOf(line);
        if (!position)
            continue;
        if (const auto day = DateText::read(QByteArrayView(line.sliced(line.indexOf('=') + 1).trimmed())))
            recalled.insert(*position, *day);
    }
    return recalled;
}

bool RecallFile::mark(qint64 position, const QDate &day)
{
    const WholeFile::Contents file = WholeFile::read(path(), Limit);
    if (file.state == WholeFile::State::Unreadable)
        return false;
    const QByteArray entry = QByteArray::number(position) + '=' + DateText::write(day).toLatin1() + "\r\n";
    QByteArray bytes = file.bytes;
    if (bytes.isEmpty())
        bytes = QByteArray(Section) + "\r\n";
    // The line of that client is replaced in place; a client recalled for the first time is added at the end.
    qsizetype start = 0;
    bool replaced = false;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        end = end < 0 ? bytes.size() : end + 1;
        if (positionOf(QByteArrayView(bytes).sliced(start, end - start)) == position) {
            bytes.replace(start, end - start, entry);
            replaced = true;
            break;
        }
        start = end;
    }
    if (!replaced) {
        if (!bytes.endsWith('\n'))
            bytes += "\r\n";
        bytes += entry;
    }
    return WholeFile::write(path(), bytes).ok();
}

} // namespace lumivista
