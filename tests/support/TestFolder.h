#pragma once
#include <QString>
#include <QTemporaryDir>

namespace lumivista {

/** A temporary program folder for one test: archives and settings written by
 *  the code under test land here and vanish afterwards. */
class TestFolder
{
public:
    TestFolder();
    ~TestFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }
    QByteArray read(const QString &name) const;
    void write(const QString &name, const QByteArray &bytes) const;

private:
    QTemporaryDir m_dir;
};

} // namespace lumivista
