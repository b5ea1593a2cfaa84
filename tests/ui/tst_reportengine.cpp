#include "TestFolder.h"
#include "platform/FakeFileDialogService.h"
#include "platform/FakeMessageService.h"
#include "platform/FakePrintService.h"
#include "platform/ReportPreview.h"
#include "platform/PagedOutput.h"
#include "platform/PrintFailure.h"
#include "report/PreparedReport.h"
#include "report/ReportPainter.h"
#include "report/ReportTemplate.h"
#include <QDate>
#include <QFontInfo>
#include <QLabel>
#include <QtTest>

using namespace lumivista;

/** Fill and lookup rules, the list's height rule and page splitting, PDF output. */
class TestReportEngine : public QObject
{
    Q_OBJECT

    static ReportTemplate small()
    {
        return ReportTemplate::parse(R"({"name": "Prova", "objects": [
            {"type": "text", "name": "txtdente22", "x": 10, "y": 20, "w": 30, "h": 5, "text": "SAMPLE"},
            {"type": "rect", "x": 0, "y": 0, "w": 50, "h": 50, "fill": "#FFE4C4"}]})",
                                     QString());
    }

    static FakePrintService::Request painted(const PrintJob &job)
    {
        FakePrintService printer;
        printer.print(nullptr, job);
        return printer.last();
    }

private Q_SLOTS:
    void fillFindsNamesIgnoringCaseAndPrintsValuesVerbatim_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::newRow("same case") << "txtdente22" << "1,25";
        QTest::newRow("other case") << "txtDente22" << "OD -1,25";
        QTest::newRow("brackets") << "TXTDENTE22" << "[DATE] [cliente] {x}";
        QTest::newRow("empty") << "txtDente22" << "";
    }
    void fillFindsNamesIgnoringCaseAndPrintsValuesVerbatim()
    {
        QFETCH(QString, name);
        QFETCH(QString, value);
        ReportTemplate t = small();
        t.setText(name, value);
        const FakePrintService::Request page = painted(t.prepare(QDate(2026, 12, 10), QStringLiteral("x")));
        const PlacedText text = page.text(QStringLiteral("txtDente22"));
        QCOMPARE(text.text, value);
        QCOMPARE(text.boxMm, QRectF(10, 20, 30, 5));
    }

    void missingObjectIsAFailure()
    {
        ReportTemplate t = small();
        QVERIFY_THROWS_EXCEPTION(PrintFailure, t.setText(QStringLiteral("txtDente23"), QStringLiteral("x")));
        QVERIFY_THROWS_EXCEPTION(PrintFailure, t.setLines(QStringLiteral("txtRiepilogo"), {}));
        QVERIFY_THROWS_EXCEPTION(PrintFailure, ReportTemplate::load(QStringLiteral("/nonexistent/x.json")));
        QVERIFY_THROWS_EXCEPTION(PrintFailure, ReportTemplate::parse("{ not json", QString()));
        QVERIFY_THROWS_EXCEPTION(PrintFailure,
                                 ReportTemplate::parse(R"({"objects": [{"type": "picture", "source": "none.png"}]})",
                                                       QDir::tempPath()));
    }

    void listHeightRuleAndPages_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<qreal>("textPixels");
        QTest::addColumn<int>("pages");
        QTest::newRow("none") << 0 << 0.0 << 1;
        QTest::newRow("one") << 1 << 12.822 << 1;
        QTest::newRow("hundred") << 100 << 1282.2 << 2;
        QTest::newRow("thousand") << 1000 << 12822.0 << 19;
    }
    void listHeightRuleAndPages()
    {
        QFETCH(int, lines);
        QFETCH(qreal, textPixels);
        QFETCH(int, pages);
        TestFolder folder;
        ReportTemplate t = ReportTemplate::named(QStringLiteral("Riepilogo.json"));
        QCOMPARE(t.pageLayout().orientation(), QPageLayout::Landscape);
        QStringList text;
        for (int i = 0; i < lines; ++i)
            text << QStringLiteral("RIGA %1 [x]").arg(i + 1, 5, 10, QLatin1Char('0'));
        t.setText(QStringLiteral("txtTitolo"), QStringLiteral("Riepilogo questioni in sospeso"));
        t.setLines(QStringLiteral("txtRiepilogo"), text);
        QVERIFY(qAbs(t.find(QStringLiteral("txtRiepilogo"))->box.height() * ReportTemplate::pixelsPerMm - textPixels)
                < 1e-6);
        QVERIFY(qAbs(t.band(QStringLiteral("MasterData"))->height * ReportTemplate::pixelsPerMm - textPixels - 10)
                < 1e-6);

        const FakePrintService::Request printed = painted(t.prepare(QDate(2026, 3, 3), QStringLiteral("lista")));
        QCOMPARE(printed.pages.size(), pages);
        QCOMPARE(printed.layout.orientation(), QPageLayout::Landscape);
        QStringList seen;
        const qreal bottom = 190.0 - 8.0; // printable height less the footer band
        for (int p = 0; p < pages; ++p) {
            QCOMPARE(printed.named(QStringLiteral("txtTitolo"), p).size(), p == 0 ? 1 : 0);
            QCOMPARE(printed.text(QStringLiteral("txtPagina"), p).text, QStringLiteral("Stampa eseguita in data 03/03/2026"));
            for (const PlacedText &line : printed.named(QStringLiteral("txtRiepilogo"), p)) {
                QVERIFY2(line.boxMm.bottom() <= bottom + 1e-6, qPrintable(line.text));
                QCOMPARE(QFontInfo(line.font).family(), QStringLiteral("Liberation Mono"));
                seen << line.text;
            }
        }
        QCOMPARE(seen, text); // every line once, in order, brackets as they are
    }

    void fontsResolveToTheirMetricTwins_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("resolved");
        QTest::newRow("Arial") << "Arial" << "Liberation Sans";
        QTest::newRow("Courier New") << "Courier New" << "Liberation Mono";
    }
    void fontsResolveToTheirMetricTwins()
    {
        QFETCH(QString, family);
        QFETCH(QString, resolved);
        ReportObject o;
        o.font = family;
        QCOMPARE(QFontInfo(ReportPainter::fontOf(o)).family(), resolved);
    }

    void pdfIsWrittenWholeOrNotAtAll()
    {
        TestFolder folder;
        ReportTemplate t = small();
        t.setText(QStringLiteral("txtDente22"), QStringLiteral("Mario Rossi"));
        const PreparedReport report = t.prepare(QDate(2026, 12, 10), QStringLiteral("prova"));
        const QString path = folder.file(QStringLiteral("prova.pdf"));
        PagedOutput::writePdf(report, path);
        const QByteArray pdf = folder.read(QStringLiteral("prova.pdf"));
        QVERIFY(pdf.startsWith("%PDF-"));
        QVERIFY(pdf.trimmed().endsWith("%%EOF"));

        // A folder that cannot take the file: a failure, and nothing half-written is left.
        const QString blocked = folder.file(QStringLiteral("missing/prova.pdf"));
        QVERIFY_THROWS_EXCEPTION(PrintFailure, PagedOutput::writePdf(report, blocked));
        QVERIFY(!QFile::exists(blocked));
        QCOMPARE(folder.read(QStringLiteral("prova.pdf")), pdf);
    }

    void previewSavesPdfAndHandsOnPrintFailures()
    {
        TestFolder folder;
        ReportTemplate t = ReportTemplate::named(QStringLiteral("Riepilogo.json"));
        QStringList lines;
        for (int i = 0; i < 120; ++i)
            lines << QString::number(i);
        t.setLines(QStringLiteral("txtRiepilogo"), lines);
        const PreparedReport report = t.prepare(QDate(2026, 12, 10), QStringLiteral("Prescrizione Occhiali 12/B"));
        FakeMessageService messages;
        FakeFileDialogService files;
        int printed = 0;
        ReportPreview preview(report, messages, files, [&](QWidget *, const PrintJob &) { ++printed; });
        QCOMPARE(preview.findChild<QLabel *>(QStringLiteral("lblPagina"))->text(), QStringLiteral("Pagina 1 di 3"));
        preview.showPage(2);
        QCOMPARE(preview.page(), 2);
        preview.showPage(3); // past the end: stays
        QCOMPARE(preview.page(), 2);
        preview.setZoom(1000);
        QCOMPARE(preview.zoomPercent(), 300);

        // The suggested name: report name and key, made safe, in the program folder.
        files.queuePath(folder.file(QStringLiteral("copia")));
        preview.savePdf();
        QCOMPARE(files.requests().last().suggested, folder.file(QStringLiteral("Prescrizione Occhiali 12_B.pdf")));
        QVERIFY(folder.read(QStringLiteral("copia.pdf")).startsWith("%PDF-"));
        QCOMPARE(messages.last().kind, FakeMessageService::Kind::Information);
        // A folder that is not there: a warning, never a success.
        files.queuePath(folder.file(QStringLiteral("manca/copia.pdf")));
        preview.savePdf();
        QCOMPARE(messages.last().kind, FakeMessageService::Kind::Warning);
        QVERIFY(messages.last().text.startsWith(QStringLiteral("Attenzione: il file PDF non è stato salvato.")));
        // Cancelled save dialog: nothing at all.
        const qsizetype before = messages.count();
        preview.savePdf();
        QCOMPARE(messages.count(), before);

        preview.printJob();
        QCOMPARE(printed, 1);
        QVERIFY(!preview.failure());
        ReportPreview failing(report, messages, files,
                              [](QWidget *, const PrintJob &) { throw PrintFailure(QStringLiteral("offline")); });
        failing.printJob();
        QVERIFY(failing.failure());
    }
};

QTEST_MAIN(TestReportEngine)
#include "tst_reportengine.moc"
