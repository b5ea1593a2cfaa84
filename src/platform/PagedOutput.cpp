#include "PagedOutput.h"
#include "PrintFailure.h"
#include "PrintJob.h"
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace lumivista {

void PagedOutput::paint(QPagedPaintDevice &device, const PrintJob &job)
{
    QPainter painter;
    if (!painter.begin(&device))
        throw PrintFailure(QStringLiteral("La stampante non accetta il documento \"%1\".").arg(job.title()));
    for (int page = 0; page < job.pageCount(); ++page) {
        if (page > 0 && !device.newPage())
            throw PrintFailure(QStringLiteral("La stampante non accetta la pagina %1.").arg(page + 1));
        painter.save();
        job.paintPage(painter, page);
        painter.restore();
    }
    if (!painter.end())
        throw PrintFailure(QStringLiteral("La stampa del documento \"%1\" non è stata completata.").arg(job.title()));
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
