#include "ModalDriver.h"
#include "WindowTest.h"
#include "agenda/TfrmAgenda.h"
#include "appointments/TfrmArchivio_Scadenze.h"
#include "archive/DocumentPrinter.h"
#include "archive/PrintConfirmation.h"
#include "clients/TfrmClients.h"
#include "glasses/TfrmConformita.h"
#include "glasses/TfrmOcchiali.h"
#include "lenses/TfrmLenti.h"
#include "platform/FakeServices.h"
#include "platform/PrintFailure.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

using namespace lumivista;
using Kind = FakePrintService::Kind;

namespace {

enum Card { Clients, Glasses, Lenses, Appointments };

/** "name=value": what is typed on the card before printing. */
using Typed = QStringList;
/** "name|value|left|top": a text the sheet must show, in mm of the printable area. */
using Expected = QStringList;

} // namespace

/** Every document printout through its card and its confirmation window: the
 *  texts the paint routine places (name, value, position), the guarded and
 *  unguarded failures, "Annulla", a cancelled print dialog, the declaration and
 *  the agenda's list. */
class TestPrintouts : public WindowTest
{
    Q_OBJECT

    QWidget *open(Card kind)
    {
        static const WindowId ids[] = {WindowId::Clients, WindowId::Glasses, WindowId::Lenses, WindowId::Appointments};
        return openWorkingWindow(ids[kind]);
    }

    static void type(QWidget *window, const Typed &typed)
    {
        for (const QString &pair : typed) {
            const QString name = pair.section(QLatin1Char('='), 0, 0);
            const QString value = pair.section(QLatin1Char('='), 1);
            QWidget *control = window->findChild<QWidget *>(name);
            QVERIFY2(control, qPrintable(name));
            if (auto *e = qobject_cast<QLineEdit *>(control))
                e->setText(value);
            else if (auto *c = qobject_cast<QComboBox *>(control))
                c->setCurrentText(value);
            else if (auto *b = qobject_cast<QCheckBox *>(control))
                b->setChecked(value == QLatin1String("1"));
            else
                QFAIL(qPrintable(name));
        }
    }

    static void verifyPlaced(const FakePrintService::Request &printed, const Expected &expected)
    {
        for (const QString &row : expected) {
            const QStringList part = row.split(QLatin1Char('|'));
            const PlacedText text = printed.text(part[0]);
            QVERIFY2(!text.name.isEmpty(), qPrintable(QStringLiteral("%1 not placed once").arg(part[0])));
            QCOMPARE(text.text, part[1]);
            QVERIFY2(qAbs(text.boxMm.left() - part[2].toDouble()) < 0.1
                         && qAbs(text.boxMm.top() - part[3].toDouble()) < 0.1,
                     qPrintable(QStringLiteral("%1 at %2,%3").arg(part[0]).arg(text.boxMm.left()).arg(text.boxMm.top())));
        }
    }

    /** The templates copied out of the shared folder, with one object renamed. */
    void breakTemplate(const QString &file, const QString &object)
    {
        const QString templates = folder->file(QStringLiteral("templates"));
        const QDir source(QFileInfo(templates).symLinkTarget());
        QFile::remove(templates);
        QDir().mkpath(templates + QStringLiteral("/pictures"));
        for (const QString &name : source.entryList(QDir::Files))
            QFile::copy(source.filePath(name), templates + QLatin1Char('/') + name);
        for (const QString &name : QDir(source.filePath(QStringLiteral("pictures"))).entryList(QDir::Files))
            QFile::copy(source.filePath(QStringLiteral("pictures/") + name), templates + QStringLiteral("/pictures/") + name);
        QFile f(templates + QLatin1Char('/') + file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QByteArray json = f.readAll();
        f.close();
        const QByteArray quoted = "\"" + object.toUtf8() + "\"";
        QVERIFY(json.contains(quoted));
        json.replace(quoted, "\"gone\"");
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(json);
    }

private Q_SLOTS:
    void init()
    {
        startWindowTest();
        fakes->clock.setNow(QDateTime(QDate(2025, 3, 3), QTime(9, 41, 7)));
    }
    void cleanup() { endWindowTest(); }

    void documentsPlaceEveryValue_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("preview");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("filled");
        QTest::addColumn<Typed>("typed");
        QTest::addColumn<Expected>("expected");

        const Typed prescription = {
            "txtOtticoRigo01=  Ottica Rossi  ", "txtOtticoRigo05=Tel. 06 1234567", "txtNumPre=12",
            "txtClienteRigo01= Bianchi Anna [VIP] ", "txtClienteRigo04=BNCNNA80A41H501U", "txtClienteRigo05=",
            "txtLenteDX01=Zeiss", "txtLenteSX07=Organico", "txtMontatura01=Ray-Ban", "txtModalita=Contanti",
            "txtImporto01=120,00", "txtFinale=20,00", "txtNote=Consegna in negozio"};
        const Expected glassesSheet = {
            "txtOtticoRigo01|Ottica Rossi|2|11", "txtOtticoRigo05|Tel. 06 1234567|2|28", "txtNumPre|12|1|38.5",
            "txtClienteRigo01|Bianchi Anna [VIP]|44|67", "txtClienteRigo04|BNCNNA80A41H501U|44|85",
            "txtClienteRigo05|Cellulare:   |107|85", "txtLenteDX01|Zeiss|1|105", "txtLenteSX07|Organico|130|141",
            "txtMontatura01|Ray-Ban|41|158", "txtModalita|Contanti|1|212", "txtImporto01|120,00|159|162",
            "txtFinale|20,00|159|199", "txtNote|Consegna in negozio|1|234"};
        Typed lensTyped = prescription;
        lensTyped << "txtLenteDX10=Azzurro" << "txtLenteSX08=14,2" << "txtMontatura07=Custodia";
        const Expected lensSheet = {
            "txtOtticoRigo01|Ottica Rossi|2|11", "txtClienteRigo01|Bianchi Anna [VIP]|44|55",
            "txtClienteRigo05|Cellulare:   |107|73", "txtLenteDX01|Zeiss|1|95", "txtLenteDX10|Azzurro|1|149",
            "txtLenteSX08|14,2|130|137", "txtMontatura01|Ray-Ban|41|167", "txtMontatura07|Custodia|41|197.86",
            "txtModalita|Contanti|1|225", "txtFinale|20,00|159|210", "txtNote|Consegna in negozio|1|242"};
        for (bool preview : {true, false}) {
            const char *mode = preview ? "preview" : "print";
            QTest::addRow("glasses %s", mode)
                << int(Glasses) << (preview ? "cmdAnteprima" : "cmdStampa")
                << (preview ? "TfrmAnteprimaOcchiali" : "TfrmStampaOcchiali") << preview << "Prescrizione Occhiali"
                << 47 << prescription << glassesSheet;
            QTest::addRow("lenses %s", mode)
                << int(Lenses) << (preview ? "cmdAnteprima" : "cmdStampa")
                << (preview ? "TfrmAnteprimaLenti" : "TfrmStampaLenti") << preview << "Prescrizione Lenti a Contatto"
                << 53 << lensTyped << lensSheet;
            QTest::addRow("appointment %s", mode)
                << int(Appointments) << (preview ? "cmdAnteprima" : "cmdStampa")
                << (preview ? "TfrmStartup" : "TfrmStampaScadenza") << preview << "Scheda Appuntamento" << 14
                << Typed{"txtOreApp=00", "txtMinutiApp=00", "txtContatto=  Verdi Luca ", "txtNote=[richiamare]",
                         "chkOttemperata=1"}
                << Expected{"txtData||44|7.5", "txtOra|00:00|44|12.5", "txtContatto|Verdi Luca|44|32.5",
                            "txtNote|[richiamare]|44|62.5", "txtOttemperata|Sì|44|67.5",
                            "txtCalce|Stampa eseguita in data 03/03/2025 alle ore 09:41:07|2|77"};
        }
        QTest::addRow("client print")
            << int(Clients) << "cmdPrint" << "TfrmPrintClient" << false << "Scheda Cliente" << 27
            << Typed{"txtName= Rossi Mario ", "txtNotes=" + QString(300, QLatin1Char('x'))}
            << Expected{"txtName|Rossi Mario|44|7.5", "txtGender||44|12.5", "txtNotes|" + QString(300, QLatin1Char('x')) + "|44|132.5",
                        "txtCalce|Scheda stampata in data 03/03/2025 alle ore 09:41:07|2|140"};
    }
    void documentsPlaceEveryValue()
    {
        QFETCH(int, kind);
        QFETCH(QString, button);
        QFETCH(QString, window);
        QFETCH(bool, preview);
        QFETCH(QString, title);
        QFETCH(int, filled);
        QFETCH(Typed, typed);
        QFETCH(Expected, expected);

        QWidget *shown = open(Card(kind));
        type(shown, typed);
        bool seen = false;
        ModalDriver::whenShown([&](QWidget *confirmation) {
            seen = true;
            QCOMPARE(confirmation->objectName(), window);
            QCOMPARE(confirmation->windowTitle(), preview ? QStringLiteral(" Anteprima di stampa") : QStringLiteral(" Stampa scheda"));
            QCOMPARE(confirmation->size(), QSize(364, 287));
            auto *go = qobject_cast<PrintConfirmation *>(confirmation)->btnConferma;
            QCOMPARE(go->text(), preview ? QStringLiteral("Mostra anteprima") : QStringLiteral("Stampa"));
            go->click();
            QVERIFY(!confirmation->isVisible());
        });
        click(shown, button);
        QVERIFY(seen);
        QCOMPARE(fakes->printer.count(), 1);
        const FakePrintService::Request &printed = fakes->printer.last();
        QCOMPARE(printed.kind, preview ? Kind::Preview : Kind::Print);
        QCOMPARE(printed.title, title);
        QCOMPARE(printed.pages.size(), 1);
        QCOMPARE(printed.layout.orientation(), QPageLayout::Portrait);
        QSet<QString> named;
        for (const PlacedText &text : printed.pages.first())
            if (!text.name.isEmpty() && !text.name.startsWith(QLatin1String("tit")))
                named.insert(text.name);
        QCOMPARE(named.size(), filled);
        verifyPlaced(printed, expected);
        QVERIFY(fakes->messages.count() == 0);
    }

    void annullaAndCancelledDialogPrintNothing()
    {
        QWidget *shown = open(Glasses);
        ModalDriver::whenShown([&](QWidget *w) { click(w, QStringLiteral("btnAnnulla")); });
        click(shown, QStringLiteral("cmdStampa"));
        fakes->printer.cancelNext();
        ModalDriver::whenShown([&](QWidget *w) {
            click(w, QStringLiteral("btnStampa"));
            QVERIFY(!w->isVisible()); // a cancelled dialog is no failure: the window closes quietly
        });
        click(shown, QStringLiteral("cmdStampa"));
        QCOMPARE(fakes->printer.count(), 0);
        QCOMPARE(fakes->messages.count(), 0);
    }

    void guardedFailureWarnsAndCloses_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("warning");
        QTest::newRow("glasses preview") << int(Glasses) << "cmdAnteprima" << "PrescrizioneOcchiali.json"
                                         << DocumentPrinter::failureText(DocumentPrinter::Mode::Preview);
        QTest::newRow("lenses print") << int(Lenses) << "cmdStampa" << "PrescrizioneLenti.json"
                                      << DocumentPrinter::failureText(DocumentPrinter::Mode::Print);
    }
    void guardedFailureWarnsAndCloses()
    {
        QFETCH(int, kind);
        QFETCH(QString, button);
        QFETCH(QString, file);
        QFETCH(QString, warning);
        breakTemplate(file, QStringLiteral("txtLenteSX07"));
        QWidget *shown = open(Card(kind));
        ModalDriver::whenShown([&](QWidget *w) {
            qobject_cast<PrintConfirmation *>(w)->btnConferma->click();
            QVERIFY(!w->isVisible());
        });
        click(shown, button);
        QCOMPARE(fakes->printer.count(), 0);
        QCOMPARE(fakes->messages.count(), 1);
        QCOMPARE(fakes->messages.last().kind, FakeMessageService::Kind::Warning);
        QCOMPARE(fakes->messages.last().text, warning);
    }

    void unguardedFailureGoesUpAndKeepsTheWindow_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("object");
        QTest::newRow("client") << int(Clients) << "SchedaCliente.json" << "txtNotes";
        QTest::newRow("appointment") << int(Appointments) << "SchedaAppuntamento.json" << "txtOttemperata";
    }
    void unguardedFailureGoesUpAndKeepsTheWindow()
    {
        QFETCH(int, kind);
        QFETCH(QString, file);
        QFETCH(QString, object);
        breakTemplate(file, object);
        QWidget *shown = open(Card(kind));
        DocumentPrint document = kind == Clients ? static_cast<TfrmClients *>(shown)->printout()
                                                 : static_cast<TfrmArchivio_Scadenze *>(shown)->printout();
        PrintConfirmation confirmation(fakes->services(), QStringLiteral("x"), DocumentPrinter::Mode::Print,
                                       document, shown);
        confirmation.show();
        QVERIFY_THROWS_EXCEPTION(PrintFailure, confirmation.confirm());
        QVERIFY(confirmation.isVisible());
        QCOMPARE(confirmation.result(), 0);
        QCOMPARE(fakes->messages.count(), 0); // the application's handler reports it, not the window
    }

    void declarationCarriesTheCardAndKeepsCorrectionsOffIt()
    {
        auto *glasses = static_cast<TfrmOcchiali *>(open(Glasses));
        type(glasses, {"txtOtticoRigo01=Ottica Rossi", "txtMontatura04=Nero", "txtMontatura05=non riportato",
                       "txtLenteDX06=Classe 1", "txtClienteRigo01=Bianchi Anna", "txtClienteRigo05= 3331234567 "});
        fakes->clock.setToday(QDate(2026, 12, 10));
        ModalDriver::whenShown([&](QWidget *w) {
            auto *declaration = qobject_cast<TfrmConformita *>(w);
            QVERIFY(declaration);
            QCOMPARE(declaration->height(), 632);
            QVERIFY(declaration->width() >= 650);
            // The values the window is there to check show whole, from their start.
            for (const auto &[name, value] :
                 {std::pair{"edtClienteRigo04", "WWWWWW00W00W000W"}, std::pair{"edtLenteDX02", "Varilux Comfort 1,60"},
                  std::pair{"edtLenteSX02", "Varilux Comfort Max 1,67"}, std::pair{"edtLenteDX04", "Crizal Sapphire HR"}}) {
                QLineEdit *field = declaration->edit(QLatin1String(name));
                field->setText(QLatin1String(value));
                QVERIFY2(showsWhole(field), name);
            }
            QCOMPARE(declaration->edit(QStringLiteral("edtMontatura04"))->text(), QStringLiteral("Nero"));
            QCOMPARE(declaration->edit(QStringLiteral("edtClienteRigo05"))->text(), QStringLiteral("3331234567"));
            QCOMPARE(declaration->edit(QStringLiteral("edtData"))->text(), QStringLiteral("10/12/2026"));
            declaration->edit(QStringLiteral("edtClienteRigo01"))->setText(QStringLiteral("Bianchi Anna Maria"));
            declaration->edit(QStringLiteral("edtData"))->setText(QStringLiteral("11/12/2026"));
            declaration->btnAnteprima->click();
            declaration->btnStampa->click();
            declaration->btnRetro->click();
            QVERIFY(declaration->isVisible()); // both sides, one after the other
            QCOMPARE(fakes->printer.count(), 3);
            const auto &front = fakes->printer.requests().at(1);
            QCOMPARE(front.kind, Kind::Print);
            QCOMPARE(front.title, QStringLiteral("Dichiarazione di Lente Conforme"));
            QSet<QString> named;
            for (const PlacedText &text : front.pages.first())
                if (!text.name.isEmpty())
                    named.insert(text.name);
            QCOMPARE(named.size(), 27);
            // Bold unless stated: the three lines of the client's declaration too.
            int declarationLines = 0;
            for (const PlacedText &text : front.pages.first())
                if (text.boxMm.top() >= 191.9 && text.boxMm.top() <= 200.1) {
                    ++declarationLines;
                    QVERIFY2(text.font.bold(), qPrintable(text.text));
                }
            QCOMPARE(declarationLines, 3);
            verifyPlaced(front, {"txtOtticoRigo01|Ottica Rossi|2|16", "txtMontatura04|Nero|47|75",
                                 "txtLenteDX06|Classe 1|1|130", "txtClienteRigo01|Bianchi Anna Maria|44|165",
                                 "txtClienteRigo05|Cellulare:   3331234567|107|183", "txtData|11/12/2026|70|213.5"});
            QCOMPARE(fakes->printer.requests().at(0).kind, Kind::Preview);
            const auto &back = fakes->printer.requests().at(2);
            QCOMPARE(back.title, QStringLiteral("Istruzioni Uso Occhiali"));
            QCOMPARE(back.pages.size(), 1);
            // Retro fails: the warning, and the window closes.
            fakes->printer.failNext(QStringLiteral("carta esaurita"));
            declaration->btnRetro->click();
            QVERIFY(!declaration->isVisible());
        });
        click(glasses, QStringLiteral("btnDichiara"));
        QCOMPARE(fakes->messages.last().text, DocumentPrinter::failureText(DocumentPrinter::Mode::Print));
        QCOMPARE(edit(glasses, QStringLiteral("txtClienteRigo01"))->text(), QStringLiteral("Bianchi Anna"));
    }

    void agendaPrintsItsListInOrder()
    {
        TfrmAgenda agenda(*context);
        agenda.lstRecords->addItems({QStringLiteral("B 10/03/2025 [x]"), QStringLiteral("A 09/03/2025")});
        click(&agenda, QStringLiteral("btnStampa"));
        QCOMPARE(fakes->printer.count(), 1);
        const FakePrintService::Request &printed = fakes->printer.last();
        QCOMPARE(printed.title, QStringLiteral("Riepilogo dati"));
        QCOMPARE(printed.layout.orientation(), QPageLayout::Landscape);
        QCOMPARE(printed.text(QStringLiteral("txtTitolo")).text, QStringLiteral("Riepilogo appuntamenti imminenti"));
        const QList<PlacedText> lines = printed.named(QStringLiteral("txtRiepilogo"));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.at(0).text, QStringLiteral("B 10/03/2025 [x]"));
        QCOMPARE(lines.at(1).text, QStringLiteral("A 09/03/2025"));
        QCOMPARE(printed.text(QStringLiteral("txtPagina")).text, QStringLiteral("Stampa eseguita in data 03/03/2025"));
    }
};

QTEST_MAIN(TestPrintouts)
#include "tst_printouts.moc"
