#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace lumivista {

namespace {
QString &overrideFolder()
{
    static QString folder;
    return folder;
}
} // namespace

QString ProgramFolder::path()
{
    const QString &folder = overrideFolder();
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

QString ProgramFolder::file(const QString &name)
{
    return QDir(path()).filePath(name);
}

void ProgramFolder::setOverride(const QString &folder)
{
    overrideFolder() = folder;
}

} // namespace lumivista
