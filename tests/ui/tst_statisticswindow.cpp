#include "core/Amount.h"
#include "ModalDriver.h"
#include "WindowTest.h"
#include "app/StatisticsWindow.h"
#include "app/Startup.h"
#include "app/TfrmAvvio.h"
#include "archive/ExportWindow.h"
#include "widgets/PictureButton.h"
#include "core/Record.h"
#include "core/RecordFile.h"
#include "platform/FakeServices.h"
#include "widgets/PageView.h"
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include "TestRecords.h"
#include <QtTest>

using namespace lumivista;

namespace {

const QString yes = QStringLiteral("S\u00EC");

QStringList texts(const QList<PlacedText> &placed)
{
    QStringList all;
    for (const PlacedText &t : placed)
        all << t.text;
    return all;
}

} // namespace

/** The statistics window from the home screen: the figures a screen reader
 *  hears, the years, the printout's texts read back, the skipped records and
 *  the export. */
class TestStatisticsWindow : public WindowTest
{
    Q_OBJECT

    TfrmAvvio *home = nullptr;

private Q_SLOTS:
    void initTestCase()
    {
        Startup::applyConventions(*qApp);
    }
    void init()
    {
        startWindowTest();
        fakes->clock.setNow(QDateTime(QDate(2026, 12, 11), QTime(9, 0)));
        home = context->adopt(WindowId::Home, new TfrmAvvio(*context));
        const RecordLayout &g = RecordLayout::glasses();
        storeRecords(g, {makeRecord(g, {"Data=05/01/2026", "Dovuto=0,10", "Finale=0,10", "Totale=0,00", "Saldato=" + yes,
                           "Montatura01=Ray-Ban"}),
                  makeRecord(g, {"Data=20/01/2026", "Dovuto=0,20", "Totale=0,20", "Saldato=No", "Montatura01=Ray-Ban"}),
                  makeRecord(g, {"Data=03/03/2026", "Dovuto=1.000", "Saldato=No"}), // a point: cannot be read
                  makeRecord(g, {"Data=10/06/2025", "Dovuto=300,00", "Saldato=" + yes})});
        storeRecords(RecordLayout::lenses(), {makeRecord(RecordLayout::lenses(), {"Data=05/02/2026", "Dovuto=80,00", "Saldato=" + yes})});
        storeRecords(RecordLayout::appointments(),
              {makeRecord(RecordLayout::appointments(), {"Data=02/01/2026", "Ottemperata=" + yes})});
    }
    void cleanup()
    {
        endWindowTest();
    }

    void showsPrintsAndExportsTheYear()
    {
        ModalDriver::whenShown([&](QWidget *w) {
            auto *window = qobject_cast<StatisticsWindow *>(w);
            QVERIFY(window);
            QCOMPARE(window->lblAnno->text(), QStringLiteral("Statistiche 2026"));
            QCOMPARE(window->lblSaltati->text(),
                     QStringLiteral("Attenzione: una scheda è esclusa dalle cifre perché la data o un importo non si "
                                    "leggono."));
            QWidget *income = window->imgGrafici->region(QStringLiteral("chrIncassi"));
            QVERIFY(income);
            QCOMPARE(income->accessibleName(), QStringLiteral("Incassi per mese nel 2026"));
            const QString said = income->accessibleDescription();
            QVERIFY2(said.contains(QStringLiteral("Occhiali: gennaio € 0,30, febbraio € 0,00")), qPrintable(said));
            QVERIFY2(said.contains(QStringLiteral("Lenti a contatto: gennaio € 0,00, febbraio € 80,00")), qPrintable(said));
            QVERIFY2(said.contains(QStringLiteral("Totale 2026: € 80,30. ")), qPrintable(said));
            QVERIFY2(said.contains(QStringLiteral("Totale 2025: € 300,00. Rispetto al 2025: -73,2%")), qPrintable(said));
            QVERIFY(income->geometry().intersects(window->imgGrafici->rect()));

            // The printout says what the screen shows: the bars' values are texts on the page.
            click(window, QStringLiteral("btnStampa"));
            QCOMPARE(fakes->printer.count(), 1);
            const FakePrintService::Request &page = fakes->printer.last();
            QCOMPARE(int(page.kind), int(FakePrintService::Kind::Preview));
            QCOMPARE(page.text(QStringLiteral("txtTitolo")).text, QStringLiteral("Statistiche del centro ottico: anno 2026"));
            const QStringList bars = texts(page.named(QStringLiteral("chrIncassi")));
            QVERIFY(bars.contains(QStringLiteral("0,30")));
            QVERIFY(bars.contains(QStringLiteral("80,00")));
            QVERIFY(bars.contains(QStringLiteral("Gen")));
            QCOMPARE(texts(page.named(QStringLiteral("chrAppuntamenti"))).count(QStringLiteral("1")), 1);
            QCOMPARE(page.text(QStringLiteral("txtTotale11")).text, QStringLiteral("Totale 2026: € 80,30"));
            QCOMPARE(page.text(QStringLiteral("txtMontatura01")).text, QStringLiteral("1. Ray-Ban (2)"));

            ModalDriver::whenShown([&](QWidget *e) {
                auto *exporter = qobject_cast<ExportWindow *>(e);
                QVERIFY(exporter);
                QCOMPARE(exporter->grdRecords->model()->rowCount(), 12);
                fakes->messages.queueConfirm(true);
                fakes->messages.queueConfirm(false);
                exporter->cmdEsporta->click();
            });
            click(window, QStringLiteral("btnEsporta"));
            const QByteArray xls = folder->read(QStringLiteral("Statistiche.xls"));
            QVERIFY(xls.contains("febbraio 2026"));
            QVERIFY(xls.contains("80,00"));

            click(window, QStringLiteral("btnPrecedente"));
            QCOMPARE(window->year(), 2025);
            QCOMPARE(Amount::text(window->figures().total().glassesIncome), QStringLiteral("300,00"));
            // The damaged record is of 2026: 2025 and the year before it read whole.
            QCOMPARE(window->lblSaltati->text(), QStringLiteral("Tutte le schede sono state lette."));
            click(window, QStringLiteral("btnSuccessivo"));
            QCOMPARE(window->year(), 2026);
        });
        click(home, QStringLiteral("imgStatistiche"));
    }
};

QTEST_MAIN(TestStatisticsWindow)
#include "tst_statisticswindow.moc"
