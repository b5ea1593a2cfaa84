#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace lumivista {

class ReportTemplate;

/** One document printout: its template, how it is filled, and whether a failure
 *  is met with the two warnings (guarded) or left to the application's general
 *  error handling. */
struct DocumentPrint
{
    QString templateFile; // under the program folder's templates/
    bool guarded = false;
    /** Puts the values into the template, already set to portrait. */
    std::function<void(ReportTemplate &)> fill;
    /** Suggested name of a PDF saved from the preview (report name plus key). */
    QString fileStem;

    /** Fills each named object from the control of the same name under root,
     *  its text trimmed as shown on screen. */
    static void fillSameNames(ReportTemplate &report, const QWidget *root, const QStringList &names);
    /** A sheet's footer: the words, then "dd/mm/yyyy alle ore hh:mm:ss". */
    static QString printedAt(const QString &words, const QDateTime &moment);
    /** The trimmed text a control shows; a tick box shows "Sì" or "No". */
    static QString shown(const QWidget *root, const QString &name);
};

} // namespace lumivista
