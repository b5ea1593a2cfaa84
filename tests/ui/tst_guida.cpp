#include "ModalDriver.h"
#include "TestFolder.h"
#include "agenda/TfrmAgenda.h"
#include "app/AppContext.h"
#include "widgets/LinkLabel.h"
#include "widgets/TfrmGuida.h"
#include "appointments/TfrmArchivio_Scadenze.h"
#include "clients/TfrmClients.h"
#include "glasses/TfrmOcchiali.h"
#include "lenses/TfrmLenti.h"
#include "platform/FakeServices.h"
#include <QtTest>

using namespace lumivista;

/** The help window that every card and the home screen open. */
class TestGuida : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowLooksAsItShould()
    {
        FakeServices fake;
        TfrmGuida window(fake.services());
        QCOMPARE(window.windowTitle(), QStringLiteral(" Guida all'utilizzo del software"));
        QCOMPARE(window.size(), QSize(670, 572));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(!(window.windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(window.windowFlags() & Qt::WindowMinMaxButtonsHint));

        auto *memo = window.findChild<QPlainTextEdit *>(QStringLiteral("txtGuida"));
        QVERIFY(memo);
        QVERIFY(memo->isReadOnly());
        QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QVERIFY(memo->font().bold());
        QCOMPARE(memo->font().pointSize(), 12);
        const QString family = QFontInfo(memo->font()).family();
        QVERIFY2(family == QLatin1String("Verdana") || family == QLatin1String("Liberation Sans"), qPrintable(family));

        QVERIFY(window.findChild<QLabel *>(QStringLiteral("imgLogo")));
        auto *close = window.findChild<QPushButton *>(QStringLiteral("cmdChiudi"));
        QVERIFY(close);
        QCOMPARE(close->text(), QStringLiteral("Chiudi"));
        auto *link = window.findChild<LinkLabel *>(QStringLiteral("lnkGuida"));
        QVERIFY(link);
        QCOMPARE(link->text(), QStringLiteral("Visualizza guida in formato PDF"));
        auto *icon = window.findChild<QToolButton *>(QStringLiteral("imgPdf"));
        QVERIFY(icon);
        QVERIFY(!icon->accessibleName().isEmpty());
    }

    void showHelpShowsTitleAndTextModallyThenDestroys()
    {
        FakeServices fake;
        QWidget owner;
        owner.show();
        const QString text = QStringLiteral("Primo paragrafo.\r\n\r\nSecondo paragrafo.");
        bool seen = false;
        ModalDriver::whenShown([&](QWidget *modal) {
            auto *window = qobject_cast<TfrmGuida *>(modal);
            QVERIFY(window);
            seen = true;
            QCOMPARE(window->parentWidget(), &owner);
            QVERIFY(window->isModal());
            QCOMPARE(window->findChild<QLabel *>(QStringLiteral("lblTitolo"))->text(), QStringLiteral("App Prova"));
            QCOMPARE(window->findChild<QPlainTextEdit *>(QStringLiteral("txtGuida"))->toPlainText(),
                     QStringLiteral("Primo paragrafo.\n\nSecondo paragrafo."));
            QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("cmdChiudi")), Qt::LeftButton);
            QVERIFY(!window->isVisible());
        });
        TfrmGuida::showHelp(&owner, fake.services(), QStringLiteral("App Prova"), text);
        QVERIFY(seen);
        QVERIFY(owner.findChildren<TfrmGuida *>().isEmpty());
        QVERIFY(fake.shell.isEmpty());
    }

    void linkAndIconOpenTheGuideInTheProgramFolder_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("link") << "lnkGuida";
        QTest::newRow("icon") << "imgPdf";
    }

    void linkAndIconOpenTheGuideInTheProgramFolder()
    {
        QFETCH(QString, control);
        TestFolder folder;
        FakeServices fake;
        TfrmGuida window(fake.services());
        window.show();
        QTest::mouseClick(window.findChild<QWidget *>(control), Qt::LeftButton);
        QCOMPARE(fake.shell.targets(), QStringList{QLatin1Char('"') + folder.path() + QStringLiteral("/Guida.pdf\"")});
        QVERIFY(window.isVisible());
    }

    void linkTurnsOrangeWhileHeld_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("link") << "lnkGuida";
        QTest::newRow("icon") << "imgPdf";
    }

    void linkTurnsOrangeWhileHeld()
    {
        QFETCH(QString, control);
        FakeServices fake;
        TfrmGuida window(fake.services());
        window.show();
        auto *link = window.findChild<LinkLabel *>(QStringLiteral("lnkGuida"));
        auto colour = [link] { return link->palette().color(QPalette::WindowText).rgba(); };
        QCOMPARE(colour(), 0xFF00008Bu);
        QWidget *target = window.findChild<QWidget *>(control);
        QTest::mousePress(target, Qt::LeftButton);
        QCOMPARE(colour(), 0xFFFFA500u);
        QVERIFY(fake.shell.isEmpty());
        QTest::mouseRelease(target, Qt::LeftButton);
        QCOMPARE(colour(), 0xFF00008Bu);
        QCOMPARE(fake.shell.count(), 1);
    }

    void releasingOutsideTheLinkOpensNothing()
    {
        FakeServices fake;
        TfrmGuida window(fake.services());
        window.show();
        auto *link = window.findChild<LinkLabel *>(QStringLiteral("lnkGuida"));
        QTest::mousePress(link, Qt::LeftButton);
        QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(link->width() + 50, link->height() / 2));
        QVERIFY(fake.shell.isEmpty());
        QCOMPARE(link->palette().color(QPalette::WindowText).rgba(), 0xFF00008Bu);
    }

    void everyButtonWorks_data()
    {
        QTest::addColumn<QString>("app");
        for (const char *app : {"clienti", "agenda", "appuntamenti", "occhiali", "lenti"})
            QTest::newRow(app) << QString::fromLatin1(app);
    }

    /** Every button of every working window does what the guide describes: none
     *  is left grey for a later version, and the guide promises no such thing. */
    void everyButtonWorks()
    {
        QFETCH(QString, app);
        TestFolder folder;
        FakeServices fake;
        AppContext context(fake.services());
        std::unique_ptr<QWidget> window;
        if (app == QLatin1String("clienti"))
            window = std::make_unique<TfrmClients>(context);
        else if (app == QLatin1String("agenda"))
            window = std::make_unique<TfrmAgenda>(context);
        else if (app == QLatin1String("appuntamenti"))
            window = std::make_unique<TfrmArchivio_Scadenze>(context);
        else if (app == QLatin1String("occhiali"))
            window = std::make_unique<TfrmOcchiali>(context);
        else
            window = std::make_unique<TfrmLenti>(context);
        QStringList grey;
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
            if (!button->isEnabled())
                grey << (button->accessibleName().isEmpty() ? button->text() : button->accessibleName());
        }
        QCOMPARE(grey, QStringList());

        const QString source = QFINDTESTDATA("../../docs/guida.html");
        QVERIFY(!source.isEmpty());
        QFile file(source);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        QVERIFY(!html.contains(QLatin1String("inattivi-")));
        QVERIFY(!html.contains(QLatin1String("non ancora disponibil")));
    }
};

QTEST_MAIN(TestGuida)
#include "tst_guida.moc"
