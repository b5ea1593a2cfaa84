#pragma once
#include <QDate>
#include <QHash>
#include <QString>
#include <optional>

namespace lumivista {

/** "Richiami.ini" beside the archives: the day each client was last recalled
 *  for a check-up, keyed by the client's position in its archive, which never
 *  changes because records are only ever appended. Written whole and safely,
 *  like the settings: a crash or a full disk leaves the previous file. */
class RecallFile
{
public:
    static QString fileName() { return QStringLiteral("Richiami.ini"); }
    static QString path();
    /** Position -> day of the last recall; empty when the file is missing,
     *  nothing when it is there but cannot be read. */
    static std::optional<QHash<qint64, QDate>> read();
    /** Records the recall of the client at position; every other line of the
     *  file stays as it was. False (and the file untouched) when the file
     *  cannot be read back or written. */
    [[nodiscard]] static bool mark(qint64 position, const QDate &day);
};

} // namespace lumivista
