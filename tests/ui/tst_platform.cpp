#include "ModalDriver.h"
#include "platform/FakeServices.h"
#include "platform/QtMessageService.h"
#include "platform/QtServices.h"
#include "platform/QtShellService.h"
#include "platform/QtSoundService.h"
#include <QtTest>

using namespace lumivista;

class TestPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void modalDriverNoticesAWindowThatNeverCame()
    {
        // A test that waits for a window which never opens must not pass by silence.
        bool ran = false;
        ModalDriver::whenShown([&ran](QWidget *) { ran = true; });
        QCOMPARE(ModalDriver::unshown(), 1);
        QVERIFY(!ran);
        QCOMPARE(ModalDriver::unshown(), 0);
        QDialog dialog;
        ModalDriver::whenShown([&ran](QWidget *) { ran = true; });
        dialog.exec();
        QVERIFY(ran);
        QCOMPARE(ModalDriver::unshown(), 0);
    }
    void shellUrl_data();
    void shellUrl();
    void shellUrlOfRelativeExistingPath();
    void displayText_data();
    void displayText();
    void fakeMessagesRecordAndAnswer();
    void fakeShellKeepsTargetsVerbatim();
    void fakeFileDialogScript();
    void fakeClock();
    void fakeSound();
    void servicesBindTheirImplementations();
    void qtSoundRefusesMissingFile();
};

void TestPlatform::shellUrl_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("local");

    QTest::newRow("quoted absolute path")
        << "\"/opt/Lumivista/Guida.pdf\"" << "file:///opt/Lumivista/Guida.pdf" << true;
    QTest::newRow("quoted path with blanks")
        << "\"/home/ottica/Documenti Allegati/Cliente_12\""
        << "file:///home/ottica/Documenti%20Allegati/Cliente_12" << true;
    QTest::newRow("bare absolute path, missing file")
        << "/nowhere/Riepilogo_Clienti.xls" << "file:///nowhere/Riepilogo_Clienti.xls" << true;
    QTest::newRow("path with percent and hash stays literal")
        << "\"/tmp/100% #1.rtf\"" << "file:///tmp/100%25%20%231.rtf" << true;
    QTest::newRow("empty mail link")
        << "\"mailto:\"" << "mailto:" << false;
    QTest::newRow("client mail link")
        << "\"mailto:mario.rossi@example.it\"" << "mailto:mario.rossi@example.it" << false;
    QTest::newRow("support mail with subject and body")
        << "\"mailto:assistenza@example.it?subject=Software Lumivista&body=Salve, desidererei avere "
           "le seguenti informazioni sul software in oggetto:\""
        << "mailto:assistenza@example.it?subject=Software%20Lumivista&body=Salve,%20desidererei%20avere"
           "%20le%20seguenti%20informazioni%20sul%20software%20in%20oggetto:"
        << false;
    QTest::newRow("whatsapp reminder, bare")
        << "https://web.whatsapp.com/send?phone=3331234567&text=Gentile Cliente, le ricordiamo "
           "l'appuntamento alle ore 09:30 del giorno 15/03/2024"
        << "https://web.whatsapp.com/send?phone=3331234567&text=Gentile%20Cliente,%20le%20ricordiamo"
           "%20l'appuntamento%20alle%20ore%2009:30%20del%20giorno%2015/03/2024"
        << false;
    QTest::newRow("phone with plus and blanks kept")
        << "https://web.whatsapp.com/send?phone=+39 333 1234567&text=x"
        << "https://web.whatsapp.com/send?phone=+39%20333%201234567&text=x" << false;
    QTest::newRow("existing escapes kept")
        << "http://www.example.it/a%20b?q=x%2Fy" << "http://www.example.it/a%20b?q=x%2Fy" << false;
    QTest::newRow("lone percent escaped")
        << "https://example.it/?t=100% sicuro" << "https://example.it/?t=100%25%20sicuro" << false;
    QTest::newRow("accented letters as UTF-8")
        << "mailto:a@example.it?body=città" << "mailto:a@example.it?body=citt%C3%A0" << false;
    QTest::newRow("scheme in capitals")
        << "\"HTTP://www.example.it\"" << "http://www.example.it" << false;
    QTest::newRow("quote at one end only is kept")
        << "/tmp/\"a" << "file:///tmp/%22a" << true;
}

void TestPlatform::shellUrl()
{
    QFETCH(QString, target);
    QFETCH(QString, url);
    QFETCH(bool, local);

    const QUrl result = QtShellService::urlFor(target);
    QVERIFY(result.isValid());
    QCOMPARE(result.toString(QUrl::FullyEncoded), url);
    QCOMPARE(result.isLocalFile(), local);
}

void TestPlatform::shellUrlOfRelativeExistingPath()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Cliente_3")));
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    const QUrl url = QtShellService::urlFor(QStringLiteral("\"Cliente_3\""));
    QDir::setCurrent(previous);

    QVERIFY(url.isLocalFile());
    QCOMPARE(QFileInfo(url.toLocalFile()).canonicalFilePath(),
             QFileInfo(dir.filePath(QStringLiteral("Cliente_3"))).canonicalFilePath());

    // Nothing to open: no URL at all rather than the current folder.
    QVERIFY(!QtShellService::urlFor(QString()).isValid());
    QVERIFY(!QtShellService::urlFor(QStringLiteral("\"\"")).isValid());
}

void TestPlatform::displayText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");

    QTest::newRow("LF CR pairs")
        << "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere "
           "i privilegi di scrittura nella cartella di installazione del programma."
        << "Attenzione: il sistema non permette di accedere all'archivio.\n\nAccertarsi di possedere "
           "i privilegi di scrittura nella cartella di installazione del programma.";
    QTest::newRow("CR LF pairs")
        << "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?"
        << "Le schede in archivio sono state esportate con successo.\n\nSi vuole aprire il file di Excel?";
    QTest::newRow("lone LF") << "a\nb" << "a\nb";
    QTest::newRow("lone CR") << "a\rb" << "a\nb";
    QTest::newRow("LF LF CR") << "a\n\n\rb" << "a\n\nb";
    QTest::newRow("LF CR CR") << "a\n\r\rb" << "a\n\nb";
    QTest::newRow("trailing pair") << "fine\r\n" << "fine\n";
    QTest::newRow("other characters untouched")
        << "  <b>Rossi & C.</b> àèìòù \t\"x\"  " << "  <b>Rossi & C.</b> àèìòù \t\"x\"  ";
    QTest::newRow("empty") << QString() << QString();
}

void TestPlatform::displayText()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(QtMessageService::displayText(text), shown);
}

void TestPlatform::fakeMessagesRecordAndAnswer()
{
    FakeMessageService messages;
    using Kind = FakeMessageService::Kind;
    QVERIFY(messages.isEmpty());
    QCOMPARE(messages.last().text, QString());

    QList<FakeMessageService::Message> seen;
    messages.setOnMessage([&seen](const FakeMessageService::Message &message) { seen.append(message); });

    const QString twoLines = QStringLiteral("Prima.\n\r\n\rSeconda.");
    messages.warning(twoLines);
    messages.information(QStringLiteral("i"));
    messages.error(QStringLiteral("e"));
    messages.plain(QStringLiteral("p"));
    messages.queueConfirm(false);
    messages.queueConfirm(true);
    messages.queueConfirm(false);
    QCOMPARE(messages.confirm(QStringLiteral("c1")), false);
    QCOMPARE(messages.confirm(QStringLiteral("c2")), true);
    QCOMPARE(messages.confirm(QStringLiteral("c3")), false);
    QCOMPARE(messages.confirm(QStringLiteral("c4")), true); // queue used up: Yes

    const QList<FakeMessageService::Message> expected{
        {Kind::Warning, twoLines}, {Kind::Information, QStringLiteral("i")}, {Kind::Error, QStringLiteral("e")},
        {Kind::Plain, QStringLiteral("p")}, {Kind::Confirm, QStringLiteral("c1")},
        {Kind::Confirm, QStringLiteral("c2")}, {Kind::Confirm, QStringLiteral("c3")},
        {Kind::Confirm, QStringLiteral("c4")}};
    QCOMPARE(messages.messages(), expected);
    QCOMPARE(seen, expected);
    QCOMPARE(messages.count(), 8);
    QCOMPARE(messages.count(Kind::Confirm), 4);
    QCOMPARE(messages.count(Kind::Error), 1);
    QCOMPARE(messages.texts().first(), twoLines);
    QCOMPARE(messages.last(), (FakeMessageService::Message{Kind::Confirm, QStringLiteral("c4")}));

    messages.queueConfirm(false);
    messages.clear();
    QVERIFY(messages.isEmpty());
    QCOMPARE(messages.confirm(QStringLiteral("again")), true); // clear() also drops pending answers
}

void TestPlatform::fakeShellKeepsTargetsVerbatim()
{
    FakeShellService shell;
    shell.open(QStringLiteral("\"mailto:\""));
    shell.open(QStringLiteral("https://web.whatsapp.com/send?phone=&text=a b"));
    QCOMPARE(shell.targets(),
             QStringList({QStringLiteral("\"mailto:\""), QStringLiteral("https://web.whatsapp.com/send?phone=&text=a b")}));
    QCOMPARE(shell.last(), QStringLiteral("https://web.whatsapp.com/send?phone=&text=a b"));
    shell.clear();
    QVERIFY(shell.isEmpty());
    QCOMPARE(shell.last(), QString());
}

void TestPlatform::fakeFileDialogScript()
{
    FakeFileDialogService dialog;
    QWidget owner;
    QCOMPARE(dialog.openFile(&owner, QStringLiteral("Apri"), QString(), QStringLiteral("*")), QString()); // cancelled

    dialog.setPath(QStringLiteral("/tmp/fisso.pdf"));
    dialog.queuePath(QStringLiteral("/tmp/primo.pdf"));
    dialog.queuePath(QString());
    QCOMPARE(dialog.openFile(nullptr, QStringLiteral("a"), QString(), QString()), QStringLiteral("/tmp/primo.pdf"));
    QCOMPARE(dialog.openFile(nullptr, QStringLiteral("b"), QString(), QString()), QString());
    QCOMPARE(dialog.openFile(nullptr, QStringLiteral("c"), QString(), QString()), QStringLiteral("/tmp/fisso.pdf"));
    QCOMPARE(dialog.openFile(nullptr, QStringLiteral("d"), QString(), QString()), QStringLiteral("/tmp/fisso.pdf"));

    QCOMPARE(dialog.count(), 5);
    QCOMPARE(dialog.requests().first().parent.data(), &owner);
    QCOMPARE(dialog.requests().first().title, QStringLiteral("Apri"));
    QCOMPARE(dialog.requests().first().filter, QStringLiteral("*"));
    QCOMPARE(dialog.requests().last().title, QStringLiteral("d"));
}

void TestPlatform::fakeClock()
{
    FakeClockService clock;
    QCOMPARE(clock.now(), QDateTime(QDate(2024, 3, 15), QTime(10, 0)));
    QCOMPARE(clock.today(), QDate(2024, 3, 15));

    clock.setToday(QDate(2025, 2, 28));
    QCOMPARE(clock.now(), QDateTime(QDate(2025, 2, 28), QTime(10, 0)));
    clock.setNow(QDateTime(QDate(2024, 12, 31), QTime(23, 59, 30)));
    QCOMPARE(clock.today(), QDate(2024, 12, 31));
    QCOMPARE(clock.now().time(), QTime(23, 59, 30));
}

void TestPlatform::fakeSound()
{
    using Kind = FakeSoundService::Kind;
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString existing = dir.filePath(QStringLiteral("Avviso.mp3"));
    QFile file(existing);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString missing = dir.filePath(QStringLiteral("manca.mp3"));

    FakeSoundService sound;
    QVERIFY(!sound.load(missing));
    sound.play();
    QVERIFY(!sound.isPlaying());
    QCOMPARE(sound.loadedPath(), QString());

    QVERIFY(sound.load(existing));
    QCOMPARE(sound.loadedPath(), existing);
    sound.play();
    QVERIFY(sound.isPlaying());
    sound.stop();
    QVERIFY(!sound.isPlaying());

    sound.setLoadResult(false);
    QVERIFY(!sound.load(existing));
    sound.setLoadResult(true);
    QVERIFY(sound.load(missing));
    sound.setLoadResult(std::nullopt);
    QVERIFY(!sound.load(missing));

    const QList<FakeSoundService::Call> expected{
        {Kind::Load, missing}, {Kind::Play, QString()}, {Kind::Load, existing}, {Kind::Play, QString()},
        {Kind::Stop, QString()}, {Kind::Load, existing}, {Kind::Load, missing}, {Kind::Load, missing}};
    QCOMPARE(sound.calls(), expected);
    QCOMPARE(sound.count(Kind::Load), 5);
    QCOMPARE(sound.count(Kind::Play), 2);

    sound.clear();
    QVERIFY(sound.calls().isEmpty());
    QVERIFY(!sound.isPlaying());
}

void TestPlatform::servicesBindTheirImplementations()
{
    FakeServices fake;
    Services &services = fake.services();
    QCOMPARE(&services.messages, static_cast<MessageService *>(&fake.messages));
    QCOMPARE(&services.shell, static_cast<ShellService *>(&fake.shell));
    QCOMPARE(&services.fileDialog, static_cast<FileDialogService *>(&fake.fileDialog));
    QCOMPARE(&services.clock, static_cast<ClockService *>(&fake.clock));
    QCOMPARE(&services.sound, static_cast<SoundService *>(&fake.sound));

    // Calls through the interfaces reach the fakes.
    services.messages.warning(QStringLiteral("w"));
    services.shell.open(QStringLiteral("x"));
    QCOMPARE(fake.messages.last().text, QStringLiteral("w"));
    QCOMPARE(fake.shell.last(), QStringLiteral("x"));

    QtServices real;
    Services &desktop = real.services();
    QVERIFY(dynamic_cast<QtMessageService *>(&desktop.messages));
    QVERIFY(dynamic_cast<QtShellService *>(&desktop.shell));
    QVERIFY(dynamic_cast<QtSoundService *>(&desktop.sound));
    QVERIFY(qAbs(desktop.clock.now().secsTo(QDateTime::currentDateTime())) < 60);
}

void TestPlatform::qtSoundRefusesMissingFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QtSoundService sound;
    QVERIFY(!sound.load(dir.filePath(QStringLiteral("Avviso.mp3"))));
    QVERIFY(!sound.load(dir.path())); // a folder is not a sound
    sound.play(); // nothing loaded: silence, no crash
    sound.stop();
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
