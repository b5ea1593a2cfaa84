/** How fast a client's history and the recall list are made over 100,000
 *  clients, eyeglass and contact-lens prescriptions and appointments, each set
 *  against reading raw (64 KiB blocks, warm cache) the archives it scans.
 *  Usage: bench_history [program folder]  (kept when given, reused if already full) */
#include "ClientArchive.h"
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

/** The client the i-th prescription or appointment is for, with the name ClientArchive gave it. */
qint64 clientOf(qint64 i)
{
    return (i * 7919) % ClientArchive::kRecords;
}

QString clientName(qint64 c)
{
    static const QStringList surnames = {"Rossi", "Bianchi", "Esposito", "Colombo", "Ricci", "Marino",
                                         "Greco", "Bruno", "Gallo", "Conti", "De Luca", "Mancini"};
    static const QStringList names = {"Mario", "Giulia", "Luca", "Francesca", "Niccolò", "Chiara",
                                      "Andrea", "Sara", "Pietro"};
    return surnames.at(c % surnames.size()) + QLatin1Char(' ') + names.at(c % names.size()) + QStringLiteral(" %1").arg(c);
}

void generate(const RecordLayout &layout, const std::function<void(Record &, qint64)> &fill)
{
    const QString path = RecordFile::pathFor(layout);
    if (QFileInfo(path).size() >= qint64(layout.size()) * ClientArchive::kRecords)
        return;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot create %s", qPrintable(path));
    QByteArray block;
    for (qint64 i = 0; i < ClientArchive::kRecords; ++i) {
        Record r(layout);
        fill(r, i);
        block += r.bytes();
        if (block.size() >= 1000 * layout.size() || i + 1 == ClientArchive::kRecords) {
            if (file.write(block) != block.size())
                qFatal("cannot write %s", qPrintable(path));
            block.clear();
        }
    }
}

void prescription(Record &r, qint64 i)
{
    const qint64 c = clientOf(i);
    r.setValue(QStringLiteral("NumPre"), QString::number(i + 1));
    r.setValue(QStringLiteral("Data"), QDate(2020, 1, 1).addDays(i % 2500).toString(QStringLiteral("dd/MM/yyyy")));
    r.setValue(QStringLiteral("ClienteRigo01"), clientName(c));
    r.setValue(QStringLiteral("ClienteRigo05"), QStringLiteral("33%1").arg(1000000 + c * 37 % 8999999));
    r.setValue(QStringLiteral("TipoOc"), QStringLiteral("Progressivi"));
    r.setValue(QStringLiteral("Dovuto"), QStringLiteral("%1,50").arg(100 + i % 400));
    r.setValue(QStringLiteral("Totale"), i % 3 ? QStringLiteral("0,00") : QStringLiteral("50,00"));
    r.setValue(QStringLiteral("Saldato"), i % 3 ? QStringLiteral("Sì") : QStringLiteral("No"));
}

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

    const QString clients = RecordFile::pathFor(RecordLayout::clients());
    if (QFileInfo(clients).size() < qint64(RecordLayout::clients().size()) * ClientArchive::kRecords)
        ClientArchive::generate(clients);
    generate(RecordLayout::glasses(), prescription);
    generate(RecordLayout::lenses(), prescription);
    generate(RecordLayout::appointments(), [](Record &r, qint64 i) {
        const qint64 c = clientOf(i);
        r.setValue(QStringLiteral("Data"), QDate(2020, 1, 1).addDays(i % 2600).toString(QStringLiteral("dd/MM/yyyy")));
        r.setValue(QStringLiteral("Ora"), QStringLiteral("10:30"));
        r.setValue(QStringLiteral("Contatto"), clientName(c));
        r.setValue(QStringLiteral("Cel"), QStringLiteral("33%1").arg(1000000 + c * 37 % 8999999));
        r.setValue(QStringLiteral("Causale"), QStringLiteral("Controllo della vista"));
        r.setValue(QStringLiteral("Ottemperata"), i % 2 ? QStringLiteral("Sì") : QStringLiteral("No"));
    });
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
        file.seek(clientOf(1));
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
