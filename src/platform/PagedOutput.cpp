#include "PagedOutput.h"
#include "PrintFailure.h"
#include "PrintJob.h"
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>
#include <QSaveFile>

namespace lumivista {

void PagedOutput::paint(QPagedPaintDevice &device, const PrintJob &job)
{
    QList<int> all;
    for (int page = 0; page < job.pageCount(); ++page)
        all.append(page);
    paint(device, job, all);
}

void PagedOutput::paint(QPagedPaintDevice &device, const PrintJob &job, const QList<int> &pages)
{
    QPainter painter;
    if (!painter.begin(&device))
        throw PrintFailure(QStringLiteral("La stampante non accetta il documento \"%1\".").arg(job.title()));
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage())
            throw PrintFailure(QStringLiteral("La stampante non accetta la pagina %1.").arg(pages.at(i) + 1));
        painter.save();
        job.paintPage(painter, pages.at(i));
        painter.restore();
    }
    if (!painter.end())
        throw PrintFailure(QStringLiteral("La stampa del documento \"%1\" non è stata completata.").arg(job.title()));
}

void PagedOutput::paint(QPrinter &printer, const PrintJob &job)
{
    const QList<int> pages = selectedPages(printer, job.pageCount());
    if (pages.isEmpty())
        throw PrintFailure(QStringLiteral("Le pagine scelte non fanno parte del documento \"%1\", che ha %2 pagine.")
                               .arg(job.title())
                               .arg(job.pageCount()));
    paint(printer, job, pages);
}

QList<int> PagedOutput::selectedPages(const QPrinter &printer, int pageCount)
{
    QList<int> range;
    const QPageRanges ranges = printer.pageRanges();
    const bool ranged = printer.printRange() == QPrinter::PageRange;
    for (int page = 1; page <= pageCount; ++page) {
        if (!ranged || ranges.isEmpty() || ranges.contains(page))
            range.append(page - 1);
    }
    if (printer.pageOrder() == QPrinter::LastPageFirst)
        std::reverse(range.begin(), range.end());
    // Most printers make the copies themselves; where Qt leaves them to us
    // (PDF output, printers without copy support), the pages repeat.
    const int copies = printer.supportsMultipleCopies() ? 1 : qMax(1, printer.copyCount());
    QList<int> pages;
    if (printer.collateCopies()) {
        for (int copy = 0; copy < copies; ++copy)
            pages += range;
    } else {
        for (int page : std::as_const(range))
            for (int copy = 0; copy < copies; ++copy)
                pages.append(page);
    }
    return pages;
}

void PagedOutput::writePdf(const PrintJob &job, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw PrintFailure(QStringLiteral("Impossibile creare il file %1: %2").arg(path, file.errorString()));
    {
        QPdfWriter writer(&file);
        writer.setResolution(1200);
        writer.setTitle(job.title());
        writer.setCreator(QStringLiteral("Lumivista"));
        writer.setPageLayout(job.pageLayout());
        paint(writer, job);
    }
    if (file.error() != QFileDevice::NoError || !file.commit())
        throw PrintFailure(QStringLiteral("Impossibile scrivere il file %1: %2").arg(path, file.errorString()));
}

} // namespace lumivista
