#include "ModalDriver.h"
#include "OffscreenScreen.h"
#include "Focus.h"
#include "WindowTest.h"
#include "appointments/TfrmArchivio_Scadenze.h"
#include "archive/RecordListWindow.h"
#include "clients/TfrmClients.h"
#include "core/Record.h"
#include "core/RecordFile.h"
#include "glasses/TfrmOcchiali.h"
#include "lenses/TfrmLenti.h"
#include "platform/FakeServices.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QtTest>

using namespace lumivista;

namespace {

enum Card { Clients, Glasses, Lenses, Appointments };

const QString yes = QStringLiteral("S\u00EC");

QString pad(const QString &text, int width)
{
    return text.leftJustified(width, QLatin1Char(' '), true);
}

Record make(const RecordLayout &layout, const QStringList &pairs)
{
    Record r(layout);
    for (const QString &pair : pairs)
        r.setValue(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
    return r;
}

/** Three records per archive: the second and third match the search "ros". */
QList<Record> fixture(Card card)
{
    switch (card) {
    case Clients:
        return {make(RecordLayout::clients(), {"Name=Verdi Luca", "MobilePhone=111", "Issues=", "City=Roma"}),
                make(RecordLayout::clients(), {"Name=ROSSI Anna", "MobilePhone=222", "Issues=saldo 50", "Street=Via Po 1",
                                               "Zip=00100", "City=Roma", "State=RM", "TaxNumber=RSSNNA80A41H501U",
                                               "HomePhone=06 123", "Email=anna@example.it", "Communication=Bonifico"}),
                make(RecordLayout::clients(), {"Name=Bianchi Rosa", "MobilePhone=333", "Issues=   ", "City=Milano"})};
    case Glasses:
    case Lenses: {
        const RecordLayout &layout = card == Glasses ? RecordLayout::glasses() : RecordLayout::lenses();
        return {make(layout, {"NumPre=1", "Data=01/12/2026", "ClienteRigo01=Verdi Luca", "Saldato=" + yes}),
                make(layout, {"NumPre=2", "Data=02/12/2026", "ClienteRigo01=ROSSI Anna", "Saldato=No", "TipoOc=Lettura"}),
                make(layout, {"NumPre=3", "Data=03/12/2026", "ClienteRigo01=Bianchi Rosa", "Saldato=No"})};
    }
    case Appointments:
        return {make(RecordLayout::appointments(),
                     {"Data=10/12/2026", "Ora=09:00", "OreApp=09", "MinutiApp=00", "Contatto=Verdi Luca",
                      "Causale=Controllo", "Ottemperata=No"}),
                make(RecordLayout::appointments(),
                     {"Data=09/12/2026", "Ora=10:30", "OreApp=10", "MinutiApp=30", "Contatto=ROSSI Anna",
                      "Causale=Consegna", "Ottemperata=No"}),
                make(RecordLayout::appointments(),
                     {"Data=01/12/2025", "Ora=11:00", "OreApp=11", "MinutiApp=00", "Contatto=Bianchi Rosa",
                      "Causale=Visita", "Ottemperata=" + yes})};
    }
    return {};
}

} // namespace

/** The family of list windows, one scenario per member: what each lists, in which
 *  order, "Trova", the pick onto its card, the client import and printing. */
class TestListWindows : public WindowTest
{
    Q_OBJECT


    CardWindow *open(Card kind)
    {
        static const WindowId ids[] = {WindowId::Clients, WindowId::Glasses, WindowId::Lenses, WindowId::Appointments};
        return static_cast<CardWindow *>(openWorkingWindow(ids[kind]));
    }

    void store(const RecordLayout &layout, const QList<Record> &records)
    {
        RecordFile file(RecordFile::pathFor(layout), layout);
        for (const Record &r : records)
            file.write(r);
        file.close();
    }

    static void doubleClick(RecordListWindow *window, int row)
    {
        window->selectRow(row);
        QListView *view = window->lstRecords;
        const QRect rect = view->visualRect(view->model()->index(row, 0));
        // The events of a real double click: press, release, press, double click, release.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    }

private Q_SLOTS:
    void init()
    {
        startWindowTest();
        fakes->clock.setNow(QDateTime(QDate(2026, 12, 10), QTime(9, 0)));
    }
    void cleanup()
    {
        endWindowTest();
    }

    void searchListsPicksAndPrints_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("filter");   // accessible name of the filter typed into
        QTest::addColumn<QStringList>("lines"); // expected, in order
        QTest::addColumn<QString>("picked");   // control "=" value the card shows after picking line 0
        QTest::addColumn<QString>("position");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("footer");
        const QString cel = QStringLiteral("  Cel. ");
        QTest::newRow("clients") << int(Clients) << "cmdFind" << "TfrmFindClients" << "Cognome e nome:"
                                 << QStringList{pad("Bianchi Rosa", 30) + cel + pad("333", 20) + "  Oculista: "
                                                    + pad("", 28) + "  Note: ",
                                                pad("ROSSI Anna", 30) + cel + pad("222", 20) + "  Oculista: "
                                                    + pad("", 28) + "  Note: "}
                                 << "txtName=Bianchi Rosa" << "3" << "Riepilogo clienti in archivio"
                                 << "Stampa eseguita in data 10/12/2026";
        QTest::newRow("glasses") << int(Glasses) << "cmdTrova" << "TfrmTrovaOcchiali" << "Cliente:"
                                 << QStringList{pad("Bianchi Rosa", 30) + cel + pad("", 15) + "  Presc. n. " + pad("3", 12)
                                                    + "  Consegna: " + pad("", 10) + "  Tipo: " + pad("", 26)
                                                    + "  Totale: € ",
                                                pad("ROSSI Anna", 30) + cel + pad("", 15) + "  Presc. n. " + pad("2", 12)
                                                    + "  Consegna: " + pad("", 10) + "  Tipo: " + pad("Lettura", 26)
                                                    + "  Totale: € "}
                                 << "txtNumPre=3" << "3" << "Riepilogo prescrizioni occhiali in archivio"
                                 << "Stampa eseguita in data 10/12/2026";
        QTest::newRow("lenses") << int(Lenses) << "cmdTrova" << "TfrmTrovaLenti" << "Cliente:"
                                << QStringList{pad("Bianchi Rosa", 30) + cel + pad("", 15) + "  Presc. n. " + pad("3", 12)
                                                   + "  Data: " + pad("03/12/2026", 10) + "  Lente DX: " + pad("", 26)
                                                   + "  Totale: € ",
                                               pad("ROSSI Anna", 30) + cel + pad("", 15) + "  Presc. n. " + pad("2", 12)
                                                   + "  Data: " + pad("02/12/2026", 10) + "  Lente DX: " + pad("", 26)
                                                   + "  Totale: € "}
                                << "txtNumPre=3" << "3" << "Riepilogo prescrizioni lenti a contatto in archivio"
                                << "Stampa eseguita in data 10/12/2026";
        // Appointments stay in file order.
        QTest::newRow("appointments")
            << int(Appointments) << "cmdTrova" << "TfrmTrovaScadenze" << "Cognome e nome cliente:"
            << QStringList{"Data: 09/12/2026  Ora: 10:30  " + pad("Consegna", 40) + "  Cliente: " + pad("ROSSI Anna", 30)
                               + cel + pad("", 14) + "  Importo: € ",
                           "Data: 01/12/2025  Ora: 11:00  " + pad("Visita", 40) + "  Cliente: " + pad("Bianchi Rosa", 30)
                               + cel + pad("", 14) + "  Importo: € "}
            << "txtContatto=ROSSI Anna" << "2" << "Riepilogo appuntamenti in archivio"
            << "Stampa eseguita in data 10/12/2026";
    }
    void searchListsPicksAndPrints()
    {
        QFETCH(int, kind);
        QFETCH(QString, button);
        QFETCH(QString, window);
        QFETCH(QString, filter);
        QFETCH(QStringList, lines);
        QFETCH(QString, picked);
        QFETCH(QString, position);
        QFETCH(QString, title);
        QFETCH(QString, footer);
        CardWindow *shown = open(Card(kind));
        store(*shown->definition().layout, fixture(Card(kind)));
        bool seen = false;
        ModalDriver::whenShown([&](QWidget *w) {
            seen = true;
            auto *list = qobject_cast<RecordListWindow *>(w);
            QVERIFY(list);
            QCOMPARE(list->objectName(), window);
            QCOMPARE(list->height(), 560);
            QVERIFY(list->width() >= 862 && list->width() <= list->screen()->availableGeometry().width());
            QVERIFY(list->panAvvio->isVisible());
            auto *edit = qobject_cast<QLineEdit *>(named(list, filter));
            QVERIFY2(edit, qPrintable(filter));
            QTest::keyClicks(edit, QStringLiteral("ros"));
            click(list, QStringLiteral("btnCerca"));
            QVERIFY(list->panContainer->isVisible());
            QCOMPARE(list->lines(), lines);
            QCOMPARE(list->selectedRow(), 0); // the first line is ready for Enter
            QCOMPARE(list->findChild<QLabel *>(QStringLiteral("lblTrovate"))->text(),
                     QStringLiteral("Il presente riepilogo contiene 2 schede."));
            QCOMPARE(list->lstRecords->model()->index(1, 0).data(Qt::AccessibleTextRole).toString(), lines.at(1));

            click(list, QStringLiteral("btnStampa"));
            QCOMPARE(fakes->printer.count(), 1);
            QCOMPARE(fakes->printer.last().text(QStringLiteral("txtTitolo")).text, title);
            QCOMPARE(fakes->printer.last().named(QStringLiteral("txtRiepilogo")).size(), 2);
            QCOMPARE(fakes->printer.last().text(QStringLiteral("txtPagina")).text, footer);

            list->txtTrova->setText(QStringLiteral("ROS"));
            click(list, QStringLiteral("btnTrova"));
            QCOMPARE(list->selectedRow(), 0);
            click(list, QStringLiteral("btnTrova"));
            QCOMPARE(list->selectedRow(), 1);
            doubleClick(list, 0);
            QVERIFY(!list->isVisible());
        });
        click(shown, button);
        QVERIFY(seen);
        const QString control = picked.section(QLatin1Char('='), 0, 0);
        QCOMPARE(FieldBinder::text(shown->field(control)), picked.section(QLatin1Char('='), 1));
        QCOMPARE(shown->position(), position);
    }

    void summaryLists_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("starts"); // how each listed line starts, in order
        QTest::addColumn<QString>("footer");
        QTest::newRow("pending issues") << int(Clients) << "cmdDefaulting" << "TfrmListIssues"
                                        << QStringList{"ROSSI Anna"} << "Stampa eseguita in data 10/12/2026";
        QTest::newRow("unpaid glasses") << int(Glasses) << "cmdDaSaldare" << "TfrmDaSaldare"
                                        << QStringList{"ROSSI Anna", "Bianchi Rosa"} << "Stampa eseguita in data 10/12/2026";
        QTest::newRow("unpaid lenses") << int(Lenses) << "cmdDaSaldare" << "TfrmDaSaldareLenti"
                                       << QStringList{"ROSSI Anna", "Bianchi Rosa"} << "Stampa eseguita in data 10/12/2026";
        QTest::newRow("to fulfil") << int(Appointments) << "cmdDaAssolvere" << "TfrmConfermati"
                                   << QStringList{"Data: 10/12/2026", "Data: 09/12/2026"}
                                   << "Stampa eseguita in data 10/12/2026";
        QTest::newRow("expired") << int(Appointments) << "cmdScaduti" << "TfrmScaduti"
                                 << QStringList{"Data: 09/12/2026"} << "Stampa eseguita in data 10/12/2026";
        QTest::newRow("fulfilled") << int(Appointments) << "cmdAssolti" << "TfrmAssolti"
                                   << QStringList{"Data: 01/12/2025"} << "Stampa eseguita in data 10/12/2026";
    }
    void summaryLists()
    {
        QFETCH(int, kind);
        QFETCH(QString, button);
        QFETCH(QString, window);
        QFETCH(QStringList, starts);
        QFETCH(QString, footer);
        CardWindow *shown = open(Card(kind));
        QList<Record> records = fixture(Card(kind));
        store(*shown->definition().layout, records);
        QString pickedLine;
        ModalDriver::whenShown([&](QWidget *w) {
            auto *list = qobject_cast<RecordListWindow *>(w);
            QVERIFY(list);
            QCOMPARE(list->objectName(), window);
            QVERIFY(!list->panAvvio);
            QCOMPARE(list->lines().size(), starts.size());
            QCOMPARE(list->selectedRow(), 0);
            // Every fixed part of a line and the start of its last field show
            // without scrolling, on a 1366 x 768 screen.
            const int fixed = list->member().line.fixedLength();
            QVERIFY2(list->lstRecords->viewport()->width()
                         >= list->lstRecords->fontMetrics().horizontalAdvance(QString(fixed + 10, QLatin1Char('0'))),
                     qPrintable(QString::number(list->width())));
            QVERIFY(list->width() <= list->screen()->availableGeometry().width());
            for (int i = 0; i < starts.size(); ++i)
                QVERIFY2(list->lines().at(i).startsWith(starts.at(i)), qPrintable(list->lines().at(i)));
            QCOMPARE(QApplication::focusWidget(), list->txtTrova);
            click(list, QStringLiteral("btnStampa"));
            QCOMPARE(fakes->printer.last().text(QStringLiteral("txtTitolo")).text, list->windowTitle().trimmed());
            QCOMPARE(fakes->printer.last().text(QStringLiteral("txtPagina")).text, footer);
            pickedLine = list->lines().last();
            doubleClick(list, int(starts.size()) - 1);
        });
        click(shown, button);
        // The card shows the picked record, at its position.
        const int position = shown->position().toInt();
        QVERIFY(position >= 1 && position <= records.size());
        QVERIFY(pickedLine.contains(records.at(position - 1).value(kind == Appointments ? "Data" : kind == Clients ? "Name" : "ClienteRigo01")));
    }

    void importCopiesTheClientAndNothingElse_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("glasses") << int(Glasses) << "impCliente"
                                 << QStringList{"txtClienteRigo01=ROSSI Anna", "txtClienteRigo02=Via Po 1",
                                                "txtClienteRigo03=00100 Roma RM", "txtClienteRigo04=RSSNNA80A41H501U",
                                                "txtClienteRigo05=222", "txtNumPre=77", "txtNote=da non toccare"};
        QTest::newRow("lenses") << int(Lenses) << "impCliente"
                                << QStringList{"txtClienteRigo01=ROSSI Anna", "txtClienteRigo03=00100 Roma RM",
                                               "txtNumPre=77", "txtNote=da non toccare"};
        QTest::newRow("appointment") << int(Appointments) << "impContatto"
                                     << QStringList{"txtContatto=ROSSI Anna", "txtTel=06 123", "txtCel=222",
                                                    "txtEmail=anna@example.it", "txtLuogo=Bonifico",
                                                    "txtNote=da non toccare"};
    }
    void importCopiesTheClientAndNothingElse()
    {
        QFETCH(int, kind);
        QFETCH(QString, button);
        QFETCH(QStringList, expected);
        store(RecordLayout::clients(), fixture(Clients));
        CardWindow *shown = open(Card(kind));
        for (const char *name : {"txtNumPre", "txtNote"})
            if (auto *e = shown->control<QLineEdit>(QLatin1String(name)))
                e->setText(name == QByteArray("txtNote") ? QStringLiteral("da non toccare") : QStringLiteral("77"));
        ModalDriver::whenShown([&](QWidget *w) {
            auto *list = qobject_cast<RecordListWindow *>(w);
            QCOMPARE(list->objectName(), QStringLiteral("TfrmFindClients"));
            QCOMPARE(list->lblMemory->text(), shown->definition().key);
            click(list, QStringLiteral("btnCerca")); // no filter: every client, sorted
            QCOMPARE(list->lines().size(), 3);
            doubleClick(list, 1); // ROSSI Anna
        });
        click(shown, button);
        for (const QString &pair : expected)
            QCOMPARE(FieldBinder::text(shown->field(pair.section('=', 0, 0))), pair.section('=', 1));
        QCOMPARE(shown->position(), QString()); // still a new card
    }

    void emptyListsAndUnreadableArchive()
    {
        CardWindow *shown = open(Clients);
        ModalDriver::whenShown([&](QWidget *w) {
            auto *list = qobject_cast<RecordListWindow *>(w);
            click(list, QStringLiteral("btnCerca"));
            QCOMPARE(list->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 0 schede."));
            click(list, QStringLiteral("btnTrova"));
            QCOMPARE(fakes->messages.last().text,
                     QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        });
        click(shown, QStringLiteral("cmdFind"));
        ModalDriver::whenShown([&](QWidget *w) {
            click(w, QStringLiteral("btnTrova"));
            QCOMPARE(fakes->messages.last().text,
                     QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        });
        click(shown, QStringLiteral("cmdDefaulting"));

        // An archive that cannot be opened: the message, and the filters stay.
        QFile::remove(RecordFile::pathFor(RecordLayout::clients()));
        QDir().mkdir(RecordFile::pathFor(RecordLayout::clients()));
        ModalDriver::whenShown([&](QWidget *w) {
            auto *list = qobject_cast<RecordListWindow *>(w);
            click(list, QStringLiteral("btnCerca"));
            QVERIFY(list->panAvvio->isVisible());
            QVERIFY(!list->lblAttendere->isVisible());
            QVERIFY(fakes->messages.last().text.startsWith(
                QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.")));
        });
        click(shown, QStringLiteral("cmdFind"));
    }

    void enterPicksTheOnlyHit()
    {
        CardWindow *shown = open(Clients);
        store(*shown->definition().layout, fixture(Clients));
        ModalDriver::whenShown([&](QWidget *w) {
            auto *list = qobject_cast<RecordListWindow *>(w);
            QVERIFY(list);
            QTest::keyClicks(qobject_cast<QLineEdit *>(named(list, QStringLiteral("Cognome e nome:"))),
                             QStringLiteral("bianchi"));
            click(list, QStringLiteral("btnCerca"));
            QCOMPARE(list->lines().size(), 1);
            list->lstRecords->setFocus();
            QVERIFY(Focus::press(Qt::Key_Return));
            QVERIFY(!list->isVisible());
        });
        click(shown, QStringLiteral("cmdFind"));
        QCOMPARE(FieldBinder::text(shown->field(QStringLiteral("txtName"))), QStringLiteral("Bianchi Rosa"));
    }

    void filterEditsCycleWithEnter()
    {
        CardWindow *shown = open(Appointments);
        ModalDriver::whenShown([&](QWidget *w) {
            auto *list = qobject_cast<RecordListWindow *>(w);
            QCOMPARE(Focus::name(), QStringLiteral("txtData"));
            const QStringList order = {"txtOra", "txtTipologia", "txtCausale", "txtDettagli", "txtContatto",
                                       "txtTel", "txtCel", "txtLuogo", "txtNote", "txtData"};
            for (const QString &next : order) {
                QVERIFY(Focus::press(Qt::Key_Return));
                QCOMPARE(Focus::name(), next);
            }
            QCOMPARE(list->filter(QStringLiteral("txtOra"))->accessibleName(), QStringLiteral("Ora (hh:mm):"));
            click(list, QStringLiteral("btnCerca"));
            QTest::keyClick(list->txtTrova, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), list->btnTrova);
        });
        click(shown, QStringLiteral("cmdTrova"));
    }
};

int main(int argc, char **argv)
{
    // The list windows are laid out for a shop's screen, 1366 x 768 at least.
    OffscreenScreen::use(1366, 768);
    QApplication app(argc, argv);
    TestListWindows test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_listwindows.moc"
