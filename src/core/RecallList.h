#pragma once
#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace lumivista {

/** A client due for a check-up: the last visit of any kind is older than the
 *  recall interval of that kind. */
struct RecallEntry
{
    enum class Kind { Glasses, Lenses, Exam };
    qint64 position = 0; // of the client, 1-based
    QString name;
    QString mobile;
    Kind kind = Kind::Glasses;
    QDate lastVisit;
    int months = 0;      // whole months since the last visit
    QDate recalled;      // invalid when never recalled

    static QString kindName(Kind kind);
};

/** The clients to recall, read from the client archive and both prescription
 *  archives in one pass each. Prescriptions are matched to clients by the same
 *  rules as the client's history; a client with no prescription and no exam is
 *  never listed. */
class RecallList
{
public:
    struct Intervals
    {
        int glassesMonths = 24; // also after an exam
        int lensMonths = 12;
    };
    struct Result
    {
        QList<RecallEntry> entries; // sorted by name (A to Z folded), then position
        QStringList failures;       // the messages of archives not read to the end
    };
    static Result due(const QDate &today, const Intervals &intervals, const QHash<qint64, QDate> &recalled);
    /** Recalled within the last 30 days (or on a later day, as a wrong clock may record). */
    static bool recentlyRecalled(const RecallEntry &entry, const QDate &today);
};

} // namespace lumivista
