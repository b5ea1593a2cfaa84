/** How fast the agenda opens over a 100,000-appointment archive (126 MB). The
 *  selection of the imminent appointments is timed on its own against reading the
 *  same file raw in 64 KiB blocks, then the whole agenda window is timed from
 *  show() until it has listed them. Two archives: a shop's usual one, where most
 *  appointments were fulfilled long ago, and the worst case, where every one of
 *  them is still pending and due.
 *  Usage: bench_agenda   (runs offscreen) */
#include "Headless.h"
#include "RawRead.h"
#include "agenda/TfrmAgenda.h"
#include "app/AppContext.h"
#include "core/AppointmentRules.h"
#include "core/ProgramFolder.h"
#include "core/RecordFile.h"
#include "platform/FakeServices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTextStream>

using namespace lumivista;

namespace {

constexpr qint64 kRecords = 100000;
const QDate kToday(2026, 12, 10);

/** pendingEvery: one appointment in that many is still pending (1: all of them). */
void generate(const QString &path, int pendingEvery)
{
    const RecordLayout &layout = RecordLayout::appointments();
    const QStringList names = {QStringLiteral("Rossi Mario"), QStringLiteral("Bianchi Giulia"),
                               QStringLiteral("Esposito Luca"), QStringLiteral("Colombo Chiara"),
                               QStringLiteral("Ricci Niccolò")};
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot create %s", qPrintable(path));
    Record r(layout);
    QByteArray block;
    for (qint64 i = 0; i < kRecords; ++i) {
        // Eight years of appointments, the newest ones still ahead.
        const QDate date = kToday.addDays(-2900 + (i * 3000) / kRecords);
        const QString hour = QStringLiteral("%1").arg(9 + i % 9, 2, 10, QLatin1Char('0'));
        const QString minute = i % 2 ? QStringLiteral("30") : QStringLiteral("00");
        r.setValue(QStringLiteral("Data"), date.toString(QStringLiteral("dd/MM/yyyy")));
        r.setValue(QStringLiteral("OreApp"), hour);
        r.setValue(QStringLiteral("MinutiApp"), minute);
        r.setValue(QStringLiteral("Ora"), hour + QLatin1Char(':') + minute);
        r.setValue(QStringLiteral("Avviso"), QString::number(i % 4));
        r.setValue(QStringLiteral("Causale"), QStringLiteral("Controllo della vista"));
        r.setValue(QStringLiteral("Contatto"), names.at(i % names.size()));
        r.setValue(QStringLiteral("Cel"), QStringLiteral("333%1").arg(1000000 + i));
        r.setValue(QStringLiteral("Importo"), QStringLiteral("25,00"));
        r.setValue(QStringLiteral("Ottemperata"), i % pendingEvery == 0 ? QStringLiteral("No") : QStringLiteral("S\u00EC"));
        block += r.bytes();
        if (block.size() >= 4 * 1024 * 1024 || i + 1 == kRecords) {
            if (file.write(block) != block.size())
                qFatal("cannot write %s", qPrintable(path));
            block.clear();
        }
    }
    if (!file.flush())
        qFatal("cannot write %s", qPrintable(path));
}

double selectionMs(const QString &path, qsizetype *listed)
{
    QElapsedTimer timer;
    timer.start();
    QStringList lines;
    RecordFile file(path, RecordLayout::appointments());
    AppointmentRules::collectImminent(file, kToday, lines);
    file.close();
    AppointmentRules::sortAgenda(lines);
    *listed = lines.size();
    return timer.nsecsElapsed() / 1e6;
}

double showMs(qsizetype *listed)
{
    FakeServices fakes;
    fakes.clock.setToday(kToday);
    AppContext context(fakes.services());
    TfrmAgenda agenda(context);
    QElapsedTimer timer;
    timer.start();
    agenda.show();
    QCoreApplication::processEvents();
    const double ms = timer.nsecsElapsed() / 1e6;
    *listed = agenda.lstRecords->count();
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    Headless::applyWhenNoDisplay();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    out << Qt::fixed << qSetRealNumberPrecision(1);
    QTemporaryDir dir;
    ProgramFolder::setOverride(dir.path());
    const QString path = RecordFile::pathFor(RecordLayout::appointments());

    for (const auto &[title, pendingEvery] : {std::pair{"usual archive (1 in 20 pending)", 20},
                                              std::pair{"worst case (every one pending)", 1}}) {
        generate(path, pendingEvery);
        // Every pass starts from a warm cache, so the comparison is decoding against plain reading.
        readRaw(path);
        QElapsedTimer timer;
        timer.start();
        const quint64 checksum = readRaw(path);
        const double rawMs = timer.nsecsElapsed() / 1e6;
        qsizetype selected = 0;
        const double selectMs = selectionMs(path, &selected);
        qsizetype shown = 0;
        const double windowMs = showMs(&shown);

        out << title << ":\n";
        out << "  raw read in 64 KiB blocks: " << rawMs << " ms (" << QFileInfo(path).size() / (1024 * 1024)
            << " MiB, checksum " << checksum << ")\n";
        out << "  selection: " << selectMs << " ms, " << selected << " imminent of " << kRecords << "\n";
        out << "  ratio selection / raw: " << qSetRealNumberPrecision(2) << (rawMs > 0 ? selectMs / rawMs : 0.0)
            << qSetRealNumberPrecision(1) << "\n";
        out << "  agenda shown in " << windowMs << " ms, " << shown << " lines\n";
        out.flush();
    }
    ProgramFolder::setOverride(QString());
    return 0;
}
