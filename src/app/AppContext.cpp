#include "AppContext.h"
#include "WindowPlacement.h"
#include <QCoreApplication>

namespace lumivista {

AppContext::~AppContext()
{
    while (!m_owned.isEmpty())
        delete m_owned.takeLast().data();
}

void AppContext::showHome()
{
    if (QWidget *home = window(WindowId::Home)) {
        WindowPlacement::showMaximized(home);
        home->raise();
        home->activateWindow();
        return;
    }
    QCoreApplication::quit();
}

} // namespace lumivista
