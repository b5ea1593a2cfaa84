#include "WindowTest.h"
#include "archive/HandOver.h"
#include "widgets/TfrmCalendario.h"
#include "platform/FakeServices.h"
#include <QtTest>

using namespace lumivista;

/** Stand-ins for the three long-lived cards: only their date edits matter here. */
class TestCalendario : public WindowTest
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void startsOnToday();
    void importWritesTheKeyedField_data();
    void importWritesTheKeyedField();
    void enterOnADayImports();
    void unknownKeyStaysOpen();
    void missingCardStaysOpen();
    void cancelWritesNothing();

private:
    QWidget *card(WindowId id);
    QLineEdit *edit(WindowId id, const QString &name);

    QList<QWidget *> m_cards;
};

QWidget *TestCalendario::card(WindowId id)
{
    auto *w = new QWidget;
    for (const char *name : {"txtData", "txtConsegna"}) {
        auto *e = new QLineEdit(w);
        e->setObjectName(QLatin1String(name));
    }
    context->setWindow(id, w);
    m_cards.append(w);
    return w;
}

QLineEdit *TestCalendario::edit(WindowId id, const QString &name)
{
    return context->window(id)->findChild<QLineEdit *>(name);
}

void TestCalendario::init()
{
    startWindowTest();
    fakes->clock.setToday(QDate(2024, 3, 15));
    card(WindowId::Appointments);
    card(WindowId::Glasses);
    card(WindowId::Lenses);
}

void TestCalendario::cleanup()
{
    qDeleteAll(m_cards);
    m_cards.clear();
    endWindowTest();
}

void TestCalendario::startsOnToday()
{
    fakes->clock.setToday(QDate(2025, 12, 31));
    TfrmCalendario picker(fakes->services(), HandOver::deliverer(*context));
    QCOMPARE(picker.calData->selectedDate(), QDate(2025, 12, 31));
    QCOMPARE(picker.windowTitle(), QStringLiteral(" Importazione data"));
    QCOMPARE(picker.btnImporta->text(), QStringLiteral("Importa"));
    QCOMPARE(picker.btnAnnulla->text(), QStringLiteral("Annulla"));
}

void TestCalendario::importWritesTheKeyedField_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("field");
    QTest::newRow("appointment date") << "data" << int(WindowId::Appointments) << "txtData";
    QTest::newRow("eyeglass date") << "occhiali_data" << int(WindowId::Glasses) << "txtData";
    QTest::newRow("eyeglass delivery") << "occhiali_consegna" << int(WindowId::Glasses) << "txtConsegna";
    QTest::newRow("lens date") << "lenti_data" << int(WindowId::Lenses) << "txtData";
    QTest::newRow("lens delivery") << "lenti_consegna" << int(WindowId::Lenses) << "txtConsegna";
}

void TestCalendario::importWritesTheKeyedField()
{
    QFETCH(QString, key);
    QFETCH(int, window);
    QFETCH(QString, field);
    TfrmCalendario picker(fakes->services(), HandOver::deliverer(*context));
    picker.lblMemory->setText(key);
    picker.show();
    picker.calData->setSelectedDate(QDate(2024, 4, 2));
    QTest::mouseClick(picker.btnImporta, Qt::LeftButton);
    QVERIFY(!picker.isVisible());
    QCOMPARE(picker.result(), int(QDialog::Accepted));

    // Exactly the keyed field received the date; the others are untouched.
    for (WindowId id : {WindowId::Appointments, WindowId::Glasses, WindowId::Lenses}) {
        for (const QString &name : {QStringLiteral("txtData"), QStringLiteral("txtConsegna")}) {
            const bool keyed = int(id) == window && name == field;
            QCOMPARE(edit(id, name)->text(), keyed ? QStringLiteral("02/04/2024") : QString());
        }
    }
}

void TestCalendario::enterOnADayImports()
{
    TfrmCalendario picker(fakes->services(), HandOver::deliverer(*context));
    picker.lblMemory->setText(QStringLiteral("lenti_consegna"));
    picker.show();
    QVERIFY(QTest::qWaitForWindowActive(&picker));
    QWidget *days = picker.focusWidget();
    QVERIFY(days && picker.calData->isAncestorOf(days));
    QTest::keyClick(days, Qt::Key_Right);
    QTest::keyClick(days, Qt::Key_Return);
    QVERIFY(!picker.isVisible());
    QCOMPARE(edit(WindowId::Lenses, QStringLiteral("txtConsegna"))->text(), QStringLiteral("16/03/2024"));
}

void TestCalendario::unknownKeyStaysOpen()
{
    TfrmCalendario picker(fakes->services(), HandOver::deliverer(*context));
    picker.lblMemory->setText(QStringLiteral("occhiali"));
    picker.show();
    QTest::mouseClick(picker.btnImporta, Qt::LeftButton);
    QVERIFY(picker.isVisible());
    QCOMPARE(edit(WindowId::Glasses, QStringLiteral("txtData"))->text(), QString());
}

void TestCalendario::missingCardStaysOpen()
{
    context->setWindow(WindowId::Lenses, nullptr);
    TfrmCalendario picker(fakes->services(), HandOver::deliverer(*context));
    picker.lblMemory->setText(QStringLiteral("lenti_data"));
    picker.show();
    QTest::mouseClick(picker.btnImporta, Qt::LeftButton);
    QVERIFY(picker.isVisible());
}

void TestCalendario::cancelWritesNothing()
{
    TfrmCalendario picker(fakes->services(), HandOver::deliverer(*context));
    picker.lblMemory->setText(QStringLiteral("data"));
    picker.show();
    QTest::mouseClick(picker.btnAnnulla, Qt::LeftButton);
    QVERIFY(!picker.isVisible());
    QCOMPARE(edit(WindowId::Appointments, QStringLiteral("txtData"))->text(), QString());
}

QTEST_MAIN(TestCalendario)
#include "tst_calendario.moc"
