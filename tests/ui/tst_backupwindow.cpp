#include "FullDisk.h"
#include "ModalDriver.h"
#include "TestFiles.h"
#include "WindowTest.h"
#include "app/BackupWindow.h"
#include "app/Startup.h"
#include "app/TfrmAvvio.h"
#include "core/Backup.h"
#include "core/RecordFile.h"
#include "core/RecordLayout.h"
#include "platform/FakeServices.h"
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

using namespace lumivista;

namespace {

using Kind = FakeMessageService::Kind;

QDateTime at(int hour, int minute = 0)
{
    return QDateTime(QDate(2026, 12, 10), QTime(hour, minute));
}

} // namespace

/** The backup window as the shop uses it from the home screen: the list and
 *  its checks, a backup made at once, a restore and its undoing to the byte,
 *  the refusals, the second folder, the strip of a failed backup, and the
 *  backup when the program closes. */
class TestBackupWindow : public WindowTest
{
    Q_OBJECT

    TfrmAvvio *home = nullptr;

    QMap<QString, QByteArray> files() const
    {
        QMap<QString, QByteArray> all;
        for (const QString &name : Backup::fileNames())
            all.insert(name, fileBytes(folder->file(name)));
        return all;
    }

    /** Runs action on the backup window opened from the home screen. */
    void onWindow(const std::function<void(BackupWindow *)> &action)
    {
        ModalDriver::whenShown([&](QWidget *w) {
            auto *window = qobject_cast<BackupWindow *>(w);
            QVERIFY(window);
            action(window);
        });
        click(home, QStringLiteral("imgBackup"));
    }

    static QString cell(BackupWindow *w, int row, int column)
    {
        return w->grdBackup->topLevelItem(row)->text(column);
    }

private Q_SLOTS:
    void initTestCase()
    {
        Startup::applyConventions(*qApp);
    }
    void init()
    {
        startWindowTest();
        fakes->clock.setNow(at(9));
        home = context->adopt(WindowId::Home, new TfrmAvvio(*context));
        folder->write(QStringLiteral("Archivio_Clienti.pro"), QByteArray(2 * 6065, 'c'));
        folder->write(QStringLiteral("Prescrizioni_Occhiali.pro"), QByteArray(5436, 'o'));
        folder->write(QStringLiteral("Lumivista.ini"), "[Centro Ottico]\r\nRigo 1=Ottica Centrale\r\n");
        folder->write(QStringLiteral("unins000.dll"), "[Accesso]\r\nValore=3431A64DF76D4E3540\r\n");
        QCOMPARE(Backup::daily(folder->path(), at(9)).made.size(), 1);
    }
    void cleanup()
    {
        RecordFile::setLockWaitForTests(0);
        endWindowTest();
    }

    void backUpRestoreAndUndo()
    {
        const QMap<QString, QByteArray> morning = files();
        // The day's work: a client and a prescription added.
        folder->write(QStringLiteral("Archivio_Clienti.pro"), QByteArray(3 * 6065, 'C'));
        folder->write(QStringLiteral("Prescrizioni_Occhiali.pro"), QByteArray(2 * 5436, 'O'));
        const QMap<QString, QByteArray> evening = files();
        fakes->clock.setNow(at(18));
        onWindow([&](BackupWindow *w) {
            QCOMPARE(w->grdBackup->topLevelItemCount(), 1);
            QCOMPARE(cell(w, 0, 0), QStringLiteral("10/12/2026 alle 09:00"));
            QCOMPARE(cell(w, 0, 1), QStringLiteral("Cartella del programma"));
            QCOMPARE(cell(w, 0, 3), QStringLiteral("Integra"));

            click(w, QStringLiteral("btnEsegui"));
            QCOMPARE(fakes->messages.last().text, QStringLiteral("Copia di sicurezza eseguita."));
            QCOMPARE(w->grdBackup->topLevelItemCount(), 2);
            QCOMPARE(cell(w, 0, 0), QStringLiteral("10/12/2026 alle 18:00"));

            // Back to the morning: asked first, then the current files are kept as the way back.
            w->grdBackup->setCurrentItem(w->grdBackup->topLevelItem(1));
            fakes->messages.queueConfirm(false);
            click(w, QStringLiteral("btnRipristina"));
            QCOMPARE(files(), evening);
            QVERIFY(fakes->messages.last().text.startsWith(
                QStringLiteral("Ripristinare la copia di sicurezza del 10/12/2026 alle 09:00?")));
            fakes->clock.setNow(at(18, 5));
            fakes->messages.queueConfirm(true);
            click(w, QStringLiteral("btnRipristina"));
            QCOMPARE(files(), morning);
            QVERIFY(fakes->messages.last().text.contains(
                QStringLiteral("Per annullare il ripristino, ripristinare la copia del 10/12/2026 alle 18:05")));
            QCOMPARE(w->grdBackup->topLevelItemCount(), 3);

            // And undone: the evening's bytes are back.
            w->grdBackup->setCurrentItem(w->grdBackup->topLevelItem(0));
            fakes->clock.setNow(at(18, 10));
            fakes->messages.queueConfirm(true);
            click(w, QStringLiteral("btnRipristina"));
            QCOMPARE(files(), evening);
        });
    }

    void damagedOrBusyIsRefused_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("said");
        QTest::newRow("damaged") << "damaged" << "la copia è danneggiata (Prescrizioni_Occhiali.pro)";
        QTest::newRow("in use") << "busy" << "un archivio è in uso su un'altra postazione";
        QTest::newRow("full disk") << "full" << "non è stato possibile fare prima la copia dei dati attuali";
    }
    void damagedOrBusyIsRefused()
    {
        QFETCH(QString, fault);
        QFETCH(QString, said);
        const QString made = Backup::list(Backup::firstFolder(folder->path())).first().path;
        folder->write(QStringLiteral("Archivio_Clienti.pro"), QByteArray(3 * 6065, 'C'));
        if (fault == QLatin1String("damaged"))
            writeBytes(made + QStringLiteral("/Prescrizioni_Occhiali.pro"), "rovinato");
        const QMap<QString, QByteArray> before = files();
        onWindow([&](BackupWindow *w) {
            if (fault == QLatin1String("damaged"))
                QCOMPARE(cell(w, 0, 3), QStringLiteral("Danneggiata: Prescrizioni_Occhiali.pro"));
            fakes->messages.queueConfirm(true);
            if (fault == QLatin1String("busy")) {
                RecordFile::setLockWaitForTests(100);
                RecordFile other(folder->file(QStringLiteral("Archivio_Clienti.pro")), RecordLayout::clients());
                click(w, QStringLiteral("btnRipristina"));
            } else if (fault == QLatin1String("full")) {
                FullDisk full(64);
                click(w, QStringLiteral("btnRipristina"));
            } else {
                click(w, QStringLiteral("btnRipristina"));
            }
            QCOMPARE(fakes->messages.last().kind, Kind::Plain);
            QVERIFY2(fakes->messages.last().text.contains(said), qPrintable(fakes->messages.last().text));
        });
        QCOMPARE(files(), before);
    }

    void secondFolderIsTriedAndKept()
    {
        const QString stick = folder->file(QStringLiteral("chiavetta"));
        QVERIFY(QDir().mkpath(stick));
        onWindow([&](BackupWindow *w) {
            // Not a folder one can write into: refused, nothing stored.
            fakes->fileDialog.queuePath(folder->file(QStringLiteral("unins000.dll")));
            click(w, QStringLiteral("btnCartella"));
            QVERIFY(fakes->messages.last().text.contains(QStringLiteral("non si può scrivere")));
            QCOMPARE(Backup::secondFolder(folder->path()), QString());

            fakes->fileDialog.queuePath(stick);
            click(w, QStringLiteral("btnCartella"));
            QCOMPARE(Backup::secondFolder(folder->path()), stick);
            QVERIFY(w->lblCartella->text().endsWith(stick));
            QCOMPARE(QDir(stick).entryList(QDir::Files), QStringList()); // the trial file is gone

            fakes->clock.setNow(at(12));
            click(w, QStringLiteral("btnEsegui"));
            QCOMPARE(w->grdBackup->topLevelItemCount(), 3);
            QCOMPARE(cell(w, 0, 1).startsWith(QStringLiteral("Cartella")), true);
            QStringList places = {cell(w, 0, 1), cell(w, 1, 1)};
            places.sort();
            QCOMPARE(places, (QStringList{QStringLiteral("Cartella del programma"),
                                          QStringLiteral("Cartella secondaria: ") + stick}));
        });
    }

    void failedBackupStripOpensTheWindow()
    {
        home->showBackupProblems({QStringLiteral("la cartella Backup non si può creare")});
        QVERIFY(home->lblBackup->text().contains(QStringLiteral("Apri le copie di sicurezza")));
        ModalDriver::whenShown([&](QWidget *w) { QVERIFY(qobject_cast<BackupWindow *>(w)); });
        Q_EMIT home->lblBackup->linkActivated(QStringLiteral("backup"));
    }

    void closingBacksUpOnlyWhatChanged()
    {
        // The day's backup at login, then nothing changed: closing adds none.
        context->startDailyBackup({});
        context->waitForBackup();
        const QString root = Backup::firstFolder(folder->path());
        QCOMPARE(Backup::list(root).size(), 1);
        fakes->clock.setNow(at(19));
        context->backupAtClose();
        QCOMPARE(Backup::list(root).size(), 1);
        // A client added: closing backs the day's work up.
        folder->write(QStringLiteral("Archivio_Clienti.pro"), QByteArray(3 * 6065, 'C'));
        context->backupAtClose();
        const QList<Backup::Entry> entries = Backup::list(root);
        QCOMPARE(entries.size(), 2);
        QCOMPARE(fileBytes(entries.first().path + QStringLiteral("/Archivio_Clienti.pro")),
                 QByteArray(3 * 6065, 'C'));
    }
};

QTEST_MAIN(TestBackupWindow)
#include "tst_backupwindow.moc"
