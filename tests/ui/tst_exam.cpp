#include "ModalDriver.h"
#include "Focus.h"
#include "WindowTest.h"
#include "archive/DocumentPrinter.h"
#include "clients/ExamMap.h"
#include "clients/TfrmClients.h"
#include "clients/TfrmDentalCondition.h"
#include "core/Record.h"
#include "core/RecordFile.h"
#include "platform/FakeServices.h"
#include <QLineEdit>
#include <QtTest>

using namespace lumivista;

/** The optometric exam: the cell map, the window's rules and its sheet. */
class TestExam : public WindowTest
{
    Q_OBJECT

    std::unique_ptr<QWidget> home;
    std::unique_ptr<TfrmClients> card;

    /** A stored client on the card, with an exam in its hidden edits. */
    void storedClient()
    {
        Record client(RecordLayout::clients());
        client.setValue(QStringLiteral("Name"), QStringLiteral("Rossi Mario"));
        client.setValue(QStringLiteral("TaxNumber"), QStringLiteral("RSSMRA80A01H501U"));
        client.setValue(QStringLiteral("MobilePhone"), QStringLiteral("3331234567"));
        client.setValue(QStringLiteral("Dente08"), QStringLiteral("-1,25"));
        client.setValue(QStringLiteral("Oculista"), QStringLiteral("Dott. Neri"));
        RecordFile file(RecordFile::pathFor(RecordLayout::clients()), RecordLayout::clients());
        file.write(client);
        file.close();
        card->commandFirst();
    }

    /** Opens the exam on the card and runs the action in it. */
    void inExam(const std::function<void(TfrmDentalCondition *)> &action)
    {
        bool seen = false;
        ModalDriver::whenShown([&](QWidget *w) {
            seen = true;
            auto *exam = qobject_cast<TfrmDentalCondition *>(w);
            QVERIFY(exam);
            action(exam);
        });
        click(card.get(), QStringLiteral("btnHistory"));
        QVERIFY(seen);
    }

    QString hidden(const QString &name) const { return card->findChild<QLineEdit *>(name)->text(); }

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

    void cellMap_data()
    {
        QTest::addColumn<QString>("block");
        QTest::addColumn<QStringList>("rows"); // each row: the cells left to right, "-" for none
        QTest::newRow("right eye") << "OCCHIO DESTRO"
                                   << QStringList{"08 07 06 05 04 03 02", "15 16 32 31 30 - 28", "21 22 23 24 36 37 -"};
        QTest::newRow("left eye") << "OCCHIO SINISTRO"
                                  << QStringList{"01 09 10 11 12 13 14", "27 26 25 17 18 - 20", "38 39 40 41 42 43 -"};
        QTest::newRow("distances") << "DISTANZA INTERPUPILLARE" << QStringList{"19 29 33", "34 35 64", "65 66 67"};
        QTest::newRow("tests") << "TEST PRELIMINARI" << QStringList{"44 45 46", "47 48 49"};
        QTest::newRow("visus") << "TEST PRELIMINARI" << QStringList{"50 51 52", "53 54 55"};
        QTest::newRow("autorefractometer") << "AUTOREFRATTOMETRO" << QStringList{"56 57 58 59", "60 61 62 63"};
    }
    void cellMap()
    {
        QFETCH(QString, block);
        QFETCH(QStringList, rows);
        const int index = QTest::currentDataTag() == QByteArray("visus") ? 4 : -1;
        const ExamMap::Grid *grid = nullptr;
        for (int i = 0; i < ExamMap::grids().size(); ++i)
            if (ExamMap::grids().at(i).block == block && (index < 0 || i == index)) {
                grid = &ExamMap::grids().at(i);
                break;
            }
        QVERIFY(grid);
        QCOMPARE(grid->cells.size(), rows.size());
        for (int r = 0; r < rows.size(); ++r) {
            QStringList cells;
            for (int cell : grid->cells.at(r))
                cells << (cell ? QStringLiteral("%1").arg(cell, 2, 10, QLatin1Char('0')) : QStringLiteral("-"));
            QCOMPARE(cells.join(QLatin1Char(' ')), rows.at(r));
        }
        // Every cell once: 67 in all.
        QSet<int> all;
        for (const ExamMap::Grid &g : ExamMap::grids())
            for (const QList<int> &row : g.cells)
                for (int cell : row)
                    if (cell)
                        all.insert(cell);
        QCOMPARE(all.size(), 67);
    }

    void accessibleNames_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("name");
        QTest::newRow("08") << 8 << "OCCHIO DESTRO LONTANO SFERA";
        QTest::newRow("43") << 43 << "OCCHIO SINISTRO INTERMEDIA ADDIZ.";
        QTest::newRow("19") << 19 << "DISTANZA INTERPUPILLARE LONTANO DX";
        QTest::newRow("51") << 51 << "TEST PRELIMINARI NATURALE BINOC.";
        QTest::newRow("58") << 58 << "AUTOREFRATTOMETRO DX ASSE";
        QTest::newRow("32") << 32 << "OCCHIO DESTRO VICINO ASSE";
    }
    void accessibleNames()
    {
        QFETCH(int, cell);
        QFETCH(QString, name);
        QCOMPARE(ExamMap::accessibleName(cell), name);
        storedClient();
        inExam([&](TfrmDentalCondition *exam) {
            QCOMPARE(exam->edit(ExamMap::cellName(cell))->accessibleName(), name);
        });
    }

    void openingConditions()
    {
        // A card never saved.
        edit(card.get(), QStringLiteral("txtName"))->setText(QStringLiteral("Rossi"));
        click(card.get(), QStringLiteral("btnHistory"));
        QCOMPARE(fakes->messages.last().text, QStringLiteral("Attenzione: salvare la scheda del cliente prima di "
                                                             "accedere alla schermata dell'esame optometrico."));
        // A stored card whose name was emptied.
        storedClient();
        edit(card.get(), QStringLiteral("txtName"))->setText(QStringLiteral("   "));
        click(card.get(), QStringLiteral("btnHistory"));
        QCOMPARE(fakes->messages.last().text,
                 QStringLiteral("Attenzione: compilare il campo relativo al nome del cliente prima di accedere alla "
                                "schermata dell'esame optometrico."));
        QCOMPARE(fakes->messages.count(), 2);
    }

    void showLimitsEnterAndToday()
    {
        storedClient();
        inExam([&](TfrmDentalCondition *exam) {
            QCOMPARE(exam->lblTitolo->text(), QStringLiteral("Esame optometrico di Rossi Mario"));
            QCOMPARE(exam->edit(QStringLiteral("txtDente08"))->text(), QStringLiteral("-1,25"));
            QCOMPARE(Focus::name(), QStringLiteral("txtDataEsame"));
            QCOMPARE(exam->edit(QStringLiteral("txtDataEsame"))->maxLength(), 10);
            QCOMPARE(exam->edit(QStringLiteral("txtOculista"))->maxLength(), 250);
            QCOMPARE(exam->edit(QStringLiteral("txtEta"))->maxLength(), 50);
            QLineEdit *cell = exam->edit(QStringLiteral("txtDente17"));
            QCOMPARE(cell->maxLength(), 6);
            QTest::keyClicks(cell, QStringLiteral("1234567"));
            QCOMPARE(cell->text(), QStringLiteral("123456"));
            // Every cell shows a whole six-character value, a common sphere included.
            for (const QString &value : {QStringLiteral("-10,25"), QStringLiteral("000000")}) {
                for (int c = 1; c <= 67; ++c) {
                    QLineEdit *any = exam->edit(ExamMap::cellName(c));
                    any->setText(value);
                    QVERIFY2(showsWhole(any), qPrintable(any->objectName() + QLatin1Char(' ') + value));
                    // ... and the window has room for every cell.
                    QVERIFY2(exam->rect().contains(QRect(any->mapTo(exam, QPoint(0, 0)), any->size())),
                             qPrintable(any->objectName()));
                }
            }
            // Leaving a cell shows its value from the start.
            cell->setFocus();
            cell->setText(QStringLiteral("-10,25"));
            cell->setCursorPosition(6);
            QVERIFY(Focus::press(Qt::Key_Tab));
            QCOMPARE(cell->cursorPosition(), 0);

            const QStringList expected = {
                "txtDataEsame", "txtOculista", "txtEta", "19", "29", "33", "34", "35", "64", "65", "66", "67",
                "08", "07", "06", "05", "04", "03", "02", "15", "16", "32", "31", "30", "28", "21", "22", "23", "24",
                "36", "37", "01", "09", "10", "11", "12", "13", "14", "27", "26", "25", "17", "18", "20", "38", "39",
                "40", "41", "42", "43", "44", "45", "46", "47", "48", "49", "50", "51", "52", "53", "54", "55", "56",
                "57", "58", "59", "60", "61", "62", "63", "txtDataEsame"};
            exam->edit(QStringLiteral("txtDataEsame"))->setFocus();
            for (int i = 1; i < expected.size(); ++i) {
                QVERIFY(Focus::press(Qt::Key_Return));
                const QString want = expected.at(i).startsWith(QLatin1String("txt")) ? expected.at(i)
                                                                                     : QStringLiteral("txtDente") + expected.at(i);
                QCOMPARE(Focus::name(), want);
            }
            click(exam, QStringLiteral("impbtnEsame"));
            QCOMPARE(exam->edit(QStringLiteral("txtDataEsame"))->text(), QStringLiteral("10/12/2026"));
        });
    }

    void applyCopiesTrimmedAndCloseBoxChangesNothing()
    {
        storedClient();
        inExam([&](TfrmDentalCondition *exam) {
            exam->edit(QStringLiteral("txtDente63"))->setText(QStringLiteral(" 0,50 "));
            exam->edit(QStringLiteral("txtOculista"))->setText(QStringLiteral("Dott. Bruno  "));
            exam->close(); // the title bar's close box
        });
        QCOMPARE(hidden(QStringLiteral("txtDente63")), QString());
        QCOMPARE(hidden(QStringLiteral("txtOculista")), QStringLiteral("Dott. Neri"));

        inExam([&](TfrmDentalCondition *exam) {
            exam->edit(QStringLiteral("txtDente63"))->setText(QStringLiteral(" 0,50 "));
            exam->edit(QStringLiteral("txtOculista"))->setText(QStringLiteral("Dott. Bruno  "));
            click(exam, QStringLiteral("btnClose"));
            QVERIFY(!exam->isVisible());
        });
        QCOMPARE(hidden(QStringLiteral("txtDente63")), QStringLiteral("0,50"));
        QCOMPARE(hidden(QStringLiteral("txtOculista")), QStringLiteral("Dott. Bruno"));
        // The next opening shows them, before any save; Save then stores them.
        inExam([&](TfrmDentalCondition *exam) {
            QCOMPARE(exam->edit(QStringLiteral("txtDente63"))->text(), QStringLiteral("0,50"));
        });
        card->commandSave();
        RecordFile file(RecordFile::pathFor(RecordLayout::clients()), RecordLayout::clients());
        const Record stored = file.read();
        QCOMPARE(stored.value(QStringLiteral("Dente63")), QStringLiteral("0,50"));
        QCOMPARE(stored.value(QStringLiteral("Dente08")), QStringLiteral("-1,25"));
    }

    void sheetPlacesEveryCellWhereTheMapSays()
    {
        storedClient();
        inExam([&](TfrmDentalCondition *exam) {
            for (int cell = 1; cell <= 67; ++cell)
                exam->edit(ExamMap::cellName(cell))->setText(QStringLiteral(" c%1 ").arg(cell));
            exam->edit(QStringLiteral("txtEta"))->setText(QStringLiteral("46 anni"));
            click(exam, QStringLiteral("btnPreview"));
            QVERIFY(exam->isVisible());
            QCOMPARE(fakes->printer.count(), 1);
            const FakePrintService::Request &sheet = fakes->printer.last();
            QCOMPARE(sheet.title, QStringLiteral("Esame Optometrico"));
            QCOMPARE(sheet.kind, FakePrintService::Kind::Preview);
            // Refraction: right eye from 1 mm, left eye from 105 mm, 12 mm columns, rows 6 mm apart from 113 mm.
            for (const auto &[grid, left] : {std::pair{&ExamMap::rightEye(), 1.0}, std::pair{&ExamMap::leftEye(), 105.0}})
                for (int r = 0; r < 3; ++r)
                    for (int c = 0; c < 7; ++c)
                        if (const int cell = grid->cells.at(r).at(c)) {
                            const PlacedText text = sheet.text(ExamMap::cellName(cell));
                            QCOMPARE(text.text, QStringLiteral("c%1").arg(cell));
                            QVERIFY2(qAbs(text.boxMm.left() - (left + 12 * c)) < 0.1
                                         && qAbs(text.boxMm.top() - (113 + 6 * r)) < 0.1,
                                     qPrintable(ExamMap::cellName(cell)));
                        }
            for (int cell = 1; cell <= 67; ++cell)
                QCOMPARE(sheet.text(ExamMap::cellName(cell)).text, QStringLiteral("c%1").arg(cell));
            QCOMPARE(sheet.text(QStringLiteral("txtName")).text, QStringLiteral("Rossi Mario"));
            QCOMPARE(sheet.text(QStringLiteral("txtEta")).text, QStringLiteral("46 anni"));
            QCOMPARE(sheet.text(QStringLiteral("txtTaxNumber")).boxMm.topLeft(), QPointF(44, 55));
            // A failing printer: the warning, and the window stays with its values.
            fakes->printer.failNext(QStringLiteral("offline"));
            click(exam, QStringLiteral("btnPrint"));
            QCOMPARE(fakes->messages.last().text, DocumentPrinter::failureText(DocumentPrinter::Mode::Print));
            QVERIFY(exam->isVisible());
            QCOMPARE(exam->edit(QStringLiteral("txtDente01"))->text(), QStringLiteral(" c1 "));
        });
    }
};

QTEST_MAIN(TestExam)
#include "tst_exam.moc"
