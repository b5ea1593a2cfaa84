#include "ModalDriver.h"
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>
#include <memory>

namespace lumivista {

void ModalDriver::whenShown(std::function<void(QWidget *)> action)
{
    auto *timer = new QTimer(qApp);
    auto attempts = std::make_shared<int>(0);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, attempts, action = std::move(action)] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) {
            // Give up after a few seconds so a window that never opens fails the test, not hangs it.
            if (++*attempts > 500)
                timer->deleteLater();
            return;
        }
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
