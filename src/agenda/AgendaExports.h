#pragma once
#include "archive/ExportMember.h"

namespace lumivista {

/** The agenda's three exports of the appointment archive. */
class AgendaExports
{
public:
    /** Imminent appointments, by date and time (measured against today). */
    static ExportMember imminent();
    /** Every appointment of the calendar's day, fulfilled or not. */
    static ExportMember day();
    /** Every appointment of the calendar's month, fulfilled or not. */
    static ExportMember month();
};

} // namespace lumivista
