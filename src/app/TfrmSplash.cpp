#include "TfrmSplash.h"
#include "widgets/LinkLabel.h"
#include "Maker.h"
#include "platform/Services.h"
#include "platform/ShellService.h"
#include <QIcon>
#include <QLabel>

namespace lumivista {

TfrmSplash::TfrmSplash(Services &services, QWidget *parent)
    : InfoDialog(services, QStringLiteral("TfrmSplash"), QStringLiteral("Lumivista") + Maker::creditLine(),
                 QSize(661, 467), Placement::OverOwner, parent)
{
    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setGeometry(0, 0, 661, 400);
    imgLogo->setPixmap(QIcon(QStringLiteral(":/icons/splash.svg")).pixmap(661, 400));
    imgLogo->setAccessibleName(QStringLiteral("Lumivista"));

    lnkWeb = addLink(QStringLiteral("lnkWeb"), Maker::webAddress(), QRect(62, 416, 400, 36), imgWeb,
                     QStringLiteral("imgWeb"), QStringLiteral("web"), QStringLiteral("Visita il sito web"),
                     QStringLiteral("Visita il sito web: ") + Maker::webAddress(), QRect(20, 416, 36, 36));
    addCloseButton(QRect(531, 417, 110, 34));

    connect(lnkWeb, &LinkLabel::clicked, this, &TfrmSplash::lnkWebClick);
}

void TfrmSplash::lnkWebClick()
{
    services().shell.open(Maker::webAddress());
}

} // namespace lumivista
