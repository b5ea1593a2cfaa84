#include "CardWindow.h"
#include "archive/RecordListWindow.h"
#include "archive/CardBuilder.h"
#include "archive/ExportWindow.h"
#include "archive/WindowRegistry.h"
#include "core/KeyRules.h"
#include "core/Messages.h"
#include "core/ProgramFolder.h"
#include "core/RecordFile.h"
#include "core/Text.h"
#include "platform/MessageService.h"
#include "platform/Services.h"
#include "widgets/CentredPanel.h"
#include "widgets/TfrmGuida.h"
#include "widgets/TypingRules.h"
#include "widgets/ValueLabel.h"
#include <QCloseEvent>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace lumivista {

CardWindow::CardWindow(WindowRegistry &registry, CardDefinition definition, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_registry(registry)
    , m_def(std::move(definition))
{
    setWindowTitle(m_def.caption);
    buildScreen();
    bindFields();
}

CardWindow::~CardWindow() = default;

Services &CardWindow::services() const
{
    return m_registry.services();
}

void CardWindow::buildScreen()
{
    m_panel = CentredPanel::install(this, QStringLiteral("cardPanel"));
    panInfo = new HintStrip(m_def.initialHint, m_panel);
    addBackground(this);
    addBackground(m_panel);

    auto *column = new QVBoxLayout(m_panel);
    column->setContentsMargins(10, 10, 10, 0);
    column->setSpacing(8);

    lblPosizione = new ValueLabel(QStringLiteral("lblPosizione"), QStringLiteral("Posizione"), m_panel);
    lblPosizione->setAlignment(Qt::AlignCenter);

    CardBuilder builder(*this);
    if (!m_def.screen.topBar.isEmpty())
        column->addLayout(builder.topBar(m_panel));

    auto *fieldsArea = new QWidget(m_panel);
    fieldsArea->setObjectName(QStringLiteral("fieldsArea"));
    fieldsArea->setProperty("highlight", m_def.highlight);
    addBackground(fieldsArea);
    builder.fields(fieldsArea);
    column->addWidget(fieldsArea, 1);
    builder.hidden();

    column->addWidget(panInfo);
}

void CardWindow::bindFields()
{
    m_binder = std::make_unique<FieldBinder>(*m_def.layout, this);
    const CardCommands &c = m_def.commands;
    const QList<std::pair<QString, void (CardWindow::*)()>> wiring = {
        {c.newRecord, &CardWindow::commandNew}, {c.duplicate, &CardWindow::commandDuplicate},
        {c.save, &CardWindow::commandSave},     {c.first, &CardWindow::commandFirst},
        {c.previous, &CardWindow::commandPrevious}, {c.next, &CardWindow::commandNext},
        {c.last, &CardWindow::commandLast},     {c.help, &CardWindow::commandHelp},
        {c.exportArchive, &CardWindow::commandExport},
    };
    for (const auto &[name, slot] : wiring) {
        if (auto *b = button(name))
            connect(b, &QToolButton::clicked, this, slot);
    }
    if (auto *b = button(c.close))
        connect(b, &QToolButton::clicked, this, &QWidget::close);
    for (const auto &[name, member] : m_def.lists) {
        PictureButton *b = button(name);
        Q_ASSERT_X(b, "bindFields", qPrintable(name));
        connect(b, &QToolButton::clicked, this,
                [this, member = member] { RecordListWindow::run(m_registry, member, m_def.key, this); });
    }
    for (const QString &name : m_def.enterCycle) {
        QWidget *w = field(name);
        Q_ASSERT_X(w, "bindFields", qPrintable(name));
        m_cycle.append(w);
        w->installEventFilter(this);
    }
    for (const QString &name : m_def.digitOnly) {
        QWidget *w = field(name);
        Q_ASSERT_X(w, "bindFields", qPrintable(name));
        TypingRules::digitsOnly(w);
    }
    m_panel->setFixedSize(m_panel->sizeHint());
}

void CardWindow::registerButton(PictureButton *button, const QString &hint)
{
    m_buttons.insert(button->objectName(), button);
    setHint(button, hint);
}

PictureButton *CardWindow::button(const QString &name) const
{
    if (PictureButton *b = m_buttons.value(name))
        return b;
    return findChild<PictureButton *>(name);
}

QWidget *CardWindow::field(const QString &controlName) const
{
    return findChild<QWidget *>(controlName);
}

QString CardWindow::position() const
{
    return Text::trim(lblPosizione->text());
}

QString CardWindow::archivePath() const
{
    return ProgramFolder::file(m_def.layout->archiveFileName());
}

void CardWindow::focusControl(const QString &name)
{
    if (QWidget *w = field(name))
        w->setFocus(Qt::OtherFocusReason);
}

void CardWindow::showAccessFailure(Command command)
{
    showAccessFailure(command, ArchiveError(QString()));
}

void CardWindow::showAccessFailure(Command command, const ArchiveError &error)
{
    const QString text = Messages::accessFailure(error);
    const bool warn = m_def.warnOnFirstAndSaveFailure && (command == Command::First || command == Command::Save);
    if (warn)
        services().messages.warning(text);
    else
        services().messages.error(text);
}

void CardWindow::loadRecord(const Record &record, qint64 position)
{
    m_binder->load(record);
    lblPosizione->setText(QString::number(position));
}

void CardWindow::clearCard()
{
    m_binder->clear();
    lblPosizione->clear();
}

void CardWindow::prepareNew()
{
    clearCard();
    focusControl(m_def.focusOnNew);
}

void CardWindow::prepareShow()
{
    prepareNew();
}

void CardWindow::commandNew()
{
    prepareNew();
}

void CardWindow::commandDuplicate()
{
    if (position().isEmpty()) {
        services().messages.warning(m_def.duplicateRefusal);
        return;
    }
    if (!beforeDuplicate())
        return;
    for (const QString &name : m_def.duplicateClears) {
        if (QWidget *w = field(name))
            FieldBinder::setText(w, QString());
    }
    lblPosizione->clear();
    afterDuplicate();
    focusControl(m_def.focusOnDuplicate.isEmpty() ? m_def.focusOnNew : m_def.focusOnDuplicate);
    services().messages.information(Messages::duplicated());
}

void CardWindow::commandSave()
{
    prepareSave();
    for (const RequiredField &req : m_def.required) {
        QWidget *w = field(req.control);
        if (Text::trim(FieldBinder::text(w)).isEmpty()) {
            services().messages.warning(req.message);
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    if (!beforeSave())
        return;
    const Record record = m_binder->store();
    try {
        RecordFile file(archivePath(), *m_def.layout);
        const QString pos = position();
        bool ok = false;
        const qint64 p = pos.toLongLong(&ok);
        if (!pos.isEmpty() && ok && p >= 1) {
            file.seek(p - 1);
            file.write(record);
            file.close();
            services().messages.information(Messages::recordUpdated());
        } else {
            const qint64 count = file.count();
            file.seek(count);
            file.write(record);
            lblPosizione->setText(QString::number(count + 1));
            file.close();
            services().messages.information(Messages::recordInserted());
        }
    } catch (const ArchiveError &error) {
        showAccessFailure(Command::Save, error);
    }
}

void CardWindow::move(Command command)
{
    try {
        RecordFile file(archivePath(), *m_def.layout);
        const QString pos = position();
        // From the first record Previous goes nowhere, archive empty or not.
        if (command == Command::Previous && pos == QLatin1String("1")) {
            file.close();
            return;
        }
        const qint64 count = file.count();
        if (count == 0) {
            if (command == Command::Next)
                lblPosizione->clear();
            file.close();
            services().messages.information(Messages::emptyArchive());
            return;
        }
        const qint64 p = pos.toLongLong(); // 0 for a card not stored yet
        qint64 index = 0;
        switch (command) {
        case Command::First:
            index = 0;
            break;
        case Command::Last:
            index = count - 1;
            break;
        case Command::Next:
            if (p >= count) { // the last record is shown already
                file.close();
                return;
            }
            index = p;
            break;
        case Command::Previous:
            index = p == 0 ? 0 : p - 2;
            break;
        default:
            return;
        }
        file.seek(index);
        const Record record = file.read();
        file.close();
        loadRecord(record, index + 1);
    } catch (const ArchiveError &error) {
        showAccessFailure(command, error);
    }
}

void CardWindow::commandFirst()
{
    move(Command::First);
}

void CardWindow::commandLast()
{
    move(Command::Last);
}

void CardWindow::commandNext()
{
    move(Command::Next);
}

void CardWindow::commandPrevious()
{
    move(Command::Previous);
}

void CardWindow::commandExport()
{
    if (m_def.exportMember.isValid())
        ExportWindow::open(this, services(), m_def.exportMember);
}

void CardWindow::commandHelp()
{
    TfrmGuida::showHelp(this, services(), m_def.helpTitle, m_def.helpText);
}

bool CardWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        auto *w = qobject_cast<QWidget *>(watched);
        if (!w)
            break;
        if (handleKey(w, key))
            return true;
        if (KeyRules::isEnter(key->key())) {
            const auto i = m_cycle.indexOf(w);
            if (i < 0)
                break;
            if (!handleEnter(w))
                m_cycle.at((i + 1) % m_cycle.size())->setFocus(Qt::TabFocusReason);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void CardWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        // A hint left from the last time the card was open would describe nothing.
        panInfo->reset();
        prepareShow();
    }
}

void CardWindow::closeEvent(QCloseEvent *event)
{
    beforeClose();
    event->accept();
    QWidget::closeEvent(event);
    m_registry.showHome();
}

} // namespace lumivista
