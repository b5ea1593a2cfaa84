#pragma once
#include <QString>

namespace lumivista {

class RecordView;

/** An appointment's date and time as yyyymmddHHMM. Derived, never stored and not
 *  unique; its text order is the chronological order of complete records. */
class AppointmentKey
{
public:
    /** Year, month and day cut from the trimmed dd/mm/yyyy date, then the trimmed
     *  hour and minute. Parts missing from a malformed date simply come out short. */
    static QString of(const QString &data, const QString &oreApp, const QString &minutiApp);
    static QString of(const RecordView &appointment);
};

} // namespace lumivista
