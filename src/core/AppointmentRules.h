#pragma once
#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace lumivista {

class RecordFile;
class RecordView;

/** What the agenda and the appointment lists read out of an appointment record. */
class AppointmentRules
{
public:
    /** The trimmed Ottemperata is exactly "No"; anything else is not pending. */
    static bool isNotFulfilled(const RecordView &appointment);
    /** The trimmed Ottemperata is exactly "Sì". */
    static bool isFulfilled(const RecordView &appointment);

    /** A dd/mm/yyyy date; nullopt when the text is not a real date. */
    static std::optional<QDate> readDate(const QString &text);
    /** A whole number of days as typed; nullopt when it is not an integer. */
    static std::optional<int> readDays(const QString &text);

    /** Due for a reminder: date minus days of notice on or before today, and not
     *  fulfilled. Whole days only and no lower bound, so a missed appointment stays
     *  listed until it is ticked off. nullopt when the date or the days of notice
     *  cannot be read: the caller skips that record and goes on. */
    static std::optional<bool> isImminent(const RecordView &appointment, const QDate &today);

    /** The agenda's day export: the trimmed date is exactly the day, dd/mm/yyyy. */
    static bool isOnDay(const RecordView &appointment, const QDate &day);
    /** The agenda's month export: characters 4-5 and 7-10 of the trimmed date
     *  (month and year) are those of the day's dd/mm/yyyy. */
    static bool isInMonth(const RecordView &appointment, const QDate &day);

    /** The agenda's fixed-width line: ID, date, time, name, mobile, reason, amount. */
    static QString agendaLine(const RecordView &appointment);

    /** The agenda's selection: appends the line of every imminent appointment from
     *  the file's current index to its end; damaged records are skipped. A read
     *  failure throws ArchiveError and leaves the lines read so far. */
    static void collectImminent(RecordFile &file, const QDate &today, QStringList &lines);
    /** The agenda's order: text order with case ignored, which is date and time order. */
    static void sortAgenda(QStringList &lines);
};

} // namespace lumivista
