/** How long the day's backup takes for a program folder with 100,000 clients
 *  (578 MiB): copy, sync to disk and check of every file. It runs in the
 *  background after the login; this is the time until it is complete.
 *  Usage: bench_backup [folder]  (a folder on the disk to measure; a temporary one by default) */
#include "ClientArchive.h"
#include "core/Backup.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

using namespace lumivista;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    out << Qt::fixed << qSetRealNumberPrecision(1);
    QTemporaryDir temporary(argc > 1 ? QString::fromLocal8Bit(argv[1]) + QStringLiteral("/bench-XXXXXX")
                                     : QDir::tempPath() + QStringLiteral("/bench-XXXXXX"));
    const QString program = temporary.path();
    ClientArchive::generate(program + QStringLiteral("/Archivio_Clienti.pro"));
    QElapsedTimer timer;
    timer.start();
    const Backup::Outcome outcome = Backup::daily(program, QDateTime(QDate(2026, 12, 10), QTime(9, 0)));
    const double ms = timer.nsecsElapsed() / 1e6;
    out << "Backup of " << ClientArchive::kRecords << " clients: " << ms << " ms"
        << (outcome.problems.isEmpty() ? QString() : QStringLiteral(" (FAILED: %1)").arg(outcome.problems.join("; ")))
        << "\n";
    return outcome.problems.isEmpty() ? 0 : 1;
}
