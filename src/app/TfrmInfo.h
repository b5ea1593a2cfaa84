#pragma once
#include "widgets/InfoDialog.h"

class QLabel;

namespace lumivista {

/** About the program, with a mail link to the maker's support. Created on
 *  demand from the home screen and destroyed on close. */
class TfrmInfo : public InfoDialog
{
    Q_OBJECT
public:
    explicit TfrmInfo(Services &services, QWidget *parent = nullptr);

    /** The mail link handed to the shell, quotes included. */
    static QString mailTarget();

    QLabel *imgLogo = nullptr;
    QLabel *lblTitolo = nullptr;
    QLabel *imgUtente = nullptr;
    QLabel *imgWarning = nullptr;
    QToolButton *imgEmail = nullptr;
    LinkLabel *lnkWeb = nullptr;

    void lnkWebClick();
};

} // namespace lumivista
