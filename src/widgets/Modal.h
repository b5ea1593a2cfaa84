#pragma once
#include "WindowPlacement.h"
#include <QDialog>
#include <QPointer>

namespace lumivista {

/** The one way a per-use window is run: created by the caller with its owner
 *  as parent, centred over it (a window that belongs elsewhere moves itself when
 *  shown), shown modally, and destroyed when it closes, whatever happened
 *  meanwhile (the owner may even be gone). */
class Modal
{
public:
    /** Takes the window; returns what exec() returned. */
    static int run(QDialog *window)
    {
        QPointer<QDialog> guard = window;
        WindowPlacement::centreOver(window, window->parentWidget());
        const int result = window->exec();
        delete guard.data();
        return result;
    }
};

} // namespace lumivista
