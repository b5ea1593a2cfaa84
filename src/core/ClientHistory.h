#pragma once
#include "ClientMatch.h"
#include "Decimal.h"
#include "Record.h"
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace lumivista {

/** One line of a client's history: a prescription, an appointment or the exam. */
struct HistoryEntry
{
    enum class Kind { Glasses, Lenses, Appointment, Exam };
    Kind kind = Kind::Glasses;
    /** 1-based position in its archive (the client's own for the exam). */
    qint64 position = 0;
    QString date;       // as stored
    QDate day;          // invalid when the date cannot be read
    QString time;       // appointments
    QString number;     // prescriptions
    QString description; // the type of glasses or lens, the reason of the appointment, the ophthalmologist
    QString total;      // prescriptions: as stored
    QString balance;    // prescriptions: as stored
    QString state;      // "Saldata", "Da saldare", "Ottemperato", "Da ottemperare"
    ClientMatch::Rule rule = ClientMatch::Rule::None; // None for the exam, which is the client's own

    static QString kindName(Kind kind);
};

/** Everything the archives hold for one client, newest first, and the three
 *  figures above it. Amounts are summed exactly; an amount that cannot be read
 *  is left out of the figures and counted, never taken as zero in silence. */
class ClientHistory
{
public:
    struct Result
    {
        QList<HistoryEntry> entries;
        Decimal spent;        // totals of the prescriptions issued in the last 12 months
        Decimal open;         // balances of the prescriptions not paid
        QDate lastVisit;      // latest prescription, exam or fulfilled appointment up to today
        int unreadableAmounts = 0;
        /** Why an archive could not be read to the end (the message to show); what was read stays. */
        QStringList failures;
    };

    /** Reads the three archives of the program folder for client. */
    static Result of(const Record &client, const QDate &today);
};

} // namespace lumivista
