/** The client search over 100,000 clients, through the code the window runs:
 *  a search with no filter (every line built, sorted and put in the list's
 *  model), a search with one filter, and the pick of the last record. Each time
 *  is set against reading the archive raw in 64 KiB blocks.
 *  Goals: one filter within 1.5x raw, no filter within 3x, a pick within 1.5x,
 *  peak memory under 300 MB.
 *  Usage: QT_QPA_PLATFORM=offscreen bench_search [archive path] */
#include "Headless.h"
#include "ClientArchive.h"
#include "RawRead.h"
#include "core/LineFormat.h"
#include "core/RecordFile.h"
#include "core/RecordSearch.h"
#include "widgets/LineListModel.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

using namespace lumivista;

namespace {

template<class F> double best(F run, int times = 3)
{
    double fastest = 1e18;
    for (int i = 0; i < times; ++i) {
        QElapsedTimer t;
        t.start();
        run();
        fastest = qMin(fastest, t.nsecsElapsed() / 1e6);
    }
    return fastest;
}

} // namespace

int main(int argc, char **argv)
{
    Headless::applyWhenNoDisplay();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : dir.filePath(QStringLiteral("Archivio_Clienti.pro"));
    if (QFileInfo(path).size() != ClientArchive::kRecords * RecordLayout::clients().size())
        ClientArchive::generate(path);
    const LineFormat format = LineFormat::clientSearch();
    QFont mono(QStringLiteral("Liberation Mono"));
    mono.setPointSize(12);
    LineListModel model(mono);

    const double raw = best([&] { readRaw(path); });
    qsizetype all = 0;
    const double none = best([&] {
        RecordFile file(path, RecordLayout::clients());
        LineList lines = RecordSearch::lines(file, format, {}, {}, true);
        all = lines.size();
        model.setLines(std::move(lines));
    });
    qsizetype some = 0;
    const double one = best([&] {
        RecordFile file(path, RecordLayout::clients());
        const LineList lines = RecordSearch::lines(file, format, {{QStringLiteral("Name"), QStringLiteral("rossi")}},
                                                      {}, true);
        some = lines.size();
    });
    RecordFile last(path, RecordLayout::clients());
    last.seek(last.count() - 1);
    const QString lastLine = format.build(last.read().view());
    last.close();
    qint64 picked = -1;
    const double pick = best([&] {
        RecordFile file(path, RecordLayout::clients());
        picked = RecordSearch::lastWithLine(file, format, lastLine).value_or(-1);
    });
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("raw read of %lld records: %.0f ms\n", static_cast<long long>(ClientArchive::kRecords), raw);
    std::printf("no filter (%lld lines, sorted, in the model): %.0f ms = %.2fx raw (goal 3x)\n",
                static_cast<long long>(all), none, none / raw);
    std::printf("one filter (%lld lines): %.0f ms = %.2fx raw (goal 1.5x)\n", static_cast<long long>(some), one, one / raw);
    std::printf("pick of the last record (#%lld): %.0f ms = %.2fx raw (goal 1.5x)\n", static_cast<long long>(picked + 1),
                pick, pick / raw);
    std::printf("peak memory: %.0f MB (goal 300 MB)\n", usage.ru_maxrss / 1024.0);
    return 0;
}
