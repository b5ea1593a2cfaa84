#include "QtFileDialogService.h"
#include <QFileDialog>

namespace lumivista {

QString QtFileDialogService::openFile(QWidget *parent, const QString &title, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

} // namespace lumivista
