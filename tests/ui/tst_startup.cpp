#include "TestFolder.h"
#include "app/AppContext.h"
#include "app/InitialPassword.h"
#include "core/PasswordFile.h"
#include "app/Startup.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmCambiaPassword.h"
#include "app/TfrmPassword.h"
#include "platform/FakeServices.h"
#include <QtTest>

using namespace lumivista;

/** What start-up leaves behind before the login window is shown. */
class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void conventions()
    {
        Startup::applyConventions(*qApp);
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Lumivista"));
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
        QCOMPARE(QLocale().toString(1234.5, 'f', 2), QStringLiteral("1234,50"));
        QVERIFY(!QGuiApplication::quitOnLastWindowClosed());
    }

    void longLivedWindowsOnly()
    {
        TestFolder folder;
        FakeServices fake;
        const QWidgetList before = QApplication::topLevelWidgets();
        {
            AppContext context(fake.services());
            Startup::createWindows(context);
            QVERIFY(context.get<TfrmPassword>(WindowId::Password));
            QVERIFY(context.get<TfrmAvvio>(WindowId::Home));
            QVERIFY(context.get<TfrmCambiaPassword>(WindowId::ChangePassword));
            QVERIFY(context.window(WindowId::Clients));

            QStringList created;
            for (QWidget *window : QApplication::topLevelWidgets()) {
                if (!before.contains(window))
                    created << QString::fromLatin1(window->metaObject()->className());
                // Nothing shows itself: the login is shown by run() alone.
                QVERIFY2(!window->isVisible(), window->metaObject()->className());
            }
            // Help, information, credits and other per-use windows are made on demand only.
            for (const QString &className : created) {
                QVERIFY2(!className.contains(QLatin1String("TfrmGuida")) && !className.contains(QLatin1String("TfrmInfo"))
                             && !className.contains(QLatin1String("TfrmSplash")),
                         qPrintable(className));
            }

            // The tile of each working window that exists is enabled.
            auto *home = context.get<TfrmAvvio>(WindowId::Home);
            home->show();
            const WindowId targets[] = {WindowId::Clients, WindowId::Agenda, WindowId::Glasses, WindowId::Lenses};
            for (int tile = 1; tile <= 4; ++tile) {
                auto *picture = home->findChild<QToolButton *>(QStringLiteral("imgApp%1").arg(tile, 2, 10, QLatin1Char('0')));
                QCOMPARE(picture->isEnabled(), context.window(targets[tile - 1]) != nullptr);
            }
            home->hide();
        }
        // The context owns its windows: none outlives it.
        for (QWidget *window : QApplication::topLevelWidgets())
            QVERIFY2(before.contains(window), window->metaObject()->className());
    }

    void leftoversOfACrashAreRemoved()
    {
        // A crash while the settings or the password were being written leaves a
        // temporary file beside them; the next start clears it, and nothing else.
        TestFolder folder;
        const QStringList names = {"Lumivista.ini", "Lumivista.ini.Qx81ab", "unins000.dll", "unins000.dll.a1B2c3",
                                   "Archivio_Clienti.pro", "Lumivista.ini.old", "Modulo_Privacy.rtf.Zz09aa",
                                   "Riepilogo_Clienti.xls.k2L3m4", "Appuntamenti_Mensili.xls.000000",
                                   "Riepilogo_Clienti.xls", "Riepilogo_Clienti.xls.bak",
                                   "Archivio_Clienti.pro.Re5t0r", "Richiami.ini.ab12CD", "Statistiche.xls.q1w2e3"};
        for (const QString &name : names)
            folder.write(name, "x");
        Startup::removeLeftovers();
        QStringList left = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
        left.sort();
        QCOMPARE(left, (QStringList{"Archivio_Clienti.pro", "Lumivista.ini", "Lumivista.ini.old", "Riepilogo_Clienti.xls",
                                    "Riepilogo_Clienti.xls.bak", "unins000.dll"}));
        // Every file the program writes whole is in the list, exports and privacy form included.
        QCOMPARE(Startup::wholeFiles().size(), 18);
    }

    void installedCredentialsHoldTheInitialPassword()
    {
        const QString installed = QFINDTESTDATA("../../assets/initial-credentials.ini");
        QVERIFY(!installed.isEmpty());
        TestFolder folder;
        QVERIFY(QFile::copy(installed, folder.file(QStringLiteral("unins000.dll"))));
        QCOMPARE(PasswordFile::read().value(), InitialPassword::word());
        QVERIFY(InitialPassword::word().size() >= PasswordFile::MinimumLength);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
