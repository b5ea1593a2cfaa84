#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace lumivista {

/** One column of an export: its header in the file and in the grid, its width
 *  in the file, and the record field it shows (AppointmentKey::name() for the
 *  appointment's key). */
struct ExportColumn
{
    ExportColumn(QString h, int w, QString f, QString g = QString())
        : header(std::move(h)), width(w), field(std::move(f)), gridHeader(std::move(g))
    {
    }

    QString header;
    int width = 0;
    QString field;
    QString gridHeader; // the grid's header where it differs from the file's
    QString shownHeader() const { return gridHeader.isEmpty() ? header : gridHeader; }
};

/** The export file that spreadsheet programs open as a one-sheet Excel
 *  workbook: an HTML table with the Office spreadsheet namespaces, every
 *  fragment one after the other with nothing between them, in Windows-1252. */
class XlsWorkbook
{
public:
    /** Everything before the data rows: the framing with the sheet's name and
     *  the bold header row. */
    static QByteArray head(const QString &sheet, const QList<ExportColumn> &columns);
    /** One data row, appended to out, from cells already trimmed and in
     *  Windows-1252: cell(i) gives the i-th. Inline, as a large export makes
     *  millions of cells. */
    template<class Cell> static void appendRow(QByteArray &out, int count, Cell cell)
    {
        static constexpr QByteArrayView rowOpen("<tr>");
        static constexpr QByteArrayView cellOpen("<td style=\"text-align: left;\">");
        static constexpr QByteArrayView cellClose("</td>");
        static constexpr QByteArrayView rowClose("</tr>");
        out.append(rowOpen);
        for (int i = 0; i < count; ++i) {
            out.append(cellOpen);
            appendCell(out, cell(i));
            out.append(cellClose);
        }
        out.append(rowClose);
    }
    static QByteArray tail();

    /** A cell's text as it goes into the file. A "<" would start markup and the
     *  spreadsheet would swallow the text after it, so it becomes "&lt;"; an "&"
     *  becomes "&amp;" only where it would start a character reference ("&#..."
     *  or "&name;"). Every other character stays as typed, "Rossi & figli" too. */
    static QString cellText(const QString &text);
    /** cellText() on Windows-1252 bytes, appended to out. */
    static void appendCell(QByteArray &out, QByteArrayView text);
};

} // namespace lumivista
