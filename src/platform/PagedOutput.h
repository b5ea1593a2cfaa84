#pragma once
#include <QString>

class QPagedPaintDevice;

namespace lumivista {

class PrintJob;

/** Paints every page of a job on a printer or a PDF writer, one routine for both. */
class PagedOutput
{
public:
    /** Throws PrintFailure when the device refuses the painter or a new page. */
    static void paint(QPagedPaintDevice &device, const PrintJob &job);
    /** Writes the job as a vector PDF with real text. The file is replaced only
     *  when the whole document was written; throws PrintFailure otherwise. */
    static void writePdf(const PrintJob &job, const QString &path);
};

} // namespace lumivista
