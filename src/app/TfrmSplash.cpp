#include "TfrmSplash.h"
#include "LinkLabel.h"
#include "Maker.h"
#include "WindowPlacement.h"
#include "platform/Services.h"
#include "platform/ShellService.h"
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace lumivista {

TfrmSplash::TfrmSplash(Services &services, QWidget *parent) : QDialog(parent), m_services(services)
{
    setObjectName(QStringLiteral("TfrmSplash"));
    setWindowTitle(QStringLiteral("Lumivista") + Maker::creditLine());
    WindowPlacement::removeTitleButtons(this);
    setFixedSize(661, 467);
    setAutoFillBackground(true);
    QPalette bg = palette();
    bg.setColor(QPalette::Window, Qt::white);
    setPalette(bg);

    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setGeometry(0, 0, 661, 400);
    imgLogo->setPixmap(QIcon(QStringLiteral(":/icons/splash.svg")).pixmap(661, 400));
    imgLogo->setAccessibleName(QStringLiteral("Lumivista"));

    imgWeb = new QToolButton(this);
    imgWeb->setObjectName(QStringLiteral("imgWeb"));
    imgWeb->setGeometry(20, 416, 36, 36);
    imgWeb->setIcon(QIcon(QStringLiteral(":/icons/web.svg")));
    imgWeb->setIconSize(QSize(30, 30));
    imgWeb->setAutoRaise(true);
    imgWeb->setCursor(Qt::PointingHandCursor);
    imgWeb->setAccessibleName(QStringLiteral("Visita il sito web"));
    imgWeb->setToolTip(QStringLiteral("Visita il sito web: ") + Maker::webAddress());

    lnkWeb = new LinkLabel(Maker::webAddress(), this);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    lnkWeb->setGeometry(62, 416, 400, 36);

    cmdChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    cmdChiudi->setObjectName(QStringLiteral("cmdChiudi"));
    cmdChiudi->setGeometry(531, 417, 110, 34);
    cmdChiudi->setDefault(true);

    connect(cmdChiudi, &QPushButton::clicked, this, &QDialog::accept);
    connect(lnkWeb, &LinkLabel::clicked, this, &TfrmSplash::lnkWebClick);
    connect(imgWeb, &QToolButton::clicked, this, &TfrmSplash::lnkWebClick);
    connect(imgWeb, &QToolButton::pressed, lnkWeb, [this] { lnkWeb->setPressedLook(true); });
    connect(imgWeb, &QToolButton::released, lnkWeb, [this] { lnkWeb->setPressedLook(false); });
}

void TfrmSplash::lnkWebClick()
{
    m_services.shell.open(Maker::webAddress());
    lnkWeb->setPressedLook(false);
}

void TfrmSplash::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    WindowPlacement::centreOver(this, parentWidget());
}

} // namespace lumivista
