#include "ModalDriver.h"
#include "Focus.h"
#include "WindowTest.h"
#include "appointments/TfrmArchivio_Scadenze.h"
#include "widgets/TfrmCalendario.h"
#include "widgets/PictureButton.h"
#include "core/Messages.h"
#include "platform/FakeServices.h"
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QAbstractItemView>
#include <QtTest>

using namespace lumivista;
using Kind = FakeMessageService::Kind;
using Message = FakeMessageService::Message;

namespace {

const int recordSize = 1265;
const QString archive = QStringLiteral("Archivio_Appuntamenti.pro");

/** Field offsets of the appointment record, from the byte table. */
enum Offset {
    Data = 0, OreApp = 11, MinutiApp = 14, Ora = 17, Avviso = 23, Tipologia = 27, Causale = 78, Dettagli = 329,
    Contatto = 580, Tel = 631, Cel = 662, Email = 693, Luogo = 744, Importo = 995, Note = 1011, Ottemperata = 1262,
};

QString required(const char *what)
{
    return QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ") + QString::fromUtf8(what);
}

} // namespace

class TestAppointmentCard : public WindowTest
{
    Q_OBJECT

    std::unique_ptr<TfrmArchivio_Scadenze> card;

    /** A control found the way a screen reader finds it: by its accessible name. */
    QWidget *named(const QString &name)
    {
        for (QWidget *w : card->findChildren<QWidget *>()) {
            if (w->accessibleName() == name && w->isVisible())
                return w;
        }
        return nullptr;
    }
    QLineEdit *edit(const QString &accessible) { return qobject_cast<QLineEdit *>(named(accessible)); }
    QComboBox *combo(const QString &accessible) { return qobject_cast<QComboBox *>(named(accessible)); }
    QString text(const QString &accessible)
    {
        QWidget *w = named(accessible);
        if (auto *e = qobject_cast<QLineEdit *>(w))
            return e->text();
        if (auto *c = qobject_cast<QComboBox *>(w))
            return c->currentText();
        return QStringLiteral("<missing %1>").arg(accessible);
    }
    void type(const QString &accessible, const QString &typed)
    {
        QWidget *w = named(accessible);
        QVERIFY2(w, qPrintable(accessible));
        w->setFocus(Qt::MouseFocusReason);
        if (auto *e = qobject_cast<QLineEdit *>(w))
            e->selectAll(); // typing replaces what the field showed
        QTest::keyClicks(w, typed);
    }
    /** Leaves a field the way the user does: Enter moves to the next one. */
    void enter(const QString &accessible) { QTest::keyClick(named(accessible), Qt::Key_Return); }
    void pick(const QString &accessible, const QString &value)
    {
        QComboBox *c = combo(accessible);
        QVERIFY2(c, qPrintable(accessible));
        c->setFocus(Qt::MouseFocusReason);
        const int i = c->findText(value);
        QVERIFY(i >= 0);
        c->setCurrentIndex(i);
    }
    void click(const QString &accessible)
    {
        auto *b = qobject_cast<QAbstractButton *>(named(accessible));
        QVERIFY2(b, qPrintable(accessible));
        QVERIFY2(b->isEnabled(), qPrintable(accessible));
        b->click();
    }
    /** The date as the user gets it in: a key in the read-only field opens the picker. */
    void pickDate(const QDate &date)
    {
        bool seen = false;
        ModalDriver::whenShown([&](QWidget *w) {
            auto *picker = qobject_cast<TfrmCalendario *>(w);
            QVERIFY(picker);
            QCOMPARE(picker->lblMemory->text(), QStringLiteral("data"));
            picker->calData->setSelectedDate(date);
            picker->btnImporta->click();
            seen = true;
        });
        named(QStringLiteral("Data appuntamento:"))->setFocus();
        QTest::keyClick(named(QStringLiteral("Data appuntamento:")), Qt::Key_Space);
        QVERIFY(seen);
        // Back to the card, as when the picker closes on screen.
        card->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(card.get()));
    }
    QString pos() { return card->lblPosizione->text(); }
    QByteArray file() { return folder->read(archive); }
    /** The five required fields, typed. */
    void fillRequired()
    {
        pickDate(QDate(2024, 3, 15));
        type(QStringLiteral("Motivo appuntamento:"), QStringLiteral("Controllo"));
        type(QStringLiteral("Cognome e nome:"), QStringLiteral("Rossi Mario"));
        type(QStringLiteral("Cellulare:"), QStringLiteral("3331234567"));
    }

private Q_SLOTS:
    void init()
    {
        startWindowTest();
        card = std::make_unique<TfrmArchivio_Scadenze>(*context);
        context->setWindow(WindowId::Appointments, card.get());
        QVERIFY(showActive(card.get()));
    }
    void cleanup()
    {
        card.reset();
        endWindowTest();
    }

    void newCardDefaults()
    {
        type(QStringLiteral("Motivo appuntamento:"), QStringLiteral("x"));
        card->chkOttemperata->setChecked(true);
        click(QStringLiteral("Nuovo"));
        QCOMPARE(text(QStringLiteral("Data appuntamento:")), QString());
        QCOMPARE(text(QStringLiteral("Ore:")), QStringLiteral("00"));
        QCOMPARE(text(QStringLiteral("Minuti:")), QStringLiteral("00"));
        QCOMPARE(combo(QStringLiteral("Ore:"))->currentIndex(), -1);
        QCOMPARE(combo(QStringLiteral("Minuti:"))->currentIndex(), -1);
        QCOMPARE(text(QStringLiteral("Giorni di preavviso:")), QStringLiteral("0"));
        QCOMPARE(text(QStringLiteral("Importo:")), QStringLiteral("0,00"));
        QCOMPARE(text(QStringLiteral("Motivo appuntamento:")), QString());
        QVERIFY(!card->chkOttemperata->isChecked());
        QCOMPARE(pos(), QString());
        QCOMPARE(QApplication::focusWidget(), named(QStringLiteral("Data appuntamento:")));
        QCOMPARE(card->panInfo->text(), QStringLiteral("Pronto per registrare una nuova scheda..."));
        QCOMPARE(card->windowTitle(), QStringLiteral(" Lumivista - Schedario Appuntamenti"));
    }

    void saveStoresTheRecordByteForByte()
    {
        pickDate(QDate(2024, 3, 15));
        pick(QStringLiteral("Ore:"), QStringLiteral("09"));
        pick(QStringLiteral("Minuti:"), QStringLiteral("30"));
        type(QStringLiteral("Giorni di preavviso:"), QStringLiteral("12"));
        type(QStringLiteral("Ottico assegnato:"), QStringLiteral("Dott. Bianchi"));
        type(QStringLiteral("Motivo appuntamento:"), QStringLiteral("Controllo della vista"));
        type(QStringLiteral("Dettagli:"), QStringLiteral("  portare gli occhiali  "));
        type(QStringLiteral("Cognome e nome:"), QStringLiteral("Rossi Mario"));
        type(QStringLiteral("Telefono:"), QStringLiteral("06 1234567"));
        type(QStringLiteral("Cellulare:"), QStringLiteral("333 123-4567x"));
        type(QStringLiteral("E-mail:"), QStringLiteral(" mario@example.it "));
        type(QStringLiteral("Modalità di pagamento:"), QStringLiteral("Contanti"));
        named(QStringLiteral("Importo:"))->setFocus();
        edit(QStringLiteral("Importo:"))->selectAll();
        QTest::keyClicks(named(QStringLiteral("Importo:")), QStringLiteral("12,5e"));
        type(QStringLiteral("Note"), QStringLiteral("Cliente puntuale"));
        card->chkOttemperata->setChecked(true);
        // Save straight from the amount, which is normalised on the way.
        named(QStringLiteral("Importo:"))->setFocus();
        click(QStringLiteral("Salva"));

        QByteArray expected(recordSize, '\0');
        putField(expected, Data, "15/03/2024");
        putField(expected, OreApp, "09");
        putField(expected, MinutiApp, "30");
        putField(expected, Ora, "09:30");
        putField(expected, Avviso, "12");
        putField(expected, Tipologia, "Dott. Bianchi");
        putField(expected, Causale, "Controllo della vista");
        putField(expected, Dettagli, "portare gli occhiali");
        putField(expected, Contatto, "Rossi Mario");
        putField(expected, Tel, "06 1234567");
        putField(expected, Cel, "3331234567");
        putField(expected, Email, "mario@example.it");
        putField(expected, Luogo, "Contanti");
        putField(expected, Importo, "12,50");
        putField(expected, Note, "Cliente puntuale");
        putField(expected, Ottemperata, "S\xEC");
        QCOMPARE(file(), expected);
        QCOMPARE(pos(), QStringLiteral("1"));
        QCOMPARE(fakes->messages.last(), (Message{Kind::Information, Messages::recordInserted()}));
        QCOMPARE(text(QStringLiteral("Importo:")), QStringLiteral("12,50"));

        // A second save overwrites the same record.
        card->chkOttemperata->setChecked(false);
        click(QStringLiteral("Salva"));
        putField(expected, Ottemperata, "No");
        QCOMPARE(file(), expected);
        QCOMPARE(pos(), QStringLiteral("1"));
        QCOMPARE(fakes->messages.last(), (Message{Kind::Information, Messages::recordUpdated()}));
    }

    void untouchedTimeAndAmount()
    {
        fillRequired();
        edit(QStringLiteral("Importo:"))->clear(); // emptied without leaving it
        card->findChild<QWidget *>(QStringLiteral("txtNote"))->setFocus();
        card->findChild<QLineEdit *>(QStringLiteral("txtImporto"))->setText(QString());
        click(QStringLiteral("Salva"));
        const QByteArray record = file();
        QCOMPARE(record.size(), recordSize);
        QCOMPARE(fieldAt(record, OreApp), QByteArray("00"));
        QCOMPARE(fieldAt(record, MinutiApp), QByteArray("00"));
        QCOMPARE(fieldAt(record, Ora), QByteArray("00:00"));
        QCOMPARE(fieldAt(record, Avviso), QByteArray("0"));
        QCOMPARE(fieldAt(record, Importo), QByteArray("0,00"));
        QCOMPARE(fieldAt(record, Ottemperata), QByteArray("No"));
        QCOMPARE(text(QStringLiteral("Importo:")), QStringLiteral("0,00"));
    }

    void requiredFields_data()
    {
        QTest::addColumn<QStringList>("emptied");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");

        QTest::newRow("date") << QStringList{"Data appuntamento:"} << required("la data dell'appuntamento.")
                              << "txtData";
        QTest::newRow("days of notice")
            << QStringList{"Giorni di preavviso:"}
            << required("i giorni di preavviso rispetto alla data dell'appuntamento.") << "txtAvviso";
        QTest::newRow("reason") << QStringList{"Motivo appuntamento:"} << required("il motivo dell'appuntamento.")
                                << "txtCausale";
        QTest::newRow("name") << QStringList{"Cognome e nome:"} << required("il nome del cliente.") << "txtContatto";
        QTest::newRow("mobile, even with a telephone")
            << QStringList{"Cellulare:"} << required("il numero di cellulare del cliente.") << "txtCel";
        QTest::newRow("date before reason") << QStringList{"Motivo appuntamento:", "Data appuntamento:"}
                                            << required("la data dell'appuntamento.") << "txtData";
        QTest::newRow("blanks only count as empty")
            << QStringList{"Cognome e nome:=   "} << required("il nome del cliente.") << "txtContatto";
    }
    void requiredFields()
    {
        QFETCH(QStringList, emptied);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        fillRequired();
        type(QStringLiteral("Telefono:"), QStringLiteral("061234567"));
        for (const QString &entry : emptied) {
            const QString name = entry.section(u'=', 0, 0);
            edit(name)->setText(entry.section(u'=', 1));
        }
        // Days of notice emptied while not focused is not filled in behind the user's back.
        named(QStringLiteral("Note"))->setFocus();
        fakes->messages.clear();
        click(QStringLiteral("Salva"));
        QCOMPARE(fakes->messages.messages(), (QList<Message>{{Kind::Warning, message}}));
        QCOMPARE(Focus::name(), focus);
        QVERIFY(!QFileInfo::exists(folder->file(archive)));
        QCOMPARE(pos(), QString());
    }

    void daysOfNoticeLeftEmptyBecomesZero()
    {
        fillRequired();
        QLineEdit *days = edit(QStringLiteral("Giorni di preavviso:"));
        days->setFocus();
        days->selectAll();
        QTest::keyClick(days, Qt::Key_Delete);
        QTest::keyClicks(days, QStringLiteral("a-1 2.34"));
        QCOMPARE(days->text(), QStringLiteral("123")); // digits only, three at most
        days->clear();
        enter(QStringLiteral("Giorni di preavviso:"));
        QCOMPARE(days->text(), QStringLiteral("0"));
        QCOMPARE(Focus::name(), QStringLiteral("txtTipologia"));
        // Saving from the emptied field fills it in first, so the save goes through.
        days->setFocus();
        days->clear();
        click(QStringLiteral("Salva"));
        QCOMPARE(fieldAt(file(), Avviso), QByteArray("0"));
    }

    void amountOnLeave_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");

        QTest::newRow("whole") << "12" << "12,00";
        QTest::newRow("one decimal") << "7,5" << "7,50";
        QTest::newRow("rounded up") << "12,346" << "12,35";
        QTest::newRow("rounded down") << "12,344" << "12,34";
        QTest::newRow("decimal half up, not binary") << "1,005" << "1,01";
        QTest::newRow("leading comma") << ",5" << "0,50";
        QTest::newRow("trailing comma") << "3," << "3,00";
        QTest::newRow("comma alone") << "," << "0,00";
        QTest::newRow("empty") << "" << "0,00";
        QTest::newRow("two commas") << "1,2,3" << "0,00";
        QTest::newRow("letters never get in") << "4x5" << "45,00";
    }
    void amountOnLeave()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QLineEdit *amount = edit(QStringLiteral("Importo:"));
        amount->setFocus();
        amount->clear();
        QTest::keyClicks(amount, typed);
        enter(QStringLiteral("Importo:"));
        QCOMPARE(amount->text(), shown);
        QCOMPARE(Focus::name(), QStringLiteral("txtNote"));
    }

    void timeIsPickedFromTheListOnly()
    {
        QComboBox *hour = combo(QStringLiteral("Ore:"));
        QComboBox *minute = combo(QStringLiteral("Minuti:"));
        QCOMPARE(hour->count(), 24);
        QCOMPARE(hour->itemText(23), QStringLiteral("23"));
        QCOMPARE(minute->count(), 60);
        QCOMPARE(minute->itemText(59), QStringLiteral("59"));
        hour->setFocus();
        // Digits pick the entry they spell and the arrows step; nothing else is typed.
        QTest::keyClicks(hour, QStringLiteral("12"));
        QCOMPARE(hour->currentText(), QStringLiteral("12"));
        QTest::keyClick(hour, Qt::Key_Backspace);
        QTest::keyClick(hour, Qt::Key_A);
        QCOMPARE(hour->currentText(), QStringLiteral("12"));
        QTest::keyClick(hour, Qt::Key_Down);
        QCOMPARE(hour->currentText(), QStringLiteral("13"));
        pick(QStringLiteral("Ore:"), QStringLiteral("17"));
        QCOMPARE(hour->currentText(), QStringLiteral("17"));
        enter(QStringLiteral("Ore:"));
        QCOMPARE(QApplication::focusWidget(), minute);
        QCOMPARE(hour->currentText(), QStringLiteral("17"));
        // Taking the focus resets the list selection but keeps the value.
        hour->setFocus();
        QCOMPARE(hour->currentIndex(), -1);
        QCOMPARE(hour->currentText(), QStringLiteral("17"));

        // Nothing can be typed, so a click on the value opens the list.
        QTest::mouseClick(minute->lineEdit(), Qt::LeftButton);
        QVERIFY(minute->view()->isVisible());
        minute->hidePopup();

        // A value that is not in the list (say, from an older record) goes on leave.
        minute->setFocus();
        minute->setEditText(QStringLiteral("7"));
        enter(QStringLiteral("Minuti:"));
        QCOMPARE(minute->currentText(), QString());
    }

    void dateFieldKeys()
    {
        QLineEdit *date = edit(QStringLiteral("Data appuntamento:"));
        QVERIFY(date->isReadOnly());
        pickDate(QDate(2024, 12, 31));
        QCOMPARE(date->text(), QStringLiteral("31/12/2024"));
        QTest::keyClick(date, Qt::Key_Backspace);
        QCOMPARE(date->text(), QString());
        pickDate(QDate(2025, 1, 2));
        QTest::keyClick(date, Qt::Key_Delete);
        QCOMPARE(date->text(), QString());
        // The calendar button does the same as a key.
        ModalDriver::whenShown([](QWidget *w) {
            auto *picker = qobject_cast<TfrmCalendario *>(w);
            QVERIFY(picker);
            picker->calData->setSelectedDate(QDate(2024, 2, 29));
            picker->btnImporta->click();
        });
        click(QStringLiteral("Calendario"));
        QCOMPARE(date->text(), QStringLiteral("29/02/2024"));
        card->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(card.get()));
        date->setFocus();
        enter(QStringLiteral("Data appuntamento:"));
        QCOMPARE(QApplication::focusWidget(), named(QStringLiteral("Ore:")));
        QCOMPARE(date->text(), QStringLiteral("29/02/2024"));
    }

    void enterCycle()
    {
        const QStringList order = {"txtData", "txtOreApp", "txtMinutiApp", "txtAvviso", "txtTipologia",
                                   "txtCausale", "txtDettagli", "txtContatto", "txtTel", "txtCel",
                                   "txtEmail", "txtLuogo", "txtImporto", "txtNote", "txtData"};
        card->findChild<QWidget *>(order.first())->setFocus();
        for (int i = 1; i < order.size(); ++i) {
            QVERIFY(Focus::press(Qt::Key_Return));
            QCOMPARE(Focus::name(), order.at(i));
        }

        // Tab walks the same way, each field's button after it, then the tick box and the commands.
        const QStringList tabs = {"txtData", "impData", "txtOreApp", "txtMinutiApp", "txtAvviso", "txtTipologia",
                                  "txtCausale", "txtDettagli", "txtContatto", "impContatto", "txtTel", "txtCel", "btnWhatsApp",
                                  "txtEmail", "btnEmail", "txtLuogo", "txtImporto", "txtNote", "chkOttemperata",
                                  "cmdNuovo"};
        QStringList walked;
        QWidget *w = card->findChild<QWidget *>(tabs.first());
        while (walked.size() < tabs.size()) {
            if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisible() && !w->focusProxy())
                walked << w->objectName();
            w = w->nextInFocusChain();
        }
        QCOMPARE(walked, tabs);
    }

    void duplicateKeepsAllButDateAndTime()
    {
        fillRequired();
        pick(QStringLiteral("Ore:"), QStringLiteral("10"));
        pick(QStringLiteral("Minuti:"), QStringLiteral("45"));
        type(QStringLiteral("Giorni di preavviso:"), QStringLiteral("7"));
        type(QStringLiteral("Note"), QStringLiteral("ricorrente"));
        card->chkOttemperata->setChecked(true);
        click(QStringLiteral("Salva"));
        const QByteArray first = file();
        QCOMPARE(first.size(), recordSize);

        // The archive vanished since the load: Duplicate touches it once, which recreates it.
        QFile::remove(folder->file(archive));
        fakes->messages.clear();
        click(QStringLiteral("Duplica"));
        QCOMPARE(fakes->messages.messages(), (QList<Message>{{Kind::Information, Messages::duplicated()}}));
        QVERIFY(QFileInfo::exists(folder->file(archive)));
        folder->write(archive, first);
        QCOMPARE(text(QStringLiteral("Data appuntamento:")), QString());
        QCOMPARE(text(QStringLiteral("Ore:")), QStringLiteral("00"));
        QCOMPARE(text(QStringLiteral("Minuti:")), QStringLiteral("00"));
        QCOMPARE(combo(QStringLiteral("Ore:"))->currentIndex(), -1);
        QCOMPARE(text(QStringLiteral("Giorni di preavviso:")), QStringLiteral("7"));
        QVERIFY(card->chkOttemperata->isChecked());
        QCOMPARE(pos(), QString());
        QCOMPARE(QApplication::focusWidget(), named(QStringLiteral("Data appuntamento:")));

        pickDate(QDate(2024, 4, 15));
        click(QStringLiteral("Salva"));
        QCOMPARE(pos(), QStringLiteral("2"));
        const QByteArray both = file();
        QCOMPARE(both.size(), 2 * recordSize);
        QByteArray expected = first;
        putField(expected, Data, "15/04/2024");
        putField(expected, OreApp, "00");
        putField(expected, MinutiApp, "00");
        putField(expected, Ora, "00:00");
        QCOMPARE(both.mid(0, recordSize), first);
        QCOMPARE(both.mid(recordSize), expected);
    }

    void duplicateRefusedOrFailing()
    {
        click(QStringLiteral("Duplica"));
        QCOMPARE(fakes->messages.messages(),
                 (QList<Message>{{Kind::Warning, QStringLiteral("Attenzione: la duplicazione di una scheda può "
                                                               "avvenire soltanto dopo che questa è stata "
                                                               "inserita in archivio.")}}));

        fillRequired();
        click(QStringLiteral("Salva"));
        // The archive cannot be reached any more: nothing is cleared.
        QFile::remove(folder->file(archive));
        QVERIFY(QDir(folder->path()).mkdir(archive));
        fakes->messages.clear();
        click(QStringLiteral("Duplica"));
        QCOMPARE(fakes->messages.messages(), (QList<Message>{{Kind::Error, Messages::accessFailure()}}));
        QCOMPARE(text(QStringLiteral("Data appuntamento:")), QStringLiteral("15/03/2024"));
        QCOMPARE(pos(), QStringLiteral("1"));
    }

    void unreadableArchiveOnCommands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("save") << "Salva";
        QTest::newRow("first") << "Primo";
        QTest::newRow("previous") << "Indietro";
        QTest::newRow("next") << "Avanti";
        QTest::newRow("last") << "Ultimo";
    }
    void unreadableArchiveOnCommands()
    {
        QFETCH(QString, command);
        QVERIFY(QDir(folder->path()).mkdir(archive));
        fillRequired();
        fakes->messages.clear();
        click(command);
        QCOMPARE(fakes->messages.messages(), (QList<Message>{{Kind::Error, Messages::accessFailure()}}));
        QCOMPARE(pos(), QString());
    }

    void emailButton()
    {
        type(QStringLiteral("E-mail:"), QStringLiteral("  anna@example.it "));
        QCOMPARE(text(QStringLiteral("E-mail:")), QStringLiteral("anna@example.it"));
        click(QStringLiteral("E-mail"));
        QCOMPARE(fakes->shell.targets(), QStringList{QStringLiteral("\"mailto:anna@example.it\"")});
        edit(QStringLiteral("E-mail:"))->clear();
        click(QStringLiteral("E-mail"));
        QCOMPARE(fakes->shell.last(), QStringLiteral("\"mailto:\""));
    }

    void whatsAppConfirmation_data()
    {
        QTest::addColumn<QString>("mobile");
        QTest::addColumn<bool>("typed");

        QTest::newRow("typed, digits only") << "3331234567" << true;
        QTest::newRow("typed with blanks: they never get in") << "333 123 4567" << true;
        QTest::newRow("imported with blanks") << "333 123 4567" << false;
        QTest::newRow("imported with plus and dash") << "+39 333-1234567" << false;
        QTest::newRow("imported with 0039 and brackets") << "0039 (333) 1234567" << false;
    }
    void whatsAppConfirmation()
    {
        QFETCH(QString, mobile);
        QFETCH(bool, typed);
        pickDate(QDate(2024, 3, 15));
        pick(QStringLiteral("Ore:"), QStringLiteral("09"));
        pick(QStringLiteral("Minuti:"), QStringLiteral("30"));
        if (typed)
            type(QStringLiteral("Cellulare:"), mobile);
        else
            edit(QStringLiteral("Cellulare:"))->setText(mobile);
        click(QStringLiteral("WhatsApp"));
        QVERIFY(fakes->messages.isEmpty());
        QCOMPARE(fakes->shell.targets(),
                 QStringList{QStringLiteral(
                     "https://web.whatsapp.com/send?phone=393331234567&text=Gentile%20Cliente%2C%20le%20confermiamo"
                     "%20l%27appuntamento%20presso%20il%20nostro%20centro%20ottico%20alle%20ore%2009%3A30%20del"
                     "%20giorno%2015%2F03%2F2024")});
        // Unsaved: nothing was written.
        QVERIFY(!QFileInfo::exists(folder->file(archive)));
    }

    void whatsAppNeedsDateAndMobile()
    {
        edit(QStringLiteral("Cellulare:"))->setText(QStringLiteral("3331234567"));
        click(QStringLiteral("WhatsApp"));
        QCOMPARE(fakes->messages.last(),
                 (Message{Kind::Warning, QStringLiteral("Attenzione: per inviare la conferma dell'appuntamento al "
                                                        "cliente tramite WhatsApp è necessario indicare la data.")}));
        QCOMPARE(Focus::name(), QStringLiteral("txtData"));
        pickDate(QDate(2024, 3, 15));
        edit(QStringLiteral("Cellulare:"))->setText(QStringLiteral("   "));
        click(QStringLiteral("WhatsApp"));
        QCOMPARE(fakes->messages.last(),
                 (Message{Kind::Warning, QStringLiteral("Attenzione: per inviare la conferma dell'appuntamento al "
                                                        "cliente tramite WhatsApp è necessario indicare il suo "
                                                        "numero di cellulare.")}));
        QCOMPARE(Focus::name(), QStringLiteral("txtCel"));
        QVERIFY(fakes->shell.isEmpty());
    }

    void commandsHintsAndLaterButtons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<bool>("enabled");

        QTest::newRow("new") << "cmdNuovo" << "Prepara la schermata per la registrazione di una nuova scheda. (Ctrl+N)" << true;
        QTest::newRow("duplicate") << "cmdDuplica"
                                   << "Prepara la schermata per la registrazione di una nuova scheda duplicando i "
                                      "dati correnti."
                                   << true;
        QTest::newRow("save") << "cmdSalva" << "Salva la scheda corrente. (Ctrl+S)" << true;
        QTest::newRow("find") << "cmdTrova" << "Trova schede in archivio. (Ctrl+F)" << true;
        QTest::newRow("preview") << "cmdAnteprima" << "Visualizza l'anteprima di stampa della scheda corrente."
                                 << true;
        QTest::newRow("print") << "cmdStampa" << "Stampa la scheda corrente." << true;
        QTest::newRow("fulfilled") << "cmdAssolti" << "Visualizza il riepilogo degli impegni assolti." << true;
        QTest::newRow("to fulfil") << "cmdDaAssolvere"
                                   << "Visualizza il riepilogo degli impegni da assolvere, sia scaduti che non."
                                   << true;
        QTest::newRow("expired") << "cmdScaduti" << "Visualizza il riepilogo degli impegni scaduti e non assolti."
                                 << true;
        QTest::newRow("export") << "cmdEsporta" << "Esporta l'archivio in un file di Excel." << true;
        QTest::newRow("help") << "cmdGuida" << "Visualizza la guida in linea. (F1)" << true;
        QTest::newRow("exit") << "cmdEsci" << "Esci da questa schermata di lavoro." << true;
        QTest::newRow("first") << "cmdPrimo" << "Visualizza la prima scheda in archivio." << true;
        QTest::newRow("previous") << "cmdIndietro" << "Visualizza la scheda precedente in archivio." << true;
        QTest::newRow("next") << "cmdAvanti" << "Visualizza la scheda successiva in archivio." << true;
        QTest::newRow("last") << "cmdUltimo" << "Visualizza l'ultima scheda in archivio." << true;
        QTest::newRow("calendar") << "impData" << "Importa la data dal calendario." << true;
        QTest::newRow("client import") << "impContatto" << "Importa i dati dall'archivio dei clienti." << true;
        QTest::newRow("e-mail") << "btnEmail" << "Invia una e-mail all'indirizzo indicato." << true;
        QTest::newRow("whatsapp") << "btnWhatsApp" << "Invia conferma appuntamento al cliente tramite WhatsApp."
                                  << true;
    }
    void commandsHintsAndLaterButtons()
    {
        QFETCH(QString, name);
        QFETCH(QString, hint);
        QFETCH(bool, enabled);
        PictureButton *b = card->button(name);
        QVERIFY(b);
        QVERIFY(b->isVisible());
        QVERIFY(!b->accessibleName().isEmpty());
        QCOMPARE(b->toolTip(), hint);
        QCOMPARE(b->isEnabled(), enabled);
        QEvent enterEvent(QEvent::Enter);
        QApplication::sendEvent(b, &enterEvent);
        QCOMPARE(card->panInfo->text(), hint);
    }

    void tickBoxHintAndNoHighlight()
    {
        QEvent enterEvent(QEvent::Enter);
        QApplication::sendEvent(card->chkOttemperata, &enterEvent);
        QCOMPARE(card->panInfo->text(),
                 QStringLiteral("Spunta questa casella per indicare che l'impegno è stato assolto."));
        // No yellow focus highlight on this card: a focused edit stays white.
        QLineEdit *reason = edit(QStringLiteral("Motivo appuntamento:"));
        reason->setFocus();
        QVERIFY(reason->hasFocus());
        const QColor inside = reason->grab().toImage().pixelColor(reason->width() / 2, reason->height() / 2);
        QCOMPARE(inside, QColor(Qt::white));
    }

    void closeReturnsHome()
    {
        QWidget home;
        context->setWindow(WindowId::Home, &home);
        click(QStringLiteral("Esci"));
        QVERIFY(!card->isVisible());
        QVERIFY(home.isVisible());
    }

    void helpWindow()
    {
        ShownHelp help;
        ModalDriver::captureHelp(help);
        click(QStringLiteral("Guida"));
        QCOMPARE(help.title, QStringLiteral("App Schedario Appuntamenti"));
        QCOMPARE(help.text.split(QStringLiteral("\n\n")).size(), 9);
    }
};

QTEST_MAIN(TestAppointmentCard)
#include "tst_appointmentcard.moc"
