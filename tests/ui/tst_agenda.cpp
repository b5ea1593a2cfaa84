#include "ModalDriver.h"
#include "WindowTest.h"
#include "agenda/TfrmAgenda.h"
#include "agenda/TfrmWhatsApp_Message.h"
#include "widgets/PictureButton.h"
#include "core/Text.h"
#include "platform/FakeServices.h"
#include "platform/QtShellService.h"
#include <QCalendarWidget>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace lumivista;
using Kind = FakeMessageService::Kind;
using Message = FakeMessageService::Message;
using SoundKind = FakeSoundService::Kind;

namespace {

const int recordSize = 1265;
const QString archive = QStringLiteral("Archivio_Appuntamenti.pro");

struct Appointment
{
    QByteArray data;
    QByteArray ore = "10";
    QByteArray minuti = "00";
    QByteArray avviso = "0";
    QByteArray contatto = "Rossi Mario";
    QByteArray cel = "3331234567";
    QByteArray ottemperata = "No";
    QByteArray causale = "Controllo";
    QByteArray importo = "25,00";
};

/** One record built by hand from the byte table. */
QByteArray bytes(const Appointment &a)
{
    QByteArray r(recordSize, '\0');
    WindowTest::putField(r, 0, a.data);
    WindowTest::putField(r, 11, a.ore);
    WindowTest::putField(r, 14, a.minuti);
    WindowTest::putField(r, 17, a.ore + ':' + a.minuti);
    WindowTest::putField(r, 23, a.avviso);
    WindowTest::putField(r, 78, a.causale);
    WindowTest::putField(r, 580, a.contatto);
    WindowTest::putField(r, 662, a.cel);
    WindowTest::putField(r, 995, a.importo);
    WindowTest::putField(r, 1262, a.ottemperata);
    return r;
}

QByteArray archiveOf(const QList<Appointment> &list)
{
    QByteArray all;
    for (const Appointment &a : list)
        all += bytes(a);
    return all;
}

/** The start of an agenda line, up to the name column. */
QString head(const QString &key, const QString &date, const QString &time, const QString &name)
{
    return QStringLiteral("ID: %1  Data: %2  Ora: %3  %4").arg(key, date, time, name.leftJustified(30));
}

const QString reminderTail = QStringLiteral(
    "&text=Gentile%20Cliente%2C%20le%20ricordiamo%20l%27appuntamento%20presso%20il%20nostro%20centro%20ottico"
    "%20alle%20ore%2009%3A30%20del%20giorno%2015%2F03%2F2024");

} // namespace

class TestAgenda : public WindowTest
{
    Q_OBJECT

    std::unique_ptr<TfrmAgenda> agenda;

    void open()
    {
        agenda->show();
        QVERIFY(QTest::qWaitForWindowExposed(agenda.get()));
    }
    QStringList lines()
    {
        QStringList out;
        for (int i = 0; i < agenda->lstRecords->count(); ++i)
            out << agenda->lstRecords->item(i)->text();
        return out;
    }
    QStringList selection()
    {
        return {agenda->titData->text(), agenda->titOra->text(), agenda->titContatto->text(),
                agenda->titCel->text()};
    }
    void clickLine(int row)
    {
        QListWidget *list = agenda->lstRecords;
        list->scrollToItem(list->item(row));
        const QRect rect = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.topLeft() + QPoint(20, rect.height() / 2));
    }
    bool saysThereAre() { return agenda->imgCiSono->isVisible() && agenda->imgCiSonoIcona->isVisible(); }
    bool saysThereAreNone() { return agenda->imgNonCiSono->isVisible() && agenda->imgNonCiSonoIcona->isVisible(); }
    /** Presses the WhatsApp button and, in the reminder window, "Invia messaggio". */
    QStringList remind(bool send = true)
    {
        QStringList shown;
        ModalDriver::whenShown([&](QWidget *w) {
            auto *window = qobject_cast<TfrmWhatsApp_Message *>(w);
            if (!window)
                return;
            shown = {window->txtData->text(), window->txtOra->text(), window->txtContatto->text(),
                     window->txtCel->text()};
            if (send)
                window->btnWhatsApp->click();
            else
                window->btnChiudi->click();
        });
        agenda->btnWhatsApp->click();
        return shown;
    }

private Q_SLOTS:
    void init()
    {
        startWindowTest();
        fakes->clock.setToday(QDate(2024, 3, 15));
        agenda = std::make_unique<TfrmAgenda>(*context);
        context->setWindow(WindowId::Agenda, agenda.get());
    }
    void cleanup()
    {
        agenda.reset();
        endWindowTest();
    }

    void windowAtCreation()
    {
        QCOMPARE(agenda->windowTitle(), QStringLiteral(" Lumivista - Agenda Appuntamenti"));
        QCOMPARE(agenda->calAppuntamenti->selectedDate(), QDate(2024, 3, 15));
        QCOMPARE(agenda->btnArchivio->text(), QStringLiteral("INSERISCI APPUNTAMENTI"));
        QCOMPARE(agenda->imgCiSono->text(), QStringLiteral("Ci sono appuntamenti"));
        QCOMPARE(agenda->imgNonCiSono->text(), QStringLiteral("Non ci sono appuntamenti"));
        // Their windows come with later work: present, not usable yet.
        QCOMPARE(agenda->btnStampa->accessibleName(), QStringLiteral("Stampa riepilogo"));
        QCOMPARE(agenda->btnExcel->accessibleName(), QStringLiteral("Esporta in Excel"));
        QCOMPARE(agenda->btnGiorno->text(), QStringLiteral("APPUNTAMENTI DEL GIORNO"));
        QCOMPARE(agenda->btnMese->text(), QStringLiteral("APPUNTAMENTI DEL MESE"));
        for (QWidget *exports : {static_cast<QWidget *>(agenda->btnStampa), static_cast<QWidget *>(agenda->btnExcel), static_cast<QWidget *>(agenda->btnGiorno),
                                 static_cast<QWidget *>(agenda->btnMese)})
            QVERIFY(exports->isEnabled());
        for (PictureButton *b : {agenda->imgGuida, agenda->btnWhatsApp, agenda->imgEsci, agenda->appApriArchivio}) {
            QVERIFY(b->isEnabled());
            QVERIFY(!b->accessibleName().isEmpty());
            QVERIFY(!b->toolTip().isEmpty());
        }
    }

    void listsImminentInDateOrder()
    {
        Appointment tomorrowOneDay{"16/03/2024", "10", "00", "1", "Verdi Anna"};
        Appointment todayNoNotice{"15/03/2024", "09", "30", "0", "Bianchi Luca"};
        Appointment tomorrowNoNotice{"16/03/2024", "08", "00", "0", "Neri Paolo"};
        Appointment damagedDate{"31/02/2024", "09", "00", "0", "Guasto Data"};
        Appointment damagedNotice{"15/03/2024", "09", "00", "x", "Guasto Avviso"};
        Appointment lastMonth{"10/02/2024", "11", "15", "0", "Gialli Rosa"};
        Appointment lastMonthDone{"10/02/2024", "11", "15", "0", "Fatto Gino", "3330000000", "S\xEC"};
        Appointment inTenDaysTenNotice{"25/03/2024", "18", "00", "10", "Blu Sara"};
        Appointment inElevenDaysTenNotice{"26/03/2024", "18", "00", "10", "Viola Elsa"};
        Appointment sameMinuteLower{"15/03/2024", "09", "30", "0", "albini Ugo"};
        folder->write(archive, archiveOf({tomorrowOneDay, todayNoNotice, damagedDate, tomorrowNoNotice,
                                          damagedNotice, lastMonth, lastMonthDone, inTenDaysTenNotice,
                                          inElevenDaysTenNotice, sameMinuteLower}));
        folder->write(QStringLiteral("Avviso.mp3"), "ID3");
        open();

        const QStringList shown = lines();
        QCOMPARE(shown.size(), 5);
        QVERIFY(shown.at(0).startsWith(head("202402101115", "10/02/2024", "11:15", "Gialli Rosa")));
        QVERIFY(shown.at(1).startsWith(head("202403150930", "15/03/2024", "09:30", "albini Ugo")));
        QVERIFY(shown.at(2).startsWith(head("202403150930", "15/03/2024", "09:30", "Bianchi Luca")));
        QVERIFY(shown.at(3).startsWith(head("202403161000", "16/03/2024", "10:00", "Verdi Anna")));
        QVERIFY(shown.at(4).startsWith(head("202403251800", "25/03/2024", "18:00", "Blu Sara")));
        QCOMPARE(shown.at(2), head("202403150930", "15/03/2024", "09:30", "Bianchi Luca")
                                  + QStringLiteral("  Cel. 3331234567      Controllo") + QString(33, u' ')
                                  + QStringLiteral("  \u20AC 25,00"));

        QVERIFY(saysThereAre());
        QVERIFY(!agenda->imgNonCiSono->isVisible());
        QVERIFY(!agenda->imgNonCiSonoIcona->isVisible());
        QCOMPARE(fakes->sound.calls(),
                 (QList<FakeSoundService::Call>{{SoundKind::Load, folder->file(QStringLiteral("Avviso.mp3"))},
                                                {SoundKind::Play, QString()}}));
        QVERIFY(fakes->messages.isEmpty());
        QCOMPARE(QFontInfo(agenda->lstRecords->font()).pointSize(), 14);
        QVERIFY(QFontInfo(agenda->lstRecords->font()).fixedPitch());
    }

    void fulfilledLeavesAtNextOpening()
    {
        Appointment pending{"10/02/2024", "11", "15", "0", "Gialli Rosa"};
        folder->write(archive, archiveOf({pending}));
        open();
        QCOMPARE(lines().size(), 1);
        agenda->hide();
        pending.ottemperata = "S\xEC";
        folder->write(archive, archiveOf({pending}));
        fakes->sound.clear();
        open();
        QCOMPARE(lines(), QStringList());
        QVERIFY(saysThereAreNone());
        QVERIFY(!agenda->imgCiSono->isVisible());
        QCOMPARE(fakes->sound.count(SoundKind::Play), 0);
    }

    void emptyOrMissingArchive_data()
    {
        QTest::addColumn<bool>("fileExists");
        QTest::newRow("no file") << false;
        QTest::newRow("empty file") << true;
    }
    void emptyOrMissingArchive()
    {
        QFETCH(bool, fileExists);
        if (fileExists)
            folder->write(archive, QByteArray());
        folder->write(QStringLiteral("Avviso.mp3"), "ID3");
        open();
        QVERIFY(saysThereAreNone());
        QVERIFY(!agenda->imgCiSono->isVisible());
        QVERIFY(fakes->sound.calls().isEmpty());
        QVERIFY(QFileInfo::exists(folder->file(archive)));
        agenda->btnWhatsApp->click();
        QCOMPARE(fakes->messages.messages(),
                 (QList<Message>{{Kind::Warning, QStringLiteral("Invio messaggio di WhatsApp non applicabile: la "
                                                               "lista non contiene nessun appuntamento.")}}));
        QVERIFY(fakes->shell.isEmpty());
    }

    void missingOrUnplayableSoundIsSilent_data()
    {
        QTest::addColumn<bool>("present");
        QTest::newRow("missing file") << false;
        QTest::newRow("unplayable file") << true;
    }
    void missingOrUnplayableSoundIsSilent()
    {
        QFETCH(bool, present);
        folder->write(archive, archiveOf({{"15/03/2024"}}));
        if (present) {
            folder->write(QStringLiteral("Avviso.mp3"), "not a sound");
            fakes->sound.setLoadResult(false);
        }
        open();
        QVERIFY(saysThereAre());
        QCOMPARE(fakes->sound.count(SoundKind::Load), 1);
        QCOMPARE(fakes->sound.count(SoundKind::Play), 0);
        QVERIFY(fakes->messages.isEmpty());
        agenda->close();
        QCOMPARE(fakes->sound.count(SoundKind::Stop), 0);
    }

    void unreadableArchiveStaysSilent()
    {
        QVERIFY(QDir(folder->path()).mkdir(archive));
        open();
        QCOMPARE(lines(), QStringList());
        QVERIFY(!saysThereAre());
        QVERIFY(!saysThereAreNone());
        QVERIFY(fakes->messages.isEmpty());
        QVERIFY(fakes->sound.calls().isEmpty());
    }

    void selectionByClickOnly()
    {
        Appointment first{"15/03/2024", "09", "30", "0", "Bianchi Luca", "3331111111"};
        Appointment damaged{"xx/03/2024", "09", "00", "0", "Guasto", "3330000000"};
        Appointment second{"16/03/2024", "10", "00", "1", "Verdi Anna", "3332222222"};
        folder->write(archive, archiveOf({damaged, second, first}));
        open();
        QCOMPARE(selection(), QStringList(4));

        clickLine(1);
        QCOMPARE(selection(), (QStringList{"16/03/2024", "10:00", "Verdi Anna", "3332222222"}));
        // Moving with the keyboard selects another line but hands over nothing new.
        agenda->lstRecords->setFocus();
        QTest::keyClick(agenda->lstRecords, Qt::Key_Up);
        QCOMPARE(agenda->lstRecords->currentRow(), 0);
        QCOMPARE(selection(), (QStringList{"16/03/2024", "10:00", "Verdi Anna", "3332222222"}));
        QCOMPARE(remind(), (QStringList{"16/03/2024", "10:00", "Verdi Anna", "3332222222"}));

        // Showing the agenda again forgets the selection.
        agenda->hide();
        open();
        QCOMPARE(selection(), QStringList(4));
    }

    void equalLinesLastRecordWins()
    {
        // Mobiles longer than their column give equal lines; the last record in the file wins.
        Appointment a{"15/03/2024", "09", "30", "0", "Rossi Mario", "33312345678901"};
        Appointment b = a;
        a.cel = "33312345678901-A";
        b.cel = "33312345678901-B";
        folder->write(archive, archiveOf({a, b}));
        open();
        QCOMPARE(lines().size(), 2);
        QCOMPARE(lines().at(0), lines().at(1));
        clickLine(0);
        QCOMPARE(agenda->titCel->text(), QStringLiteral("33312345678901-B"));
    }

    void whatsAppWithoutSelection()
    {
        folder->write(archive, archiveOf({{"15/03/2024"}}));
        open();
        agenda->btnWhatsApp->click();
        QCOMPARE(fakes->messages.messages(),
                 (QList<Message>{{Kind::Warning, QStringLiteral("Attenzione: selezionare dall'elenco il cliente a "
                                                               "cui si desidera inviare il promemoria "
                                                               "dell'appuntamento prima di fare clic sull'icona di "
                                                               "WhatsApp.")}}));
        // A line selected with the keyboard only: the window opens with nothing handed over.
        fakes->messages.clear();
        agenda->lstRecords->setFocus();
        agenda->lstRecords->setCurrentRow(0);
        QCOMPARE(remind(), QStringList(4));
        QCOMPARE(fakes->shell.targets(), QStringList{QStringLiteral("https://web.whatsapp.com/send?phone=")
                                                     + reminderTail.left(reminderTail.indexOf(QStringLiteral("%2009")))
                                                     + QStringLiteral("%20%20del%20giorno%20")});
    }

    void reminderLink_data()
    {
        QTest::addColumn<QByteArray>("cel");
        QTest::newRow("blanks") << QByteArray("333 123 4567");
        QTest::newRow("plus and dash") << QByteArray("+39 333-1234567");
        QTest::newRow("double zero and brackets") << QByteArray("0039 (333) 1234567");
        QTest::newRow("bare national") << QByteArray("3331234567");
    }
    void reminderLink()
    {
        QFETCH(QByteArray, cel);
        Appointment a{"15/03/2024", "09", "30", "0", "D'Angelo Maria", cel};
        folder->write(archive, archiveOf({a}));
        open();
        clickLine(0);
        QCOMPARE(remind(), (QStringList{"15/03/2024", "09:30", "D'Angelo Maria", QString::fromLatin1(cel)}));
        const QString link = QStringLiteral("https://web.whatsapp.com/send?phone=393331234567") + reminderTail;
        QCOMPARE(fakes->shell.targets(), QStringList{link});
        // The desktop receives the link with the message still encoded exactly.
        QCOMPARE(QString::fromLatin1(QtShellService::urlFor(link).toEncoded()), link);
        QCOMPARE(QUrlQuery(QtShellService::urlFor(link)).queryItemValue(QStringLiteral("text"),
                                                                         QUrl::FullyDecoded),
                 QStringLiteral("Gentile Cliente, le ricordiamo l'appuntamento presso il nostro centro ottico alle "
                                "ore 09:30 del giorno 15/03/2024"));
    }

    void reminderCancelled()
    {
        folder->write(archive, archiveOf({{"15/03/2024"}}));
        open();
        clickLine(0);
        QCOMPARE(remind(false).size(), 4);
        QVERIFY(fakes->shell.isEmpty());
    }

    void reminderWindow()
    {
        TfrmWhatsApp_Message window(fakes->services());
        QCOMPARE(window.windowTitle(), QStringLiteral(" Invio messaggio di WhatsApp"));
        for (QLineEdit *e : {window.txtData, window.txtOra, window.txtContatto, window.txtCel})
            QVERIFY(e->isReadOnly());
        QCOMPARE(window.txtData->accessibleName(), QStringLiteral("Data appuntamento:"));
        QCOMPARE(window.txtOra->accessibleName(), QStringLiteral("Ora appuntamento:"));
        QCOMPARE(window.txtContatto->accessibleName(), QStringLiteral("Cognome e nome:"));
        QCOMPARE(window.txtCel->accessibleName(), QStringLiteral("Cellulare:"));
        QCOMPARE(window.btnWhatsApp->accessibleName(), QStringLiteral("Invia messaggio"));
        QCOMPARE(window.btnChiudi->text(), QStringLiteral("Annulla"));
        // It opens on the send button, and Enter does not cancel it.
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget(), window.btnWhatsApp);
        QTest::keyClick(&window, Qt::Key_Return);
        QVERIFY(window.isVisible());
        QVERIFY(fakes->shell.isEmpty());
    }

    void openingTheCardHidesTheAgenda()
    {
        QWidget card;
        context->setWindow(WindowId::Appointments, &card);
        open();
        agenda->btnArchivio->click();
        QVERIFY(card.isVisible());
        QVERIFY(card.isMaximized()); // a working window like the others
        QVERIFY(!agenda->isVisible());
        card.hide();
        open();
        agenda->appApriArchivio->click();
        QVERIFY(card.isVisible());
        QVERIFY(!agenda->isVisible());
    }

    void closingStopsTheSoundAndReturnsHome()
    {
        QWidget home;
        context->setWindow(WindowId::Home, &home);
        folder->write(archive, archiveOf({{"15/03/2024"}}));
        folder->write(QStringLiteral("Avviso.mp3"), "ID3");
        open();
        QVERIFY(fakes->sound.isPlaying());
        agenda->imgEsci->click();
        QVERIFY(!fakes->sound.isPlaying());
        QCOMPARE(fakes->sound.calls().last().kind, SoundKind::Stop);
        QVERIFY(!agenda->isVisible());
        QVERIFY(home.isVisible());
    }

    void helpWindow()
    {
        ShownHelp help;
        ModalDriver::captureHelp(help);
        open();
        agenda->imgGuida->click();
        QCOMPARE(help.title, QStringLiteral("App Agenda Appuntamenti"));
        QCOMPARE(help.text.split(QStringLiteral("\n\n")).size(), 7);
    }
};

QTEST_MAIN(TestAgenda)
#include "tst_agenda.moc"
