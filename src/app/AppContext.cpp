#include "AppContext.h"
#include <QCoreApplication>

namespace lumivista {

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
