#include "WindowPlacement.h"
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace lumivista {

void WindowPlacement::showMaximized(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen && !window->isVisible())
        window->setGeometry(screen->availableGeometry());
    window->showMaximized();
}

void WindowPlacement::centreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void WindowPlacement::centreOver(QWidget *window, const QWidget *over)
{
    if (!over || !over->isVisible()) {
        centreOnScreen(window);
        return;
    }
    QRect frame = window->frameGeometry();
    frame.moveCenter(over->frameGeometry().center());
    window->move(frame.topLeft());
}

void WindowPlacement::removeTitleButtons(QWidget *window)
{
    window->setWindowFlags((window->windowFlags() & ~(Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint
                                                       | Qt::WindowSystemMenuHint | Qt::WindowContextHelpButtonHint))
                           | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

} // namespace lumivista
