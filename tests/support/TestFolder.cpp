#include "TestFolder.h"
#include "core/ProgramFolder.h"
#include <QFile>

namespace lumivista {

TestFolder::TestFolder()
{
    ProgramFolder::setOverride(m_dir.path());
    // The report templates, as the installed program folder holds them.
    QFile::link(QStringLiteral(LUMIVISTA_TEMPLATES), m_dir.filePath(QStringLiteral("templates")));
}

TestFolder::~TestFolder()
{
    ProgramFolder::setOverride(QString());
}

QByteArray TestFolder::read(const QString &name) const
{
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void TestFolder::write(const QString &name, const QByteArray &bytes) const
{
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

} // namespace lumivista
