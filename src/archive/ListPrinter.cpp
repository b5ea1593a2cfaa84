#include "ListPrinter.h"
#include "platform/ClockService.h"
#include "platform/PrintService.h"
#include "platform/Services.h"
#include "report/PreparedReport.h"
#include "report/ReportTemplate.h"

namespace lumivista {

bool ListPrinter::print(Services &services, QWidget *parent, const QString &title, const QStringList &lines)
{
    ReportTemplate report = ReportTemplate::named(QLatin1String(templateFile));
    report.setText(QStringLiteral("txtTitolo"), title);
    report.setLines(QStringLiteral("txtRiepilogo"), lines);
    const PreparedReport pages = report.prepare(services.clock.today(), title);
    return services.printer.print(parent, pages);
}

void ListPrinter::preview(Services &services, QWidget *parent, const QString &title, const QString &heading,
                          const QStringList &lines)
{
    ReportTemplate report = ReportTemplate::named(QLatin1String(headedTemplateFile));
    report.setText(QStringLiteral("txtTitolo"), title);
    report.setText(QStringLiteral("txtCifre"), heading);
    report.setLines(QStringLiteral("txtRiepilogo"), lines);
    services.printer.preview(parent, report.prepare(services.clock.today(), title));
}

} // namespace lumivista
