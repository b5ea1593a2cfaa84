#include "WindowTest.h"
#include "ModalDriver.h"
#include "agenda/TfrmAgenda.h"
#include "appointments/TfrmArchivio_Scadenze.h"
#include "clients/TfrmClients.h"
#include "glasses/TfrmOcchiali.h"
#include "lenses/TfrmLenti.h"
#include "widgets/KeyboardRules.h"
#include "widgets/Style.h"
#include <QApplication>
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace lumivista {

void WindowTest::startWindowTest()
{
    // Windows look in tests as they do in the program, colours included.
    static const bool styled = [] {
        Style::install(*qApp);
        KeyboardRules::install(*qApp);
        return true;
    }();
    Q_UNUSED(styled);
    folder = std::make_unique<TestFolder>();
    fakes = std::make_unique<FakeServices>();
    // LUMIVISTA_PDF_OUT=<folder> keeps every printout of the tests as a PDF, to look at.
    if (qEnvironmentVariableIsSet("LUMIVISTA_PDF_OUT"))
        fakes->printer.keepPdfIn(qEnvironmentVariable("LUMIVISTA_PDF_OUT"));
    context = std::make_unique<AppContext>(fakes->services());
}

void WindowTest::endWindowTest()
{
    const int unshown = ModalDriver::unshown();
    m_working.clear();
    m_home.reset();
    context.reset();
    fakes.reset();
    folder.reset();
    QVERIFY2(unshown == 0, "a modal window the test waited for never appeared");
}

QWidget *WindowTest::openWorkingWindow(WindowId id)
{
    if (!m_home) {
        m_home = std::make_unique<QWidget>();
        context->setWindow(WindowId::Home, m_home.get());
    }
    std::unique_ptr<QWidget> &window = m_working[id];
    window.reset();
    switch (id) {
    case WindowId::Clients:
        window = std::make_unique<TfrmClients>(*context);
        break;
    case WindowId::Glasses:
        window = std::make_unique<TfrmOcchiali>(*context);
        break;
    case WindowId::Lenses:
        window = std::make_unique<TfrmLenti>(*context);
        break;
    case WindowId::Appointments:
        window = std::make_unique<TfrmArchivio_Scadenze>(*context);
        break;
    case WindowId::Agenda:
        window = std::make_unique<TfrmAgenda>(*context);
        break;
    default:
        qFatal("openWorkingWindow: not a working window");
    }
    context->setWindow(id, window.get());
    window->show();
    return window.get();
}

bool WindowTest::showActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

void WindowTest::click(QWidget *window, const QString &name)
{
    auto *button = window->findChild<QAbstractButton *>(name);
    QVERIFY2(button, qPrintable(name));
    QVERIFY2(button->isEnabled(), qPrintable(name));
    button->click();
}

QWidget *WindowTest::named(QWidget *window, const QString &accessibleName)
{
    QWidget *found = nullptr;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (w->accessibleName() != accessibleName)
            continue;
        if (qobject_cast<QLineEdit *>(w) || qobject_cast<QLabel *>(w))
            return w;
        if (!found)
            found = w;
    }
    return found;
}

QLineEdit *WindowTest::edit(QWidget *window, const QString &objectName)
{
    return window->findChild<QLineEdit *>(objectName);
}

bool WindowTest::showsWhole(QLineEdit *edit)
{
    const int length = int(edit->text().size());
    const int cursor = edit->cursorPosition();
    bool whole = true;
    for (const int at : {0, length}) {
        edit->setCursorPosition(at);
        edit->grab(); // the edit settles its scrolling when it paints
        const QRect inside = edit->contentsRect();
        whole = whole && edit->cursorPositionAt(QPoint(inside.left() + 1, inside.center().y())) == 0
                && edit->cursorPositionAt(QPoint(inside.right() - 1, inside.center().y())) == length;
    }
    edit->setCursorPosition(cursor);
    return whole;
}

QByteArray WindowTest::fieldAt(const QByteArray &record, int offset)
{
    return record.mid(offset + 1, quint8(record.at(offset)));
}

void WindowTest::putField(QByteArray &record, int offset, const QByteArray &cp1252)
{
    record[offset] = char(cp1252.size());
    record.replace(offset + 1, cp1252.size(), cp1252);
}

} // namespace lumivista
