#include "Focus.h"
#include "ModalDriver.h"
#include "WindowTest.h"
#include "clients/TfrmClients.h"
#include "clients/TfrmCodFisc.h"
#include "clients/TfrmPartitaIva.h"
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace lumivista;
using Kind = FakeMessageService::Kind;
using Message = FakeMessageService::Message;

/** The tax code and VAT number windows, opened from the client card. */
class TestCheckWindows : public WindowTest
{
    Q_OBJECT

    std::unique_ptr<TfrmClients> card;

    /** Puts text in the card's field, presses its button and hands over the window that opens. */
    void open(const QString &field, const QString &text, const QString &button,
              const std::function<void(CodeCheckWindow *)> &use)
    {
        edit(card.get(), field)->setText(text);
        bool seen = false;
        ModalDriver::whenShown([&](QWidget *w) {
            auto *window = qobject_cast<CodeCheckWindow *>(w);
            QVERIFY(window);
            seen = true;
            QCOMPARE(window->size(), QSize(478, 254));
            QCOMPARE(QApplication::focusWidget(), window->edit);
            use(window);
        });
        click(card.get(), button);
        QVERIFY(seen);
    }

private Q_SLOTS:
    void init()
    {
        startWindowTest();
        card = std::make_unique<TfrmClients>(*context);
        QVERIFY(showActive(card.get()));
    }
    void cleanup()
    {
        card.reset();
        endWindowTest();
    }

    void taxCode_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("closes");
        const QString length = QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
        QTest::newRow("lower case, valid") << "aaaaaa00a00a000i" << "AAAAAA00A00A000I" << int(Kind::Information)
                                           << "Il codice fiscale digitato è VALIDO." << true;
        QTest::newRow("wrong check letter") << "AAAAAA00A00A000J" << "AAAAAA00A00A000J" << int(Kind::Warning)
                                            << "Attenzione: il codice fiscale digitato è ERRATO." << true;
        QTest::newRow("fifteen characters") << "RSSMRA80A01H501" << "RSSMRA80A01H501" << int(Kind::Warning)
                                            << length << false;
        QTest::newRow("empty") << "" << "" << int(Kind::Warning) << length << false;
    }
    void taxCode()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, kind);
        QFETCH(QString, message);
        QFETCH(bool, closes);
        open(QStringLiteral("txtTaxNumber"), QString(), QStringLiteral("btnCodFisc"), [&](CodeCheckWindow *w) {
            QVERIFY(qobject_cast<TfrmCodFisc *>(w));
            QCOMPARE(w->windowTitle(), QStringLiteral(" Controllo codice fiscale"));
            QTest::keyClicks(w->edit, typed);
            QCOMPARE(w->edit->text(), shown);
            // Enter leads to "Controlla", and Enter again presses it.
            QTest::keyClick(w->edit, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->btnControlla));
            QVERIFY(Focus::press(Qt::Key_Return));
            QCOMPARE(fakes->messages.messages(), (QList<Message>{{Kind(kind), message}}));
            QCOMPARE(w->isVisible(), !closes);
            if (!closes)
                QCOMPARE(QApplication::focusWidget(), w->edit);
        });
    }

    void digitsOnlyTaxCodeIsAVatNumber()
    {
        open(QStringLiteral("txtTaxNumber"), QStringLiteral(" 12345670017 "), QStringLiteral("btnCodFisc"),
             [&](CodeCheckWindow *w) {
                 QVERIFY(qobject_cast<TfrmPartitaIva *>(w));
                 QCOMPARE(w->edit->text(), QStringLiteral("12345670017"));
             });
    }

    void vatNumber_data()
    {
        QTest::addColumn<QString>("fromCard");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        const QString valid = QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                                             "E' stato rilasciato dall'Ufficio IVA del Comune di ");
        const QString wrong = QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                                             "Non è quindi possibile fornire informazioni relative all'Ufficio IVA "
                                             "che lo ha rilasciato.");
        QTest::newRow("Torino") << "12345670017" << int(Kind::Information) << valid + "Torino.";
        QTest::newRow("office without a row") << "00000000000" << int(Kind::Information) << valid + ".";
        QTest::newRow("Roma 1") << "00000000588" << int(Kind::Information) << valid + "Roma 1.";
        QTest::newRow("wrong digit") << "12345670010" << int(Kind::Warning) << wrong;
        QTest::newRow("a letter from the card") << "1234567001A" << int(Kind::Warning) << wrong;
        QTest::newRow("ten digits") << "1234567001" << int(Kind::Warning)
                                    << "Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.";
    }
    void vatNumber()
    {
        QFETCH(QString, fromCard);
        QFETCH(int, kind);
        QFETCH(QString, message);
        open(QStringLiteral("txtSSN"), fromCard, QStringLiteral("btnPartitaIva"), [&](CodeCheckWindow *w) {
            QCOMPARE(w->windowTitle(), QStringLiteral(" Controllo partita IVA"));
            QCOMPARE(w->edit->text(), fromCard); // what the card brings is not filtered
            // Tab reaches "Controlla" from the digits-only field, Enter presses it.
            QVERIFY(Focus::press(Qt::Key_Tab));
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->btnControlla));
            QVERIFY(Focus::press(Qt::Key_Return));
            QCOMPARE(fakes->messages.messages(), (QList<Message>{{Kind(kind), message}}));
            QCOMPARE(w->isVisible(), message.contains(QLatin1String("11 caratteri")));
        });
    }

    void lettersDoNotTypeIntoTheVatNumber()
    {
        open(QStringLiteral("txtSSN"), QString(), QStringLiteral("btnPartitaIva"), [&](CodeCheckWindow *w) {
            QTest::keyClicks(w->edit, QStringLiteral("12a3-4 5"));
            QCOMPARE(w->edit->text(), QStringLiteral("12345"));
            w->btnChiudi->click();
            QVERIFY(!w->isVisible());
        });
        QVERIFY(fakes->messages.isEmpty());
    }
};

QTEST_MAIN(TestCheckWindows)
#include "tst_checkwindows.moc"
