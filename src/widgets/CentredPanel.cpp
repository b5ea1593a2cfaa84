#include "CentredPanel.h"
#include <QGridLayout>
#include <QWidget>

namespace lumivista {

QWidget *CentredPanel::install(QWidget *window, const QString &panelName)
{
    window->setProperty("centredFrame", true);
    window->setAttribute(Qt::WA_StyledBackground);
    auto *outer = new QGridLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *panel = new QWidget(window);
    panel->setObjectName(panelName);
    panel->setAttribute(Qt::WA_StyledBackground);
    outer->addWidget(panel, 1, 1);
    outer->setRowStretch(0, 1);
    outer->setRowStretch(2, 1);
    outer->setColumnStretch(0, 1);
    outer->setColumnStretch(2, 1);
    return panel;
}

} // namespace lumivista
