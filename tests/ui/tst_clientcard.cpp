#include "ModalDriver.h"
#include "WindowTest.h"
#include "widgets/TfrmGuida.h"
#include "clients/ClientHelp.h"
#include "Unprivileged.h"
#include "widgets/PictureButton.h"
#include "clients/TfrmClients.h"
#include "core/Messages.h"
#include "core/Record.h"
#include "core/RecordFile.h"
#include "core/RecordLayout.h"
#include "platform/FakeServices.h"
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>
#include <sys/stat.h>

using namespace lumivista;
using Kind = FakeMessageService::Kind;

namespace {
const int size = 6065;
const QString archive = QStringLiteral("Archivio_Clienti.pro");

/** A client record built by hand from the byte table, independent of the layout code. */
QByteArray clientBytes(const QByteArray &name, const QByteArray &mobile = "3331234567")
{
    QByteArray r(size, '\0');
    WindowTest::putField(r, 0, name);
    WindowTest::putField(r, 934, mobile);
    return r;
}
} // namespace

class TestClientCard : public WindowTest
{
    Q_OBJECT

    std::unique_ptr<TfrmClients> card;

    QLineEdit *edit(const QString &name) { return WindowTest::edit(card.get(), name); }
    QString pos() { return card->lblPosizione->text(); }
    void click(const QString &name) { WindowTest::click(card.get(), name); }
    void storeThree()
    {
        folder->write(archive, clientBytes("Anna") + clientBytes("Bruno") + clientBytes("Carla"));
    }

private Q_SLOTS:
    void init()
    {
        startWindowTest();
        card = std::make_unique<TfrmClients>(*context);
        card->show();
        QVERIFY(QTest::qWaitForWindowExposed(card.get()));
        card->activateWindow();
    }
    void cleanup()
    {
        card.reset();
        endWindowTest();
    }

    void freshInstallBrowsing_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("first") << "cmdFirst";
        QTest::newRow("last") << "cmdLast";
        QTest::newRow("next") << "cmdNext";
        QTest::newRow("previous") << "cmdPrevious";
    }
    void freshInstallBrowsing()
    {
        QFETCH(QString, command);
        click(command);
        QCOMPARE(fakes->messages.last(), (FakeMessageService::Message{Kind::Information, Messages::emptyArchive()}));
        QVERIFY(QFileInfo::exists(folder->file(archive)));
        QCOMPARE(QFileInfo(folder->file(archive)).size(), 0);
        QCOMPARE(pos(), QString());
    }

    void navigation_data()
    {
        QTest::addColumn<QString>("start"); // position before the command, "" = new card
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("name");
        QTest::newRow("next at last does nothing") << "3" << "cmdNext" << "3" << "Carla";
        QTest::newRow("previous from 3") << "3" << "cmdPrevious" << "2" << "Bruno";
        QTest::newRow("previous from 2") << "2" << "cmdPrevious" << "1" << "Anna";
        QTest::newRow("previous at 1 does nothing") << "1" << "cmdPrevious" << "1" << "Anna";
        QTest::newRow("next from new") << "" << "cmdNext" << "1" << "Anna";
        QTest::newRow("previous from new") << "" << "cmdPrevious" << "1" << "Anna";
        QTest::newRow("last from new") << "" << "cmdLast" << "3" << "Carla";
        QTest::newRow("first from 3") << "3" << "cmdFirst" << "1" << "Anna";
        QTest::newRow("next from 1") << "1" << "cmdNext" << "2" << "Bruno";
    }
    void navigation()
    {
        QFETCH(QString, start);
        QFETCH(QString, command);
        QFETCH(QString, expected);
        QFETCH(QString, name);
        storeThree();
        if (!start.isEmpty()) {
            const int p = start.toInt();
            card->loadRecord(Record(RecordLayout::clients(), clientBytes(QByteArray("Anna Bruno Carla").split(' ')
                                                                             .at(p - 1))),
                             p);
        }
        click(command);
        QCOMPARE(pos(), expected);
        QCOMPARE(edit("txtName")->text(), name);
        QVERIFY(fakes->messages.isEmpty());
    }

    void saveAppendsThenOverwrites()
    {
        storeThree();
        const QByteArray before = folder->read(archive);
        edit("txtName")->setText("  Rossi Mario  ");
        edit("txtMobilePhone")->setText("3479876543");
        edit("txtState")->setText("mi");
        click("cmdSave");
        QCOMPARE(pos(), "4");
        QCOMPARE(fakes->messages.last(), (FakeMessageService::Message{Kind::Information, Messages::recordInserted()}));
        QByteArray file = folder->read(archive);
        QCOMPARE(file.size(), 4 * size);
        QCOMPARE(file.left(3 * size), before);
        const QByteArray rec = file.mid(3 * size);
        QCOMPARE(fieldAt(rec, 0), "Rossi Mario");
        QCOMPARE(fieldAt(rec, 934), "3479876543");
        QCOMPARE(fieldAt(rec, 617), "MI");
        // Bytes past each field's text are zero, so nothing leaks between records.
        QCOMPARE(rec.mid(1 + 11, 250 - 11), QByteArray(250 - 11, '\0'));

        edit("txtNotes")->setText(QString::fromUtf8("già cliente"));
        click("cmdSave");
        QCOMPARE(pos(), "4");
        QCOMPARE(fakes->messages.last(), (FakeMessageService::Message{Kind::Information, Messages::recordUpdated()}));
        file = folder->read(archive);
        QCOMPARE(file.size(), 4 * size);
        QCOMPARE(fieldAt(file.mid(3 * size), 3526), QByteArray("gi\xE0 cliente"));
    }

    void appendOverStrayBytes()
    {
        folder->write(archive, clientBytes("Anna") + clientBytes("Bruno") + clientBytes("Carla")
                                   + QByteArray(100, 'x'));
        click("cmdLast");
        QCOMPARE(pos(), "3");
        card->commandNew();
        edit("txtName")->setText("Dario");
        edit("txtMobilePhone")->setText("1");
        click("cmdSave");
        QCOMPARE(pos(), "4");
        QCOMPARE(folder->read(archive).size(), 4 * size);
    }

    void damagedLengthByteStillBrowses()
    {
        QByteArray r = clientBytes("Anna");
        r[251] = char(200); // Gender has capacity 1
        r[252] = 'F';
        folder->write(archive, r);
        click("cmdFirst");
        QCOMPARE(pos(), "1");
        QCOMPARE(edit("txtName")->text(), "Anna");
        QCOMPARE(edit("txtGender")->text().size(), 1);
    }

    void requiredFields_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("mobile");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("message");
        QTest::newRow("no name") << "" << "333" << "txtName"
                                 << QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare il nome del cliente.");
        QTest::newRow("blank name") << "   " << "" << "txtName"
                                    << QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare il nome del cliente.");
        QTest::newRow("no mobile") << "Rossi" << "" << "txtMobilePhone"
                                   << QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare il numero di cellulare del cliente.");
    }
    void requiredFields()
    {
        QFETCH(QString, name);
        QFETCH(QString, mobile);
        QFETCH(QString, focus);
        QFETCH(QString, message);
        edit("txtName")->setText(name);
        edit("txtMobilePhone")->setText(mobile);
        edit("txtNotes")->setFocus();
        click("cmdSave");
        QCOMPARE(fakes->messages.last(), (FakeMessageService::Message{Kind::Warning, message}));
        QCOMPARE(QApplication::focusWidget(), edit(focus));
        QVERIFY(!QFileInfo::exists(folder->file(archive)));
        QCOMPARE(pos(), QString());
    }

    void duplicate()
    {
        click("cmdDuplicate");
        QCOMPARE(fakes->messages.last().kind, Kind::Warning);
        QVERIFY(fakes->messages.last().text.startsWith("Attenzione: la duplicazione di una scheda"));

        Record r(RecordLayout::clients(), clientBytes("Anna"));
        r.setValue("Issues", "deve 20 euro");
        r.setValue("Dente05", "+1,25");
        r.setValue("DataEsame", "01/02/2024");
        r.setValue("File01", "referto.pdf");
        r.setValue("Desc03", "scansione");
        folder->write(archive, r.bytes());
        click("cmdFirst");
        QCOMPARE(edit("txtDente05")->text(), "+1,25");
        click("cmdDuplicate");
        QCOMPARE(fakes->messages.last(), (FakeMessageService::Message{Kind::Information, Messages::duplicated()}));
        QCOMPARE(pos(), QString());
        QCOMPARE(edit("txtIssues")->text(), "deve 20 euro");
        QCOMPARE(edit("txtDente05")->text(), QString());
        QCOMPARE(edit("txtDataEsame")->text(), QString());
        QCOMPARE(card->findChild<QLabel *>("lblFile01")->text(), QString());
        QCOMPARE(QApplication::focusWidget(), edit("txtName"));
        click("cmdSave");
        QCOMPARE(pos(), "2");
        const QByteArray copy = folder->read(archive).mid(size);
        Record expected = r;
        for (const char *f : {"Dente05", "DataEsame", "File01", "Desc03"})
            expected.setValue(QString::fromLatin1(f), QString());
        QCOMPARE(copy, expected.bytes());
    }

    void hiddenFieldsTravelWithTheRecord()
    {
        Record r(RecordLayout::clients(), clientBytes("Anna"));
        r.setValue("Dente67", "x");
        r.setValue("Desc02", "foto");
        folder->write(archive, r.bytes());
        click("cmdFirst");
        click("cmdSave");
        QCOMPARE(folder->read(archive), r.bytes());
    }

    void accessFailureChangesNothing_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::newRow("folder in place of the archive") << "directory";
        QTest::newRow("read-only folder, no archive") << "folder";
        QTest::newRow("read-only archive") << "file";
    }
    void accessFailureChangesNothing()
    {
        QFETCH(QString, cause);
        const QByteArray path = QFile::encodeName(folder->path());
        if (cause == "directory") {
            QDir(folder->path()).mkdir(archive);
        } else {
            if (!Unprivileged().ok())
                QSKIP("Running as root without the right to switch user: permissions cannot bind here");
            if (cause == "file") {
                storeThree(); // a readable archive: any read that got through would show a record
                QVERIFY(::chmod(QFile::encodeName(folder->file(archive)).constData(), 0444) == 0);
            }
            QVERIFY(::chmod(path.constData(), 0555) == 0);
        }
        edit("txtName")->setText("Rossi");
        edit("txtMobilePhone")->setText("333");
        const QByteArray before = cause == "file" ? folder->read(archive) : QByteArray();
        {
            Unprivileged guard;
            for (const char *command : {"cmdSave", "cmdFirst", "cmdNext", "cmdPrevious", "cmdLast"}) {
                fakes->messages.clear();
                click(QString::fromLatin1(command));
                QCOMPARE(fakes->messages.last(),
                         (FakeMessageService::Message{Kind::Error, Messages::accessFailure()}));
                QCOMPARE(pos(), QString());
                QCOMPARE(edit("txtName")->text(), "Rossi");
            }
        }
        QVERIFY(::chmod(path.constData(), 0700) == 0);
        if (cause == "file")
            QCOMPARE(folder->read(archive), before);
        else if (cause == "folder")
            QVERIFY(!QFileInfo::exists(folder->file(archive)));
    }

    void enterCycle()
    {
        edit("txtNotes")->setFocus();
        QTest::keyClick(edit("txtNotes"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), edit("txtName"));
        QTest::keyClick(edit("txtName"), Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), edit("txtGender"));
        edit("txtCitizenship")->setFocus();
        QTest::keyClick(edit("txtCitizenship"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), edit("txtTaxNumber"));
    }

    /** Tab walks the fields in the order they are seen, which is the Enter cycle,
     *  and reaches every enabled command; the digit-only fields let it through. */
    void tabOrder()
    {
        const QStringList cycle = card->definition().enterCycle;
        QStringList edits;
        QSet<QWidget *> reached;
        edit("txtName")->setFocus();
        for (int i = 0; i < 200 && edits.size() <= cycle.size(); ++i) {
            QWidget *w = QApplication::focusWidget();
            QVERIFY(w);
            reached.insert(w);
            if (qobject_cast<QLineEdit *>(w))
                edits << w->objectName();
            QTest::keyClick(w, Qt::Key_Tab);
        }
        QCOMPARE(edits.mid(0, cycle.size()), cycle);
        QCOMPARE(edits.value(cycle.size()), cycle.first()); // round trip, nothing else in between
        for (PictureButton *b : card->findChildren<PictureButton *>()) {
            if (!b->isEnabled() || reached.contains(b))
                continue;
            // A button right after a digit-only field, which keeps Tab for itself, is
            // reached with Shift+Tab from the field after it.
            QWidget *after = b->nextInFocusChain();
            while (after && !(after->focusPolicy() & Qt::TabFocus))
                after = after->nextInFocusChain();
            QVERIFY2(after, qPrintable(b->objectName()));
            after->setFocus();
            QTest::keyClick(after, Qt::Key_Backtab, Qt::ShiftModifier);
            QVERIFY2(QApplication::focusWidget() == b, qPrintable(b->objectName()));
        }
        // Seen order: within a column each next field is below, or to the right on
        // the same row; a new column lies to the right of the previous one.
        for (int i = 1; i < cycle.size(); ++i) {
            QWidget *a = edit(cycle.at(i - 1));
            QWidget *b = edit(cycle.at(i));
            const QPoint pa = a->mapTo(card.get(), QPoint(0, 0));
            const QPoint pb = b->mapTo(card.get(), QPoint(0, 0));
            const bool below = pb.y() > pa.y() + a->height() / 2;
            const bool rightOnRow = qAbs(pb.y() - pa.y()) <= a->height() / 2 && pb.x() > pa.x();
            const bool nextColumn = pb.x() > pa.x() + a->width() && pb.y() < pa.y();
            QVERIFY2(below || rightOnRow || nextColumn, qPrintable(cycle.at(i - 1) + " -> " + cycle.at(i)));
        }
    }

    void typingRules_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("province upper") << "txtState" << "mi" << "MI";
        QTest::newRow("province limit") << "txtState" << "rom" << "RO";
        QTest::newRow("gender upper") << "txtGender" << "f" << "F";
        QTest::newRow("tax code upper") << "txtTaxNumber" << "rssmra80a01h501u" << "RSSMRA80A01H501U";
        QTest::newRow("email trailing blank") << "txtEmail" << "a@b.it " << "a@b.it";
        QTest::newRow("mobile digits only") << "txtMobilePhone" << "33a3-12 3" << "333123";
        QTest::newRow("vat digits only") << "txtSSN" << "IT0123" << "0123";
        QTest::newRow("name limit 50") << "txtName" << QString(60, 'n') << QString(50, 'n');
        QTest::newRow("accents kept") << "txtCity" << QString::fromUtf8("Forlì") << QString::fromUtf8("Forlì");
    }
    void typingRules()
    {
        QFETCH(QString, control);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        edit(control)->setFocus();
        for (const QChar c : typed)
            QTest::sendKeyEvent(QTest::Click, edit(control), c.isDigit() ? Qt::Key(c.unicode()) : Qt::Key_unknown,
                                QString(c), Qt::NoModifier);
        QCOMPARE(edit(control)->text(), shown);
    }

    void storedTextLongerThanTypingLimitIsKept()
    {
        Record r(RecordLayout::clients(), clientBytes(QByteArray(60, 'z')));
        folder->write(archive, r.bytes());
        click("cmdFirst");
        QCOMPARE(edit("txtName")->text().size(), 60);
        click("cmdSave");
        QCOMPARE(folder->read(archive), r.bytes());
    }

    void hintsAndTooltips()
    {
        QCOMPARE(card->panInfo->text(), "Pronto per registrare una nuova scheda...");
        auto *save = card->button("cmdSave");
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(save, &enter);
        QCOMPARE(card->panInfo->text(), "Salva la scheda corrente. (Ctrl+S)");
        QCOMPARE(save->toolTip(), "Salva la scheda corrente. (Ctrl+S)");
        QMouseEvent stir(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(save, &stir);
        QCOMPARE(card->panInfo->text(), "Salva la scheda corrente. (Ctrl+S)"); // not lost to the background behind it
        QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), QPointF(1, 1), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(card.get(), &move);
        QCOMPARE(card->panInfo->text(), QString());
    }

    void mailAndIssues()
    {
        edit("txtEmail")->setText("rossi@example.it");
        click("btnEmail");
        QCOMPARE(fakes->shell.last(), "\"mailto:rossi@example.it\"");
        edit("txtEmail")->clear();
        click("btnEmail");
        QCOMPARE(fakes->shell.last(), "\"mailto:\"");
        click("icoIssues");
        QCOMPARE(fakes->messages.last().kind, Kind::Information);
        QVERIFY(fakes->messages.last().text.startsWith("Descrivere eventuali questioni in sospeso"));
        QCOMPARE(QApplication::focusWidget(), edit("txtIssues"));
    }

    void archiveInUseIsNotAPermissionsProblem()
    {
        storeThree();
        RecordFile::setLockWaitForTests(100);
        {
            RecordFile otherStation(folder->file(archive), RecordLayout::clients());
            click("cmdFirst");
        }
        RecordFile::setLockWaitForTests(0);
        const QString shown = fakes->messages.last().text;
        QCOMPARE(shown, Messages::archiveInUse());
        QCOMPARE(shown.section('\n', 0, 0), Messages::accessFailure().section('\n', 0, 0));
        QVERIFY(!shown.contains("privilegi"));
        QCOMPARE(pos(), QString());
        click("cmdFirst");
        QCOMPARE(pos(), "1");
    }

    void showingAgainForgetsTheOldHint()
    {
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(card->button("cmdSave"), &enter);
        QCOMPARE(card->panInfo->text(), "Salva la scheda corrente. (Ctrl+S)");
        card->close();
        card->show();
        QCOMPARE(card->panInfo->text(), "Pronto per registrare una nuova scheda...");
    }

    void showingAgainStartsNew()
    {
        storeThree();
        click("cmdLast");
        edit("txtNotes")->setText("modifica non salvata");
        card->close();
        card->show();
        QCOMPARE(pos(), QString());
        QCOMPARE(edit("txtName")->text(), QString());
        QCOMPARE(edit("txtNotes")->text(), QString());
        QCOMPARE(folder->read(archive).size(), 3 * size);
    }

    void helpOpensTheCardsGuide()
    {
        ShownHelp help;
        ModalDriver::captureHelp(help);
        click("cmdHelp");
        QVERIFY(help.modal);
        QCOMPARE(help.owner, card.get());
        QCOMPARE(help.caption, " Guida all'utilizzo del software");
        QCOMPARE(help.title, "App Anagrafica Clienti");
        QCOMPARE(help.text, QString(ClientHelp::text()).replace("\r\n", "\n"));
        QVERIFY(help.text.contains("Duplica"));
        QVERIFY(card->findChildren<TfrmGuida *>().isEmpty()); // destroyed on close
    }

    void accessibility()
    {
        const auto edits = card->findChildren<QLineEdit *>();
        int visible = 0;
        for (QLineEdit *e : edits) {
            if (!e->isVisibleTo(card.get()))
                continue;
            ++visible;
            QVERIFY2(!e->accessibleName().isEmpty(), qPrintable(e->objectName()));
            bool hasBuddy = false;
            for (QLabel *l : card->findChildren<QLabel *>())
                hasBuddy |= l->buddy() == e;
            QVERIFY2(hasBuddy, qPrintable(e->objectName()));
        }
        QCOMPARE(visible, 26);
        for (PictureButton *b : card->findChildren<PictureButton *>()) {
            QVERIFY2(!b->accessibleName().isEmpty(), qPrintable(b->objectName()));
            QVERIFY2(!b->toolTip().isEmpty(), qPrintable(b->objectName()));
        }
        QCOMPARE(card->button("cmdNew")->accessibleName(), "Nuovo");
        QCOMPARE(card->button("cmdFind")->accessibleName(), "Trova");
        QVERIFY(card->button("cmdFind")->isEnabled());
    }
};

QTEST_MAIN(TestClientCard)
#include "tst_clientcard.moc"
