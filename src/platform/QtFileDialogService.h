#pragma once
#include "FileDialogService.h"

namespace lumivista {

/** Qt's file dialogs. */
class QtFileDialogService : public FileDialogService
{
public:
    QString openFile(QWidget *parent, const QString &title, const QString &folder, const QString &filter) override;
    QString saveFile(QWidget *parent, const QString &title, const QString &suggested, const QString &filter) override;
    QString chooseFolder(QWidget *parent, const QString &title, const QString &folder) override;
};

} // namespace lumivista
