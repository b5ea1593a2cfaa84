#include "AgendaExports.h"
#include "archive/ExportHelp.h"
#include "core/ExportColumns.h"

namespace lumivista {

namespace {

ExportMember agendaExport(const char *window, const char *caption, ExportRows rows, const char *file,
                          const char *sheet, ExportColumns::Appointments columns)
{
    ExportMember e;
    e.windowName = QLatin1String(window);
    e.caption = QString::fromUtf8(caption);
    e.layout = &RecordLayout::appointments();
    e.rows = rows;
    e.sortByKey = true;
    e.columns = ExportColumns::appointments(columns);
    e.fileName = QLatin1String(file);
    e.sheetName = QString::fromUtf8(sheet);
    e.helpTitle = QStringLiteral("Visualizzazione appuntamenti");
    e.helpText = ExportHelp::agenda();
    return e;
}

} // namespace

ExportMember AgendaExports::imminent()
{
    return agendaExport("TfrmExpImminenti", " Appuntamenti imminenti", ExportRows::Imminent,
                        "Appuntamenti_Imminenti.xls", "Appuntamenti imminenti", ExportColumns::Appointments::Agenda);
}

ExportMember AgendaExports::day()
{
    return agendaExport("TfrmExpGiornaliere", " Appuntamenti del giorno", ExportRows::Day,
                        "Appuntamenti_Giornalieri.xls", "Appuntamenti del giorno", ExportColumns::Appointments::Agenda);
}

ExportMember AgendaExports::month()
{
    return agendaExport("TfrmExpMensili", " Appuntamenti del mese", ExportRows::Month, "Appuntamenti_Mensili.xls",
                        "Appuntamenti del mese", ExportColumns::Appointments::AgendaMonth);
}

} // namespace lumivista
