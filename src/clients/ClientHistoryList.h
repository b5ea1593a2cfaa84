#pragma once
#include "archive/ListMember.h"
#include "core/ClientHistory.h"
#include "core/XlsWorkbook.h"

namespace lumivista {

class TfrmClients;

/** "Storico": everything the archives hold for the client on the card, as a
 *  member of the list family. Its rows are records of a layout of our own that
 *  is never stored; each remembers the archive and position it came from, so a
 *  pick opens that record on its card. */
class ClientHistoryList
{
public:
    static const RecordLayout &rowLayout();
    static LineFormat line();
    static QList<ExportColumn> columns();
    /** One row of the list and of the export. */
    static Record row(const HistoryEntry &entry);
    /** The three figures above the list. */
    static QString heading(const ClientHistory::Result &history);
    static QString exportFileName() { return QStringLiteral("Storico_Cliente.xls"); }
    /** The history of the client as card shows it now. */
    static ListMember member(TfrmClients &card);
};

} // namespace lumivista
