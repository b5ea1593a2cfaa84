#pragma once
#include <functional>

class QWidget;

namespace lumivista {

/** Drives modal windows in tests: the window opened by the next exec() is handed
 *  to the action while it is on screen, then closed if the action left it open.
 *  Call it just before the click that opens the window. */
class ModalDriver
{
public:
    static void whenShown(std::function<void(QWidget *)> action);
};

} // namespace lumivista
