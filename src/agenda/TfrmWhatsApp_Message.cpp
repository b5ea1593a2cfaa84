#include "TfrmWhatsApp_Message.h"
#include "widgets/Modal.h"
#include "widgets/PictureButton.h"
#include "core/Text.h"
#include "core/WhatsAppLink.h"
#include "platform/Services.h"
#include "platform/ShellService.h"
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumivista {

namespace {

QLabel *banner(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setProperty("banner", true);
    return label;
}

} // namespace

TfrmWhatsApp_Message::TfrmWhatsApp_Message(Services &services, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmWhatsApp_Message"));
    setWindowTitle(QStringLiteral(" Invio messaggio di WhatsApp"));

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(16, 16, 16, 16);
    column->setSpacing(8);

    const auto edit = [this](const char *name) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setReadOnly(true);
        e->setMinimumWidth(300);
        return e;
    };
    // One grid, so the captions of both sections line up.
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    const auto row = [this, grid](const QString &caption, QLineEdit *e) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(e);
        e->setAccessibleName(caption);
        const int r = grid->rowCount();
        grid->addWidget(label, r, 0, Qt::AlignRight);
        grid->addWidget(e, r, 1);
    };
    grid->addWidget(banner(QStringLiteral("PROMEMORIA APPUNTAMENTO"), this), 0, 0, 1, 2);
    txtData = edit("txtData");
    txtOra = edit("txtOra");
    row(QStringLiteral("Data appuntamento:"), txtData);
    row(QStringLiteral("Ora appuntamento:"), txtOra);
    grid->addWidget(banner(QStringLiteral("DATI CLIENTE"), this), grid->rowCount(), 0, 1, 2);
    txtContatto = edit("txtContatto");
    txtCel = edit("txtCel");
    row(QStringLiteral("Cognome e nome:"), txtContatto);
    row(QStringLiteral("Cellulare:"), txtCel);
    column->addLayout(grid);

    btnWhatsApp = new PictureButton(QStringLiteral("btnWhatsApp"), QStringLiteral("Invia messaggio"),
                                    QStringLiteral("whatsapp"),
                                    QStringLiteral("Invia il promemoria dell'appuntamento al cliente tramite WhatsApp."),
                                    this);
    btnWhatsApp->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    btnWhatsApp->setIconSize(QSize(40, 40));
    btnWhatsApp->setAutoRaise(false);
    btnWhatsApp->setFocusPolicy(Qt::StrongFocus);
    btnWhatsApp->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    column->addSpacing(6);
    column->addWidget(btnWhatsApp);

    btnChiudi = new QPushButton(QStringLiteral("Annulla"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    // Enter must not cancel the reminder behind the user's back; Escape still does.
    btnChiudi->setAutoDefault(false);
    column->addWidget(btnChiudi, 0, Qt::AlignRight);

    connect(btnWhatsApp, &QToolButton::clicked, this, &TfrmWhatsApp_Message::btnWhatsAppClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(sizeHint());
    // The fields are only to be checked: the window opens on the send button.
    btnWhatsApp->setFocus(Qt::OtherFocusReason);
}

void TfrmWhatsApp_Message::btnWhatsAppClick()
{
    m_services.shell.open(WhatsAppLink::reminder(Text::trim(txtCel->text()), Text::trim(txtOra->text()),
                                                 Text::trim(txtData->text())));
    accept();
}

void TfrmWhatsApp_Message::remind(QWidget *owner, Services &services, const QString &data, const QString &ora,
                                  const QString &contatto, const QString &cel)
{
    auto *window = new TfrmWhatsApp_Message(services, owner);
    window->txtData->setText(Text::trim(data));
    window->txtOra->setText(Text::trim(ora));
    window->txtContatto->setText(Text::trim(contatto));
    window->txtCel->setText(Text::trim(cel));
    Modal::run(window);
}

} // namespace lumivista
