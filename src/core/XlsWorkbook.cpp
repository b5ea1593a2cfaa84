#include "XlsWorkbook.h"
#include <algorithm>
#include "Text.h"

namespace lumivista {

namespace {

QByteArray bytes(const QString &text)
{
    return Text::toCp1252(text);
}

/** True where the "&" at i would be read as the start of a character reference. */
bool startsReference(const QString &text, qsizetype i)
{
    if (i + 1 >= text.size())
        return false;
    if (text.at(i + 1) == QLatin1Char('#'))
        return true;
    qsizetype j = i + 1;
    while (j < text.size() && text.at(j).unicode() < 128 && text.at(j).isLetterOrNumber())
        ++j;
    return j > i + 1 && j < text.size() && text.at(j) == QLatin1Char(';');
}

} // namespace

QString XlsWorkbook::cellText(const QString &text)
{
    if (!text.contains(QLatin1Char('<')) && !text.contains(QLatin1Char('&')))
        return text;
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('<'))
            out += QLatin1String("&lt;");
        else if (c == QLatin1Char('&') && startsReference(text, i))
            out += QLatin1String("&amp;");
        else
            out += c;
    }
    return out;
}

QByteArray XlsWorkbook::head(const QString &sheet, const QList<ExportColumn> &columns)
{
    QByteArray out;
    out += "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\""
           " xmlns=\"http://www.w3.org/TR/REC-html40\">";
    out += "<head>";
    out += "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">";
    out += "<!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>";
    out += "<x:Name>" + bytes(sheet) + "</x:Name>";
    out += "<x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number><x:ActiveRow>3</x:ActiveRow>"
           "</x:Pane></x:Panes><x:ProtectContents>False</x:ProtectContents><x:ProtectObjects>False</x:ProtectObjects>"
           "<x:ProtectScenarios>False</x:ProtectScenarios></x:WorksheetOptions>";
    out += "</x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]--></head><body><table x:str>";
    out += "<tr>";
    for (const ExportColumn &column : columns)
        out += "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(column.width) + '>'
            + bytes(cellText(column.header)) + "</td>";
    out += "</tr>";
    return out;
}

void XlsWorkbook::appendCell(QByteArray &out, QByteArrayView text)
{
    const char *end = text.data() + text.size();
    if (std::find_if(text.data(), end, [](char c) { return c == '<' || c == '&'; }) == end) {
        out.append(text);
        return;
    }
    // '<' and '&' are the same bytes in Windows-1252 as in ASCII, and so are the
    // letters and digits of a reference's name.
    out += Text::toCp1252(cellText(Text::fromCp1252(text.data(), int(text.size()))));
}

QByteArray XlsWorkbook::tail()
{
    return "</table></body></html>";
}

} // namespace lumivista
