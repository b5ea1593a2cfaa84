#include "ModalDriver.h"
#include "WindowTest.h"
#include "archive/TfrmAllegaCartella.h"
#include "clients/TfrmAttachedFolder.h"
#include "clients/TfrmClients.h"
#include "core/Record.h"
#include "core/RecordFile.h"
#include "glasses/TfrmOcchiali.h"
#include "lenses/TfrmLenti.h"
#include "platform/FakeServices.h"
#include "FullDisk.h"
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace lumivista;
using Kind = FakeMessageService::Kind;

/** Attachments of the three cards and the client folder. */
class TestAttachments : public WindowTest
{
    Q_OBJECT

    CardWindow *card = nullptr;

    CardWindow *open(const QString &key)
    {
        const WindowId id = key == QLatin1String("clients")    ? WindowId::Clients
                            : key == QLatin1String("occhiali") ? WindowId::Glasses
                                                               : WindowId::Lenses;
        card = static_cast<CardWindow *>(openWorkingWindow(id));
        return card;
    }

    QString label(const char *name) const { return card->findChild<QLabel *>(QLatin1String(name))->text(); }

    /** A file to attach, outside the program folder. */
    QString source(const QString &name, const QByteArray &content)
    {
        QDir().mkpath(m_outside.path());
        const QString path = m_outside.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(content);
        return path;
    }

    QString attached(const QString &name) const { return folder->file(QStringLiteral("Documenti_Allegati/") + name); }

    void inWindow(const QString &button, const std::function<void(TfrmAllegaCartella *)> &action)
    {
        bool seen = false;
        ModalDriver::whenShown([&](QWidget *w) {
            seen = true;
            auto *window = qobject_cast<TfrmAllegaCartella *>(w);
            QVERIFY(window);
            action(window);
        });
        click(card, button);
        QVERIFY(seen);
    }

    QTemporaryDir m_outside;

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

    void slotsGoBackToTheCardOfTheKey_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("button");
        QTest::newRow("clients") << "clients" << "cmdAttach";
        QTest::newRow("occhiali") << "occhiali" << "cmdAllega";
        QTest::newRow("lenti") << "lenti" << "cmdAllega";
    }
    void slotsGoBackToTheCardOfTheKey()
    {
        QFETCH(QString, key);
        QFETCH(QString, button);
        open(key);
        card->findChild<QLabel *>(QStringLiteral("lblFile02"))->setText(QStringLiteral(" referto.pdf "));
        card->findChild<QLabel *>(QStringLiteral("lblDesc02"))->setText(QStringLiteral("Referto"));
        inWindow(button, [&](TfrmAllegaCartella *w) {
            QCOMPARE(w->windowTitle(), QStringLiteral(" Allega file"));
            QCOMPARE(w->lblMemory->text(), key);
            QCOMPARE(w->fileEdit(2)->text(), QStringLiteral("referto.pdf"));
            QVERIFY(w->openButton(2)->isEnabled());
            QVERIFY(!w->openButton(1)->isEnabled());
            w->descEdit(1)->setText(QStringLiteral("  Ricetta  "));
            w->reject(); // Annulla and the close box leave the card alone
        });
        QCOMPARE(label("lblDesc01"), QString());
        inWindow(button, [&](TfrmAllegaCartella *w) {
            w->descEdit(1)->setText(QStringLiteral("  Ricetta  "));
            click(w, QStringLiteral("imgCancella02"));
            QVERIFY(!w->openButton(2)->isEnabled());
            click(w, QStringLiteral("btnApplica"));
        });
        QCOMPARE(label("lblDesc01"), QStringLiteral("Ricetta"));
        QCOMPARE(label("lblFile02"), QString());
        QCOMPARE(label("lblDesc02"), QStringLiteral("Referto"));
    }

    void browseCopiesAndOpensAsAFileUrl()
    {
        open(QStringLiteral("clients"));
        const QString name = QStringLiteral("Referto oculistico #2 Niccolò.pdf");
        fakes->fileDialog.queuePath(source(name, "%PDF-1.4 referto"));
        inWindow(QStringLiteral("cmdAttach"), [&](TfrmAllegaCartella *w) {
            click(w, QStringLiteral("btnSfoglia01"));
            QCOMPARE(fakes->fileDialog.requests().last().title, QStringLiteral("Selezionare il file da allegare:"));
            // Every file, with or without an extension, starting outside the program folder.
            QCOMPARE(fakes->fileDialog.requests().last().filter, QStringLiteral("Tutti i file (*)"));
            const QString start = fakes->fileDialog.requests().last().suggested;
            QVERIFY(QFileInfo(start).isDir());
            QVERIFY2(QDir(start) != QDir(folder->path()), qPrintable(start));
            QCOMPARE(w->fileEdit(1)->text(), name);
            QCOMPARE(folder->read(QStringLiteral("Documenti_Allegati/") + name), QByteArray("%PDF-1.4 referto"));
            click(w, QStringLiteral("btnApri01"));
            const QUrl url(fakes->shell.last());
            QVERIFY(url.isLocalFile());
            QCOMPARE(url.toLocalFile(), attached(name));
            QVERIFY(!fakes->shell.last().contains(QLatin1Char(' ')));
            // A cancelled dialog changes nothing.
            click(w, QStringLiteral("btnSfoglia02"));
            QCOMPARE(w->fileEdit(2)->text(), QString());
        });
    }

    void sameNameAsksBeforeOverwriting()
    {
        open(QStringLiteral("occhiali"));
        QDir().mkpath(folder->file(QStringLiteral("Documenti_Allegati")));
        folder->write(QStringLiteral("Documenti_Allegati/ricetta.pdf"), "first client's");
        inWindow(QStringLiteral("cmdAllega"), [&](TfrmAllegaCartella *w) {
            fakes->fileDialog.queuePath(source(QStringLiteral("ricetta.pdf"), "second client's"));
            fakes->messages.queueConfirm(false);
            click(w, QStringLiteral("btnSfoglia01"));
            QCOMPARE(fakes->messages.last().text,
                     QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso "
                                    "nome.\r\n\r\nSi vuole sovrascrivere il file esistente?"));
            QCOMPARE(w->fileEdit(1)->text(), QStringLiteral("ricetta.pdf"));
            QCOMPARE(folder->read(QStringLiteral("Documenti_Allegati/ricetta.pdf")), QByteArray("first client's"));

            fakes->fileDialog.queuePath(m_outside.filePath(QStringLiteral("ricetta.pdf")));
            fakes->messages.queueConfirm(true);
            click(w, QStringLiteral("btnSfoglia02"));
            QCOMPARE(folder->read(QStringLiteral("Documenti_Allegati/ricetta.pdf")), QByteArray("second client's"));

            // The file picked from the folder itself is kept, not copied onto itself.
            fakes->fileDialog.queuePath(attached(QStringLiteral("ricetta.pdf")));
            fakes->messages.queueConfirm(true);
            click(w, QStringLiteral("btnSfoglia03"));
            QCOMPARE(w->fileEdit(3)->text(), QStringLiteral("ricetta.pdf"));
            QCOMPARE(folder->read(QStringLiteral("Documenti_Allegati/ricetta.pdf")), QByteArray("second client's"));
        });
    }

    void aRefusedCopyIsReportedAndTheSlotStays()
    {
        open(QStringLiteral("lenti"));
        card->findChild<QLabel *>(QStringLiteral("lblFile01"))->setText(QStringLiteral("vecchio.pdf"));
        const QString big = source(QStringLiteral("grande.pdf"), QByteArray(4096, 'x'));
        inWindow(QStringLiteral("cmdAllega"), [&](TfrmAllegaCartella *w) {
            fakes->fileDialog.queuePath(big);
            {
                const FullDisk full;
                click(w, QStringLiteral("btnSfoglia01"));
            }
            QCOMPARE(fakes->messages.last().kind, Kind::Warning);
            QVERIFY(fakes->messages.last().text.startsWith(
                QStringLiteral("Attenzione: non è stato possibile copiare il file nella cartella dei documenti allegati.")));
            QCOMPARE(w->fileEdit(1)->text(), QStringLiteral("vecchio.pdf"));
            QVERIFY(QDir(folder->file(QStringLiteral("Documenti_Allegati"))).entryList(QDir::Files).isEmpty());
        });
    }

    void replacingAnAttachmentNeverLosesTheOldOneOrTouchesOtherFiles_data()
    {
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("copy succeeds") << false;
        QTest::newRow("disk full") << true;
    }
    void replacingAnAttachmentNeverLosesTheOldOneOrTouchesOtherFiles()
    {
        QFETCH(bool, diskFull);
        open(QStringLiteral("clients"));
        QDir().mkpath(folder->file(QStringLiteral("Documenti_Allegati")));
        folder->write(QStringLiteral("Documenti_Allegati/ricetta"), "the old attachment");
        // Another client's attachment whose name only looks like a temporary one.
        folder->write(QStringLiteral("Documenti_Allegati/ricetta.part"), "another client's");
        const QByteArray fresh(64 * 1024, 'n');
        inWindow(QStringLiteral("cmdAttach"), [&](TfrmAllegaCartella *w) {
            fakes->fileDialog.queuePath(source(QStringLiteral("ricetta"), fresh));
            fakes->messages.queueConfirm(true);
            if (diskFull) {
                const FullDisk full(1024);
                click(w, QStringLiteral("btnSfoglia01"));
            } else {
                click(w, QStringLiteral("btnSfoglia01"));
            }
        });
        QCOMPARE(folder->read(QStringLiteral("Documenti_Allegati/ricetta")),
                 diskFull ? QByteArray("the old attachment") : fresh);
        QCOMPARE(folder->read(QStringLiteral("Documenti_Allegati/ricetta.part")), QByteArray("another client's"));
        QCOMPARE(QDir(folder->file(QStringLiteral("Documenti_Allegati"))).entryList(QDir::Files | QDir::Hidden),
                 QStringList({QStringLiteral("ricetta"), QStringLiteral("ricetta.part")}));
        if (diskFull) {
            // The reason is given in Italian, without the system's English text.
            QCOMPARE(fakes->messages.last().kind, Kind::Warning);
            QVERIFY(fakes->messages.last().text.contains(QStringLiteral("il disco potrebbe essere pieno")));
            QVERIFY(!fakes->messages.last().text.contains(QStringLiteral("large")));
        }
    }

    void clientFolder()
    {
        open(QStringLiteral("clients"));
        click(card, QStringLiteral("btnFolder"));
        QCOMPARE(fakes->messages.last().text,
                 QStringLiteral("Attenzione: l'abbinamento di una cartella ad un cliente può avvenire soltanto dopo che "
                                "la scheda è stata inserita in archivio."));
        Record client(RecordLayout::clients());
        client.setValue(QStringLiteral("Name"), QStringLiteral("Rossi"));
        RecordFile file(RecordFile::pathFor(RecordLayout::clients()), RecordLayout::clients());
        for (int i = 0; i < 3; ++i)
            file.write(client);
        file.close();
        card->commandLast();
        ModalDriver::whenShown([&](QWidget *w) {
            auto *window = qobject_cast<TfrmAttachedFolder *>(w);
            QVERIFY(window);
            QCOMPARE(window->lblMemory->text(), QStringLiteral("3"));
            click(window, QStringLiteral("btnApriCartella"));
            QVERIFY(!window->isVisible());
        });
        click(card, QStringLiteral("btnFolder"));
        QVERIFY(QFileInfo(folder->file(QStringLiteral("Cliente_3"))).isDir());
        QCOMPARE(QUrl(fakes->shell.last()).toLocalFile(), folder->file(QStringLiteral("Cliente_3")));
    }
};

QTEST_MAIN(TestAttachments)
#include "tst_attachments.moc"
