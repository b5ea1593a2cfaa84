#include "QtPrintService.h"
#include "PagedOutput.h"
#include "PrintFailure.h"
#include "PrintJob.h"
#include "ReportPreview.h"
#include <QPrintDialog>
#include <QPrinter>

namespace lumivista {

bool QtPrintService::print(QWidget *parent, const PrintJob &job)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(job.title());
    printer.setPageLayout(job.pageLayout());
    printer.setFromTo(1, job.pageCount());
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Stampa - ") + job.title());
    dialog.setMinMax(1, job.pageCount());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    PagedOutput::paint(printer, job);
    // A printer that gave up on the way is a failed print, never a success.
    if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        throw PrintFailure(QStringLiteral("La stampante ha interrotto la stampa del documento \"%1\".").arg(job.title()));
    return true;
}

void QtPrintService::preview(QWidget *parent, const PrintJob &job)
{
    ReportPreview window(job, m_messages, m_files,
                         [this](QWidget *owner, const PrintJob &pages) { print(owner, pages); }, parent);
    window.exec();
    if (window.failure())
        std::rethrow_exception(window.failure());
}

} // namespace lumivista
