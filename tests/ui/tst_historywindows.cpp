#include "Focus.h"
#include "ModalDriver.h"
#include "OffscreenScreen.h"
#include "WindowTest.h"
#include "archive/ExportWindow.h"
#include "archive/RecordListWindow.h"
#include "clients/RecallListWindow.h"
#include "clients/TfrmClients.h"
#include "core/RecallFile.h"
#include "core/Record.h"
#include "core/RecordFile.h"
#include "core/Settings.h"
#include "platform/FakeServices.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QListView>
#include <QUrlQuery>
#include "TestRecords.h"
#include <QtTest>

using namespace lumivista;

namespace {

const QString yes = QStringLiteral("S\u00EC");
using Kind = FakeMessageService::Kind;

QString pad(const QString &text, int width)
{
    return text.leftJustified(width, QLatin1Char(' '), true);
}

} // namespace

/** The client's history and the recall list as the shop uses them from the
 *  client card: what they list, the pick onto a card, printing, export, the
 *  WhatsApp recall and the recall file. */
class TestHistoryWindows : public WindowTest
{
    Q_OBJECT

    TfrmClients *card = nullptr;

    /** Two clients of the same name: Mario by tax code, the other one by name and mobile. */
    void storeArchives()
    {
        storeRecords(RecordLayout::clients(),
              {makeRecord(RecordLayout::clients(), {"Name=Rossi Mario", "TaxNumber=RSSMRA80A01H501U", "MobilePhone=3331111111",
                                              "DataEsame=15/06/2026"}),
               makeRecord(RecordLayout::clients(), {"Name=Rossi Mario", "MobilePhone=3332222222"}),
               makeRecord(RecordLayout::clients(), {"Name=Bianchi Anna", "MobilePhone=3403333333", "DataEsame=01/02/2024"})});
        storeRecords(RecordLayout::glasses(),
              {makeRecord(RecordLayout::glasses(), {"NumPre=7", "Data=20/11/2026", "ClienteRigo01=Rossi Mario",
                                              "ClienteRigo04=RSSMRA80A01H501U", "ClienteRigo05=3331111111", "TipoOc=Progressivi", "Dovuto=350,00",
                                              "Totale=150,00", "Saldato=No"}),
               makeRecord(RecordLayout::glasses(), {"NumPre=8", "Data=01/01/2024", "ClienteRigo01=ROSSI MARIO",
                                              "ClienteRigo05=333 2222222", "Dovuto=90,00", "Totale=0,00",
                                              "Saldato=" + yes})});
        storeRecords(RecordLayout::appointments(),
              {makeRecord(RecordLayout::appointments(), {"Data=01/12/2026", "Ora=10:30", "OreApp=10", "MinutiApp=30",
                                                   "Contatto=Rossi Mario", "Cel=3331111111", "Causale=Consegna",
                                                   "Ottemperata=" + yes})});
    }

    void showClient(qint64 position)
    {
        card->loadRecord(*RecordFile::recordAt(RecordLayout::clients(), position), position);
    }

private Q_SLOTS:
    void init()
    {
        startWindowTest();
        fakes->clock.setNow(QDateTime(QDate(2026, 12, 11), QTime(9, 0)));
        card = static_cast<TfrmClients *>(openWorkingWindow(WindowId::Clients));
        storeArchives();
    }
    void cleanup()
    {
        endWindowTest();
    }

    void historyNeedsAStoredClient()
    {
        click(card, QStringLiteral("btnStorico"));
        QCOMPARE(fakes->messages.last(),
                 (FakeMessageService::Message{
                     Kind::Warning, QStringLiteral("Attenzione: salvare la scheda del cliente prima di accedere allo storico.")}));
    }

    void historyListsPrintsExportsAndOpens()
    {
        showClient(1);
        ModalDriver::whenShown([&](QWidget *w) {
            auto *list = qobject_cast<RecordListWindow *>(w);
            QVERIFY(list);
            QCOMPARE(list->objectName(), QStringLiteral("TfrmStorico"));
            QCOMPARE(list->lines(),
                     (QStringList{pad("01/12/2026", 10) + "  " + pad("Appuntamento", 17) + "  "
                                      + pad("ore 10:30  Consegna", 66) + "  " + pad("Ottemperato", 14)
                                      + "  Abbinato per: nome e cellulare",
                                  pad("20/11/2026", 10) + "  " + pad("Occhiali", 17) + "  "
                                      + pad("n. 7  " + pad("Progressivi", 20) + "  Totale € 350,00  Saldo € 150,00", 66)
                                      + "  " + pad("Da saldare", 14) + "  Abbinato per: codice fiscale",
                                  pad("15/06/2026", 10) + "  " + pad("Esame optometrico", 17) + "  " + pad("", 66) + "  "
                                      + pad("", 14) + "  Abbinato per: scheda cliente"}));
            const QString figures = QStringLiteral(
                "Spesa negli ultimi 12 mesi: € 350,00     Saldo da incassare: € 150,00     Ultima visita: 01/12/2026");
            QCOMPARE(list->lblRiepilogo->text(), figures);
            QCOMPARE(list->lblRiepilogo->accessibleName(), figures);
            QVERIFY(list->lblRiepilogo->isVisible());

            click(list, QStringLiteral("btnStampa"));
            QCOMPARE(fakes->printer.count(), 1);
            QCOMPARE(int(fakes->printer.last().kind), int(FakePrintService::Kind::Preview));
            QCOMPARE(fakes->printer.last().text(QStringLiteral("txtTitolo")).text,
                     QStringLiteral("Storico del cliente Rossi Mario"));
            QCOMPARE(fakes->printer.last().text(QStringLiteral("txtCifre")).text, figures);
            QCOMPARE(fakes->printer.last().named(QStringLiteral("txtRiepilogo")).size(), 3);

            ModalDriver::whenShown([&](QWidget *e) {
                auto *exporter = qobject_cast<ExportWindow *>(e);
                QVERIFY(exporter);
                QCOMPARE(exporter->grdRecords->model()->rowCount(), 3);
                fakes->messages.queueConfirm(true);
                fakes->messages.queueConfirm(false);
                exporter->cmdEsporta->click();
            });
            click(list, QStringLiteral("btnEsporta"));
            const QByteArray xls = folder->read(QStringLiteral("Storico_Cliente.xls"));
            QVERIFY(xls.contains("<td style=\"text-align: left;\">Progressivi</td>"));
            QVERIFY(xls.contains("codice fiscale"));

        });
        click(card, QStringLiteral("btnStorico"));
    }

    void historyPickOpensTheCard()
    {
        CardWindow *glasses = static_cast<CardWindow *>(openWorkingWindow(WindowId::Glasses));
        card = static_cast<TfrmClients *>(openWorkingWindow(WindowId::Clients));
        showClient(2);
        ModalDriver::whenShown([&](QWidget *w) {
            auto *list = qobject_cast<RecordListWindow *>(w);
            QVERIFY(list);
            // The namesake's prescription matched by name and mobile only.
            QCOMPARE(list->lines().size(), 1);
            QVERIFY(list->lines().at(0).endsWith(QStringLiteral("Abbinato per: nome e cellulare")));
            list->lstRecords->setFocus();
            QVERIFY(Focus::press(Qt::Key_Return));
        });
        click(card, QStringLiteral("btnStorico"));
        QVERIFY(glasses->isVisible());
        QVERIFY(!card->isVisible());
        QCOMPARE(glasses->position(), QStringLiteral("2"));
        QCOMPARE(FieldBinder::text(glasses->field(QStringLiteral("txtNumPre"))), QStringLiteral("8"));
    }

    void recallsCallMarkAndFilter()
    {
        QVERIFY(Settings::writeShopLines({"Ottica D'Amico", "", "", "", ""}));
        ModalDriver::whenShown([&](QWidget *w) {
            auto *list = qobject_cast<RecallListWindow *>(w);
            QVERIFY(list);
            QCOMPARE(list->objectName(), QStringLiteral("TfrmRichiami"));
            // Anna's exam is 34 months old; the second Mario's glasses 35. The first Mario came this year.
            const QString anna = pad("Bianchi Anna", 30) + "  Cel. " + pad("3403333333", 15) + "  Ultima visita: "
                + pad("Esame optometrico", 17) + " del 01/02/2024  Mesi: 34   Richiamato il: ";
            const QString mario = pad("Rossi Mario", 30) + "  Cel. " + pad("3332222222", 15) + "  Ultima visita: "
                + pad("Occhiali", 17) + " del 01/01/2024  Mesi: 35   Richiamato il: ";
            QCOMPARE(list->lines(), (QStringList{anna, mario}));

            list->selectRow(1);
            click(list, QStringLiteral("btnWhatsApp"));
            const QUrlQuery query{QUrl(fakes->shell.last())};
            QCOMPARE(query.queryItemValue(QStringLiteral("phone")), QStringLiteral("393332222222"));
            QVERIFY(query.queryItemValue(QStringLiteral("text"), QUrl::FullyDecoded)
                        .contains(QStringLiteral("35 mesi dalla sua ultima visita presso Ottica D'Amico.")));

            click(list, QStringLiteral("btnRichiamato"));
            QCOMPARE(RecallFile::read()->value(2), QDate(2026, 12, 11));
            QCOMPARE(list->lines(), QStringList{anna}); // hidden: recalled today
            QVERIFY(list->lblRiepilogo->text().endsWith(
                QStringLiteral("Nascosti perché richiamati negli ultimi 30 giorni: 1.")));
            list->chkNascondi->click();
            QCOMPARE(list->lines(), (QStringList{anna, mario + "11/12/2026"}));

            // The intervals: refused out of range, stored and applied otherwise.
            list->txtMesiOcchiali->setText(QStringLiteral("0"));
            click(list, QStringLiteral("btnApplica"));
            QCOMPARE(fakes->messages.last().kind, Kind::Plain);
            QCOMPARE(Settings::recallMonths(PrescriptionKind::Glasses), 24);
            list->txtMesiOcchiali->setText(QStringLiteral("36"));
            click(list, QStringLiteral("btnApplica"));
            QCOMPARE(Settings::recallMonths(PrescriptionKind::Glasses), 36);
            QCOMPARE(list->lines(), QStringList{}); // nobody is 36 months behind
        });
        click(card, QStringLiteral("cmdRichiami"));
    }

    void recallPickLoadsTheClient()
    {
        ModalDriver::whenShown([&](QWidget *w) {
            auto *list = qobject_cast<RecordListWindow *>(w);
            QVERIFY(list);
            list->selectRow(1);
            list->lstRecords->setFocus();
            QVERIFY(Focus::press(Qt::Key_Return));
        });
        click(card, QStringLiteral("cmdRichiami"));
        QCOMPARE(card->position(), QStringLiteral("2"));
        QCOMPARE(FieldBinder::text(card->field(QStringLiteral("txtMobilePhone"))), QStringLiteral("3332222222"));
    }
};

int main(int argc, char **argv)
{
    OffscreenScreen::use(1366, 768);
    QApplication app(argc, argv);
    TestHistoryWindows test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_historywindows.moc"
