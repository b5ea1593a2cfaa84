#include "QtFileDialogService.h"
#include <QFileDialog>

namespace lumivista {

QString QtFileDialogService::openFile(QWidget *parent, const QString &title, const QString &folder,
                                     const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QString QtFileDialogService::saveFile(QWidget *parent, const QString &title, const QString &suggested,
                                     const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, title, suggested, filter);
}

QString QtFileDialogService::chooseFolder(QWidget *parent, const QString &title, const QString &folder)
{
    return QFileDialog::getExistingDirectory(parent, title, folder);
}

} // namespace lumivista
