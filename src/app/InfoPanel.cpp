#include "InfoPanel.h"

namespace lumivista {

InfoPanel::InfoPanel(const QString &name, const QString &icon, const QString &text, const QColor &tint,
                     QWidget *parent)
    : QLabel(parent)
{
    setObjectName(name);
    setAccessibleName(text);
    setTextFormat(Qt::RichText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setStyleSheet(QStringLiteral("QLabel { background: %1; border: 1px solid %2; border-radius: 8px; padding: 8px; font-size: 10pt; }")
                      .arg(tint.lighter(185).name(), tint.name()));
    setText(QStringLiteral("<table cellspacing='0' cellpadding='4'><tr>"
                           "<td valign='middle'><img src=':/icons/%1.svg' width='48' height='48'></td>"
                           "<td valign='middle'>%2</td></tr></table>")
                .arg(icon, text.toHtmlEscaped()));
}

} // namespace lumivista
