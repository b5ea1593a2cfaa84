#pragma once
#include "core/ExportSnapshot.h"
#include "core/RecordLayout.h"
#include <functional>

namespace lumivista {

/** One of the export windows, as data: the rest is the one ExportWindow. */
struct ExportMember
{
    QString windowName;   // objectName, e.g. "TfrmExpClients"
    QString caption;
    const RecordLayout *layout = nullptr;
    ExportRows rows = ExportRows::All;
    bool sortByKey = false;
    QList<ExportColumn> columns;
    QString fileName;     // in the program folder, e.g. "Riepilogo_Clienti.xls"
    QString sheetName;
    QString helpTitle;
    QString helpText;
    QString initialHint = QStringLiteral("Esportazione archivio in Microsoft Excel.");

    /** Rows made in memory instead of read from the layout's archive (a client's
     *  history, the recalls): records of layout, in the order to export. */
    std::function<QList<Record>()> records;
    bool isValid() const { return layout != nullptr; }
};

} // namespace lumivista
