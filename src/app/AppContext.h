#pragma once
#include "platform/Services.h"
#include <QHash>
#include <QList>
#include <QPointer>
#include <QWidget>

namespace lumivista {

/** The long-lived windows, created once at start-up and shown and hidden for the
 *  whole run. Windows find each other here when one opens another (hand-over by
 *  lblMemory keys), never through globals. */
enum class WindowId { Password, Home, ChangePassword, Clients, Glasses, Lenses, Appointments, Agenda };

class AppContext
{
public:
    explicit AppContext(Services &services) : m_services(services) {}
    AppContext(const AppContext &) = delete;
    AppContext &operator=(const AppContext &) = delete;
    /** Destroys the adopted windows, the last created first. */
    ~AppContext();

    Services &services() const { return m_services; }

    QWidget *window(WindowId id) const { return m_windows.value(id); }
    void setWindow(WindowId id, QWidget *window) { m_windows.insert(id, window); }
    template<class T> T *get(WindowId id) const { return qobject_cast<T *>(window(id)); }

    /** Registers a window and makes the context its owner; returns it. */
    template<class T> T *adopt(WindowId id, T *window)
    {
        setWindow(id, window);
        m_owned.append(window);
        return window;
    }

    /** Shows the home screen after a working window closed. Without a home
     *  screen (a bare card in tests or early start-up) the program ends. */
    void showHome();

private:
    Services &m_services;
    QHash<WindowId, QPointer<QWidget>> m_windows;
    QList<QPointer<QWidget>> m_owned;
};

} // namespace lumivista
