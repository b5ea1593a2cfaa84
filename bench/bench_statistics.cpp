/** How fast the statistics window is shown over 100,000 eyeglass and 100,000
 *  contact-lens prescriptions and 100,000 appointments (warm cache): from
 *  creating it to its first paint, set against reading the three archives raw.
 *  Usage: bench_statistics [program folder]  (kept when given, reused if already full) */
#include "Headless.h"
#include "RawRead.h"
#include "ShopArchives.h"
#include "app/AppContext.h"
#include "app/StatisticsWindow.h"
#include "core/ProgramFolder.h"
#include "platform/FakeServices.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

using namespace lumivista;

int main(int argc, char **argv)
{
    Headless::applyWhenNoDisplay();
    QApplication app(argc, argv);
    QTextStream out(stdout);
    out << Qt::fixed << qSetRealNumberPrecision(1);
    QTemporaryDir dir;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : dir.path();
    QDir().mkpath(folder);
    ProgramFolder::setOverride(folder);
    ShopArchives::generate();
    // The window's template, as the program folder holds it.
    const QString templates = QDir(folder).filePath(QStringLiteral("templates"));
    QDir().mkpath(templates);
    QFile::remove(QDir(templates).filePath(QStringLiteral("Statistiche.json")));
    if (!QFile::copy(QStringLiteral(LUMIVISTA_TEMPLATES "/Statistiche.json"), QDir(templates).filePath(QStringLiteral("Statistiche.json"))))
        qFatal("cannot copy the template");

    const QStringList archives = {RecordFile::pathFor(RecordLayout::glasses()), RecordFile::pathFor(RecordLayout::lenses()),
                                  RecordFile::pathFor(RecordLayout::appointments())};
    for (const QString &path : archives)
        readRaw(path);
    FakeServices fakes;
    fakes.clock.setNow(QDateTime(QDate(2026, 12, 11), QTime(9, 0)));
    AppContext context(fakes.services());
    double bestRaw = 1e18, bestShown = 1e18;
    for (int pass = 0; pass < 3; ++pass) {
        QElapsedTimer timer;
        timer.start();
        for (const QString &path : archives)
            readRaw(path);
        bestRaw = qMin(bestRaw, timer.nsecsElapsed() / 1e6);
        timer.start();
        StatisticsWindow window(context);
        window.show();
        window.repaint();
        QCoreApplication::processEvents();
        bestShown = qMin(bestShown, timer.nsecsElapsed() / 1e6);
    }
    out << "statistics window shown: " << bestShown << " ms; raw read of its three archives: " << bestRaw
        << " ms; ratio " << qSetRealNumberPrecision(2) << bestShown / bestRaw << "\n";
    return 0;
}
