#pragma once
#include <QStringList>

class QWidget;

namespace lumivista {

struct Services;

/** The list printout of the agenda, the searches and the summary lists: title,
 *  the lines as the list shows them, and the printing date in the footer. It
 *  has no guard: a failure (PrintFailure) goes to the general error handling. */
class ListPrinter
{
public:
    static constexpr const char *templateFile = "Riepilogo.json";

    /** False when the print dialog was cancelled. */
    static bool print(Services &services, QWidget *parent, const QString &title, const QStringList &lines);
    /** A list with figures under its title (a client's history, the recalls),
     *  shown in the preview, which prints or saves a PDF. */
    static constexpr const char *headedTemplateFile = "RiepilogoCifre.json";
    static void preview(Services &services, QWidget *parent, const QString &title, const QString &heading,
                        const QStringList &lines);
};

} // namespace lumivista
