#include "CodeCheckWindow.h"
#include "core/KeyRules.h"
#include "platform/MessageService.h"
#include "platform/Services.h"
#include "widgets/LengthValidator.h"
#include "widgets/WindowPlacement.h"
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace lumivista {

CodeCheckWindow::CodeCheckWindow(Services &services, const Look &look, const QString &text, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
{
    setObjectName(look.windowName);
    setWindowTitle(look.caption);
    setProperty("checkWindow", true);

    imgBanner = new QLabel(look.title, this);
    imgBanner->setObjectName(QStringLiteral("imgBanner"));
    imgBanner->setProperty("checkBanner", true);
    lblIstruzioni = new QLabel(look.instruction, this);
    lblIstruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
    lblIstruzioni->setWordWrap(true);

    edit = new QLineEdit(this);
    edit->setObjectName(look.editName);
    // A longer text from the card is shown whole; typing stops at the limit.
    edit->setValidator(new LengthValidator(look.limit, edit));
    QFont big = edit->font();
    big.setPointSize(20);
    big.setBold(true);
    edit->setFont(big);
    edit->setAccessibleName(look.title);
    lblIstruzioni->setBuddy(edit);
    edit->installEventFilter(this);

    btnControlla = new QPushButton(QStringLiteral("Controlla"), this);
    btnControlla->setObjectName(QStringLiteral("btnControlla"));
    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    // Enter belongs to the edit's own rule, never to a default button.
    for (QPushButton *b : {btnControlla, btnChiudi})
        b->setAutoDefault(false);

    auto *line = new QHBoxLayout;
    line->addWidget(edit, 1);
    line->addWidget(btnControlla);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(18, 14, 18, 14);
    column->addWidget(imgBanner);
    column->addWidget(lblIstruzioni);
    column->addLayout(line);
    column->addStretch(1);
    column->addWidget(btnChiudi, 0, Qt::AlignHCenter);
    setFixedSize(478, 254);

    edit->setText(text);
    connect(btnControlla, &QPushButton::clicked, this, &CodeCheckWindow::btnControllaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
}

void CodeCheckWindow::refuseLength(const QString &message)
{
    services().messages.warning(message);
    edit->setFocus(Qt::OtherFocusReason);
}

void CodeCheckWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    WindowPlacement::centreOnScreen(this);
    edit->setFocus(Qt::OtherFocusReason);
}

bool CodeCheckWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == edit && event->type() == QEvent::KeyPress
        && KeyRules::isEnter(static_cast<QKeyEvent *>(event)->key())) {
        btnControlla->setFocus(Qt::TabFocusReason);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace lumivista
