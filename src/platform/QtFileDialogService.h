#pragma once
#include "FileDialogService.h"

namespace lumivista {

/** Qt's file-open dialog. */
class QtFileDialogService : public FileDialogService
{
public:
    QString openFile(QWidget *parent, const QString &title, const QString &filter) override;
};

} // namespace lumivista
