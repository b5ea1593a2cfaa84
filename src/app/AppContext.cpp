#include "AppContext.h"
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
        home->showMaximized();
        home->raise();
        home->activateWindow();
        return;
    }
    QCoreApplication::quit();
}

} // namespace lumivista
