/** How fast a search window can walk the client archive: a 100,000-record archive
 *  is scanned with the fields a client search shows and filters on, and the time
 *  is set against reading the same file raw.
 *  Usage: bench_client_scan [archive path]  (kept when given, reused if already full) */
#include "RawRead.h"
#include "core/RecordFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>


using namespace lumivista;

namespace {

constexpr qint64 kRecords = 100000;

void generate(const QString &path)
{
    const RecordLayout &layout = RecordLayout::clients();
    const QStringList surnames = {QStringLiteral("Rossi"), QStringLiteral("Bianchi"), QStringLiteral("Esposito"),
                                  QStringLiteral("Colombo"), QStringLiteral("Ricci"), QStringLiteral("Marino"),
                                  QStringLiteral("Greco"), QStringLiteral("Bruno"), QStringLiteral("Gallo"),
                                  QStringLiteral("Conti"), QStringLiteral("De Luca"), QStringLiteral("Mancini")};
    const QStringList names = {QStringLiteral("Mario"), QStringLiteral("Giulia"), QStringLiteral("Luca"),
                               QStringLiteral("Francesca"), QStringLiteral("Niccolò"), QStringLiteral("Chiara"),
                               QStringLiteral("Andrea"), QStringLiteral("Sara"), QStringLiteral("Pietro")};
    const QStringList cities = {QStringLiteral("Roma"), QStringLiteral("Milano"), QStringLiteral("Napoli"),
                                QStringLiteral("Torino"), QStringLiteral("Forlì"), QStringLiteral("Cesena"),
                                QStringLiteral("Bologna"), QStringLiteral("Rimini"), QStringLiteral("Ravenna")};
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot create %s", qPrintable(path));
    Record r(layout);
    QByteArray block;
    block.reserve(1000 * layout.size());
    for (qint64 i = 0; i < kRecords; ++i) {
        r.setValue(QStringLiteral("Name"), surnames.at(i % surnames.size()) + QLatin1Char(' ') + names.at(i % names.size())
                                               + QStringLiteral(" %1").arg(i));
        r.setValue(QStringLiteral("Street"), QStringLiteral("Via Garibaldi %1").arg(i % 200));
        r.setValue(QStringLiteral("City"), cities.at((i / 7) % cities.size()));
        r.setValue(QStringLiteral("MobilePhone"), QStringLiteral("33%1").arg(1000000 + i * 37 % 8999999));
        r.setValue(QStringLiteral("Dentist"), QStringLiteral("Dott. ") + surnames.at((i / 3) % surnames.size()));
        r.setValue(QStringLiteral("Notes"), i % 5 ? QString() : QStringLiteral("Preferisce essere contattato la mattina"));
        r.setValue(QStringLiteral("Pathologies"), QStringLiteral("Presbiopia"));
        r.setValue(QStringLiteral("Issues"), i % 11 ? QString() : QStringLiteral("Saldo da versare"));
        block += r.bytes();
        if (block.size() >= 1000 * layout.size() || i + 1 == kRecords) {
            if (file.write(block) != block.size())
                qFatal("cannot write %s", qPrintable(path));
            block.clear();
        }
    }
    if (!file.flush())
        qFatal("cannot write %s", qPrintable(path));
}

struct ScanResult
{
    qint64 records = 0;
    qint64 matches = 0;
    qint64 characters = 0;
};

/** What the client search does per record: decode the listed and the filtered
 *  fields, filter, and build the list line of a match. */
ScanResult scan(const QString &path, const QString &cityFilter)
{
    const RecordLayout &layout = RecordLayout::clients();
    const int name = layout.indexOf(QStringLiteral("Name"));
    const int mobile = layout.indexOf(QStringLiteral("MobilePhone"));
    const int dentist = layout.indexOf(QStringLiteral("Dentist"));
    const int notes = layout.indexOf(QStringLiteral("Notes"));
    const int city = layout.indexOf(QStringLiteral("City"));
    ScanResult result;
    RecordFile file(path, layout);
    file.scan([&](qint64, const RecordView &r) {
        ++result.records;
        const QString nameValue = r.value(name);
        const QString mobileValue = r.value(mobile);
        const QString dentistValue = r.value(dentist);
        const QString notesValue = r.value(notes);
        if (r.value(city).contains(cityFilter, Qt::CaseInsensitive)) {
            ++result.matches;
            QString line;
            line.reserve(nameValue.size() + mobileValue.size() + dentistValue.size() + notesValue.size() + 3);
            line.append(nameValue).append(QLatin1Char(' ')).append(mobileValue).append(QLatin1Char(' '))
                .append(dentistValue).append(QLatin1Char(' ')).append(notesValue);
            result.characters += line.size();
        }
        return true;
    });
    file.close();
    return result;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    const bool keep = argc > 1;
    const QString path = keep ? QString::fromLocal8Bit(argv[1]) : dir.filePath(QStringLiteral("Archivio_Clienti.pro"));
    const qint64 size = qint64(RecordLayout::clients().size()) * kRecords;

    QElapsedTimer timer;
    if (QFile(path).size() >= size) {
        out << "Reusing " << path << Qt::endl;
    } else {
        timer.start();
        generate(path);
        out << "Generated " << kRecords << " client records (" << size / (1024 * 1024) << " MiB) in "
            << timer.elapsed() << " ms: " << path << Qt::endl;
    }

    // Both passes start from a warm cache, so the comparison is decoding against plain reading.
    readRaw(path);

    timer.start();
    const ScanResult result = scan(path, QStringLiteral("forl"));
    const double scanMs = timer.nsecsElapsed() / 1e6;

    timer.start();
    const quint64 checksum = readRaw(path);
    const double rawMs = timer.nsecsElapsed() / 1e6;

    out << "Scan (Name, MobilePhone, Dentist, Notes, City contains \"forl\"): " << Qt::fixed << qSetRealNumberPrecision(1)
        << scanMs << " ms, " << result.records << " records, " << result.matches << " matches" << Qt::endl;
    out << "Raw read in 64 KiB blocks: " << rawMs << " ms (checksum " << checksum << ")" << Qt::endl;
    out << "Ratio scan / raw: " << qSetRealNumberPrecision(2) << (rawMs > 0 ? scanMs / rawMs : 0.0) << Qt::endl;

    if (!keep)
        QFile::remove(path);
    return result.records == kRecords ? 0 : 1;
}
