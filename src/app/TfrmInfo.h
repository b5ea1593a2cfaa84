#pragma once
#include <QDialog>

class QLabel;
class QPushButton;
class QToolButton;

namespace lumivista {

struct Services;
class LinkLabel;

/** About the program, with a mail link to the maker's support. Created on
 *  demand from the home screen and destroyed on close. */
class TfrmInfo : public QDialog
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
    QPushButton *cmdChiudi = nullptr;

    void lnkWebClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    Services &m_services;
};

} // namespace lumivista
