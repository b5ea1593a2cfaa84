#include "TfrmCalendario.h"
#include "Modal.h"
#include "platform/ClockService.h"
#include "platform/Services.h"
#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumivista {

TfrmCalendario::TfrmCalendario(Services &services, Deliver deliver, QWidget *parent)
    : QDialog(parent)
    , m_deliver(std::move(deliver))
{
    setObjectName(QStringLiteral("frmCalendario"));
    setWindowTitle(QStringLiteral(" Importazione data"));
    WindowPlacement::removeTitleButtons(this);

    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    lblImporta = new QLabel(QStringLiteral("Importare una data:"), this);
    lblImporta->setObjectName(QStringLiteral("lblImporta"));

    calData = new QCalendarWidget(this);
    calData->setObjectName(QStringLiteral("calData"));
    calData->setGridVisible(true);
    calData->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calData->setFirstDayOfWeek(Qt::Monday);
    calData->setSelectedDate(services.clock.today());
    lblImporta->setBuddy(calData);

    btnImporta = new QPushButton(QStringLiteral("Importa"), this);
    btnImporta->setObjectName(QStringLiteral("btnImporta"));
    btnImporta->setDefault(true);
    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnImporta);
    buttons->addWidget(btnAnnulla);

    auto *column = new QVBoxLayout(this);
    column->addWidget(lblImporta);
    column->addWidget(calData);
    column->addLayout(buttons);

    connect(btnImporta, &QPushButton::clicked, this, &TfrmCalendario::btnImportaClick);
    // The calendar keeps Enter for itself; Enter or a double click on a day
    // imports it, as the default button promises.
    connect(calData, &QCalendarWidget::activated, this, &TfrmCalendario::btnImportaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(sizeHint());
}

void TfrmCalendario::btnImportaClick()
{
    const QString date = calData->selectedDate().toString(QStringLiteral("dd/MM/yyyy"));
    // A key that names nobody leaves the picker open.
    if (m_deliver && m_deliver(lblMemory->text(), {date}))
        accept();
}

void TfrmCalendario::pick(QWidget *owner, Services &services, const QString &key, Deliver deliver)
{
    auto *picker = new TfrmCalendario(services, std::move(deliver), owner);
    picker->lblMemory->setText(key);
    Modal::run(picker);
}

} // namespace lumivista
