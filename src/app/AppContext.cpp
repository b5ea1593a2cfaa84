#include "AppContext.h"
#include "widgets/WindowPlacement.h"
#include <QCoreApplication>

namespace lumivista {

AppContext::~AppContext()
{
    while (!m_owned.isEmpty())
        delete m_owned.takeLast().data();
}

void AppContext::bringUp(QWidget *window)
{
    WindowPlacement::showMaximized(window);
    window->raise();
    window->activateWindow();
}

void AppContext::openWorkingWindow(WindowId id, QWidget *from)
{
    QWidget *target = window(id);
    if (!target)
        return;
    // Shown before the other goes, so at no moment is no window visible.
    bringUp(target);
    if (from && from != target)
        from->hide();
}

void AppContext::showHome()
{
    if (QWidget *home = window(WindowId::Home)) {
        bringUp(home);
        return;
    }
    QCoreApplication::quit();
}

} // namespace lumivista
