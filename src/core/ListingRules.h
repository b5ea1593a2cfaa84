#pragma once
#include "RecordView.h"
#include <QDate>

namespace lumivista {

/** Which records a summary list shows. */
class ListingRules
{
public:
    /** A client whose pending issues hold more than blanks. */
    static bool pendingIssue(const RecordView &client);
    /** A prescription whose paid box holds "No". */
    static bool unpaid(const RecordView &prescription);
    /** An appointment dated before today (today does not count) and not
     *  fulfilled. A date that cannot be read leaves that one record out. */
    static bool expired(const RecordView &appointment, const QDate &today);
};

} // namespace lumivista
