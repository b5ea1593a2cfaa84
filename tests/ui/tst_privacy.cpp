#include "ModalDriver.h"
#include "Focus.h"
#include "WindowTest.h"
#include "clients/TfrmClients.h"
#include "clients/TfrmPrivacy.h"
#include "core/PrivacyDocument.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "platform/FakeServices.h"
#include "FullDisk.h"
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

using namespace lumivista;
using Kind = FakeMessageService::Kind;

/** The privacy form: the document byte for byte, values that must not break
 *  it, the shop's data kept between forms, and the input rules. */
class TestPrivacy : public WindowTest
{
    Q_OBJECT

    std::unique_ptr<QWidget> home;
    std::unique_ptr<TfrmClients> card;

    void typeCard(const QStringList &pairs)
    {
        for (const QString &pair : pairs)
            edit(card.get(), pair.section('=', 0, 0))->setText(pair.section('=', 1));
    }

    /** The form as the Privacy button opens it; the action runs while it is shown. */
    void inForm(const std::function<void(TfrmPrivacy *)> &action)
    {
        bool seen = false;
        ModalDriver::whenShown([&](QWidget *w) {
            seen = true;
            auto *form = qobject_cast<TfrmPrivacy *>(w);
            QVERIFY(form);
            action(form);
        });
        click(card.get(), QStringLiteral("btnCondition"));
        QVERIFY(seen);
    }

    static void fillShop(TfrmPrivacy *form)
    {
        const QStringList shop = {"txtStudioDent=Ottica Rossi {Centro Visione}", "txtCittaDent=Forlì",
                                  "txtCapDent=47121", "txtIndirizzoDent=Corso Garibaldi 10\\B",
                                  "txtCodFiscDent=RSSMRA70A01D704X", "txtTelDent=0543 123456",
                                  "txtLuogo=Forlì", "txtPrivacy=Mario Rossi"};
        for (const QString &pair : shop)
            form->edit(pair.section('=', 0, 0))->setText(pair.section('=', 1));
        form->txtProvDent->setEditText(QStringLiteral("fc"));
        QTest::keyClicks(form->edit(QStringLiteral("txtIvaDent")), QStringLiteral("0123abc4567890"));
    }

private Q_SLOTS:
    void init()
    {
        startWindowTest();
        home = std::make_unique<QWidget>();
        context->setWindow(WindowId::Home, home.get());
        card = std::make_unique<TfrmClients>(*context);
        context->setWindow(WindowId::Clients, card.get());
        card->show();
        fakes->clock.setToday(QDate(2026, 12, 10));
    }
    void cleanup()
    {
        card.reset();
        home.reset();
        endWindowTest();
    }

    void documentMatchesTheGoldenFile()
    {
        typeCard({"txtName= Bianchi Anna ", "txtBirthPlace=Cesena", "txtBirthDate=03/03/1980",
                  "txtTaxNumber=BNCNNA80C43C573Z", "txtCity=Cesena", "txtState=FC", "txtStreet=Via Emilia 5",
                  "txtZip=47521", "txtHomePhone=0547 654321"});
        inForm([&](TfrmPrivacy *form) {
            QCOMPARE(form->edit(QStringLiteral("txtPaziente"))->text(), QStringLiteral("Bianchi Anna"));
            QCOMPARE(form->edit(QStringLiteral("txtData"))->text(), QStringLiteral("10/12/2026"));
            QCOMPARE(form->txtProvRes->currentText(), QStringLiteral("FC"));
            fillShop(form);
            fakes->messages.queueConfirm(true);
            fakes->messages.queueConfirm(false); // do not open it: the window stays
            click(form, QStringLiteral("btnRTF"));
            QVERIFY(form->isVisible());
        });
        const QByteArray written = folder->read(PrivacyDocument::fileName());
        const QString golden = QFINDTESTDATA("../data/privacy/Modulo_Privacy.rtf");
        QVERIFY(!golden.isEmpty());
        QFile expected(golden);
        QVERIFY(expected.open(QIODevice::ReadOnly));
        QCOMPARE(written, expected.readAll());
        QVERIFY(!written.contains('\n') && !written.contains('\r')); // one line
        // Braces and backslashes typed by the user are escaped, the rest is Windows-1252.
        QVERIFY(written.contains("Ottica Rossi \\{Centro Visione\\}"));
        QVERIFY(written.contains("Corso Garibaldi 10\\\\B"));
        QVERIFY(written.contains("Forl\xEC"));
        QVERIFY(written.contains("\\b 01234567890\\b0"));  // the letters never reached the VAT field
        QVERIFY(written.contains("(\\b FC\\b0 )"));
        QCOMPARE(fakes->messages.texts().first(),
                 QStringLiteral("Questa procedura esporterà il modulo per il consenso al trattamento dei dati "
                                "personali in un documento in formato RTF.\r\n\r\nSi conferma la creazione del file?"));
    }

    void escapingKeepsEveryValueInsideTheDocument_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("braces") << "Ottica {Nuova}" << QByteArray("Ottica \\{Nuova\\}");
        QTest::newRow("backslash") << "A\\B" << QByteArray("A\\\\B");
        QTest::newRow("control word lookalike") << "\\par }" << QByteArray("\\\\par \\}");
        QTest::newRow("accents") << "Niccolò Forlì" << QByteArray("Niccol\xF2 Forl\xEC");
        QTest::newRow("outside Windows-1252, best fit") << "Łukasz" << Text::toCp1252(QStringLiteral("Łukasz"));
        QTest::newRow("trimmed") << "  Rossi  " << QByteArray("Rossi");
    }
    void escapingKeepsEveryValueInsideTheDocument()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, stored);
        QCOMPARE(PrivacyDocument::escaped(typed), stored);
        // Braces stay balanced whatever is typed, so the document never ends early.
        const QByteArray doc = PrivacyDocument::build({{"txtStudioDent", typed}, {"txtPaziente", typed}});
        int depth = 0;
        for (qsizetype i = 0; i < doc.size(); ++i) {
            if (doc.at(i) == '\\') {
                ++i;
                continue;
            }
            depth += doc.at(i) == '{' ? 1 : doc.at(i) == '}' ? -1 : 0;
            QVERIFY(depth > 0 || i == doc.size() - 1);
        }
        QCOMPARE(depth, 0);
    }

    void shopDataComeBackClientDataDoNot()
    {
        typeCard({"txtName=Bianchi Anna"});
        inForm([&](TfrmPrivacy *form) {
            fillShop(form);
            form->edit(QStringLiteral("txtRecapito"))->setText(QStringLiteral("333"));
            form->reject(); // the title bar's close box saves as well
        });
        QCOMPARE(Settings::privacy({"Centro Ottico", "Provincia Sede", "Partita Iva Studio"}),
                 (QHash<QString, QString>{{"Centro Ottico", "Ottica Rossi {Centro Visione}"}, {"Provincia Sede", "FC"},
                                          {"Partita Iva Studio", "01234567890"}}));
        edit(card.get(), QStringLiteral("txtName"))->setText(QStringLiteral("Verdi Luca"));
        inForm([&](TfrmPrivacy *form) {
            QCOMPARE(form->edit(QStringLiteral("txtStudioDent"))->text(), QStringLiteral("Ottica Rossi {Centro Visione}"));
            QCOMPARE(form->edit(QStringLiteral("txtPaziente"))->text(), QStringLiteral("Verdi Luca"));
            QCOMPARE(form->edit(QStringLiteral("txtRecapito"))->text(), QString());
        });
    }

    void inputRulesAndEnterCycle()
    {
        inForm([&](TfrmPrivacy *form) {
            // Every field is reached by its own name: the shop's and the client's tax codes too.
            QSet<QString> names;
            for (const QString &field : form->values().keys())
                names.insert(form->findChild<QWidget *>(field)->accessibleName());
            QCOMPARE(names.size(), 20);
            QVERIFY(names.contains(QStringLiteral("C.F. Cliente")));
            QCOMPARE(form->txtProvRes->count(), 112);
            QCOMPARE(form->txtProvRes->currentIndex(), -1);
            QLineEdit *province = form->txtProvRes->lineEdit();
            QCOMPARE(province->maxLength(), 2);
            form->txtProvRes->setFocus();
            QTest::keyClicks(form->txtProvRes, QStringLiteral("rmx"));
            QCOMPARE(form->txtProvRes->currentText(), QStringLiteral("RM"));
            QTest::keyClicks(form->edit(QStringLiteral("txtCodFisc")), QStringLiteral(" bncnna80 "));
            QCOMPARE(form->edit(QStringLiteral("txtCodFisc"))->text(), QStringLiteral("BNCNNA80"));
            QTest::keyClicks(form->edit(QStringLiteral("txtPaziente")), QStringLiteral("abc"));
            QCOMPARE(form->edit(QStringLiteral("txtPaziente"))->text(), QStringLiteral("abc"));

            const QStringList cycle = {"txtStudioDent", "txtTelDent", "txtIvaDent", "txtCodFiscDent", "txtCittaDent",
                                       "txtProvDent", "txtIndirizzoDent", "txtCapDent", "txtPaziente",
                                       "txtComuneNasc", "txtDataNasc", "txtCodFisc", "txtComuneRes", "txtProvRes",
                                       "txtIndirizzo", "txtCapRes", "txtRecapito", "txtPrivacy", "txtData",
                                       "txtLuogo", "txtStudioDent"};
            form->findChild<QWidget *>(cycle.first())->setFocus();
            for (int i = 1; i < cycle.size(); ++i) {
                QVERIFY(Focus::press(Qt::Key_Return));
                QCOMPARE(Focus::name(), cycle.at(i));
                QVERIFY(form->findChild<QWidget *>(QStringLiteral("eff") + cycle.at(i).mid(3))->isVisible());
            }
        });
    }

    void noWritesNothingAndAFailedWriteKeepsTheOldDocument()
    {
        inForm([&](TfrmPrivacy *form) {
            fakes->messages.queueConfirm(false);
            click(form, QStringLiteral("btnRTF"));
            QVERIFY(!QFile::exists(folder->file(PrivacyDocument::fileName())));

            folder->write(PrivacyDocument::fileName(), "{\\rtf1 previous}");
            fakes->messages.queueConfirm(true);
            {
                const FullDisk full;
                click(form, QStringLiteral("btnRTF"));
            }
            QCOMPARE(folder->read(PrivacyDocument::fileName()), QByteArray("{\\rtf1 previous}"));
            QCOMPARE(fakes->messages.last().kind, Kind::Plain);
            QCOMPARE(fakes->messages.last().text,
                     QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il "
                                    "documento non sia già aperto."));
            QVERIFY(form->isVisible());
        });
    }

    void openingHandsTheDocumentToTheShell()
    {
        inForm([&](TfrmPrivacy *form) {
            fakes->messages.queueConfirm(true);
            fakes->messages.queueConfirm(true);
            click(form, QStringLiteral("btnRTF"));
            QVERIFY(!form->isVisible());
        });
        QCOMPARE(QUrl(fakes->shell.last()).toLocalFile(), folder->file(PrivacyDocument::fileName()));
    }
};

QTEST_MAIN(TestPrivacy)
#include "tst_privacy.moc"
