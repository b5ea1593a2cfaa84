#include "TfrmCambiaPassword.h"
#include "AppContext.h"
#include "widgets/EnterCycle.h"
#include "widgets/FocusFrame.h"
#include "TfrmPassword.h"
#include "widgets/WindowPlacement.h"
#include "core/Crypt.h"
#include "core/PasswordFile.h"
#include "core/Text.h"
#include "platform/MessageService.h"
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace lumivista {

namespace {
const QString ChangeFailed = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di modifica della password. "
    "Si consiglia di reinstallare il software.");
} // namespace

TfrmCambiaPassword::TfrmCambiaPassword(AppContext &context, QWidget *parent)
    : QWidget(parent, Qt::Window), m_context(context)
{
    setObjectName(QStringLiteral("TfrmCambiaPassword"));
    setWindowTitle(QStringLiteral(" Cambia password"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/logo.svg")));
    WindowPlacement::removeTitleButtons(this);
    setFixedSize(420, 300);

    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setGeometry(24, 24, 64, 64);
    imgLogo->setPixmap(QIcon(QStringLiteral(":/icons/logo.svg")).pixmap(64, 64));

    txtPasswordOld = addEdit(QStringLiteral("txtPasswordOld"), QStringLiteral("Vecchia password:"), 20,
                             lblPasswordOld, effPasswordOld);
    txtPasswordNew = addEdit(QStringLiteral("txtPasswordNew"), QStringLiteral("Nuova password:"), 82,
                             lblPasswordNew, effPasswordNew);
    txtConferma = addEdit(QStringLiteral("txtConferma"), QStringLiteral("Conferma nuova password:"), 144,
                          lblConferma, effConferma);
    // Enter walks the three edits in a ring; it never confirms here.
    new EnterCycle({txtPasswordOld, txtPasswordNew, txtConferma}, this);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(108, 240, 140, 32);
    cmdOK->setEnabled(false);
    cmdOK->setAutoDefault(false);

    cmdEsci = new QPushButton(QStringLiteral("Chiudi"), this);
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    cmdEsci->setGeometry(258, 240, 140, 32);
    cmdEsci->setAutoDefault(false);

    connect(cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdEsciClick);
    setTabOrder(txtPasswordOld, txtPasswordNew);
    setTabOrder(txtPasswordNew, txtConferma);
    setTabOrder(txtConferma, cmdOK);
    setTabOrder(cmdOK, cmdEsci);
}

QLineEdit *TfrmCambiaPassword::addEdit(const QString &name, const QString &caption, int top, QLabel *&label,
                                       FocusFrame *&frame)
{
    label = new QLabel(caption, this);
    label->setObjectName(QStringLiteral("lbl") + name.mid(3));
    label->setGeometry(108, top, 290, 22);
    auto *edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setGeometry(108, top + 24, 290, 28);
    edit->setEchoMode(QLineEdit::Password);
    // The scrambling works on at most 255 characters.
    edit->setMaxLength(255);
    label->setBuddy(edit);
    frame = new FocusFrame(QStringLiteral("eff") + name.mid(3), edit);
    connect(edit, &QLineEdit::textChanged, this, &TfrmCambiaPassword::txtChange);
    return edit;
}

void TfrmCambiaPassword::txtChange()
{
    cmdOK->setEnabled(!Text::trim(txtPasswordOld->text()).isEmpty() && !Text::trim(txtPasswordNew->text()).isEmpty()
                      && !Text::trim(txtConferma->text()).isEmpty());
}

void TfrmCambiaPassword::cmdOKClick()
{
    MessageService &messages = m_context.services().messages;
    const std::optional<QString> stored = PasswordFile::read();
    if (!stored) {
        messages.plain(ChangeFailed);
        return;
    }
    if (!PasswordFile::matches(txtPasswordOld->text(), *stored)) {
        messages.plain(QStringLiteral("Attenzione: vecchia password errata."));
        txtPasswordOld->clear();
        txtPasswordOld->setFocus();
        return;
    }
    const QString newPassword = Text::trim(txtPasswordNew->text());
    if (newPassword != Text::trim(txtConferma->text())) {
        refuseNew(QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. "
                                 "E' necessario reinserire entrambi i valori."));
        return;
    }
    if (newPassword.size() < PasswordFile::MinimumLength) {
        refuseNew(QStringLiteral("Attenzione: la nuova password deve contenere almeno %1 caratteri. "
                                 "E' necessario reinserire entrambi i valori.")
                      .arg(PasswordFile::MinimumLength));
        return;
    }
    // The scrambling keeps one Windows-1252 byte per character: anything else could never be typed back.
    if (!Crypt::isStorable(newPassword)) {
        refuseNew(QStringLiteral("Attenzione: la nuova password contiene caratteri non ammessi. "
                                 "Utilizzare soltanto lettere dell'alfabeto latino (anche accentate), cifre, "
                                 "spazi, segni di punteggiatura e simboli come € o @. "
                                 "E' necessario reinserire entrambi i valori."));
        return;
    }
    if (!PasswordFile::write(newPassword)) {
        messages.plain(ChangeFailed);
        return;
    }
    messages.plain(QStringLiteral("Modifica della password completata con successo."));
    returnToLogin();
}

void TfrmCambiaPassword::refuseNew(const QString &message)
{
    m_context.services().messages.plain(message);
    txtPasswordNew->clear();
    txtConferma->clear();
    txtPasswordNew->setFocus();
}

void TfrmCambiaPassword::cmdEsciClick()
{
    returnToLogin();
}

void TfrmCambiaPassword::returnToLogin()
{
    // The login window is shown before this one goes, so at no moment is no window visible.
    if (auto *login = m_context.get<TfrmPassword>(WindowId::Password))
        login->showAgain();
    hide();
}

void TfrmCambiaPassword::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    WindowPlacement::centreOnScreen(this);
    txtPasswordOld->clear();
    txtPasswordNew->clear();
    txtConferma->clear();
    txtPasswordOld->setFocus();
}

void TfrmCambiaPassword::closeEvent(QCloseEvent *event)
{
    // Closed by the window manager: the same as "Chiudi".
    event->ignore();
    returnToLogin();
}

} // namespace lumivista
