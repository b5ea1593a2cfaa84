#include "InfoDialog.h"
#include "LinkLabel.h"
#include "WindowPlacement.h"
#include <QIcon>
#include <QPushButton>
#include <QToolButton>

namespace lumivista {

InfoDialog::InfoDialog(Services &services, const QString &name, const QString &caption, const QSize &size,
                       Placement placement, QWidget *parent)
    : QDialog(parent), m_services(services), m_placement(placement)
{
    setObjectName(name);
    setWindowTitle(caption);
    WindowPlacement::removeTitleButtons(this);
    setFixedSize(size);
    setProperty("infoDialog", true);
}

void InfoDialog::addCloseButton(const QRect &geometry)
{
    cmdChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    cmdChiudi->setObjectName(QStringLiteral("cmdChiudi"));
    cmdChiudi->setGeometry(geometry);
    cmdChiudi->setDefault(true);
    connect(cmdChiudi, &QPushButton::clicked, this, &InfoDialog::cmdChiudiClick);
}

void InfoDialog::cmdChiudiClick()
{
    accept();
}

LinkLabel *InfoDialog::addLink(const QString &linkName, const QString &text, const QRect &linkGeometry,
                               QToolButton *&icon, const QString &iconName, const QString &picture,
                               const QString &caption, const QString &hint, const QRect &iconGeometry)
{
    icon = new QToolButton(this);
    icon->setObjectName(iconName);
    icon->setGeometry(iconGeometry);
    icon->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(picture)));
    icon->setIconSize(iconGeometry.size() - QSize(6, 6));
    icon->setAutoRaise(true);
    icon->setCursor(Qt::PointingHandCursor);
    icon->setAccessibleName(caption);
    icon->setToolTip(hint);

    auto *link = new LinkLabel(text, this);
    link->setObjectName(linkName);
    link->setGeometry(linkGeometry);
    link->attachIcon(icon);
    return link;
}

void InfoDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_placement == Placement::OverOwner)
        WindowPlacement::centreOver(this, parentWidget());
    else
        WindowPlacement::centreOnScreen(this);
}

} // namespace lumivista
