#pragma once
#include <QString>

namespace lumivista {

/** The help texts of the export windows: paragraphs joined by an empty line. */
class ExportHelp
{
public:
    /** A whole archive: what the export writes and what to do with the file.
     *  archive names it, e.g. "dei clienti"; file is the workbook's name. */
    static QString archive(const QString &archive, const QString &file);
    /** The agenda's three selections. */
    static QString agenda();
    /** The export of a list window (what: "lo storico del cliente"). */
    static QString list(const QString &what, const QString &file);
};

} // namespace lumivista
