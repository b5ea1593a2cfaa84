/** How fast a client's history and the recall list are made over 100,000
 *  clients, eyeglass and contact-lens prescriptions and appointments, each set
 *  against reading raw (64 KiB blocks, warm cache) the archives it scans.
 *  Usage: bench_history [program folder]  (kept when given, reused if already full) */
#include "ShopArchives.h"
#include "RawRead.h"
#include "core/ClientHistory.h"
#include "core/ProgramFolder.h"
#include "core/RecallList.h"
#include "core/RecordFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

using namespace lumivista;

namespace {

template<class F> double timed(F &&f)
{
    QElapsedTimer timer;
    timer.start();
    f();
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    out << Qt::fixed << qSetRealNumberPrecision(1);
    QTemporaryDir dir;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : dir.path();
    QDir().mkpath(folder);
    ProgramFolder::setOverride(folder);

    ShopArchives::generate();
    const QString clients = RecordFile::pathFor(RecordLayout::clients());
    const QString glasses = RecordFile::pathFor(RecordLayout::glasses());
    const QString lenses = RecordFile::pathFor(RecordLayout::lenses());
    const QString appointments = RecordFile::pathFor(RecordLayout::appointments());

    // Every pass starts from a warm cache.
    for (const QString &path : {clients, glasses, lenses, appointments})
        readRaw(path);
    const QDate today(2026, 12, 11);

    // The history of the client that most records name.
    Record client(RecordLayout::clients());
    {
        RecordFile file(clients, RecordLayout::clients());
        file.seek(ShopArchives::clientOf(1));
        client = file.read();
    }
    double bestRaw = 1e18, bestHistory = 1e18;
    qsizetype lines = 0;
    for (int pass = 0; pass < 3; ++pass) {
        bestRaw = qMin(bestRaw, timed([&] {
                           for (const QString &path : {glasses, lenses, appointments})
                               readRaw(path);
                       }));
        bestHistory = qMin(bestHistory, timed([&] { lines = ClientHistory::of(client, today).entries.size(); }));
    }
    out << "history of one client (" << lines << " lines): " << bestHistory << " ms; raw read of its three archives: "
        << bestRaw << " ms; ratio " << qSetRealNumberPrecision(2) << bestHistory / bestRaw << qSetRealNumberPrecision(1)
        << "\n";

    double bestRecallRaw = 1e18, bestRecalls = 1e18;
    qsizetype due = 0;
    for (int pass = 0; pass < 3; ++pass) {
        bestRecallRaw = qMin(bestRecallRaw, timed([&] {
                                 for (const QString &path : {clients, glasses, lenses})
                                     readRaw(path);
                             }));
        bestRecalls = qMin(bestRecalls, timed([&] { due = RecallList::due(today, {24, 12}, {}).entries.size(); }));
    }
    out << "recall list (" << due << " clients due): " << bestRecalls << " ms; raw read of its three archives: "
        << bestRecallRaw << " ms; ratio " << qSetRealNumberPrecision(2) << bestRecalls / bestRecallRaw << "\n";
    return 0;
}
