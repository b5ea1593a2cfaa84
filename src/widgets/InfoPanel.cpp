#include "InfoPanel.h"

namespace lumivista {

InfoPanel::InfoPanel(const QString &name, const QString &icon, const QString &text, const QString &tone,
                     QWidget *parent)
    : QLabel(parent)
{
    setObjectName(name);
    setAccessibleName(text);
    setTextFormat(Qt::RichText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setProperty("tone", tone);
    setText(QStringLiteral("<table cellspacing='0' cellpadding='4'><tr>"
                           "<td valign='middle'><img src=':/icons/%1.svg' width='48' height='48'></td>"
                           "<td valign='middle'>%2</td></tr></table>")
                .arg(icon, text.toHtmlEscaped()));
}

} // namespace lumivista
