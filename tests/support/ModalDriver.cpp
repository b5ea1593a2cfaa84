#include "ModalDriver.h"
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace lumivista {

namespace {
/** Each wait: its timer, and whether it has ended (window found or given up). */
struct Wait
{
    QPointer<QTimer> timer;
    std::shared_ptr<bool> ended;
};

QList<Wait> &waits()
{
    static QList<Wait> list;
    return list;
}
} // namespace

int ModalDriver::unshown()
{
    int count = 0;
    for (const Wait &wait : std::as_const(waits())) {
        if (*wait.ended)
            continue;
        ++count;
        if (wait.timer) {
            wait.timer->stop();
            wait.timer->deleteLater();
        }
    }
    waits().clear();
    return count;
}

void ModalDriver::whenShown(std::function<void(QWidget *)> action)
{
    auto *timer = new QTimer(qApp);
    auto ended = std::make_shared<bool>(false);
    waits().append({timer, ended});
    // Counted in time, not in timer ticks: a loaded machine stretches the ticks.
    auto deadline = std::make_shared<QDeadlineTimer>(30000);
    auto visibleSince = std::make_shared<QDeadlineTimer>(QDeadlineTimer::Forever);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer,
                     [timer, deadline, visibleSince, ended, action = std::move(action)] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) {
            // A window that never opens fails the test instead of hanging it.
            if (deadline->hasExpired()) {
                *ended = true;
                timer->stop();
                timer->deleteLater();
                QTest::qFail("a modal window the test waited for never appeared", __FILE__, __LINE__);
            }
            return;
        }
        // The action runs once the window is active, so that it has the focus
        // the user would see. A window shown but never activated still gets its
        // action after a while: a wrong focus then fails a check, not the suite.
        if (!modal->isActiveWindow()) {
            if (visibleSince->isForever()) {
                *visibleSince = QDeadlineTimer(10000);
                modal->activateWindow();
            }
            if (!visibleSince->hasExpired())
                return;
        }
        *ended = true;
        timer->stop();
        timer->deleteLater();
        QPointer<QWidget> window = modal;
        action(window);
        if (window && window->isVisible()) {
            if (auto *dialog = qobject_cast<QDialog *>(window.data()))
                dialog->reject();
            else
                window->close();
        }
    });
    timer->start();
}

void ModalDriver::captureHelp(ShownHelp &into)
{
    whenShown([&into](QWidget *w) {
        into.caption = w->windowTitle();
        into.owner = w->parentWidget();
        into.modal = w->isModal();
        if (auto *title = w->findChild<QLabel *>(QStringLiteral("lblTitolo")))
            into.title = title->text();
        if (auto *text = w->findChild<QPlainTextEdit *>(QStringLiteral("txtGuida")))
            into.text = text->toPlainText();
    });
}

} // namespace lumivista
