#pragma once
#include <QList>
#include <QString>

class QPagedPaintDevice;
class QPrinter;

namespace lumivista {

class PrintJob;

/** Paints every page of a job on a printer or a PDF writer, one routine for both. */
class PagedOutput
{
public:
    /** Throws PrintFailure when the device refuses the painter or a new page. */
    static void paint(QPagedPaintDevice &device, const PrintJob &job);
    /** Paints the pages in that order (0-based; a page may repeat for copies). */
    static void paint(QPagedPaintDevice &device, const PrintJob &job, const QList<int> &pages);
    /** Paints what the print dialog asked for: the page range, the order and,
     *  where the printer leaves them to the program, the copies. */
    static void paint(QPrinter &printer, const PrintJob &job);
    /** The pages, in order, that the printer's settings ask for out of pageCount. */
    static QList<int> selectedPages(const QPrinter &printer, int pageCount);
    /** Writes the job as a vector PDF with real text. The file is replaced only
     *  when the whole document was written; throws PrintFailure otherwise. */
    static void writePdf(const PrintJob &job, const QString &path);
};

} // namespace lumivista
