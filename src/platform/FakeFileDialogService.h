#pragma once
#include "FileDialogService.h"
#include <QList>
#include <QPointer>
#include <QQueue>
#include <QWidget>

namespace lumivista {

/** Answers openFile(), saveFile() and chooseFolder() with scripted paths: first the queued ones in order, then
 *  the fixed path (empty by default, i.e. "cancelled"). Records each request. */
class FakeFileDialogService : public FileDialogService
{
public:
    struct Request
    {
        QPointer<QWidget> parent;
        QString title;
        QString filter;
        QString suggested; // saveFile(): the suggested path; openFile(), chooseFolder(): the starting folder
    };

    QString openFile(QWidget *parent, const QString &title, const QString &folder, const QString &filter) override;
    QString saveFile(QWidget *parent, const QString &title, const QString &suggested, const QString &filter) override;
    QString chooseFolder(QWidget *parent, const QString &title, const QString &folder) override;

    void queuePath(const QString &path) { m_queue.enqueue(path); }
    void setPath(const QString &path) { m_path = path; }

    const QList<Request> &requests() const { return m_requests; }
    qsizetype count() const { return m_requests.size(); }
    void clear() { m_requests.clear(); m_queue.clear(); m_path.clear(); }

private:
    QList<Request> m_requests;
    QQueue<QString> m_queue;
    QString m_path;
};

} // namespace lumivista
