#include "WindowTest.h"
#include "FullDisk.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmCambiaPassword.h"
#include "app/TfrmPassword.h"
#include <QtTest>
#include <sys/stat.h>

using namespace lumivista;

namespace {

/** Independent of the program's Crypt: the scrambling written out again, over
 *  the Windows-1252 bytes of the text (the euro sign is 0x80 there). */
QByteArray scrambled(const QString &text)
{
    quint32 key = 30962;
    QByteArray out;
    for (QChar ch : text) {
        const quint32 byte = ch == QChar(0x20AC) ? 0x80 : (ch.unicode() & 0xFF);
        const quint32 c = byte ^ (key >> 8);
        out += QByteArray::number(c, 16).rightJustified(2, '0').toUpper();
        key = ((c + key) * 43627 + 34093) % 65536;
    }
    return out;
}

QByteArray credentials(const QString &password)
{
    return "[Accesso]\r\nValore=" + scrambled(password) + "\r\n";
}

const QString Wrong = QStringLiteral("Attenzione: password errata.");
const QString WrongOld = QStringLiteral("Attenzione: vecchia password errata.");
const QString NotConfirmed = QStringLiteral(
    "Attenzione: la nuova password non è stata confermata correttamente. E' necessario reinserire entrambi i valori.");
const QString Changed = QStringLiteral("Modifica della password completata con successo.");
const QString ReadError = QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura della "
                                         "password. Si consiglia di reinstallare il software.");

} // namespace

/** Login and change of password through the real windows, found by their names
 *  and labels, with a temporary program folder and recording services. */
class TestLogin : public WindowTest
{
    Q_OBJECT

    QWidget *loginWindow() const { return context->window(WindowId::Password); }
    QWidget *homeWindow() const { return context->window(WindowId::Home); }
    QWidget *changeWindow() const { return context->window(WindowId::ChangePassword); }

    template<class T = QWidget> T *control(QWidget *window, const QString &name) const
    {
        T *found = window->findChild<T *>(name);
        if (!found)
            qFatal("missing control %s", qPrintable(name));
        return found;
    }

    /** The edit whose label reads caption: how a user, or a screen reader, finds it. */
    QLineEdit *editLabelled(QWidget *window, const QString &caption) const
    {
        for (QLabel *label : window->findChildren<QLabel *>()) {
            if (label->text() == caption)
                return qobject_cast<QLineEdit *>(label->buddy());
        }
        return nullptr;
    }

    QPushButton *button(QWidget *window, const QString &caption) const
    {
        for (QPushButton *b : window->findChildren<QPushButton *>()) {
            if (b->text() == caption)
                return b;
        }
        return nullptr;
    }

    QByteArray stored() const { return folder->read(QStringLiteral("unins000.dll")); }

    void type(QLineEdit *edit, const QString &text)
    {
        edit->setFocus();
        // QTest types ASCII only; other characters arrive as one insertion, as from an input method.
        bool ascii = true;
        for (QChar ch : text)
            ascii = ascii && ch.unicode() < 128;
        if (ascii)
            QTest::keyClicks(edit, text);
        else
            edit->insert(text);
    }

    /** Types the password into the login window and presses OK. */
    void logIn(const QString &typed)
    {
        QLineEdit *edit = editLabelled(loginWindow(), QStringLiteral("Immetti la password e premi OK."));
        QVERIFY(edit);
        edit->clear();
        type(edit, typed);
        QTest::mouseClick(button(loginWindow(), QStringLiteral("OK")), Qt::LeftButton);
    }

    void showActive(QWidget *window) { QVERIFY(WindowTest::showActive(window)); }

    void openChange()
    {
        showActive(loginWindow());
        QTest::mouseClick(button(loginWindow(), QStringLiteral("Cambia password")), Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowActive(changeWindow()));
    }

    void fillChange(const QString &oldPassword, const QString &newPassword, const QString &confirmation)
    {
        type(editLabelled(changeWindow(), QStringLiteral("Vecchia password:")), oldPassword);
        type(editLabelled(changeWindow(), QStringLiteral("Nuova password:")), newPassword);
        type(editLabelled(changeWindow(), QStringLiteral("Conferma nuova password:")), confirmation);
    }

private Q_SLOTS:
    void init()
    {
        startWindowTest();
        context->adopt(WindowId::Password, new TfrmPassword(*context));
        context->adopt(WindowId::Home, new TfrmAvvio(*context));
        context->adopt(WindowId::ChangePassword, new TfrmCambiaPassword(*context));
    }

    void cleanup() { endWindowTest(); }

    void windowsCarryTheirCaptionsAndLabels()
    {
        QCOMPARE(loginWindow()->windowTitle(), QStringLiteral(" Lumivista - Autenticazione"));
        QCOMPARE(changeWindow()->windowTitle(), QStringLiteral(" Cambia password"));
        for (QWidget *window : {loginWindow(), changeWindow()}) {
            QCOMPARE(window->minimumSize(), window->maximumSize());
            QVERIFY(!(window->windowFlags() & Qt::WindowCloseButtonHint));
            QVERIFY(control<QLabel>(window, QStringLiteral("imgLogo")));
        }
        QCOMPARE(editLabelled(loginWindow(), QStringLiteral("Immetti la password e premi OK.")),
                 control<QLineEdit>(loginWindow(), QStringLiteral("txtPassword")));
        QCOMPARE(editLabelled(changeWindow(), QStringLiteral("Vecchia password:")),
                 control<QLineEdit>(changeWindow(), QStringLiteral("txtPasswordOld")));
        QCOMPARE(editLabelled(changeWindow(), QStringLiteral("Nuova password:")),
                 control<QLineEdit>(changeWindow(), QStringLiteral("txtPasswordNew")));
        QCOMPARE(editLabelled(changeWindow(), QStringLiteral("Conferma nuova password:")),
                 control<QLineEdit>(changeWindow(), QStringLiteral("txtConferma")));
        for (const QString &name : {QStringLiteral("txtPasswordOld"), QStringLiteral("txtPasswordNew"),
                                    QStringLiteral("txtConferma")})
            QCOMPARE(control<QLineEdit>(changeWindow(), name)->echoMode(), QLineEdit::Password);
        QCOMPARE(control<QLineEdit>(loginWindow(), QStringLiteral("txtPassword"))->echoMode(), QLineEdit::Password);
        QCOMPARE(control<QPushButton>(loginWindow(), QStringLiteral("cmdEsci"))->text(), QStringLiteral("Esci"));
        QCOMPARE(control<QPushButton>(loginWindow(), QStringLiteral("btnCambiaPassword"))->text(),
                 QStringLiteral("Cambia password"));
        QCOMPARE(control<QPushButton>(changeWindow(), QStringLiteral("cmdEsci"))->text(), QStringLiteral("Chiudi"));
    }

    void okFollowsTheTrimmedText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("nothing") << QString() << false;
        QTest::newRow("blanks only") << "   " << false;
        QTest::newRow("a letter among blanks") << " a " << true;
    }

    void okFollowsTheTrimmedText()
    {
        QFETCH(QString, typed);
        QFETCH(bool, enabled);
        showActive(loginWindow());
        auto *ok = control<QPushButton>(loginWindow(), QStringLiteral("cmdOK"));
        QVERIFY(!ok->isEnabled());
        type(control<QLineEdit>(loginWindow(), QStringLiteral("txtPassword")), typed);
        QCOMPARE(ok->isEnabled(), enabled);

        openChange();
        auto *changeOk = control<QPushButton>(changeWindow(), QStringLiteral("cmdOK"));
        QVERIFY(!changeOk->isEnabled());
        fillChange(QStringLiteral("x"), QStringLiteral("y"), typed);
        QCOMPARE(changeOk->isEnabled(), enabled);
        fillChange(typed, QString(), QString());
        QCOMPARE(changeOk->isEnabled(), enabled);
    }

    void logInAttempts_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("lower case") << "lumivista" << true;
        QTest::newRow("upper case") << "LUMIVISTA" << true;
        QTest::newRow("mixed case with blanks around") << "  LumiVista  " << true;
        QTest::newRow("one letter short") << "lumivist" << false;
        QTest::newRow("blank inside") << "lumi vista" << false;
    }

    void logInAttempts()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        folder->write(QStringLiteral("unins000.dll"), credentials(QStringLiteral("LUMIVISTA")));
        showActive(loginWindow());
        logIn(typed);
        auto *edit = control<QLineEdit>(loginWindow(), QStringLiteral("txtPassword"));
        if (accepted) {
            QVERIFY(fakes->messages.isEmpty());
            QVERIFY(homeWindow()->isVisible());
            QVERIFY(!loginWindow()->isVisible());
        } else {
            QCOMPARE(fakes->messages.texts(), QStringList{Wrong});
            QCOMPARE(fakes->messages.last().kind, FakeMessageService::Kind::Plain);
            QVERIFY(edit->text().isEmpty());
            QVERIFY(edit->hasFocus());
            QVERIFY(loginWindow()->isVisible());
            QVERIFY(!homeWindow()->isVisible());
        }
    }

    void enterActsAsOkOnlyForANonBlankText()
    {
        folder->write(QStringLiteral("unins000.dll"), credentials(QStringLiteral("LUMIVISTA")));
        showActive(loginWindow());
        auto *edit = control<QLineEdit>(loginWindow(), QStringLiteral("txtPassword"));
        type(edit, QStringLiteral("   "));
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(fakes->messages.isEmpty());
        QCOMPARE(edit->text(), QStringLiteral("   "));
        type(edit, QStringLiteral("x"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(fakes->messages.texts(), QStringList{Wrong});
        type(edit, QStringLiteral("Lumivista"));
        QTest::keyClick(edit, Qt::Key_Enter);
        QVERIFY(homeWindow()->isVisible());
    }

    void withoutCredentialsFileEveryAttemptFails()
    {
        showActive(loginWindow());
        for (const QString &typed : {QStringLiteral("LUMIVISTA"), QStringLiteral("qualsiasi")}) {
            logIn(typed);
            QCOMPARE(fakes->messages.last().text, Wrong);
        }
        openChange();
        fillChange(QStringLiteral("LUMIVISTA"), QStringLiteral("nuovapassword"), QStringLiteral("nuovapassword"));
        QTest::mouseClick(control<QPushButton>(changeWindow(), QStringLiteral("cmdOK")), Qt::LeftButton);
        QCOMPARE(fakes->messages.last().text, WrongOld);
        QVERIFY(!QFile::exists(folder->file(QStringLiteral("unins000.dll"))));
        QVERIFY(!homeWindow()->isVisible());
    }

    void damagedCredentialsGiveTheReadError()
    {
        folder->write(QStringLiteral("unins000.dll"), "[Accesso]\r\nValore=34XY\r\n");
        showActive(loginWindow());
        logIn(QStringLiteral("lumivista"));
        QCOMPARE(fakes->messages.texts(), QStringList{ReadError});
        // The window stays as it was: the typed text is still there.
        QCOMPARE(control<QLineEdit>(loginWindow(), QStringLiteral("txtPassword"))->text(), QStringLiteral("lumivista"));
        QVERIFY(!homeWindow()->isVisible());

        openChange();
        fillChange(QStringLiteral("lumivista"), QStringLiteral("nuovapassword"), QStringLiteral("nuovapassword"));
        QTest::mouseClick(control<QPushButton>(changeWindow(), QStringLiteral("cmdOK")), Qt::LeftButton);
        QVERIFY(fakes->messages.last().text.contains(QStringLiteral("procedura di modifica della password")));
        QVERIFY(changeWindow()->isVisible());
        QCOMPARE(stored(), QByteArray("[Accesso]\r\nValore=34XY\r\n"));
    }

    void credentialsThatAreNotAFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("pipe") << "pipe";
        QTest::newRow("link to an endless device") << "zero";
    }
    void credentialsThatAreNotAFile()
    {
        // Neither waits for a writer nor reads without end: both are unreadable credentials.
        QFETCH(QString, kind);
        const QString path = folder->file(QStringLiteral("unins000.dll"));
        if (kind == QLatin1String("pipe"))
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0666) == 0);
        else
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        showActive(loginWindow());
        logIn(QStringLiteral("lumivista"));
        QCOMPARE(fakes->messages.texts(), QStringList{ReadError});
        QVERIFY(!homeWindow()->isVisible());
        openChange();
        fillChange(QStringLiteral("lumivista"), QStringLiteral("nuovapassword"), QStringLiteral("nuovapassword"));
        QTest::mouseClick(control<QPushButton>(changeWindow(), QStringLiteral("cmdOK")), Qt::LeftButton);
        QVERIFY(fakes->messages.last().text.contains(QStringLiteral("procedura di modifica della password")));
        QVERIFY(changeWindow()->isVisible());
        QVERIFY(QFileInfo(path).isSymLink() || !QFileInfo(path).isFile());
    }

    void changeOnAFullDiskKeepsTheOldPassword()
    {
        // Before the mend the change reported success and left an empty file: the shop was locked out.
        const QByteArray before = credentials(QStringLiteral("LUMIVISTA"));
        folder->write(QStringLiteral("unins000.dll"), before);
        openChange();
        fillChange(QStringLiteral("lumivista"), QStringLiteral("Ottica Rossi 1"), QStringLiteral("Ottica Rossi 1"));
        {
            FullDisk full;
            QTest::mouseClick(control<QPushButton>(changeWindow(), QStringLiteral("cmdOK")), Qt::LeftButton);
        }
        QCOMPARE(fakes->messages.texts().size(), 1);
        QVERIFY(fakes->messages.last().text.contains(QStringLiteral("procedura di modifica della password")));
        QVERIFY(changeWindow()->isVisible());
        QCOMPARE(stored(), before);
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("unins000.dll")});
        control<QPushButton>(changeWindow(), QStringLiteral("cmdEsci"))->click();
        logIn(QStringLiteral("lumivista"));
        QVERIFY(homeWindow()->isVisible());
    }

    void loginMakesTheDaysBackup_data()
    {
        QTest::addColumn<bool>("fails");
        QTest::newRow("made") << false;
        QTest::newRow("cannot be made") << true;
    }
    void loginMakesTheDaysBackup()
    {
        QFETCH(bool, fails);
        folder->write(QStringLiteral("unins000.dll"), credentials(QStringLiteral("LUMIVISTA")));
        if (fails)
            folder->write(QStringLiteral("Backup"), "a file where the backups would go");
        showActive(loginWindow());
        logIn(QStringLiteral("lumivista"));
        QVERIFY(homeWindow()->isVisible());
        context->waitForBackup();
        auto *warning = homeWindow()->findChild<QLabel *>(QStringLiteral("lblBackup"));
        QVERIFY(warning);
        // The result reaches the home screen on its own thread.
        QTRY_COMPARE(warning->isVisible(), fails);
        const QDir backups(folder->file(QStringLiteral("Backup")));
        if (fails) {
            QVERIFY(warning->text().contains(QStringLiteral("copia di sicurezza")));
            QVERIFY(warning->text().contains(folder->file(QStringLiteral("Backup"))));
        } else {
            const QStringList made = backups.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
            QCOMPARE(made.size(), 1);
            QCOMPARE(folder->read(QStringLiteral("Backup/") + made.first() + QStringLiteral("/unins000.dll")),
                     credentials(QStringLiteral("LUMIVISTA")));
        }
    }

    void changeHidesLoginAndStartsEmpty()
    {
        showActive(loginWindow());
        type(control<QLineEdit>(loginWindow(), QStringLiteral("txtPassword")), QStringLiteral("abc"));
        openChange();
        QVERIFY(!loginWindow()->isVisible());
        QVERIFY(changeWindow()->isVisible());
        fillChange(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"));
        QTest::mouseClick(control<QPushButton>(changeWindow(), QStringLiteral("cmdEsci")), Qt::LeftButton);
        QVERIFY(!changeWindow()->isVisible());
        QVERIFY(loginWindow()->isVisible());
        QVERIFY(control<QLineEdit>(loginWindow(), QStringLiteral("txtPassword"))->text().isEmpty());

        openChange();
        for (const QString &name : {QStringLiteral("txtPasswordOld"), QStringLiteral("txtPasswordNew"),
                                    QStringLiteral("txtConferma")})
            QVERIFY(control<QLineEdit>(changeWindow(), name)->text().isEmpty());
        QVERIFY(control<QLineEdit>(changeWindow(), QStringLiteral("txtPasswordOld"))->hasFocus());
        QVERIFY(!control<QPushButton>(changeWindow(), QStringLiteral("cmdOK"))->isEnabled());
    }

    void enterWalksTheEditsAndMovesTheYellowFrame()
    {
        openChange();
        auto *oldEdit = control<QLineEdit>(changeWindow(), QStringLiteral("txtPasswordOld"));
        auto *newEdit = control<QLineEdit>(changeWindow(), QStringLiteral("txtPasswordNew"));
        auto *confirm = control<QLineEdit>(changeWindow(), QStringLiteral("txtConferma"));
        auto *oldFrame = control(changeWindow(), QStringLiteral("effPasswordOld"));
        auto *newFrame = control(changeWindow(), QStringLiteral("effPasswordNew"));
        auto *confirmFrame = control(changeWindow(), QStringLiteral("effConferma"));
        QVERIFY(oldEdit->hasFocus());
        QVERIFY(oldFrame->isVisible() && !newFrame->isVisible() && !confirmFrame->isVisible());

        fillChange(QStringLiteral("LUMIVISTA"), QStringLiteral("nuovapassword"), QStringLiteral("nuovapassword"));
        QVERIFY(control<QPushButton>(changeWindow(), QStringLiteral("cmdOK"))->isEnabled());
        oldEdit->setFocus();
        QTest::keyClick(oldEdit, Qt::Key_Return);
        QVERIFY(newEdit->hasFocus());
        QVERIFY(!oldFrame->isVisible() && newFrame->isVisible());
        QTest::keyClick(newEdit, Qt::Key_Return);
        QVERIFY(confirm->hasFocus());
        QVERIFY(confirmFrame->isVisible());
        QTest::keyClick(confirm, Qt::Key_Return);
        QVERIFY(oldEdit->hasFocus());
        // Enter never confirms here.
        QVERIFY(fakes->messages.isEmpty());
        QVERIFY(changeWindow()->isVisible());

        QTest::mouseClick(control<QPushButton>(changeWindow(), QStringLiteral("cmdEsci")), Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowActive(loginWindow()));
        QVERIFY(control(loginWindow(), QStringLiteral("effPassword"))->isVisible());
    }

    void refusedChanges_data()
    {
        QTest::addColumn<QString>("oldPassword");
        QTest::addColumn<QString>("newPassword");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QStringList>("emptied");
        const QStringList both = {QStringLiteral("txtPasswordNew"), QStringLiteral("txtConferma")};
        QTest::newRow("wrong old password") << "lumivist" << "nuovapassword" << "nuovapassword" << WrongOld
                                            << "txtPasswordOld" << QStringList{QStringLiteral("txtPasswordOld")};
        QTest::newRow("confirmation differs in case")
            << "lumivista" << "nuovapassword" << "NUOVAPASSWORD" << NotConfirmed << "txtPasswordNew" << both;
        QTest::newRow("confirmation differs") << "lumivista" << "nuovapassword" << "nuovapasswor" << NotConfirmed
                                              << "txtPasswordNew" << both;
        QTest::newRow("seven characters") << "lumivista" << "abcdefg" << "abcdefg"
                                          << "Attenzione: la nuova password deve contenere almeno 8 caratteri. "
                                             "E' necessario reinserire entrambi i valori."
                                          << "txtPasswordNew" << both;
        QTest::newRow("seven characters between blanks")
            << "lumivista" << "  abcdefg  " << "  abcdefg  "
            << "Attenzione: la nuova password deve contenere almeno 8 caratteri. "
               "E' necessario reinserire entrambi i valori."
            << "txtPasswordNew" << both;
        QTest::newRow("greek letter") << "lumivista" << QStringLiteral("password-β") << QStringLiteral("password-β")
                                      << "caratteri non ammessi" << "txtPasswordNew" << both;
    }

    void refusedChanges()
    {
        QFETCH(QString, oldPassword);
        QFETCH(QString, newPassword);
        QFETCH(QString, confirmation);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QFETCH(QStringList, emptied);
        const QByteArray before = credentials(QStringLiteral("LUMIVISTA"));
        folder->write(QStringLiteral("unins000.dll"), before);
        openChange();
        fillChange(oldPassword, newPassword, confirmation);
        QTest::mouseClick(control<QPushButton>(changeWindow(), QStringLiteral("cmdOK")), Qt::LeftButton);
        QCOMPARE(fakes->messages.count(), 1);
        QVERIFY2(fakes->messages.last().text.contains(message), qPrintable(fakes->messages.last().text));
        QCOMPARE(fakes->messages.last().kind, FakeMessageService::Kind::Plain);
        for (const QString &name : emptied)
            QVERIFY2(control<QLineEdit>(changeWindow(), name)->text().isEmpty(), qPrintable(name));
        QVERIFY(control<QLineEdit>(changeWindow(), focus)->hasFocus());
        QVERIFY(changeWindow()->isVisible());
        QCOMPARE(stored(), before);
    }

    void changeThenLogInWithTheNewPassword()
    {
        folder->write(QStringLiteral("unins000.dll"), credentials(QStringLiteral("LUMIVISTA")));
        openChange();
        fillChange(QStringLiteral(" Lumivista "), QStringLiteral("Ottica Rossi 1"), QStringLiteral("Ottica Rossi 1"));
        QTest::mouseClick(control<QPushButton>(changeWindow(), QStringLiteral("cmdOK")), Qt::LeftButton);
        QCOMPARE(fakes->messages.texts(), QStringList{Changed});
        QVERIFY(stored().contains("Valore=" + scrambled(QStringLiteral("OTTICA ROSSI 1"))));
        QVERIFY(stored().contains("[Accesso]"));

        // Back at the login, empty and focused.
        QVERIFY(!changeWindow()->isVisible());
        QVERIFY(loginWindow()->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(loginWindow()));
        auto *edit = control<QLineEdit>(loginWindow(), QStringLiteral("txtPassword"));
        QVERIFY(edit->text().isEmpty());
        QVERIFY(edit->hasFocus());

        logIn(QStringLiteral("lumivista"));
        QCOMPARE(fakes->messages.last().text, Wrong);
        logIn(QStringLiteral("ottica rossi 1"));
        QVERIFY(homeWindow()->isVisible());
        QVERIFY(!loginWindow()->isVisible());
    }

    void windows1252PasswordsWorkBothWays()
    {
        folder->write(QStringLiteral("unins000.dll"), credentials(QStringLiteral("LUMIVISTA")));
        openChange();
        const QString chosen = QStringLiteral("Però 100€ già");
        fillChange(QStringLiteral("lumivista"), chosen, chosen);
        QTest::mouseClick(control<QPushButton>(changeWindow(), QStringLiteral("cmdOK")), Qt::LeftButton);
        QCOMPARE(fakes->messages.texts(), QStringList{Changed});
        // Only a to z are upper-cased; accented letters and the euro sign stay as typed.
        QVERIFY(stored().contains("Valore=" + scrambled(QStringLiteral("PERò 100€ GIà"))));
        logIn(QStringLiteral("però 100€ già"));
        QVERIFY(homeWindow()->isVisible());
    }

    void changeKeepsTheRestOfTheFile()
    {
        folder->write(QStringLiteral("unins000.dll"),
                        "; credenziali\r\n[Accesso]\r\nValore=" + scrambled(QStringLiteral("LUMIVISTA")) + "\r\n");
        openChange();
        fillChange(QStringLiteral("lumivista"), QStringLiteral("12345678"), QStringLiteral("12345678"));
        QTest::mouseClick(control<QPushButton>(changeWindow(), QStringLiteral("cmdOK")), Qt::LeftButton);
        QCOMPARE(fakes->messages.texts(), QStringList{Changed});
        QVERIFY(stored().startsWith("; credenziali"));
        QVERIFY(stored().contains("Valore=" + scrambled(QStringLiteral("12345678"))));
    }
};

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
