#pragma once
#include <QString>

class QWidget;

namespace lumivista {

struct DocumentPrint;
struct Services;

/** Loads, fills, prepares and previews or prints one document. */
class DocumentPrinter
{
public:
    enum class Mode { Preview, Print };

    /** Guarded documents answer any failure with the warning of the mode and
     *  return false; others let the failure (PrintFailure) go to the application's
     *  general error handling. True when it went through or the print dialog was
     *  cancelled. */
    static bool run(Services &services, QWidget *parent, const DocumentPrint &document, Mode mode);
    static QString failureText(Mode mode);
};

} // namespace lumivista
