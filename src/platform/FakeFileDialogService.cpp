#include "FakeFileDialogService.h"

namespace lumivista {

QString FakeFileDialogService::openFile(QWidget *parent, const QString &title, const QString &folder,
                                        const QString &filter)
{
    m_requests.append({parent, title, filter, folder});
    return m_queue.isEmpty() ? m_path : m_queue.dequeue();
}

QString FakeFileDialogService::saveFile(QWidget *parent, const QString &title, const QString &suggested,
                                        const QString &filter)
{
    m_requests.append({parent, title, filter, suggested});
    return m_queue.isEmpty() ? m_path : m_queue.dequeue();
}

QString FakeFileDialogService::chooseFolder(QWidget *parent, const QString &title, const QString &folder)
{
    m_requests.append({parent, title, QString(), folder});
    return m_queue.isEmpty() ? m_path : m_queue.dequeue();
}

} // namespace lumivista
