#pragma once
#include <QDialog>

class QLabel;
class QPushButton;
class QToolButton;

namespace lumivista {

struct Services;
class LinkLabel;

/** The credits window: the program's picture and a link to the maker's web site. */
class TfrmSplash : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmSplash(Services &services, QWidget *parent = nullptr);

    QLabel *imgLogo = nullptr;
    QToolButton *imgWeb = nullptr;
    LinkLabel *lnkWeb = nullptr;
    QPushButton *cmdChiudi = nullptr;

    void lnkWebClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    Services &m_services;
};

} // namespace lumivista
