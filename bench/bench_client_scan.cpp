/** How fast a search window can walk the client archive: a 100,000-record archive
 *  is scanned with the fields a client search shows and filters on, and the time
 *  is set against reading the same file raw.
 *  Usage: bench_client_scan [archive path]  (kept when given, reused if already full) */
#include "ClientArchive.h"
#include "RawRead.h"
#include "core/RecordFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>


using namespace lumivista;

namespace {

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
    const qint64 size = qint64(RecordLayout::clients().size()) * ClientArchive::kRecords;

    QElapsedTimer timer;
    if (QFile(path).size() >= size) {
        out << "Reusing " << path << Qt::endl;
    } else {
        timer.start();
        ClientArchive::generate(path);
        out << "Generated " << ClientArchive::kRecords << " client records (" << size / (1024 * 1024) << " MiB) in "
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
    return result.records == ClientArchive::kRecords ? 0 : 1;
}
