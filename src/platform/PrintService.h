#pragma once

class QWidget;

namespace lumivista {

class PrintJob;

/** The printer and the preview. Both throw PrintFailure when the pages cannot be
 *  made; cancelling the print dialog is not a failure. */
class PrintService
{
public:
    virtual ~PrintService() = default;
    /** Print dialog (printer, copies, pages), then the pages; false when cancelled. */
    virtual bool print(QWidget *parent, const PrintJob &job) = 0;
    /** Modal preview, from which the user may print or save a PDF. */
    virtual void preview(QWidget *parent, const PrintJob &job) = 0;
};

} // namespace lumivista
