#include "AppContext.h"
#include "core/Backup.h"
#include "core/ProgramFolder.h"
#include "platform/ClockService.h"
#include "widgets/WindowPlacement.h"
#include <QCoreApplication>
#include <QThread>
#include <memory>

namespace lumivista {

AppContext::~AppContext()
{
    waitForBackup();
    delete m_backup;
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

void AppContext::startDailyBackup(std::function<void(const QStringList &)> done)
{
    if (m_backup)
        return;
    const QString folder = ProgramFolder::path();
    const QDateTime now = m_services.clock.now();
    auto outcome = std::make_shared<Backup::Outcome>();
    m_backup = QThread::create([folder, now, outcome] { *outcome = Backup::daily(folder, now); });
    // Delivered on this thread, where the thread object lives.
    QObject::connect(m_backup, &QThread::finished, m_backup, [outcome, done = std::move(done)] {
        if (done)
            done(outcome->problems);
    });
    m_backup->start(QThread::LowPriority);
}

void AppContext::waitForBackup()
{
    if (m_backup)
        m_backup->wait();
}

void AppContext::backupAtClose()
{
    if (!m_backup)
        return; // no login, no work
    waitForBackup();
    const QString folder = ProgramFolder::path();
    const QDateTime now = m_services.clock.now();
    if (Backup::changedSinceToday(folder, Backup::firstFolder(folder), now.date()))
        Backup::daily(folder, now, Backup::When::Now);
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
