#include "ModalDriver.h"
#include "Focus.h"
#include "WindowTest.h"
#include "FullDisk.h"
#include "archive/TfrmNumerazione.h"
#include "core/Messages.h"
#include "core/ProgramFolder.h"
#include "glasses/TfrmOcchiali.h"
#include "lenses/TfrmLenti.h"
#include "widgets/PictureButton.h"
#include "widgets/TfrmCalendario.h"
#include "widgets/ValueLabel.h"
#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <sys/stat.h>

using namespace lumivista;
using Kind = FakeMessageService::Kind;
using Message = FakeMessageService::Message;

namespace {

/** Byte positions of both record types, written out independently of the layout code. */
struct Geometry
{
    int size;
    int tipoOc, importo01, finale, totale, dovuto, note, saldato, file01, lastLensSX;
    QString archive;
};

const Geometry glassesBytes{5436, 2108, 3543, 3621, 3634, 3655, 3676, 3927, 3930, 3492, "Prescrizioni_Occhiali.pro"};
const Geometry lensBytes{5742, 2108, 3849, 3927, 3940, 3961, 3982, 4233, 4236, 3798, "Prescrizioni_Lenti.pro"};

/** A stored prescription with a number, a client and the given extras. */
QByteArray prescription(const Geometry &g, const QByteArray &number,
                        const QList<std::pair<int, QByteArray>> &extra = {})
{
    QByteArray r(g.size, '\0');
    WindowTest::putField(r, 0, number);
    WindowTest::putField(r, 21, "01/02/2024");
    WindowTest::putField(r, 32, "Ottica Centrale");
    WindowTest::putField(r, 1287, "Mario Rossi");
    WindowTest::putField(r, 2040, "RSSMRA80A01H501U");
    WindowTest::putField(r, 2057, "3331234567");
    WindowTest::putField(r, g.tipoOc, "Progressivi");
    WindowTest::putField(r, g.saldato, "No");
    for (const auto &[offset, text] : extra)
        WindowTest::putField(r, offset, text);
    return r;
}

const QString today = QStringLiteral("15/03/2024"); // the fake clock's day

} // namespace

class TestPrescriptionCards : public WindowTest
{
    Q_OBJECT

    PrescriptionCard *card = nullptr;
    const Geometry *geo = &glassesBytes;

    void open(bool lenses)
    {
        card = static_cast<PrescriptionCard *>(openWorkingWindow(lenses ? WindowId::Lenses : WindowId::Glasses));
        geo = lenses ? &lensBytes : &glassesBytes;
        QVERIFY(QTest::qWaitForWindowActive(card));
    }

    QWidget *named(const QString &name) { return WindowTest::named(card, name); }
    QLineEdit *edit(const QString &objectName) { return WindowTest::edit(card, objectName); }
    QString text(const QString &objectName)
    {
        QWidget *w = card->findChild<QWidget *>(objectName);
        if (auto *e = qobject_cast<QLineEdit *>(w))
            return e->text();
        if (auto *l = qobject_cast<QLabel *>(w))
            return l->text();
        return QStringLiteral("<none>");
    }
    void type(const QString &accessibleName, const QString &keys)
    {
        auto *e = qobject_cast<QLineEdit *>(named(accessibleName));
        QVERIFY2(e, qPrintable(accessibleName));
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, keys);
    }
    void click(const QString &name) { WindowTest::click(card, name); }
    /** Fills the seven required fields the way a user does. */
    void fillRequired()
    {
        click(QStringLiteral("cmdNuovo"));
        type(QStringLiteral("DATI CENTRO OTTICO riga 1"), QStringLiteral("Ottica Centrale"));
        type(QStringLiteral("DATI CLIENTE riga 1"), QStringLiteral("Mario Rossi"));
        type(QStringLiteral("C.F."), QStringLiteral("RSSMRA80A01H501U"));
        type(QStringLiteral("Cel."), QStringLiteral("3331234567"));
        auto *typeEdit = edit(QStringLiteral("txtTipoOc"));
        typeEdit->setFocus();
        QTest::keyClicks(typeEdit, QStringLiteral("Progressivi"));
    }
    void addLensesColumn(bool both = true)
    {
        QTest::addColumn<bool>("lenses");
        QTest::newRow("glasses") << false;
        if (both)
            QTest::newRow("lenses") << true;
    }
    QByteArray storedRecord(int index)
    {
        return folder->read(geo->archive).mid(index * geo->size, geo->size);
    }

private Q_SLOTS:
    void init()
    {
        startWindowTest();
    }
    void cleanup()
    {
        card = nullptr;
        endWindowTest();
    }

    void showsANewDatedCard_data() { addLensesColumn(); }
    void showsANewDatedCard()
    {
        QFETCH(bool, lenses);
        open(lenses);
        QCOMPARE(card->windowTitle(), lenses ? QStringLiteral(" Lumivista - Prescrizione Lenti a Contatto")
                                             : QStringLiteral(" Lumivista - Prescrizione Occhiali"));
        QCOMPARE(text("txtData"), today);
        QCOMPARE(text("txtNumPre"), QString());
        QCOMPARE(card->position(), QString());
        QCOMPARE(card->panInfo->text(), QStringLiteral("Pronto per archiviare una nuova prescrizione..."));
        QCOMPARE(card->focusWidget(), edit("txtClienteRigo01"));
    }

    void numbering_data()
    {
        QTest::addColumn<bool>("lenses");
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("number");
        QTest::newRow("glasses, nothing yet") << false << QByteArray() << 0 << "1";
        QTest::newRow("glasses, start 100, five stored")
            << false << QByteArray("[Numerazione Prescrizioni Occhiali]\r\nInizio=100\r\n") << 5 << "105";
        QTest::newRow("glasses, start 0") << false << QByteArray("[Numerazione Prescrizioni Occhiali]\r\nInizio=0\r\n")
                                          << 0 << "0";
        QTest::newRow("glasses, empty start")
            << false << QByteArray("[Numerazione Prescrizioni Occhiali]\r\nInizio=\r\n") << 2 << "3";
        QTest::newRow("lenses ignore the eyeglass start")
            << true << QByteArray("[Numerazione Prescrizioni Occhiali]\r\nInizio=500\r\n") << 3 << "4";
        QTest::newRow("lenses, start 500, twelve stored")
            << true << QByteArray("[Numerazione Prescrizioni Lenti]\r\nInizio=500\r\n") << 12 << "512";
        QTest::newRow("damaged settings file") << false << QByteArray("\x00\xff\x10[Num\x00", 7) << 1 << "2";
    }
    void numbering()
    {
        QFETCH(bool, lenses);
        QFETCH(QByteArray, settings);
        QFETCH(int, stored);
        QFETCH(QString, number);
        if (!settings.isEmpty())
            folder->write(QStringLiteral("Lumivista.ini"), settings);
        const Geometry &g = lenses ? lensBytes : glassesBytes;
        QByteArray archive;
        for (int i = 0; i < stored; ++i)
            archive += prescription(g, QByteArray::number(i + 1));
        if (stored)
            folder->write(g.archive, archive);
        open(lenses);
        edit("txtClienteRigo01")->setText(QStringLiteral("left over"));
        click(QStringLiteral("cmdNuovo"));
        QCOMPARE(text("txtNumPre"), number);
        QCOMPARE(text("txtData"), today);
        QCOMPARE(text("txtClienteRigo01"), QString());
        QCOMPARE(card->focusWidget(), edit("txtClienteRigo01"));
        QVERIFY(fakes->messages.isEmpty());
        QVERIFY(QFileInfo::exists(folder->file(g.archive)));
    }

    void numberingStartNotAnInteger()
    {
        folder->write(QStringLiteral("Lumivista.ini"), "[Numerazione Prescrizioni Occhiali]\r\nInizio=12a\r\n");
        open(false);
        click(QStringLiteral("cmdNuovo"));
        QCOMPARE(fakes->messages.last(), (Message{Kind::Error, Messages::accessFailure()}));
        QCOMPARE(text("txtNumPre"), QString());
    }

    void numberingWindow_data()
    {
        QTest::addColumn<bool>("lenses");
        QTest::addColumn<QString>("typed"); // what replaces the shown value
        QTest::addColumn<bool>("apply");
        QTest::addColumn<QString>("stored"); // "Inizio" afterwards; "-" when the file is not there
        QTest::newRow("glasses, apply 500") << false << "500" << true << "500";
        QTest::newRow("lenses, apply 20") << true << "20" << true << "20";
        QTest::newRow("leading zeros go") << false << "007" << true << "7";
        QTest::newRow("all zeros") << false << "00000" << true << "0";
        QTest::newRow("cleared becomes 1") << false << "" << true << "1";
        QTest::newRow("letters are swallowed") << false << "1a2-3" << true << "123";
        QTest::newRow("at most five digits") << false << "1234567" << true << "12345";
        QTest::newRow("untouched, no file") << false << "<keep>" << true << "1";
        QTest::newRow("cancel writes nothing") << false << "900" << false << "-";
    }
    void numberingWindow()
    {
        QFETCH(bool, lenses);
        QFETCH(QString, typed);
        QFETCH(bool, apply);
        QFETCH(QString, stored);
        open(lenses);
        QString shown, key, caption;
        ModalDriver::whenShown([&](QWidget *w) {
            auto *window = qobject_cast<TfrmNumerazione *>(w);
            QVERIFY(window);
            shown = window->txtInizio->text();
            key = window->lblMemory->text();
            caption = window->windowTitle();
            if (typed != QLatin1String("<keep>")) {
                window->txtInizio->selectAll();
                QTest::keyClick(window->txtInizio, Qt::Key_Backspace);
                QTest::keyClicks(window->txtInizio, typed);
            }
            (apply ? window->btnApplica : window->btnAnnulla)->click();
        });
        click(QStringLiteral("impNumerazione"));
        QCOMPARE(shown, QStringLiteral("1"));
        QCOMPARE(key, lenses ? QStringLiteral("lenti") : QStringLiteral("occhiali"));
        QCOMPARE(caption, QStringLiteral(" Imposta inizio numerazione prescrizioni"));
        const QString ini = folder->file(QStringLiteral("Lumivista.ini"));
        if (stored == QLatin1String("-")) {
            QVERIFY(!QFileInfo::exists(ini));
            return;
        }
        const QString mine = lenses ? QStringLiteral("Numerazione Prescrizioni Lenti")
                                    : QStringLiteral("Numerazione Prescrizioni Occhiali");
        QCOMPARE(folder->read(QStringLiteral("Lumivista.ini")).contains(("[" + mine + "]\r\nInizio=" + stored).toLatin1()),
                 true);
        // The other kind's start is untouched.
        QVERIFY(!folder->read(QStringLiteral("Lumivista.ini"))
                     .contains(lenses ? "Prescrizioni Occhiali" : "Prescrizioni Lenti"));
        click(QStringLiteral("cmdNuovo"));
        QCOMPARE(text("txtNumPre"), stored);
    }

    void numberingOnAFullDiskSaysSo()
    {
        const QByteArray before("[Numerazione Prescrizioni Lenti]\r\nInizio=42\r\n");
        folder->write(QStringLiteral("Lumivista.ini"), before);
        TfrmNumerazione window(fakes->services());
        window.lblMemory->setText(QStringLiteral("lenti"));
        QVERIFY(showActive(&window));
        window.txtInizio->setText(QStringLiteral("500"));
        {
            FullDisk full;
            window.btnApplica->click();
        }
        // Before the mend the file was emptied and nothing was said.
        QCOMPARE(fakes->messages.messages(), (QList<Message>{{Kind::Warning, Messages::accessFailure()}}));
        QVERIFY(window.isVisible());
        QCOMPARE(folder->read(QStringLiteral("Lumivista.ini")), before);
    }

    void unreadableSettingsNumberNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("pipe") << "pipe";
        QTest::newRow("link to an endless device") << "zero";
    }
    void unreadableSettingsNumberNothing()
    {
        // Settings that cannot be read are not missing settings: numbering from 1
        // again would give prescriptions the numbers of others.
        QFETCH(QString, kind);
        const QString path = folder->file(QStringLiteral("Lumivista.ini"));
        folder->write(glassesBytes.archive, prescription(glassesBytes, "501") + prescription(glassesBytes, "502"));
        if (kind == QLatin1String("pipe"))
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0666) == 0);
        else
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        open(false);
        QCOMPARE(fakes->messages.messages(), (QList<Message>{{Kind::Error, Messages::accessFailure()}}));
        fakes->messages.clear();
        click(QStringLiteral("cmdNuovo"));
        QCOMPARE(fakes->messages.messages(), (QList<Message>{{Kind::Error, Messages::accessFailure()}}));
        QCOMPARE(text("txtNumPre"), QString());
        fakes->messages.clear();
        card->close();
        QCOMPARE(fakes->messages.messages(), (QList<Message>{{Kind::Warning, Messages::accessFailure()}}));
        const QFileInfo after(path);
        QVERIFY(after.isSymLink() || !after.isFile());
    }

    void numberingWindowShowsStoredStartAndEnterMovesOn()
    {
        folder->write(QStringLiteral("Lumivista.ini"), "[Numerazione Prescrizioni Lenti]\r\nInizio=42\r\n");
        TfrmNumerazione window(fakes->services());
        window.lblMemory->setText(QStringLiteral("lenti"));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral(" Imposta inizio numerazione"));
        QCOMPARE(window.txtInizio->text(), QStringLiteral("42"));
        QCOMPARE(window.focusWidget(), window.txtInizio);
        QVERIFY(window.effInizio->isVisible());
        QTest::keyClick(window.txtInizio, Qt::Key_Return);
        QCOMPARE(window.focusWidget(), window.btnApplica);
        QVERIFY(!window.effInizio->isVisible());
        QCOMPARE(window.grpNumerazione->title(), QStringLiteral(" Inizia numerazione da: "));
    }

    void requiredFields_data()
    {
        QTest::addColumn<bool>("lenses");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("warning");
        const QString prefix = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
        for (bool lenses : {false, true}) {
            const char *kind = lenses ? "lenses" : "glasses";
            const QList<std::pair<QString, QString>> rows = {
                {"txtNumPre", "il numero progressivo della prescrizione."},
                {"txtData", "la data di emissione della prescrizione."},
                {"txtOtticoRigo01", "la denominazione del Centro Ottico."},
                {"txtClienteRigo01", "il nome del cliente."},
                {"txtClienteRigo04", "il codice fiscale del cliente."},
                {"txtClienteRigo05", "il numero di cellulare del cliente."},
                {"txtTipoOc", lenses ? "il nome del prescrittore." : "il tipo di occhiali."},
            };
            for (const auto &[control, end] : rows)
                QTest::addRow("%s %s", kind, qPrintable(control)) << lenses << control << prefix + end;
        }
    }
    void requiredFields()
    {
        QFETCH(bool, lenses);
        QFETCH(QString, control);
        QFETCH(QString, warning);
        open(lenses);
        fillRequired();
        // One field emptied on an otherwise complete card.
        edit(control)->clear();
        fakes->messages.clear();
        click(QStringLiteral("cmdSalva"));
        QCOMPARE(fakes->messages.messages(), (QList<Message>{{Kind::Warning, warning}}));
        QCOMPARE(card->focusWidget(), edit(control));
        QCOMPARE(folder->read(geo->archive), QByteArray());
        QCOMPARE(card->position(), QString());
    }

    void storedRecordBytes_data() { addLensesColumn(); }
    void storedRecordBytes()
    {
        QFETCH(bool, lenses);
        open(lenses);
        fillRequired();
        type(lenses ? "OCCHIO SX COLORE" : "LENTE SX MATERIALE", "  Ultima riga  ");
        type(lenses ? "IMPORTI DOVUTI LENTE DX" : "IMPORTI DOVUTI MONTATURA", "100");
        type(lenses ? "IMPORTI DOVUTI LENTE SX" : "IMPORTI DOVUTI LENTI", "25,5");
        type("ANTICIPO", "50");
        card->chkSaldato->setChecked(true);
        click(QStringLiteral("cmdSalva"));
        QCOMPARE(fakes->messages.last(), (Message{Kind::Information, Messages::recordInserted()}));
        QCOMPARE(card->position(), QStringLiteral("1"));

        const QByteArray file = folder->read(geo->archive);
        QCOMPARE(file.size(), geo->size);
        QCOMPARE(fieldAt(file, 0), QByteArray("1"));
        QCOMPARE(fieldAt(file, 21), today.toLatin1());
        QCOMPARE(fieldAt(file, geo->lastLensSX), QByteArray("Ultima riga"));
        QCOMPARE(fieldAt(file, geo->importo01), QByteArray("100,00"));
        QCOMPARE(fieldAt(file, geo->importo01 + 13), QByteArray("25,50"));
        QCOMPARE(fieldAt(file, geo->finale), QByteArray("50,00"));
        QCOMPARE(fieldAt(file, geo->totale), QByteArray("75,50"));
        QCOMPARE(fieldAt(file, geo->dovuto), QByteArray("125,50"));
        QCOMPARE(file.mid(geo->saldato, 3), QByteArray("\x02\x53\xEC"));
        // Unused bytes of a field stay zero.
        QCOMPARE(file.mid(geo->finale + 6, 7), QByteArray(7, '\0'));

        // A second Save overwrites in place; an unticked box is "No".
        card->chkSaldato->setChecked(false);
        click(QStringLiteral("cmdSalva"));
        QCOMPARE(fakes->messages.last(), (Message{Kind::Information, Messages::recordUpdated()}));
        QCOMPARE(card->position(), QStringLiteral("1"));
        const QByteArray again = folder->read(geo->archive);
        QCOMPARE(again.size(), geo->size);
        QCOMPARE(fieldAt(again, geo->saldato), QByteArray("No"));
    }

    void loadingShowsStoredTexts_data() { addLensesColumn(); }
    void loadingShowsStoredTexts()
    {
        QFETCH(bool, lenses);
        const Geometry &g = lenses ? lensBytes : glassesBytes;
        folder->write(g.archive,
                      prescription(g, "7", {{g.saldato, "S\xEC"}, {g.totale, "1,00"}, {g.dovuto, "9,99"},
                                            {g.file01, "ricetta.pdf"}, {g.lastLensSX, "Blu"}})
                          + prescription(g, "8", {{g.saldato, "No"}}));
        open(lenses);
        click(QStringLiteral("cmdPrimo"));
        QCOMPARE(card->position(), QStringLiteral("1"));
        QCOMPARE(text("txtNumPre"), QStringLiteral("7"));
        QVERIFY(card->chkSaldato->isChecked());
        // Totals are shown as stored, not recomputed.
        QCOMPARE(text("txtTotale"), QStringLiteral("1,00"));
        QCOMPARE(text("txtDovuto"), QStringLiteral("9,99"));
        QCOMPARE(text("lblFile01"), QStringLiteral("ricetta.pdf"));
        QCOMPARE(text(lenses ? "txtLenteSX10" : "txtLenteSX07"), QStringLiteral("Blu"));
        click(QStringLiteral("cmdAvanti"));
        QCOMPARE(card->position(), QStringLiteral("2"));
        QVERIFY(!card->chkSaldato->isChecked());
        QCOMPARE(text("txtDovuto"), QString());
    }

    void amountKeysAndLeaving_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown"); // after the key filter
        QTest::addColumn<QString>("left");  // after leaving the field
        QTest::newRow("integer") << "12" << "12" << "12,00";
        QTest::newRow("one decimal") << "12,5" << "12,5" << "12,50";
        QTest::newRow("leading zeros") << "0012" << "0012" << "12,00";
        QTest::newRow("three decimals") << "7,456" << "7,456" << "7,46";
        QTest::newRow("two commas") << "1,2,3" << "1,2,3" << "0,00";
        QTest::newRow("empty") << "" << "" << "";
        QTest::newRow("letters, minus and blanks swallowed") << "1a2-5 x" << "125" << "125,00";
        QTest::newRow("point typed as the decimal comma") << "1a2.-5 x" << "12,5" << "12,50";
        QTest::newRow("half cent typed") << "1,005" << "1,005" << "1,01";
        QTest::newRow("2,675") << "2,675" << "2,675" << "2,68";
        QTest::newRow("at most twelve characters") << "1234567890123" << "123456789012" << "123456789012,00";
    }
    void amountKeysAndLeaving()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, left);
        open(false);
        type("IMPORTI DOVUTI VISITA", typed);
        QCOMPARE(text("txtImporto05"), shown);
        QTest::keyClick(edit("txtImporto05"), Qt::Key_Return);
        QCOMPARE(card->focusWidget(), edit("txtImporto06"));
        QCOMPARE(text("txtImporto05"), left);
    }

    void totalsThroughTheCard_data()
    {
        QTest::addColumn<bool>("lenses");
        QTest::addColumn<QStringList>("amounts"); // typed into the six amounts, then the deposit
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<QString>("balance");
        QTest::addColumn<QString>("total");
        QTest::newRow("all empty") << false << QStringList{"", "", "", "", "", "", ""} << "btnTotale" << "0,00"
                                   << "0,00";
        QTest::newRow("deposit and balance")
            << false << QStringList{"100", "25,5", "", "", "", "", "50"} << "btnTotale" << "75,50" << "125,50";
        QTest::newRow("negative balance")
            << false << QStringList{"10,00", "", "", "", "", "", "11,23"} << "icoTotale" << "-1,23" << "10,00";
        QTest::newRow("lens card")
            << true << QStringList{"60", "60", "15,5", "", "", "", "50"} << "btnTotale" << "85,50" << "135,50";
        QTest::newRow("half cents, Enter in SALDO")
            << false << QStringList{"1,005", "2,675", "", "", "", "", ""} << "enter" << "3,69" << "3,69";
        QTest::newRow("on Save") << true << QStringList{"1", "2", "3", "4", "5", "6", "0,5"} << "save" << "20,50"
                                 << "21,00";
    }
    void totalsThroughTheCard()
    {
        QFETCH(bool, lenses);
        QFETCH(QStringList, amounts);
        QFETCH(QString, trigger);
        QFETCH(QString, balance);
        QFETCH(QString, total);
        open(lenses);
        if (trigger == QLatin1String("save"))
            fillRequired();
        for (int i = 0; i < 6; ++i) {
            QLineEdit *e = edit(QStringLiteral("txtImporto%1").arg(i + 1, 2, 10, QLatin1Char('0')));
            e->setFocus();
            QTest::keyClicks(e, amounts.at(i));
        }
        edit("txtFinale")->setFocus();
        QTest::keyClicks(edit("txtFinale"), amounts.at(6));
        // The deposit still has the focus: computing leaves it first.
        if (trigger == QLatin1String("enter")) {
            edit("txtTotale")->setFocus();
            QTest::keyClick(edit("txtTotale"), Qt::Key_Return);
            QCOMPARE(card->focusWidget(), edit("txtNote"));
        } else if (trigger == QLatin1String("save")) {
            click(QStringLiteral("cmdSalva"));
            QCOMPARE(fieldAt(storedRecord(0), geo->totale), balance.toLatin1());
            QCOMPARE(fieldAt(storedRecord(0), geo->dovuto), total.toLatin1());
        } else {
            click(trigger);
        }
        QCOMPARE(text("txtTotale"), balance);
        QCOMPARE(text("txtDovuto"), total);
        QCOMPARE(qobject_cast<QLineEdit *>(named("SALDO"))->text(), balance);
        QCOMPARE(card->txtDovuto->text(), total);
    }

    void totalsFailureKeepsTheDeposit_data() { addLensesColumn(); }
    void totalsFailureKeepsTheDeposit()
    {
        QFETCH(bool, lenses);
        const Geometry &g = lenses ? lensBytes : glassesBytes;
        // A point cannot be typed, but a stored record may carry one.
        folder->write(g.archive, prescription(g, "1",
                                              {{g.importo01, "12.50"}, {g.importo01 + 13, "10,00"},
                                               {g.finale, "5,00"}, {g.totale, "17,50"}, {g.dovuto, "22,50"}}));
        open(lenses);
        click(QStringLiteral("cmdPrimo"));
        click(QStringLiteral("cmdSalva"));
        for (int i = 1; i <= 6; ++i)
            QCOMPARE(text(QStringLiteral("txtImporto%1").arg(i, 2, 10, QLatin1Char('0'))), QString());
        QCOMPARE(text("txtTotale"), QString());
        QCOMPARE(text("txtDovuto"), QString());
        QCOMPARE(text("txtFinale"), QStringLiteral("5,00"));
        const QByteArray r = storedRecord(0);
        QCOMPARE(fieldAt(r, g.importo01), QByteArray());
        QCOMPARE(fieldAt(r, g.finale), QByteArray("5,00"));
        QCOMPARE(fieldAt(r, g.totale), QByteArray());
        QCOMPARE(fieldAt(r, g.dovuto), QByteArray());
    }

    void balanceFieldKeys()
    {
        open(false);
        click(QStringLiteral("btnTotale"));
        QCOMPARE(text("txtDovuto"), QStringLiteral("0,00"));
        QLineEdit *balance = edit("txtTotale");
        QVERIFY(balance->isReadOnly());
        balance->setFocus();
        QTest::keyClicks(balance, QStringLiteral("9"));
        QCOMPARE(balance->text(), QStringLiteral("0,00"));
        // Emptying the balance empties the total as well.
        QTest::keyClick(balance, Qt::Key_Backspace);
        QCOMPARE(balance->text(), QString());
        QCOMPARE(text("txtDovuto"), QString());
    }

    void duplicate_data() { addLensesColumn(); }
    void duplicate()
    {
        QFETCH(bool, lenses);
        const Geometry &g = lenses ? lensBytes : glassesBytes;
        folder->write(g.archive, prescription(g, "7",
                                              {{g.saldato, "S\xEC"}, {g.file01, "ricetta.pdf"},
                                               {g.file01 + 3 * 251, "scansione"}, {g.lastLensSX, "Blu"},
                                               {21, "01/01/2020"}}));
        open(lenses);
        click(QStringLiteral("cmdDuplica"));
        QCOMPARE(fakes->messages.last(),
                 (Message{Kind::Warning, QStringLiteral("Attenzione: la duplicazione di una prescrizione può avvenire "
                                                        "soltanto dopo che questa è stata inserita in archivio.")}));
        click(QStringLiteral("cmdPrimo"));
        click(QStringLiteral("cmdDuplica"));
        QCOMPARE(fakes->messages.last(), (Message{Kind::Information, Messages::duplicated()}));
        QCOMPARE(card->position(), QString());
        QCOMPARE(text("txtNumPre"), QString());
        QCOMPARE(text("txtData"), today);
        QVERIFY(!card->chkSaldato->isChecked());
        QCOMPARE(text("lblFile01"), QString());
        QCOMPARE(text("lblDesc01"), QString());
        QCOMPARE(text("txtClienteRigo01"), QStringLiteral("Mario Rossi"));
        QCOMPARE(text(lenses ? "txtLenteSX10" : "txtLenteSX07"), QStringLiteral("Blu"));
        QCOMPARE(card->focusWidget(), edit("txtNumPre"));

        // Without a number the copy cannot be stored; with one it is appended.
        click(QStringLiteral("cmdSalva"));
        QCOMPARE(fakes->messages.last().text,
                 QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il numero progressivo della "
                                "prescrizione."));
        QTest::keyClicks(edit("txtNumPre"), QStringLiteral("8"));
        click(QStringLiteral("cmdSalva"));
        QCOMPARE(card->position(), QStringLiteral("2"));
        const QByteArray copy = storedRecord(1);
        QCOMPARE(fieldAt(copy, 0), QByteArray("8"));
        QCOMPARE(fieldAt(copy, g.lastLensSX), QByteArray("Blu"));
        QCOMPARE(fieldAt(copy, g.saldato), QByteArray("No"));
        QCOMPARE(fieldAt(copy, g.file01), QByteArray());
        QCOMPARE(fieldAt(storedRecord(0), g.file01), QByteArray("ricetta.pdf"));
    }

    void dateFieldKeys_data()
    {
        QTest::addColumn<bool>("lenses");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("next");
        QTest::newRow("glasses issue date") << false << "txtData" << "occhiali_data" << "txtTipoOc";
        QTest::newRow("glasses delivery") << false << "txtConsegna" << "occhiali_consegna" << "txtModalita";
        QTest::newRow("lens issue date") << true << "txtData" << "lenti_data" << "txtTipoOc";
        QTest::newRow("lens delivery") << true << "txtConsegna" << "lenti_consegna" << "txtModalita";
    }
    void dateFieldKeys()
    {
        QFETCH(bool, lenses);
        QFETCH(QString, field);
        QFETCH(QString, key);
        QFETCH(QString, next);
        open(lenses);
        QLineEdit *date = edit(field);
        QVERIFY(date->isReadOnly());
        date->setText(QStringLiteral("01/01/2024"));
        date->setFocus();
        QTest::keyClick(date, Qt::Key_Backspace);
        QCOMPARE(date->text(), QString());
        date->setText(QStringLiteral("01/01/2024"));
        QTest::keyClick(date, Qt::Key_Delete);
        QCOMPARE(date->text(), QString());

        // Any other key opens the picker on today; Importa writes the picked day.
        QString seenKey;
        QDate start;
        ModalDriver::whenShown([&](QWidget *w) {
            auto *picker = qobject_cast<TfrmCalendario *>(w);
            QVERIFY(picker);
            seenKey = picker->lblMemory->text();
            start = picker->calData->selectedDate();
            picker->calData->setSelectedDate(QDate(2024, 4, 9));
            picker->btnImporta->click();
        });
        QTest::keyClick(date, Qt::Key_X);
        QCOMPARE(seenKey, key);
        QCOMPARE(start, QDate(2024, 3, 15));
        QCOMPARE(date->text(), QStringLiteral("09/04/2024"));

        // The calendar button does the same; Annulla changes nothing.
        ModalDriver::whenShown([&](QWidget *w) {
            seenKey = qobject_cast<TfrmCalendario *>(w)->lblMemory->text();
            qobject_cast<TfrmCalendario *>(w)->btnAnnulla->click();
        });
        click(field == QLatin1String("txtData") ? QStringLiteral("impData") : QStringLiteral("impConsegna"));
        QCOMPARE(seenKey, key);
        QCOMPARE(date->text(), QStringLiteral("09/04/2024"));

        date->setFocus();
        QTest::keyClick(date, Qt::Key_Return);
        QCOMPARE(card->focusWidget(), edit(next));
        QCOMPARE(date->text(), QStringLiteral("09/04/2024"));
    }

    void enterOrder_data() { addLensesColumn(); }
    void enterOrder()
    {
        QFETCH(bool, lenses);
        open(lenses);
        QStringList order;
        const auto series = [&order](const char *prefix, int count) {
            for (int i = 1; i <= count; ++i)
                order << QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(i, 2, 10, QLatin1Char('0'));
        };
        series("txtOtticoRigo", 5);
        series("txtClienteRigo", 5);
        order << "txtNumPre" << "txtData" << "txtTipoOc" << "txtUso" << "txtConsegna" << "txtModalita";
        series("txtMontatura", 7);
        if (lenses)
            order << "txtNote";
        series("txtLenteDX", lenses ? 10 : 7);
        series("txtLenteSX", lenses ? 10 : 7);
        series("txtImporto", 6);
        order << "txtFinale" << "txtTotale";
        // After the balance comes the notes; the glasses cycle then starts again,
        // the lens cycle goes on with the notes, lens rows and amounts.
        order << "txtNote" << (lenses ? "txtLenteDX01" : "txtOtticoRigo01");

        edit(order.first())->setFocus();
        for (int i = 1; i < order.size(); ++i) {
            QVERIFY(card->focusWidget());
            QTest::keyClick(card->focusWidget(), Qt::Key_Return);
            QCOMPARE(card->focusWidget()->objectName(), order.at(i));
        }
        QVERIFY(fakes->messages.isEmpty());
    }

    void shopLinesTravelThroughTheSettings()
    {
        folder->write(QStringLiteral("Lumivista.ini"),
                      "[Centro Ottico]\r\nRigo 1=Ottica Centrale\r\nRigo 2=Via Roma 1\r\n");
        open(false);
        QCOMPARE(text("txtOtticoRigo01"), QStringLiteral("Ottica Centrale"));
        QCOMPARE(text("txtOtticoRigo02"), QStringLiteral("Via Roma 1"));
        QCOMPARE(text("txtOtticoRigo03"), QString());
        // New and browsing keep the shop lines.
        click(QStringLiteral("cmdNuovo"));
        QCOMPARE(text("txtOtticoRigo01"), QStringLiteral("Ottica Centrale"));
        type("DATI CENTRO OTTICO riga 3", "  00100 Roma ");
        type("DATI CLIENTE riga 1", "Unsaved Client");
        click(QStringLiteral("cmdEsci"));
        QVERIFY(!card->isVisible());
        QVERIFY(context->window(WindowId::Home)->isVisible());
        QVERIFY(folder->read(QStringLiteral("Lumivista.ini")).contains("Rigo 3=00100 Roma\r\n"));

        // The lens card shows the same lines; its own edits come back to the eyeglass card.
        open(true);
        QCOMPARE(text("txtOtticoRigo03"), QStringLiteral("00100 Roma"));
        type("DATI CENTRO OTTICO riga 5", "P.IVA 01234567890");
        card->close();
        open(false);
        QCOMPARE(text("txtOtticoRigo05"), QStringLiteral("P.IVA 01234567890"));
        QCOMPARE(text("txtClienteRigo01"), QString());
    }

    void unwritableFolder_data() { addLensesColumn(); }
    void unwritableFolder()
    {
        QFETCH(bool, lenses);
        // A folder below a plain file can be neither read nor written, whoever runs the test.
        folder->write(QStringLiteral("blocker"), "x");
        ProgramFolder::setOverride(folder->file(QStringLiteral("blocker/folder")));
        open(lenses);
        QCOMPARE(text("txtOtticoRigo01"), QString());
        type("DATI CENTRO OTTICO riga 1", "Ottica Centrale");
        card->close();
        QVERIFY(!card->isVisible());
        QVERIFY(context->window(WindowId::Home)->isVisible());
        // The card closes all the same, but says the shop lines were not kept.
        QCOMPARE(fakes->messages.messages(), (QList<Message>{{Kind::Warning, Messages::accessFailure()}}));
    }

    void accessFailureKinds_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("kind");
        QTest::newRow("save") << "cmdSalva" << int(Kind::Warning);
        QTest::newRow("first") << "cmdPrimo" << int(Kind::Warning);
        QTest::newRow("previous") << "cmdIndietro" << int(Kind::Error);
        QTest::newRow("next") << "cmdAvanti" << int(Kind::Error);
        QTest::newRow("last") << "cmdUltimo" << int(Kind::Error);
        QTest::newRow("new") << "cmdNuovo" << int(Kind::Error);
    }
    void accessFailureKinds()
    {
        QFETCH(QString, command);
        QFETCH(int, kind);
        open(false);
        fillRequired();
        // The archive's name taken by a folder: it can be neither opened nor created.
        QVERIFY(QFile::remove(folder->file(glassesBytes.archive)));
        QVERIFY(QDir(folder->path()).mkdir(glassesBytes.archive));
        fakes->messages.clear();
        edit("txtNumPre")->setText(QStringLiteral("1"));
        click(command);
        QCOMPARE(fakes->messages.messages(), (QList<Message>{{Kind(kind), Messages::accessFailure()}}));
        QCOMPARE(card->position(), QString());
        if (command != QLatin1String("cmdNuovo"))
            QCOMPARE(text("txtClienteRigo01"), QStringLiteral("Mario Rossi"));
    }

    void valuesAreSpokenWithTheirCaptions()
    {
        // A screen reader hears a value label's caption and its value together,
        // and the new value whenever it changes.
        open(false);
        const auto spoken = [](QWidget *w) {
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
            return a ? a->text(QAccessible::Name) : QStringLiteral("<no interface>");
        };
        QCOMPARE(spoken(card->txtDovuto), QStringLiteral("TOTALE"));
        type(QStringLiteral("IMPORTI DOVUTI MONTATURA"), QStringLiteral("120"));
        click(QStringLiteral("icoTotale"));
        QCOMPARE(spoken(card->txtDovuto), QStringLiteral("TOTALE 120,00"));
        QCOMPARE(spoken(card->lblPosizione), QStringLiteral("Posizione"));
        folder->write(geo->archive, prescription(*geo, "7"));
        click(QStringLiteral("cmdUltimo"));
        QCOMPARE(spoken(card->lblPosizione), QStringLiteral("Posizione 1"));
    }

    void accessibleControls_data() { addLensesColumn(); }
    void accessibleControls()
    {
        QFETCH(bool, lenses);
        open(lenses);
        QStringList names = {"DATI CENTRO OTTICO riga 1", "DATI CENTRO OTTICO riga 5", "DATI CLIENTE riga 1",
                             "DATI CLIENTE riga 3", "C.F.", "Cel.", "Prescrizione n.", "Data emissione:",
                             "Data consegna:", "Modalità di pagamento:", "ANTICIPO", "SALDO"};
        if (lenses)
            names << "Prescrittore:" << "Durata lenti:" << "OCCHIO DX NOME LENTE" << "OCCHIO SX COLORE"
                  << "ACCESSORI TIPO CONTENITORE" << "ACCESSORI ALTRO" << "NOTE" << "IMPORTI DOVUTI LENTE DX"
                  << "IMPORTI DOVUTI ALTRI LAVORI";
        else
            names << "Tipo occhiali:" << "Uso:" << "Note:" << "MONTATURA FABBRICANTE" << "MONTATURA MATERIALE"
                  << "LENTE DX FABBRICANTE" << "LENTE SX CLAS. FILTRO" << "IMPORTI DOVUTI MONTATURA"
                  << "IMPORTI DOVUTI ALTRI LAVORI";
        for (const QString &name : names)
            QVERIFY2(named(name), qPrintable(name));

        // Every visible edit can be named: by its own accessible name or its label.
        QSet<QWidget *> buddies;
        for (QLabel *label : card->findChildren<QLabel *>())
            if (label->buddy())
                buddies.insert(label->buddy());
        for (QLineEdit *e : card->findChildren<QLineEdit *>()) {
            if (!e->isVisibleTo(card))
                continue;
            QVERIFY2(!e->accessibleName().isEmpty() || buddies.contains(e), qPrintable(e->objectName()));
        }
        for (PictureButton *b : card->findChildren<PictureButton *>()) {
            QVERIFY2(!b->accessibleName().isEmpty(), qPrintable(b->objectName()));
            QVERIFY2(!b->toolTip().isEmpty(), qPrintable(b->objectName()));
        }
        if (lenses) {
            QVERIFY(!card->button(QStringLiteral("btnDichiara")));
        } else {
            QVERIFY(card->button(QStringLiteral("btnDichiara")));
            QVERIFY(card->button(QStringLiteral("btnDichiara"))->isEnabled());
        }
        QCOMPARE(card->chkSaldato->text(), QStringLiteral("Saldato"));
        QCOMPARE(card->chkSaldato->toolTip(),
                 lenses ? QStringLiteral("Spunta questa casella per annotare che il cliente ha saldato l'importo "
                                         "dovuto per le lenti a contatto prescritte.")
                        : QStringLiteral("Spunta questa casella per annotare che il cliente ha saldato l'importo "
                                         "dovuto per gli occhiali prescritti."));
    }

    void hints_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("hint");
        QTest::newRow("new") << "cmdNuovo" << "Prepara la schermata per l'emissione di una nuova prescrizione. (Ctrl+N)";
        QTest::newRow("save") << "cmdSalva" << "Salva o aggiorna la prescrizione corrente. (Ctrl+S)";
        QTest::newRow("numbering") << "impNumerazione"
                                   << "Imposta il numero iniziale per la numerazione automatica delle prescrizioni.";
        QTest::newRow("date") << "impData" << "Importa la data dal calendario.";
        QTest::newRow("client") << "impCliente" << "Importa i dati dall'archivio dei clienti.";
        QTest::newRow("balance") << "btnTotale" << "Calcola gli importi dovuti dal cliente.";
        QTest::newRow("unpaid") << "cmdDaSaldare" << "Visualizza il riepilogo delle prescrizioni non saldate.";
        QTest::newRow("exit") << "cmdEsci" << "Esci da questa schermata di lavoro.";
        QTest::newRow("paid box") << "chkSaldato"
                                  << "Spunta questa casella per annotare che il cliente ha saldato l'importo dovuto "
                                     "per gli occhiali prescritti.";
    }
    void hints()
    {
        QFETCH(QString, control);
        QFETCH(QString, hint);
        open(false);
        QWidget *w = card->findChild<QWidget *>(control);
        QVERIFY(w);
        QCOMPARE(w->toolTip(), hint);
        // The mouse enters the control and moves about on it: the hint stays.
        QTest::mouseMove(w, QPoint(3, 3));
        QTest::mouseMove(w, QPoint(6, 5));
        QTest::mouseMove(w, w->rect().center());
        QCOMPARE(card->panInfo->text(), hint);
        // Over the background the strip empties.
        QTest::mouseMove(card, QPoint(2, 2));
        QCOMPARE(card->panInfo->text(), QString());
    }
};

QTEST_MAIN(TestPrescriptionCards)
#include "tst_prescriptioncards.moc"
