#include "TfrmPassword.h"
#include "AppContext.h"
#include "TfrmAvvio.h"
#include "widgets/FocusFrame.h"
#include "widgets/WindowPlacement.h"
#include "core/PasswordFile.h"
#include "core/Text.h"
#include "platform/MessageService.h"
#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace lumivista {

TfrmPassword::TfrmPassword(AppContext &context, QWidget *parent) : QWidget(parent, Qt::Window), m_context(context)
{
    setObjectName(QStringLiteral("TfrmPassword"));
    setWindowTitle(QStringLiteral(" Lumivista - Autenticazione"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/logo.svg")));
    WindowPlacement::removeTitleButtons(this);
    setFixedSize(420, 230);

    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setGeometry(24, 24, 64, 64);
    imgLogo->setPixmap(QIcon(QStringLiteral(":/icons/logo.svg")).pixmap(64, 64));

    lblPassword = new QLabel(QStringLiteral("Immetti la password e premi OK."), this);
    lblPassword->setObjectName(QStringLiteral("lblPassword"));
    lblPassword->setGeometry(108, 30, 290, 22);

    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setGeometry(108, 60, 290, 28);
    txtPassword->setEchoMode(QLineEdit::Password);
    lblPassword->setBuddy(txtPassword);
    effPassword = new FocusFrame(QStringLiteral("effPassword"), txtPassword);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(108, 120, 140, 32);
    cmdOK->setEnabled(false);

    cmdEsci = new QPushButton(QStringLiteral("Esci"), this);
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    cmdEsci->setGeometry(258, 120, 140, 32);

    btnCambiaPassword = new QPushButton(QStringLiteral("Cambia password"), this);
    btnCambiaPassword->setObjectName(QStringLiteral("btnCambiaPassword"));
    btnCambiaPassword->setGeometry(108, 172, 290, 32);

    // Enter is handled by the edit itself: it acts as OK only for a non-blank text.
    for (QPushButton *button : {cmdOK, cmdEsci, btnCambiaPassword})
        button->setAutoDefault(false);

    txtPassword->installEventFilter(this);
    connect(txtPassword, &QLineEdit::textChanged, this, &TfrmPassword::txtPasswordChange);
    connect(txtPassword, &QLineEdit::returnPressed, this, &TfrmPassword::txtPasswordEnter);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmPassword::cmdEsciClick);
    connect(btnCambiaPassword, &QPushButton::clicked, this, &TfrmPassword::btnCambiaPasswordClick);
}

void TfrmPassword::txtPasswordChange()
{
    cmdOK->setEnabled(!Text::trim(txtPassword->text()).isEmpty());
}

void TfrmPassword::txtPasswordEnter()
{
    if (!Text::trim(txtPassword->text()).isEmpty())
        cmdOKClick();
}

void TfrmPassword::cmdOKClick()
{
    const std::optional<QString> stored = PasswordFile::read();
    if (!stored) {
        m_context.services().messages.plain(QStringLiteral(
            "Attenzione: si è verificato un errore durante la procedura di lettura della password. "
            "Si consiglia di reinstallare il software."));
        return;
    }
    if (!PasswordFile::matches(txtPassword->text(), *stored)) {
        m_context.services().messages.plain(QStringLiteral("Attenzione: password errata."));
        txtPassword->clear();
        txtPassword->setFocus();
        return;
    }
    txtPassword->clear();
    m_context.showHome();
    hide();
    m_context.startDailyBackup([this](const QStringList &problems) {
        if (auto *home = m_context.get<TfrmAvvio>(WindowId::Home))
            home->showBackupProblems(problems);
    });
}

void TfrmPassword::cmdEsciClick()
{
    close();
}

void TfrmPassword::btnCambiaPasswordClick()
{
    if (QWidget *change = m_context.window(WindowId::ChangePassword)) {
        change->show();
        change->raise();
        change->activateWindow();
        hide();
    }
}

void TfrmPassword::showAgain()
{
    txtPassword->clear();
    show();
    raise();
    activateWindow();
    txtPassword->setFocus();
}

void TfrmPassword::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    WindowPlacement::centreOnScreen(this);
    txtPassword->setFocus();
}

void TfrmPassword::closeEvent(QCloseEvent *event)
{
    // The main window: closing it, by "Esci" or by the window manager, ends the program.
    event->accept();
    QCoreApplication::quit();
}

bool TfrmPassword::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtPassword && event->type() == QEvent::KeyRelease)
        txtPasswordChange();
    return QWidget::eventFilter(watched, event);
}

} // namespace lumivista
