#pragma once
#include <QString>
#include <optional>

namespace lumivista {

/** Prescription numbers: a start value per kind plus the number of records
 *  already in that kind's archive. */
class Numbering
{
public:
    /** The start value of an "Inizio" text: 1 when empty, nothing when the text
     *  is not an integer (the caller reports an access failure then). */
    static std::optional<qint64> startValue(const QString &text);

    /** The number New proposes. */
    static QString next(qint64 start, qint64 count) { return QString::number(start + count); }

    /** Leaving the start field: empty or not a number becomes "1", anything else
     *  the nearest integer in shortest form (007 -> 7, 00000 -> 0). */
    static QString normaliseStart(const QString &text);

    /** Keys that may reach the start field: Backspace, Delete, Left, Right and digits. */
    static bool keyPasses(int key, const QString &text);
};

} // namespace lumivista
