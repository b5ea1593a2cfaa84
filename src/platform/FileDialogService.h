#pragma once
#include <QString>

class QWidget;

namespace lumivista {

/** The file-open dialog; an empty result means the user cancelled. */
class FileDialogService
{
public:
    virtual ~FileDialogService() = default;
    virtual QString openFile(QWidget *parent, const QString &title, const QString &filter) = 0;
};

} // namespace lumivista
