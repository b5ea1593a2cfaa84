#include "OffscreenScreen.h"
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace lumivista {

void OffscreenScreen::use(int width, int height)
{
    if (!qgetenv("QT_QPA_PLATFORM").startsWith("offscreen"))
        return;
    // The platform reads its screens from a small JSON file named in its options.
    const QString path = QDir::temp().filePath(QStringLiteral("lumivista-screen-%1x%2.json").arg(width).arg(height));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    file.write(QStringLiteral(R"({"synchronousWindowSystemEvents": false, "windowFrameMargins": true,
        "screens": [{"name": "Schermo", "x": 0, "y": 0, "width": %1, "height": %2,
                     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                   .arg(width)
                   .arg(height)
                   .toUtf8());
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(path));
}

} // namespace lumivista
