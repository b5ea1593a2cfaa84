#include "TfrmNumerazione.h"
#include "widgets/LengthValidator.h"
#include "widgets/Modal.h"
#include "widgets/WindowPlacement.h"
#include "core/Messages.h"
#include "core/Numbering.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "platform/MessageService.h"
#include "platform/Services.h"
#include <QFocusEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

namespace lumivista {

namespace {

std::optional<PrescriptionKind> kindOf(const QString &key)
{
    if (key == QLatin1String("occhiali"))
        return PrescriptionKind::Glasses;
    if (key == QLatin1String("lenti"))
        return PrescriptionKind::Lenses;
    return std::nullopt;
}

} // namespace

TfrmNumerazione::TfrmNumerazione(Services &services, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmNumerazione"));
    setWindowTitle(QStringLiteral(" Imposta inizio numerazione"));
    WindowPlacement::removeTitleButtons(this);

    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    grpNumerazione = new QGroupBox(QStringLiteral(" Inizia numerazione da: "), this);
    grpNumerazione->setObjectName(QStringLiteral("grpNumerazione"));

    effInizio = new QFrame(grpNumerazione);
    effInizio->setObjectName(QStringLiteral("effInizio"));
    effInizio->setProperty("focusFrame", true);
    effInizio->setAttribute(Qt::WA_TransparentForMouseEvents);
    effInizio->hide();

    txtInizio = new QLineEdit(QStringLiteral("1"), grpNumerazione);
    txtInizio->setObjectName(QStringLiteral("txtInizio"));
    txtInizio->setAccessibleName(QStringLiteral("Inizia numerazione da:"));
    txtInizio->setAlignment(Qt::AlignCenter);
    txtInizio->setValidator(new LengthValidator(5, txtInizio));
    QFont bold = txtInizio->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    txtInizio->setFont(bold);
    txtInizio->setFixedWidth(110);
    txtInizio->installEventFilter(this);

    auto *groupRow = new QHBoxLayout(grpNumerazione);
    groupRow->setContentsMargins(20, 16, 20, 16);
    groupRow->addStretch(1);
    groupRow->addWidget(txtInizio);
    groupRow->addStretch(1);

    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnAnnulla->setAutoDefault(false);
    btnApplica = new QPushButton(QStringLiteral("Applica e chiudi"), this);
    btnApplica->setObjectName(QStringLiteral("btnApplica"));
    btnApplica->setAutoDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnAnnulla);
    buttons->addStretch(1);
    buttons->addWidget(btnApplica);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(14, 12, 14, 12);
    column->setSpacing(12);
    column->addWidget(grpNumerazione);
    column->addLayout(buttons);

    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnApplica, &QPushButton::clicked, this, &TfrmNumerazione::btnApplicaClick);

    setFixedSize(qMax(sizeHint().width(), 320), sizeHint().height());
}

void TfrmNumerazione::edit(QWidget *owner, Services &services, const QString &key, const QString &caption)
{
    auto *window = new TfrmNumerazione(services, owner);
    window->lblMemory->setText(key);
    window->setWindowTitle(caption);
    Modal::run(window);
}

void TfrmNumerazione::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::WindowTitleChange)
        return;
    // Wide enough for the caption the cards give it, so the title bar shows it whole.
    QFont title = font();
    title.setBold(true);
    const int needed = QFontMetrics(title).horizontalAdvance(windowTitle()) + 140;
    if (needed > width())
        setFixedWidth(needed);
}

void TfrmNumerazione::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmNumerazione::FormShow()
{
    if (const auto kind = kindOf(lblMemory->text())) {
        const std::optional<QString> stored = Settings::numberingStart(*kind);
        const QString start = Text::trim(stored.value_or(QString()));
        txtInizio->setText(start.isEmpty() ? QStringLiteral("1") : start);
        // A settings file that cannot be read is not a fresh one: say so, or "1"
        // would pass for the value in force.
        if (!stored)
            m_services.messages.warning(Messages::accessFailure());
    }
    txtInizio->setFocus(Qt::OtherFocusReason);
    txtInizio->selectAll();
}

void TfrmNumerazione::txtInizioExit()
{
    effInizio->hide();
    txtInizio->setText(Numbering::normaliseStart(txtInizio->text()));
}

void TfrmNumerazione::btnApplicaClick()
{
    // The button takes the focus from the field, so the value written is the normalised one.
    txtInizioExit();
    if (const auto kind = kindOf(lblMemory->text())) {
        // A value that did not reach the file must not pass for set: the window
        // stays open, so the user can try again or cancel.
        if (!Settings::writeNumberingStart(*kind, Text::trim(txtInizio->text()))) {
            m_services.messages.warning(Messages::accessFailure());
            return;
        }
    }
    accept();
}

bool TfrmNumerazione::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != txtInizio)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        effInizio->show();
        break;
    case QEvent::FocusOut: {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            txtInizioExit();
        else
            effInizio->hide();
        break;
    }
    case QEvent::Move:
    case QEvent::Resize:
        effInizio->setGeometry(txtInizio->geometry().adjusted(-5, -5, 5, 5));
        effInizio->stackUnder(txtInizio);
        break;
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            btnApplica->setFocus(Qt::TabFocusReason);
            return true;
        }
        // Tab still moves on, so the keyboard can always leave the field.
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            break;
        if (!Numbering::keyPasses(key->key(), key->text()))
            return true;
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace lumivista
