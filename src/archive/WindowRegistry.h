#pragma once
#include <QWidget>

namespace lumivista {

struct Services;

/** The long-lived windows, created once at start-up and shown and hidden for the
 *  whole run. */
enum class WindowId { Password, Home, ChangePassword, Clients, Glasses, Lenses, Appointments, Agenda };

/** What a window may ask of the application: its services, the long-lived
 *  windows (hand-over by lblMemory keys goes through them, never through
 *  globals), and the one way to switch working windows. The application object
 *  implements it; windows only ever see this. */
class WindowRegistry
{
public:
    virtual ~WindowRegistry() = default;

    virtual Services &services() const = 0;
    /** Null when that window is not part of this run (a bare card in a test). */
    virtual QWidget *window(WindowId id) const = 0;
    /** Shows the working window maximised and hides the one it is opened from. */
    virtual void openWorkingWindow(WindowId id, QWidget *from) = 0;
    /** Shows the home screen after a working window closed. */
    virtual void showHome() = 0;

    template<class T> T *get(WindowId id) const { return qobject_cast<T *>(window(id)); }
};

} // namespace lumivista
