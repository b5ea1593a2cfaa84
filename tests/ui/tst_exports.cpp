#include "ModalDriver.h"
#include "WindowTest.h"
#include "agenda/TfrmAgenda.h"
#include "appointments/TfrmArchivio_Scadenze.h"
#include "archive/ExportWindow.h"
#include "clients/TfrmClients.h"
#include "core/Record.h"
#include "core/RecordFile.h"
#include "core/XlsWorkbook.h"
#include "glasses/TfrmOcchiali.h"
#include "lenses/TfrmLenti.h"
#include <QCalendarWidget>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QtTest>

using namespace lumivista;
using Kind = FakeMessageService::Kind;

namespace {

const QString askExport = QStringLiteral(
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di schede presenti in "
    "archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString askOpen = QStringLiteral(
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?");
const QString failed = QStringLiteral(
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il file di Excel non sia già "
    "aperto.");

/** One stored record that every member lists: a client, a prescription, or an
 *  appointment due today and pending. */
void storeOne(const RecordLayout &layout)
{
    Record r(layout);
    if (&layout == &RecordLayout::appointments()) {
        for (const auto &[name, value] : QList<std::pair<QString, QString>>{
                 {"Data", "15/03/2024"}, {"OreApp", "09"}, {"MinutiApp", "30"}, {"Ora", "09:30"}, {"Avviso", "0"},
                 {"Contatto", "Rossi & figli"}, {"Ottemperata", "No"}})
            r.setValue(name, value);
    } else if (&layout == &RecordLayout::clients()) {
        r.setValue(QStringLiteral("Name"), QStringLiteral("Rossi & figli"));
    } else {
        r.setValue(QStringLiteral("ClienteRigo01"), QStringLiteral("Rossi & figli"));
    }
    RecordFile file(RecordFile::pathFor(layout), layout);
    file.seek(file.count());
    file.write(r);
    file.close();
}

} // namespace

/** The seven export windows, each opened from its own button, run one scenario. */
class TestExports : public WindowTest
{
    Q_OBJECT

    QWidget *opener = nullptr;

    /** Opens the member's window from its button and hands it to check while it is on screen. */
    void openAndRun(const QString &from, const QString &button, const std::function<void(ExportWindow *)> &check)
    {
        const WindowId id = from == QLatin1String("clients")        ? WindowId::Clients
                            : from == QLatin1String("glasses")      ? WindowId::Glasses
                            : from == QLatin1String("lenses")       ? WindowId::Lenses
                            : from == QLatin1String("appointments") ? WindowId::Appointments
                                                                    : WindowId::Agenda;
        opener = openWorkingWindow(id);
        QVERIFY(showActive(opener));
        bool seen = false;
        ModalDriver::whenShown([&](QWidget *w) {
            auto *window = qobject_cast<ExportWindow *>(w);
            QVERIFY(window);
            QCOMPARE(window->parentWidget(), opener);
            seen = true;
            check(window);
        });
        click(opener, button);
        QVERIFY(seen);
        QVERIFY(opener->findChildren<ExportWindow *>().isEmpty()); // destroyed on close
    }

private Q_SLOTS:
    void init()
    {
        startWindowTest();
        fakes->clock.setToday(QDate(2024, 3, 15));
    }
    void cleanup()
    {
        opener = nullptr;
        endWindowTest();
    }

    void members_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<int>("columns");
        QTest::newRow("clients") << "clients" << "cmdExport" << "TfrmExpClients"
                                 << " Esportazione archivio clienti in Excel" << "Riepilogo_Clienti.xls"
                                 << "Riepilogo Clienti" << 25;
        QTest::newRow("glasses") << "glasses" << "cmdExport" << "TfrmExpOcchiali"
                                 << " Esportazione archivio prescrizioni occhiali" << "Prescrizioni_Occhiali.xls"
                                 << "Prescrizioni Occhiali" << 25;
        QTest::newRow("lenses") << "lenses" << "cmdExport" << "TfrmExpLenti"
                                << " Esportazione archivio prescrizioni lenti a contatto" << "Prescrizioni_Lenti.xls"
                                << "Prescrizioni Lenti" << 25;
        QTest::newRow("appointments") << "appointments" << "cmdEsporta" << "TfrmExpScadenzario"
                                      << " Esportazione archivio appuntamenti" << "Riepilogo_Appuntamenti.xls"
                                      << "Riepilogo Appuntamenti" << 13;
        QTest::newRow("imminent") << "agenda" << "btnExcel" << "TfrmExpImminenti" << " Appuntamenti imminenti"
                                  << "Appuntamenti_Imminenti.xls" << "Appuntamenti imminenti" << 14;
        QTest::newRow("day") << "agenda" << "btnGiorno" << "TfrmExpGiornaliere" << " Appuntamenti del giorno"
                             << "Appuntamenti_Giornalieri.xls" << "Appuntamenti del giorno" << 14;
        QTest::newRow("month") << "agenda" << "btnMese" << "TfrmExpMensili" << " Appuntamenti del mese"
                               << "Appuntamenti_Mensili.xls" << "Appuntamenti del mese" << 14;
    }
    void members()
    {
        QFETCH(QString, from);
        QFETCH(QString, button);
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QFETCH(QString, file);
        QFETCH(QString, sheet);
        QFETCH(int, columns);
        const ExportMember *member = nullptr;
        openAndRun(from, button, [&](ExportWindow *w) {
            QCOMPARE(w->objectName(), window);
            QCOMPARE(w->windowTitle(), caption);
            QCOMPARE(w->grdRecords->model()->rowCount(), 0); // nothing stored
            QCOMPARE(w->grdRecords->model()->columnCount(), columns + 1);
            QCOMPARE(w->grdRecords->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("N."));
            QCOMPARE(w->grdRecords->verticalHeader()->defaultSectionSize(), 21);
            QCOMPARE(w->panInfo->text(), QStringLiteral("Esportazione archivio in Microsoft Excel."));
            QCOMPARE(w->member().fileName, file);
            member = &w->member();
            // An empty archive still exports: the framing and the header row.
            w->cmdEsporta->click();
            QCOMPARE(folder->read(file), XlsWorkbook::head(sheet, w->snapshot().columns()) + XlsWorkbook::tail());
        });
        QVERIFY(member);
        QCOMPARE(fakes->messages.texts(), (QStringList{askExport, askOpen}));
        // The desktop gets the file itself, not a quoted path.
        QCOMPARE(fakes->shell.last(), folder->file(file));
    }

    void exportWritesTheGridAndAsksTwice_data() { members_data(); }
    void exportWritesTheGridAndAsksTwice()
    {
        QFETCH(QString, from);
        QFETCH(QString, button);
        QFETCH(QString, file);
        const RecordLayout &layout = from == QLatin1String("clients")   ? RecordLayout::clients()
                                     : from == QLatin1String("glasses") ? RecordLayout::glasses()
                                     : from == QLatin1String("lenses")  ? RecordLayout::lenses()
                                                                        : RecordLayout::appointments();
        storeOne(layout);
        openAndRun(from, button, [&](ExportWindow *w) {
            QCOMPARE(w->grdRecords->model()->rowCount(), 1);
            QCOMPARE(w->grdRecords->model()->index(0, 0).data().toString(), QStringLiteral("1"));
            // No to the first question: nothing is written.
            fakes->messages.queueConfirm(false);
            w->cmdEsporta->click();
            QVERIFY(!QFileInfo::exists(folder->file(file)));
            // Yes, then No to opening it: written, not opened.
            fakes->messages.queueConfirm(true);
            fakes->messages.queueConfirm(false);
            w->cmdEsporta->click();
        });
        QVERIFY(folder->read(file).contains("<td style=\"text-align: left;\">Rossi & figli</td>"));
        QVERIFY(fakes->shell.isEmpty());
        QCOMPARE(fakes->messages.texts(), (QStringList{askExport, askExport, askOpen}));
    }

    void failedExportSaysSoAndStaysOpen()
    {
        // The export's name taken by a folder, as when the file cannot be replaced.
        QVERIFY(QDir(folder->path()).mkdir(QStringLiteral("Riepilogo_Clienti.xls")));
        openAndRun(QStringLiteral("clients"), QStringLiteral("cmdExport"), [&](ExportWindow *w) {
            w->cmdEsporta->click();
            QVERIFY(w->isVisible());
            QCOMPARE(fakes->messages.last(), (FakeMessageService::Message{Kind::Plain, failed}));
        });
        QVERIFY(QFileInfo(folder->file(QStringLiteral("Riepilogo_Clienti.xls"))).isDir());
        QVERIFY(fakes->shell.isEmpty());
    }

    void agendaExportsFollowTheCalendar()
    {
        Record r(RecordLayout::appointments());
        r.setValue(QStringLiteral("Data"), QStringLiteral("02/04/2024"));
        r.setValue(QStringLiteral("Ottemperata"), QStringLiteral("Sì"));
        {
            RecordFile file(RecordFile::pathFor(RecordLayout::appointments()), RecordLayout::appointments());
            file.write(r);
            file.close();
        }
        opener = openWorkingWindow(WindowId::Agenda);
        QVERIFY(showActive(opener));
        auto *agenda = static_cast<TfrmAgenda *>(opener);
        for (const auto &[date, rows] : {std::pair{QDate(2024, 4, 2), 1}, std::pair{QDate(2024, 4, 3), 0}}) {
            agenda->calAppuntamenti->setSelectedDate(date);
            int shown = -1;
            ModalDriver::whenShown([&shown](QWidget *w) {
                shown = static_cast<ExportWindow *>(w)->grdRecords->model()->rowCount();
            });
            agenda->btnGiorno->click();
            QCOMPARE(shown, rows);
        }
    }

    void helpAndHints()
    {
        openAndRun(QStringLiteral("glasses"), QStringLiteral("cmdExport"), [&](ExportWindow *w) {
            QCOMPARE(w->cmdEsporta->toolTip(), QStringLiteral("Esporta l'archivio in formato Microsoft Excel."));
            QCOMPARE(w->cmdGuida->toolTip(), QStringLiteral("Visualizza la pagina della guida sensibile al contesto. (F1)"));
            QCOMPARE(w->cmdEsci->toolTip(), QStringLiteral("Esci da questo ambiente di lavoro."));
            QEvent enter(QEvent::Enter);
            QApplication::sendEvent(w->cmdEsci, &enter);
            QCOMPARE(w->panInfo->text(), QStringLiteral("Esci da questo ambiente di lavoro."));
            ShownHelp help;
            ModalDriver::captureHelp(help);
            w->cmdGuida->click();
            QCOMPARE(help.title, QStringLiteral("Esportazione archivio prescrizioni occhiali in Excel"));
            QVERIFY(help.text.contains(QStringLiteral("Prescrizioni_Occhiali.xls")));
            w->cmdEsci->click();
            QVERIFY(!w->isVisible());
        });
    }
};

QTEST_MAIN(TestExports)
#include "tst_exports.moc"
