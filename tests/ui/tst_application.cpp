#include "app/Application.h"
#include "platform/FakeMessageService.h"
#include <QPushButton>
#include <QtTest>
#include <stdexcept>

using namespace lumivista;

/** A failure no window caught reaches the user as an error box with its own
 *  text, and the program keeps running. */
class TestApplication : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void uncaughtFailureIsShownAndTheProgramGoesOn()
    {
        auto *app = qobject_cast<Application *>(qApp);
        QVERIFY(app);
        FakeMessageService messages;
        app->setMessages(&messages);
        QPushButton button;
        int clicks = 0;
        connect(&button, &QPushButton::clicked, this, [&clicks] {
            if (++clicks == 1)
                throw std::runtime_error("Disco pieno");
        });
        button.show();
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().kind, FakeMessageService::Kind::Error);
        QCOMPARE(messages.last().text, QStringLiteral("Disco pieno"));
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicks, 2);
        QCOMPARE(messages.count(), 1);
        app->setMessages(nullptr);
    }
};

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_application.moc"
