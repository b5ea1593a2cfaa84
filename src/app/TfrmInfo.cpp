#include "TfrmInfo.h"
#include "InfoPanel.h"
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

TfrmInfo::TfrmInfo(Services &services, QWidget *parent) : QDialog(parent), m_services(services)
{
    setObjectName(QStringLiteral("TfrmInfo"));
    setWindowTitle(QStringLiteral(" Informazioni su Lumivista"));
    WindowPlacement::removeTitleButtons(this);
    setFixedSize(473, 579);
    setAutoFillBackground(true);
    QPalette bg = palette();
    bg.setColor(QPalette::Window, Qt::white);
    setPalette(bg);

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
    QPalette titlePalette = lblTitolo->palette();
    titlePalette.setColor(QPalette::WindowText, QColor(0x30, 0x30, 0xDD));
    lblTitolo->setPalette(titlePalette);

    imgUtente = new InfoPanel(
        QStringLiteral("imgUtente"), QStringLiteral("client"),
        QStringLiteral("Lumivista raccoglie in un solo programma l'anagrafica dei clienti, l'agenda degli "
                       "appuntamenti e le prescrizioni di occhiali e lenti a contatto del centro ottico. "
                       "Tutti i dati restano sul computer, nella cartella del programma."),
        QColor(0x1E, 0x88, 0xE5), this);
    imgUtente->setGeometry(20, 156, 433, 150);

    imgWarning = new InfoPanel(
        QStringLiteral("imgWarning"), QStringLiteral("issues"),
        QStringLiteral("Copiare spesso l'intera cartella del programma su una chiavetta USB o un altro disco: "
                       "è la copia di sicurezza di tutti gli archivi. Il software è fornito così com'è, senza "
                       "garanzie di alcun tipo."),
        QColor(0xE0, 0x90, 0x00), this);
    imgWarning->setGeometry(20, 318, 433, 150);

    imgEmail = new QToolButton(this);
    imgEmail->setObjectName(QStringLiteral("imgEmail"));
    imgEmail->setGeometry(20, 484, 36, 36);
    imgEmail->setIcon(QIcon(QStringLiteral(":/icons/mail.svg")));
    imgEmail->setIconSize(QSize(30, 30));
    imgEmail->setAutoRaise(true);
    imgEmail->setCursor(Qt::PointingHandCursor);
    imgEmail->setAccessibleName(QStringLiteral("Scrivi all'assistenza"));
    imgEmail->setToolTip(QStringLiteral("Scrivi all'assistenza: ") + Maker::supportAddress());

    lnkWeb = new LinkLabel(Maker::supportAddress(), this);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    lnkWeb->setGeometry(62, 484, 391, 36);

    cmdChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    cmdChiudi->setObjectName(QStringLiteral("cmdChiudi"));
    cmdChiudi->setGeometry(343, 531, 110, 34);
    cmdChiudi->setDefault(true);

    connect(cmdChiudi, &QPushButton::clicked, this, &QDialog::accept);
    connect(lnkWeb, &LinkLabel::clicked, this, &TfrmInfo::lnkWebClick);
    connect(imgEmail, &QToolButton::clicked, this, &TfrmInfo::lnkWebClick);
    connect(imgEmail, &QToolButton::pressed, lnkWeb, [this] { lnkWeb->setPressedLook(true); });
    connect(imgEmail, &QToolButton::released, lnkWeb, [this] { lnkWeb->setPressedLook(false); });
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
    m_services.shell.open(mailTarget());
    lnkWeb->setPressedLook(false);
}

void TfrmInfo::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    WindowPlacement::centreOnScreen(this);
}

} // namespace lumivista
