#include "TfrmInfo.h"
#include "widgets/InfoPanel.h"
#include "widgets/LinkLabel.h"
#include "Maker.h"
#include "platform/Services.h"
#include "platform/ShellService.h"
#include <QIcon>
#include <QLabel>

namespace lumivista {

TfrmInfo::TfrmInfo(Services &services, QWidget *parent)
    : InfoDialog(services, QStringLiteral("TfrmInfo"), QStringLiteral(" Informazioni su Lumivista"), QSize(473, 579),
                 Placement::Screen, parent)
{
    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setGeometry(20, 16, 433, 72);
    imgLogo->setAlignment(Qt::AlignCenter);
    imgLogo->setPixmap(QIcon(QStringLiteral(":/icons/logo.svg")).pixmap(72, 72));

    lblTitolo = new QLabel(QStringLiteral("Lumivista\nil gestionale per il centro ottico"), this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setGeometry(20, 92, 433, 52);
    lblTitolo->setAlignment(Qt::AlignCenter);
    QFont titleFont = lblTitolo->font();
    titleFont.setPointSize(13);
    titleFont.setBold(true);
    lblTitolo->setFont(titleFont);

    imgUtente = new InfoPanel(
        QStringLiteral("imgUtente"), QStringLiteral("client"),
        QStringLiteral("Lumivista raccoglie in un solo programma l'anagrafica dei clienti, l'agenda degli "
                       "appuntamenti e le prescrizioni di occhiali e lenti a contatto del centro ottico. "
                       "Tutti i dati restano sul computer, nella cartella del programma."),
        QStringLiteral("blue"), this);
    imgUtente->setGeometry(20, 156, 433, 150);

    imgWarning = new InfoPanel(
        QStringLiteral("imgWarning"), QStringLiteral("issues"),
        QStringLiteral("Copiare spesso l'intera cartella del programma su una chiavetta USB o un altro disco: "
                       "è la copia di sicurezza di tutti gli archivi. Il software è fornito così com'è, senza "
                       "garanzie di alcun tipo."),
        QStringLiteral("orange"), this);
    imgWarning->setGeometry(20, 318, 433, 150);

    lnkWeb = addLink(QStringLiteral("lnkWeb"), Maker::supportAddress(), QRect(62, 484, 391, 36), imgEmail,
                     QStringLiteral("imgEmail"), QStringLiteral("mail"), QStringLiteral("Scrivi all'assistenza"),
                     QStringLiteral("Scrivi all'assistenza: ") + Maker::supportAddress(), QRect(20, 484, 36, 36));
    addCloseButton(QRect(343, 531, 110, 34));

    connect(lnkWeb, &LinkLabel::clicked, this, &TfrmInfo::lnkWebClick);
}

QString TfrmInfo::mailTarget()
{
    // Joined as it is: the platform layer encodes what the desktop needs.
    return QLatin1Char('"') + QStringLiteral("mailto:") + Maker::supportAddress() + QStringLiteral("?subject=")
           + QStringLiteral("Software Lumivista") + QStringLiteral("&body=")
           + QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software in oggetto:")
           + QLatin1Char('"');
}

void TfrmInfo::lnkWebClick()
{
    services().shell.open(mailTarget());
}

} // namespace lumivista
