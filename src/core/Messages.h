#pragma once
#include "ArchiveError.h"
#include <QString>

namespace lumivista {

/** Texts shown by more than one window. "\n\r" pairs are part of the texts. */
class Messages
{
public:
    static QString accessFailure()
    {
        return QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                              "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                              "installazione del programma.");
    }
    /** Held past the wait by another station: the same first line, then what to do. */
    static QString archiveInUse()
    {
        return QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                              "L'archivio \u00E8 in uso su un'altra postazione: riprovare tra qualche istante.");
    }
    static QString accessFailure(const ArchiveError &error)
    {
        return error.kind() == ArchiveError::Kind::InUse ? archiveInUse() : accessFailure();
    }
    static QString emptyArchive() { return QStringLiteral("L'archivio non contiene nessuna scheda."); }
    static QString recordUpdated()
    {
        return QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
    }
    static QString recordInserted() { return QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio."); }
    static QString duplicated()
    {
        return QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                              "Al termine premere Salva per inserire la scheda in archivio.");
    }
};

} // namespace lumivista
