#include "Focus.h"
#include "ModalDriver.h"
#include "WindowTest.h"
#include "appointments/TfrmArchivio_Scadenze.h"
#include "clients/TfrmClients.h"
#include "glasses/TfrmOcchiali.h"
#include "widgets/PictureButton.h"
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace lumivista;
using Kind = FakeMessageService::Kind;

/** The keyboard rules every window follows: Enter on a button, no letters typed
 *  by Alt, no traps, the shortcuts a shop expects, Esc, amounts and times. */
class TestKeyboard : public WindowTest
{
    Q_OBJECT

    std::unique_ptr<QWidget> window;

    template<class W> W *open()
    {
        auto *w = new W(*context);
        window.reset(w);
        return w;
    }

private Q_SLOTS:
    void init() { startWindowTest(); }
    void cleanup()
    {
        window.reset();
        endWindowTest();
    }

    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<bool>("picture");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("clicks");
        QTest::newRow("push button, Return") << false << true << int(Qt::Key_Return) << 1;
        QTest::newRow("push button, keypad Enter") << false << true << int(Qt::Key_Enter) << 1;
        QTest::newRow("picture button") << true << true << int(Qt::Key_Return) << 1;
        QTest::newRow("disabled button") << false << false << int(Qt::Key_Return) << 0;
    }
    void enterPressesTheFocusedButton()
    {
        QFETCH(bool, picture);
        QFETCH(bool, enabled);
        QFETCH(int, key);
        QFETCH(int, clicks);
        auto *dialog = new QDialog;
        window.reset(dialog);
        auto *edit = new QLineEdit(dialog);
        QAbstractButton *button = nullptr;
        if (picture) {
            button = new PictureButton(QStringLiteral("imgProva"), QStringLiteral("Prova"), QStringLiteral("help"),
                                       QString(), dialog);
        } else {
            auto *push = new QPushButton(QStringLiteral("Controlla"), dialog);
            push->setAutoDefault(false);
            button = push;
        }
        button->move(0, 40);
        int clicked = 0;
        connect(button, &QAbstractButton::clicked, dialog, [&clicked] { ++clicked; });
        QVERIFY(showActive(dialog));
        button->setFocus();
        QCOMPARE(Focus::name(), button->objectName());
        button->setEnabled(enabled);
        QTest::keyClick(button, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(clicked, clicks);
        // Enter in an edit is not a button press.
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(clicked, clicks);
    }

    void altNeverTypesALetter_data()
    {
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<char>("key");
        QTest::addColumn<QString>("typed");
        QTest::newRow("Alt+S") << int(Qt::AltModifier) << 's' << "";
        QTest::newRow("Alt+Shift+S") << int(Qt::AltModifier | Qt::ShiftModifier) << 'S' << "";
        QTest::newRow("Ctrl+S") << int(Qt::ControlModifier) << 's' << "";
        QTest::newRow("AltGr @ (Ctrl+Alt)") << int(Qt::ControlModifier | Qt::AltModifier) << '@' << "@";
        QTest::newRow("plain s") << 0 << 's' << "s";
    }
    void altNeverTypesALetter()
    {
        QFETCH(int, modifiers);
        QFETCH(char, key);
        QFETCH(QString, typed);
        auto *card = open<TfrmClients>();
        QVERIFY(showActive(card));
        QLineEdit *name = edit(card, QStringLiteral("txtName"));
        QTest::keyClick(name, key, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(name->text(), typed);
    }

    void tabLeavesEveryField_data()
    {
        QTest::addColumn<QString>("field");
        QTest::newRow("Cellulare (digits only)") << "txtMobilePhone";
        QTest::newRow("Nome") << "txtName";
    }
    void tabLeavesEveryField()
    {
        QFETCH(QString, field);
        auto *card = open<TfrmClients>();
        QVERIFY(showActive(card));
        QLineEdit *edited = edit(card, field);
        edited->setFocus();
        QCOMPARE(Focus::name(), field);
        QVERIFY(Focus::press(Qt::Key_Tab));
        QVERIFY(Focus::name() != field);
        QVERIFY(Focus::press(Qt::Key_Backtab, Qt::ShiftModifier));
        QCOMPARE(Focus::name(), field);
        QVERIFY(Focus::press(Qt::Key_Backtab, Qt::ShiftModifier));
        QVERIFY(Focus::name() != field);
    }

    void cardShortcutsPressTheirCommands()
    {
        auto *card = open<TfrmClients>();
        QVERIFY(showActive(card));
        for (const auto &[name, key] : {std::pair{"cmdNew", "Ctrl+N"}, std::pair{"cmdSave", "Ctrl+S"},
                                        std::pair{"cmdFind", "Ctrl+F"}, std::pair{"cmdHelp", "F1"}}) {
            auto *button = card->findChild<PictureButton *>(QLatin1String(name));
            QVERIFY2(button, name);
            QVERIFY2(button->hint().endsWith(QStringLiteral(" (%1)").arg(QLatin1String(key))), qPrintable(button->hint()));
        }
        QLineEdit *name = edit(card, QStringLiteral("txtName"));
        name->setFocus();
        // Ctrl+S saves: with no name, the card says what is missing.
        QTest::keyClick(name, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(fakes->messages.count(), 1);
        QCOMPARE(fakes->messages.last().kind, Kind::Warning);
        // Ctrl+N is New: what was typed goes.
        name->setText(QStringLiteral("Rossi Mario"));
        QTest::keyClick(name, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(name->text(), QString());
        // Ctrl+F opens the search, F1 the help.
        QString opened;
        ModalDriver::whenShown([&opened](QWidget *w) { opened = w->objectName(); });
        QTest::keyClick(name, Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(opened, QStringLiteral("TfrmFindClients"));
        // A key reaches the window that is active: the card again, once the search has gone.
        QVERIFY(showActive(card));
        ShownHelp help;
        ModalDriver::captureHelp(help);
        QTest::keyClick(name, Qt::Key_F1);
        QVERIFY(!help.text.isEmpty());
    }

    void escClosesAPerUseWindow_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("search") << "cmdFind";
        QTest::newRow("tax code check") << "btnCodFisc";
        QTest::newRow("attachments") << "cmdAttach";
    }
    void escClosesAPerUseWindow()
    {
        QFETCH(QString, button);
        auto *card = open<TfrmClients>();
        QVERIFY(showActive(card));
        bool closed = false;
        ModalDriver::whenShown([&closed](QWidget *w) {
            QVERIFY(Focus::press(Qt::Key_Escape));
            closed = !w->isVisible();
        });
        click(card, button);
        QVERIFY(closed);
    }

    void amountsTakeThePointAsTheDecimalComma_data()
    {
        QTest::addColumn<QString>("typed");   // "." is the point, "k" the keypad's decimal key
        QTest::addColumn<QString>("shown");   // while typing
        QTest::addColumn<QString>("stored");  // after leaving the field
        QTest::newRow("point") << "12.50" << "12,50" << "12,50";
        QTest::newRow("keypad decimal") << "12k5" << "12,5" << "12,50";
        QTest::newRow("second point ignored") << "1.2.3" << "1,23" << "1,23";
        QTest::newRow("point after a comma") << "7,5." << "7,5" << "7,50";
        QTest::newRow("letters swallowed") << "9a9" << "99" << "99,00";
    }
    void amountsTakeThePointAsTheDecimalComma()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, stored);
        for (const bool glasses : {true, false}) {
            QWidget *card = glasses ? static_cast<QWidget *>(open<TfrmOcchiali>())
                                    : static_cast<QWidget *>(open<TfrmArchivio_Scadenze>());
            QVERIFY(showActive(card));
            QLineEdit *amount = edit(card, glasses ? QStringLiteral("txtImporto01") : QStringLiteral("txtImporto"));
            QVERIFY(amount);
            amount->setFocus();
            amount->clear();
            for (const QChar c : typed) {
                if (c == QLatin1Char('k'))
                    QTest::keyClick(amount, Qt::Key_Period, Qt::KeypadModifier);
                else
                    QTest::keyClick(amount, c.toLatin1());
            }
            QCOMPARE(amount->text(), shown);
            QVERIFY(Focus::press(Qt::Key_Tab));
            QCOMPARE(amount->text(), stored);
        }
    }

    void appointmentTimesTakeDigits_data()
    {
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("hour 14") << "txtOreApp" << "14" << "14";
        QTest::newRow("hour 1: the first of the tens") << "txtOreApp" << "1" << "10";
        QTest::newRow("hour 5 is 05") << "txtOreApp" << "5" << "05";
        QTest::newRow("hour 29: 2, then 9 alone") << "txtOreApp" << "29" << "09";
        QTest::newRow("minutes 45") << "txtMinutiApp" << "45" << "45";
        QTest::newRow("minutes 07") << "txtMinutiApp" << "07" << "07";
        QTest::newRow("letters swallowed") << "txtOreApp" << "x:" << "";
    }
    void appointmentTimesTakeDigits()
    {
        QFETCH(QString, combo);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        auto *card = open<TfrmArchivio_Scadenze>();
        QVERIFY(showActive(card));
        auto *time = card->findChild<QComboBox *>(combo);
        QVERIFY(time);
        const QString before = time->currentText();
        time->setFocus();
        QTest::keyClicks(time, typed);
        QCOMPARE(time->currentText(), shown.isEmpty() ? before : shown);
        QVERIFY(Focus::press(Qt::Key_Tab));
        QVERIFY(Focus::name() != combo);
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
