#include "DocumentPrinter.h"
#include "DocumentPrint.h"
#include "platform/ClockService.h"
#include "platform/MessageService.h"
#include "platform/PrintService.h"
#include "platform/Services.h"
#include "report/PreparedReport.h"
#include "report/ReportTemplate.h"
#include <exception>

namespace lumivista {

QString DocumentPrinter::failureText(Mode mode)
{
    return mode == Mode::Preview
        ? QStringLiteral("Attenzione: la visualizzazione dell'anteprima di stampa non è andata a buon fine.")
        : QStringLiteral("Attenzione: la stampa non è andata a buon fine.");
}

bool DocumentPrinter::run(Services &services, QWidget *parent, const DocumentPrint &document, Mode mode)
{
    auto make = [&] {
        ReportTemplate report = ReportTemplate::named(document.templateFile);
        report.setOrientation(QPageLayout::Portrait);
        if (document.fill)
            document.fill(report);
        const PreparedReport pages = report.prepare(services.clock.today(), document.fileStem);
        if (mode == Mode::Preview)
            services.printer.preview(parent, pages);
        else
            services.printer.print(parent, pages);
    };
    if (!document.guarded) {
        make();
        return true;
    }
    try {
        make();
        return true;
    } catch (const std::exception &) {
        services.messages.warning(failureText(mode));
        return false;
    }
}

} // namespace lumivista
