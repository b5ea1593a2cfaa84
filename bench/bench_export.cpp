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
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

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

    // The yardstick of the write: the same bytes written raw into the same
    // folder, in 1 MiB blocks, synced to disk as the export is.
    QByteArray bytes;
    {
        QFile written(xls);
        if (written.open(QIODevice::ReadOnly))
            bytes = written.readAll();
    }
    const QByteArray rawPath = QFile::encodeName(dir.filePath(QStringLiteral("raw.bin")));
    timer.start();
    const int fd = ::open(rawPath.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    bool rawOk = fd >= 0;
    for (qsizetype done = 0; rawOk && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(qMin<qsizetype>(1 << 20, bytes.size() - done)));
        rawOk = n > 0;
        done += qMax<ssize_t>(n, 0);
    }
    rawOk = rawOk && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    const double rawWriteMs = timer.nsecsElapsed() / 1e6;
    ::unlink(rawPath.constData());

    out << "Raw read in 64 KiB blocks: " << rawMs << " ms (" << QFileInfo(path).size() / (1024 * 1024) << " MiB)\n";
    out << "Fill: " << fillMs << " ms, " << snapshot.rows().size() << " rows; ratio fill / raw: "
        << qSetRealNumberPrecision(2) << fillMs / rawMs << qSetRealNumberPrecision(1) << "\n";
    out << "Export: " << writeMs << " ms, " << QFileInfo(xls).size() / (1024 * 1024) << " MiB written"
        << (written ? "" : " (FAILED)") << "; ratio fill and export / raw: " << qSetRealNumberPrecision(2)
        << (fillMs + writeMs) / rawMs << qSetRealNumberPrecision(1) << "\n";
    out << "Raw write with fsync of the same bytes: " << rawWriteMs << " ms" << (rawOk ? "" : " (FAILED)")
        << "; ratio export write / raw write: " << qSetRealNumberPrecision(2) << writeMs / rawWriteMs
        << qSetRealNumberPrecision(1) << " (goal: 1.5)\n";
    out << "Peak memory: " << peakMiB() << " MiB (" << before << " MiB before the fill)\n";
    return written ? 0 : 1;
}
