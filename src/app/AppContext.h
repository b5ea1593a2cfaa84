#pragma once
#include "archive/WindowRegistry.h"
#include "platform/Services.h"
#include <QHash>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <functional>

class QThread;

namespace lumivista {

/** The application object: owns the long-lived windows and switches between
 *  them. Windows know it only as a WindowRegistry. */
class AppContext : public WindowRegistry
{
public:
    explicit AppContext(Services &services) : m_services(services) {}
    AppContext(const AppContext &) = delete;
    AppContext &operator=(const AppContext &) = delete;
    /** Destroys the adopted windows, the last created first. */
    ~AppContext() override;

    Services &services() const override { return m_services; }
    QWidget *window(WindowId id) const override { return m_windows.value(id); }
    void openWorkingWindow(WindowId id, QWidget *from) override;
    /** Without a home screen (a bare card in tests or early start-up) the program ends. */
    void showHome() override;

    void setWindow(WindowId id, QWidget *window) { m_windows.insert(id, window); }

    /** After a correct login: the day's backup of the data, in the background so
     *  the home screen is never kept waiting. done gets what went wrong (nothing
     *  when all went well), on the user-interface thread. Once per run. */
    void startDailyBackup(std::function<void(const QStringList &problems)> done);
    /** Waits for a backup still running (tests, and the end of the program). */
    void waitForBackup();
    /** When the program ends after a login: backs up again if a file changed
     *  since the day's last backup, so that today's work is safe today. */
    void backupAtClose();

    /** Registers a window and makes the context its owner; returns it. */
    template<class T> T *adopt(WindowId id, T *window)
    {
        setWindow(id, window);
        m_owned.append(window);
        return window;
    }

private:
    void bringUp(QWidget *window);

    Services &m_services;
    QHash<WindowId, QPointer<QWidget>> m_windows;
    QList<QPointer<QWidget>> m_owned;
    QThread *m_backup = nullptr;
};

} // namespace lumivista
