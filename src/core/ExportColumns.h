#pragma once
#include "Settings.h"
#include "XlsWorkbook.h"

namespace lumivista {

/** The columns of the archive exports: header, width and field, in export order. */
class ExportColumns
{
public:
    /** The field name that stands for the appointment's derived key. */
    static QString keyField() { return QStringLiteral("AppointmentKey"); }

    static QList<ExportColumn> clients();
    static QList<ExportColumn> prescriptions(PrescriptionKind kind);
    /** The thirteen appointment columns, and the key as the fourteenth for the
     *  agenda's exports. The monthly export writes its third header as
     *  "Ottico asegnato"; its grid still shows "Ottico assegnato". */
    enum class Appointments { Archive, Agenda, AgendaMonth };
    static QList<ExportColumn> appointments(Appointments variant);
};

} // namespace lumivista
