/** How fast the clients' export window fills its grid from 100,000 records
 *  (578 MiB) and writes the workbook, each set against reading the archive raw in
 *  64 KiB blocks, with the process's peak memory.
 *  Usage: bench_export [archive path]  (kept when given, reused if already full) */
#include "ClientArchive.h"
#include "RawRead.h"
#include "core/ExportColumns.h"
#include "core/ExportSnapshot.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include <sys/resource.h>

using namespace lumivista;

namespace {
double peakMiB()
{
    rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    out << Qt::fixed << qSetRealNumberPrecision(1);
    QTemporaryDir dir;
    const bool keep = argc > 1;
    const QString path = keep ? QString::fromLocal8Bit(argv[1]) : dir.filePath(QStringLiteral("Archivio_Clienti.pro"));
    if (QFileInfo(path).size() < qint64(RecordLayout::clients().size()) * ClientArchive::kRecords)
        ClientArchive::generate(path);
    const double before = peakMiB();

    readRaw(path); // every pass starts from a warm cache
    QElapsedTimer timer;
    timer.start();
    readRaw(path);
    const double rawMs = timer.nsecsElapsed() / 1e6;

    ExportSnapshot snapshot(RecordLayout::clients(), ExportColumns::clients(), ExportRows::All, false);
    timer.start();
    snapshot.fill(path, QDate());
    const double fillMs = timer.nsecsElapsed() / 1e6;

    const QString xls = dir.filePath(QStringLiteral("Riepilogo_Clienti.xls"));
    timer.start();
    const bool written = snapshot.write(xls, QStringLiteral("Riepilogo Clienti")).ok();
    const double writeMs = timer.nsecsElapsed() / 1e6;

    out << "Raw read in 64 KiB blocks: " << rawMs << " ms (" << QFileInfo(path).size() / (1024 * 1024) << " MiB)\n";
    out << "Fill: " << fillMs << " ms, " << snapshot.rows().size() << " rows; ratio fill / raw: "
        << qSetRealNumberPrecision(2) << fillMs / rawMs << qSetRealNumberPrecision(1) << "\n";
    out << "Export: " << writeMs << " ms, " << QFileInfo(xls).size() / (1024 * 1024) << " MiB written"
        << (written ? "" : " (FAILED)") << "; ratio fill and export / raw: " << qSetRealNumberPrecision(2)
        << (fillMs + writeMs) / rawMs << qSetRealNumberPrecision(1) << "\n";
    out << "Peak memory: " << peakMiB() << " MiB (" << before << " MiB before the fill)\n";
    return written ? 0 : 1;
}
