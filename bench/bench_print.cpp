// A list printout of 10,000 lines written to PDF, as the summary lists print a
// large archive: time to fill and lay out, time to write, and the peak memory.
// Goal: under 3 s and under 300 MB. Run from the build tree:
//   QT_QPA_PLATFORM=offscreen ./bench/bench_print [lines]
#include "Headless.h"
#include "platform/PagedOutput.h"
#include "report/PreparedReport.h"
#include "report/ReportTemplate.h"
#include <QDate>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

using namespace lumivista;

int main(int argc, char **argv)
{
    Headless::applyWhenNoDisplay();
    QGuiApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    QStringList lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("%1  ROSSI MARIO %2                  VIA GARIBALDI %3, ROMA     PRESCRIZIONE N. %4  "
                                "120,00")
                     .arg(i + 1, 6)
                     .arg(i % 977, 4)
                     .arg(i % 300, 3)
                     .arg(i + 1000);
    QTemporaryDir dir;
    QElapsedTimer clock;
    clock.start();
    ReportTemplate report = ReportTemplate::load(QStringLiteral(LUMIVISTA_TEMPLATES "/Riepilogo.json"));
    report.setText(QStringLiteral("txtTitolo"), QStringLiteral("Riepilogo prescrizioni da saldare"));
    report.setLines(QStringLiteral("txtRiepilogo"), lines);
    const PreparedReport pages = report.prepare(QDate::currentDate(), QStringLiteral("bench"));
    const qint64 prepared = clock.elapsed();
    const QString path = dir.filePath(QStringLiteral("bench.pdf"));
    PagedOutput::writePdf(pages, path);
    const qint64 written = clock.elapsed();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%d lines, %d pages: prepared in %lld ms, PDF written in %lld ms (total %lld ms), %.1f MB, "
                "peak memory %.0f MB\n",
                count, pages.pageCount(), static_cast<long long>(prepared), static_cast<long long>(written - prepared),
                static_cast<long long>(written), QFileInfo(path).size() / 1048576.0, usage.ru_maxrss / 1024.0);
    return written < 3000 && usage.ru_maxrss < 300 * 1024 ? 0 : 1;
}
