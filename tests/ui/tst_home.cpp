#include "ModalDriver.h"
#include "WindowTest.h"
#include "app/AppContext.h"
#include "app/GeneralHelp.h"
#include "widgets/LinkLabel.h"
#include "app/Maker.h"
#include "app/Startup.h"
#include "app/TfrmAvvio.h"
#include "widgets/TfrmGuida.h"
#include "app/TfrmInfo.h"
#include "app/TfrmPassword.h"
#include "app/TfrmSplash.h"
#include "clients/ClientHelp.h"
#include "platform/FakeServices.h"
#include <QtTest>

using namespace lumivista;

namespace {
const QString SupportMail = QStringLiteral("\"mailto:") + Maker::supportAddress()
                            + QStringLiteral("?subject=Software Lumivista&body=Salve, desidererei avere le seguenti "
                                             "informazioni sul software in oggetto:\"");
} // namespace

/** The home screen, its tiles and the small windows it opens. */
class TestHome : public WindowTest
{
    Q_OBJECT
    TfrmAvvio *m_home = nullptr;

    QToolButton *tilePart(const QString &part, int tile) const
    {
        return m_home->findChild<QToolButton *>(part + QStringLiteral("%1").arg(tile, 2, 10, QLatin1Char('0')));
    }

    static WindowId targetOf(int tile)
    {
        static const WindowId targets[] = {WindowId::Clients, WindowId::Agenda, WindowId::Glasses, WindowId::Lenses};
        return targets[tile - 1];
    }

    /** Runs the event loop until the program asks to end; false when it never does. */
    static bool endsTheProgram(const std::function<void()> &action)
    {
        QTimer start;
        start.setSingleShot(true);
        QObject::connect(&start, &QTimer::timeout, qApp, action);
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        start.start(0);
        guard.start(5000);
        return QCoreApplication::exec() == 0;
    }

private Q_SLOTS:
    void initTestCase()
    {
        // As in the running program: hiding and closing windows never ends it by itself.
        Startup::applyConventions(*qApp);
    }

    void init()
    {
        startWindowTest();
        m_home = context->adopt(WindowId::Home, new TfrmAvvio(*context));
    }

    void cleanup()
    {
        endWindowTest();
    }

    void looksAsItShould()
    {
        QCOMPARE(m_home->windowTitle(), QStringLiteral(" Lumivista"));
        auto *apps = m_home->findChild<QFrame *>(QStringLiteral("panApps"));
        QVERIFY(apps);
        QCOMPARE(apps->grab().toImage().pixelColor(apps->width() / 2, 2), QColor(0xBB, 0xCF, 0xE0));
        for (const QString &name : {QStringLiteral("imgInfo"), QStringLiteral("imgGuida"), QStringLiteral("imgCrediti"),
                                    QStringLiteral("imgEsci"), QStringLiteral("icoSito")})
            QVERIFY2(m_home->findChild<QToolButton *>(name), qPrintable(name));
        // Every picture button and tile can be named by a screen reader and explains itself.
        for (QToolButton *button : m_home->findChildren<QToolButton *>()) {
            QVERIFY2(!button->accessibleName().isEmpty(), qPrintable(button->objectName()));
            QVERIFY2(!button->toolTip().isEmpty(), qPrintable(button->objectName()));
        }
    }

    void tilesFollowTheWindowsThatExist_data()
    {
        QTest::addColumn<int>("tile");
        for (int tile = 1; tile <= 4; ++tile)
            QTest::addRow("tile %d", tile) << tile;
    }

    void tilesFollowTheWindowsThatExist()
    {
        QFETCH(int, tile);
        m_home->show();
        for (int t = 1; t <= 4; ++t) {
            QVERIFY(!tilePart(QStringLiteral("imgApp"), t)->isEnabled());
            QVERIFY(!tilePart(QStringLiteral("btnApp"), t)->isEnabled());
        }
        m_home->hide();
        QWidget card;
        context->setWindow(targetOf(tile), &card);
        // A window registered later enables its tile the next time home is shown.
        m_home->show();
        for (int t = 1; t <= 4; ++t) {
            QCOMPARE(tilePart(QStringLiteral("imgApp"), t)->isEnabled(), t == tile);
            QCOMPARE(tilePart(QStringLiteral("btnApp"), t)->isEnabled(), t == tile);
        }
    }

    void pictureAndCaptionOpenTheWindow_data()
    {
        QTest::addColumn<int>("tile");
        QTest::addColumn<QString>("part");
        for (int tile = 1; tile <= 4; ++tile) {
            QTest::addRow("picture %d", tile) << tile << "imgApp";
            QTest::addRow("caption %d", tile) << tile << "btnApp";
        }
    }

    void pictureAndCaptionOpenTheWindow()
    {
        QFETCH(int, tile);
        QFETCH(QString, part);
        QWidget card;
        context->setWindow(targetOf(tile), &card);
        m_home->show();
        QTest::mouseClick(tilePart(part, tile), Qt::LeftButton);
        QVERIFY(card.isVisible());
        QVERIFY(!m_home->isVisible());
        // The working window hands back to the home screen when it closes.
        card.hide();
        context->showHome();
        QVERIFY(m_home->isVisible());
    }

    void generalHelp()
    {
        m_home->show();
        bool seen = false;
        ModalDriver::whenShown([&](QWidget *modal) {
            auto *window = qobject_cast<TfrmGuida *>(modal);
            QVERIFY(window);
            seen = true;
            QCOMPARE(window->parentWidget(), m_home);
            QCOMPARE(window->findChild<QLabel *>(QStringLiteral("lblTitolo"))->text(),
                     QStringLiteral("Uno sguardo a Lumivista"));
            QVERIFY(window->findChild<QPlainTextEdit *>(QStringLiteral("txtGuida"))
                        ->toPlainText()
                        .contains(QStringLiteral("LUMIVISTA")));
        });
        QTest::mouseClick(m_home->findChild<QToolButton *>(QStringLiteral("imgGuida")), Qt::LeftButton);
        QVERIFY(seen);
        QVERIFY(m_home->findChildren<TfrmGuida *>().isEmpty());
    }

    void generalHelpText()
    {
        const QString text = GeneralHelp::text();
        // Paragraphs joined by an empty line, CR LF CR LF, and no other line break.
        QString rest = text;
        rest.remove(QStringLiteral("\r\n\r\n"));
        QVERIFY(!rest.contains(QLatin1Char('\n')) && !rest.contains(QLatin1Char('\r')));
        QVERIFY(text.contains(ClientHelp::text()));
        for (const QString &topic :
             {QStringLiteral("quattro app"), QStringLiteral("segnale acustico"), QStringLiteral("calendario"),
              QStringLiteral("APPUNTAMENTI DEL MESE"), QStringLiteral("WhatsApp"), QStringLiteral("Impegno assolto"),
              QStringLiteral("Scaduti"), QStringLiteral("pulsante N"), QStringLiteral("freccia verde"),
              QStringLiteral("Saldato"), QStringLiteral("prescrittore"), QStringLiteral("data di consegna"),
              QStringLiteral("tre file"),
              QStringLiteral("A4"), QStringLiteral("Excel"), QStringLiteral("LibreOffice"),
              QStringLiteral("rete locale"), QStringLiteral("almeno 8 caratteri"), QStringLiteral("LUMIVISTA"),
              QStringLiteral("chiavetta USB"), QStringLiteral("copia di sicurezza")})
            QVERIFY2(text.contains(topic), qPrintable(topic));
    }

    void linkWindows_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("linkText");
        QTest::addColumn<QString>("target");
        const QString info = QStringLiteral(" Informazioni su Lumivista");
        const QString credits = QStringLiteral("Lumivista") + Maker::creditLine();
        QTest::newRow("information, link") << "imgInfo" << "lnkWeb" << info << QSize(473, 579)
                                           << Maker::supportAddress() << SupportMail;
        QTest::newRow("information, icon") << "imgInfo" << "imgEmail" << info << QSize(473, 579)
                                           << Maker::supportAddress() << SupportMail;
        QTest::newRow("credits, link") << "imgCrediti" << "lnkWeb" << credits << QSize(661, 467)
                                       << Maker::webAddress() << Maker::webAddress();
        QTest::newRow("credits, icon") << "imgCrediti" << "imgWeb" << credits << QSize(661, 467)
                                       << Maker::webAddress() << Maker::webAddress();
    }

    /** The information and credits windows: made on the click, fixed, and their
     *  link (or its icon) turns orange while held and opens on release. */
    void linkWindows()
    {
        QFETCH(QString, opener);
        QFETCH(QString, control);
        QFETCH(QString, caption);
        QFETCH(QSize, size);
        QFETCH(QString, linkText);
        QFETCH(QString, target);
        m_home->show();
        bool seen = false;
        ModalDriver::whenShown([&](QWidget *window) {
            seen = true;
            QCOMPARE(window->parentWidget(), m_home);
            QCOMPARE(window->windowTitle(), caption);
            QCOMPARE(window->size(), size);
            QCOMPARE(window->minimumSize(), window->maximumSize());
            QVERIFY(!(window->windowFlags() & Qt::WindowCloseButtonHint));
            QStringList pictures = {QStringLiteral("imgLogo")};
            if (qobject_cast<TfrmInfo *>(window))
                pictures << QStringLiteral("lblTitolo") << QStringLiteral("imgUtente") << QStringLiteral("imgWarning");
            for (const QString &name : std::as_const(pictures))
                QVERIFY2(window->findChild<QLabel *>(name), qPrintable(name));
            auto *link = window->findChild<LinkLabel *>(QStringLiteral("lnkWeb"));
            QCOMPARE(link->text(), linkText);
            QWidget *pressed = window->findChild<QWidget *>(control);
            QTest::mousePress(pressed, Qt::LeftButton);
            QCOMPARE(link->palette().color(QPalette::WindowText).rgba(), 0xFFFFA500u);
            QVERIFY(fakes->shell.isEmpty());
            QTest::mouseRelease(pressed, Qt::LeftButton);
            QCOMPARE(link->palette().color(QPalette::WindowText).rgba(), 0xFF00008Bu);
            QCOMPARE(fakes->shell.targets(), QStringList{target});
            QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("cmdChiudi")), Qt::LeftButton);
            QVERIFY(!window->isVisible());
        });
        QTest::mouseClick(m_home->findChild<QToolButton *>(opener), Qt::LeftButton);
        QVERIFY(seen);
        QVERIFY(m_home->findChildren<QDialog *>().isEmpty());
    }

    void bannerLinks_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("target");
        QTest::newRow("web site") << "icoSito" << Maker::webAddress();
        QTest::newRow("support mail") << "icoEmail" << SupportMail;
    }

    void bannerLinks()
    {
        QFETCH(QString, control);
        QFETCH(QString, target);
        m_home->show();
        QTest::mouseClick(m_home->findChild<QToolButton *>(control), Qt::LeftButton);
        QCOMPARE(fakes->shell.targets(), QStringList{target});
        QVERIFY(m_home->isVisible());
    }

    void endOfProgram_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("home screen closed") << "close";
        QTest::newRow("home exit icon") << "imgEsci";
        QTest::newRow("login Esci") << "cmdEsci";
        QTest::newRow("login closed") << "closeLogin";
    }

    void endOfProgram()
    {
        QFETCH(QString, how);
        auto *login = context->adopt(WindowId::Password, new TfrmPassword(*context));
        if (how.endsWith(QLatin1String("Login")) || how == QLatin1String("cmdEsci"))
            login->show();
        else
            m_home->show();
        QVERIFY(endsTheProgram([&] {
            if (how == QLatin1String("close"))
                m_home->close();
            else if (how == QLatin1String("imgEsci"))
                m_home->findChild<QToolButton *>(how)->click();
            else if (how == QLatin1String("cmdEsci"))
                login->findChild<QPushButton *>(how)->click();
            else
                login->close();
        }));
        QVERIFY(fakes->messages.isEmpty());
    }
};

QTEST_MAIN(TestHome)
#include "tst_home.moc"
