#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

namespace lumivista {

struct Services;

/** Opens a folder of the client's own, Cliente_<position> in the program folder,
 *  creating it on first use. Per use, modal. */
class TfrmAttachedFolder : public QDialog
{
    Q_OBJECT
public:
    TfrmAttachedFolder(Services &services, const QString &position, QWidget *parent);

    /** The client folder of a card position. */
    static QString folderFor(const QString &position);

    QLabel *lblMemory = nullptr;
    QPushButton *btnApriCartella = nullptr;
    QPushButton *btnChiudi = nullptr;

    /** Creates the folder with its parents and opens it; a folder that cannot be
     *  made is a failure for the general error handling, and the window stays. */
    void btnApriCartellaClick();

private:
    Services &m_services;
};

} // namespace lumivista
