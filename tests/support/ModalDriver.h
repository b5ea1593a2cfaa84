#pragma once
#include <QString>
#include <functional>

class QWidget;

namespace lumivista {

/** What a help window showed while it was open. */
struct ShownHelp
{
    QString caption;
    QString title;
    QString text;
    QWidget *owner = nullptr;
    bool modal = false;
};

/** Drives modal windows in tests: the window opened by the next exec() is handed
 *  to the action while it is on screen, then closed if the action left it open.
 *  Call it just before the click that opens the window. A window that never
 *  appears fails the test: at once when the wait runs out, and at the latest
 *  when the test asks unshown(). */
class ModalDriver
{
public:
    static void whenShown(std::function<void(QWidget *)> action);
    /** How many awaited windows never appeared; stops waiting for them. */
    static int unshown();
    /** Records the next help window into `into` (which must outlive it). */
    static void captureHelp(ShownHelp &into);
};

} // namespace lumivista
