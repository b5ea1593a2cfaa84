#include "Style.h"
#include <QApplication>
#include <QFile>

namespace lumivista {

void Style::install(QApplication &app)
{
    QFile sheet(QStringLiteral(":/style/lumivista.qss"));
    if (sheet.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(sheet.readAll()));
}

} // namespace lumivista
