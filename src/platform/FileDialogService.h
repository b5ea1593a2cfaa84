#pragma once
#include <QString>

class QWidget;

namespace lumivista {

/** The file dialogs; an empty result means the user cancelled. */
class FileDialogService
{
public:
    virtual ~FileDialogService() = default;
    /** The open dialog, starting in folder. */
    virtual QString openFile(QWidget *parent, const QString &title, const QString &folder, const QString &filter) = 0;
    /** The save-as dialog, opened on a suggested path; asks before replacing a file. */
    virtual QString saveFile(QWidget *parent, const QString &title, const QString &suggested,
                             const QString &filter) = 0;
    /** The folder dialog, opened on a folder. */
    virtual QString chooseFolder(QWidget *parent, const QString &title, const QString &folder) = 0;
};

} // namespace lumivista
