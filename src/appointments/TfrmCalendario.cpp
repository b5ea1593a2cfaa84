#include "TfrmCalendario.h"
#include "app/AppContext.h"
#include "app/WindowPlacement.h"
#include "archive/FieldBinder.h"
#include "platform/ClockService.h"
#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumivista {

namespace {

struct DateTarget
{
    const char *key;
    WindowId window;
    const char *field;
};

/** The keys are the hand-over between the cards and the picker. */
constexpr DateTarget dateTargets[] = {
    {"data", WindowId::Appointments, "txtData"},
    {"occhiali_data", WindowId::Glasses, "txtData"},
    {"occhiali_consegna", WindowId::Glasses, "txtConsegna"},
    {"lenti_data", WindowId::Lenses, "txtData"},
    {"lenti_consegna", WindowId::Lenses, "txtConsegna"},
};

} // namespace

TfrmCalendario::TfrmCalendario(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
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
    calData->setSelectedDate(context.services().clock.today());
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

QWidget *TfrmCalendario::target(AppContext &context, const QString &key)
{
    for (const DateTarget &t : dateTargets) {
        if (key != QLatin1String(t.key))
            continue;
        QWidget *card = context.window(t.window);
        return card ? card->findChild<QWidget *>(QLatin1String(t.field)) : nullptr;
    }
    return nullptr;
}

void TfrmCalendario::btnImportaClick()
{
    QWidget *field = target(m_context, lblMemory->text());
    if (!field)
        return; // an unknown key leaves the picker open
    FieldBinder::setText(field, calData->selectedDate().toString(QStringLiteral("dd/MM/yyyy")));
    accept();
}

void TfrmCalendario::pick(QWidget *owner, AppContext &context, const QString &key)
{
    TfrmCalendario picker(context, owner);
    picker.lblMemory->setText(key);
    WindowPlacement::centreOver(&picker, owner);
    picker.exec();
}

} // namespace lumivista
