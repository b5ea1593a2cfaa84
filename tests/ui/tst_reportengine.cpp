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
#include <QRegularExpression>
#include <QPageRanges>
#include <QPrinter>
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

    void listTemplateWithNoRoomForALineFails_data()
    {
        QTest::addColumn<int>("margins");
        QTest::addColumn<qreal>("dataTop");
        QTest::addColumn<qreal>("footerHeight");
        QTest::addColumn<int>("lines");
        QTest::newRow("footer taller than the page") << 10 << 0.0 << 300.0 << 1;
        QTest::newRow("data band below the footer") << 10 << 185.0 << 8.0 << 1;
        QTest::newRow("margins leave no room") << 100 << 0.0 << 8.0 << 1;
        QTest::newRow("no room but many lines") << 10 << 0.0 << 188.0 << 500;
    }
    void listTemplateWithNoRoomForALineFails()
    {
        QFETCH(int, margins);
        QFETCH(qreal, dataTop);
        QFETCH(qreal, footerHeight);
        QFETCH(int, lines);
        const QByteArray json = QStringLiteral(R"({"name": "Stretto", "orientation": "landscape", "margins": %1,
            "bands": [
              {"name": "MasterData", "type": "data", "height": 0, "objects": [
                {"type": "text", "name": "txtRiepilogo", "x": 0, "y": %2, "w": 100, "h": 0, "text": ""}]},
              {"name": "Pie", "type": "footer", "height": %3, "objects": []}]})")
                                    .arg(margins).arg(dataTop).arg(footerHeight).toUtf8();
        ReportTemplate t = ReportTemplate::parse(json, QString());
        QStringList text;
        for (int i = 0; i < lines; ++i)
            text << QStringLiteral("RIGA %1").arg(i);
        t.setLines(QStringLiteral("txtRiepilogo"), text);
        QVERIFY_THROWS_EXCEPTION(PrintFailure, t.prepare(QDate(2026, 3, 3), QStringLiteral("x")));
    }

    void contactLensPictureIsFullSizeWithReadableLabels()
    {
        TestFolder folder;
        const ReportTemplate t = ReportTemplate::named(QStringLiteral("PrescrizioneLenti.json"));
        const ReportObject *picture = nullptr;
        for (const ReportObject &o : t.objects())
            if (o.kind == ReportObject::Kind::Picture && o.source.endsWith(QLatin1String("lente.svg")))
                picture = &o;
        QVERIFY(picture);
        QCOMPARE(picture->box, QRectF(75.5, 83, 37, 10));
        // The picture fills its box (same proportions), so its DX and SX labels
        // print at font-size / picture height of the box's 10 mm.
        QFile svg(picture->source);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(svg.readAll());
        const auto number = [&text](const char *pattern) {
            return QRegularExpression(QLatin1String(pattern)).match(text).captured(1).toDouble();
        };
        const qreal width = number("viewBox=\"0 0 ([0-9.]+)");
        const qreal height = number("viewBox=\"0 0 [0-9.]+ ([0-9.]+)");
        QVERIFY(height > 0);
        QVERIFY(qAbs(width / height - 3.7) < 0.01);
        QVERIFY2(number("font-size=\"([0-9.]+)") / height * 10 >= 2.5, "DX and SX labels under 2.5 mm");
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

    void printerRangeOrderAndCopiesAreHonoured_data()
    {
        QTest::addColumn<QString>("range");
        QTest::addColumn<int>("copies");
        QTest::addColumn<bool>("collate");
        QTest::addColumn<bool>("lastFirst");
        QTest::addColumn<QList<int>>("painted");
        QTest::newRow("all") << "" << 1 << false << false << QList<int>{0, 1, 2};
        QTest::newRow("page 2 only") << "2" << 1 << false << false << QList<int>{1};
        QTest::newRow("pages 2-3") << "2-3" << 1 << false << false << QList<int>{1, 2};
        QTest::newRow("1 and 3") << "1,3" << 1 << false << false << QList<int>{0, 2};
        QTest::newRow("last first") << "" << 1 << false << true << QList<int>{2, 1, 0};
        QTest::newRow("past the end") << "3-9" << 1 << false << false << QList<int>{2};
        QTest::newRow("two copies collated") << "1-2" << 2 << true << false << QList<int>{0, 1, 0, 1};
        QTest::newRow("two copies uncollated") << "1-2" << 2 << false << false << QList<int>{0, 0, 1, 1};
    }
    void printerRangeOrderAndCopiesAreHonoured()
    {
        QFETCH(QString, range);
        QFETCH(int, copies);
        QFETCH(bool, collate);
        QFETCH(bool, lastFirst);
        QFETCH(QList<int>, painted);
        /** Three pages that record which of them reached the printer. */
        struct Pages : PrintJob
        {
            mutable QList<int> painted;
            QString title() const override { return QStringLiteral("Prova"); }
            QString fileStem() const override { return QStringLiteral("prova"); }
            QPageLayout pageLayout() const override { return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, {}); }
            int pageCount() const override { return 3; }
            void paintPage(QPainter &, int page, PaintObserver *) const override { painted.append(page); }
        } job;
        TestFolder folder;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.file(QStringLiteral("range.pdf")));
        if (!range.isEmpty()) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setPageRanges(QPageRanges::fromString(range));
        }
        printer.setCopyCount(copies);
        printer.setCollateCopies(collate);
        printer.setPageOrder(lastFirst ? QPrinter::LastPageFirst : QPrinter::FirstPageFirst);
        // PDF output leaves the copies to the program; a printer that makes them
        // itself gets each page once.
        QList<int> expected = painted;
        if (printer.supportsMultipleCopies()) {
            expected.clear();
            for (int page : std::as_const(painted))
                if (!expected.contains(page))
                    expected.append(page);
        }
        PagedOutput::paint(printer, job);
        QCOMPARE(job.painted, expected);

        // A range wholly outside the document is a failure, not an empty success.
        printer.setPrintRange(QPrinter::PageRange);
        printer.setPageRanges(QPageRanges::fromString(QStringLiteral("5-6")));
        job.painted.clear();
        QVERIFY_THROWS_EXCEPTION(PrintFailure, PagedOutput::paint(printer, job));
        QVERIFY(job.painted.isEmpty());
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
