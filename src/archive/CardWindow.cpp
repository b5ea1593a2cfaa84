#include "CardWindow.h"
#include "CentredPanel.h"
#include "LengthValidator.h"
#include "PictureButton.h"
#include "app/AppContext.h"
#include "app/TfrmGuida.h"
#include "core/KeyRules.h"
#include "core/Messages.h"
#include "core/ProgramFolder.h"
#include "core/RecordFile.h"
#include "core/Text.h"
#include "platform/MessageService.h"
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QComboBox>
#include <QVBoxLayout>

namespace lumivista {

namespace {

const char *const cardStyle = R"(
#cardPanel { background: #F4F7FB; border: 1px solid #C8D4E6; border-radius: 8px; }
QFrame[toolbarGroup="true"] { background: white; border: 1px solid #C8D4E6; border-radius: 6px; }
QFrame[toolbarGroup="true"] QToolButton { border: none; padding: 2px; font-size: 8pt; }
QFrame[toolbarGroup="true"] QToolButton:hover { background: #E6EEFA; border-radius: 4px; }
QFrame[toolbarGroup="true"] QToolButton:focus { background: #D6E4FA; border-radius: 4px; }
QFrame[fieldGroup="true"] { background: white; border: 1px solid #C8D4E6; border-radius: 6px; }
QLabel[fieldGroup="true"], QLabel[caption="true"] { background: transparent; border: none; color: #1F2A44; }
QLabel[heading="true"] { background: transparent; border: none; color: #3030DD; font-weight: bold; }
#lblPosizione { font-weight: bold; font-size: 11pt; min-width: 48px; border: none; }
#panInfo { background: #3030DD; color: white; font-family: Tahoma, "Liberation Sans"; font-size: 12pt; padding: 3px 8px; }
)";

const char *const highlightStyle = R"(
QLineEdit, QComboBox { background: #F0F8FF; border: 1px solid #87CEEB; padding: 1px 3px; min-height: 20px; }
QLineEdit:focus, QComboBox:focus { background: #FFFF00; }
)";

const char *const plainEditStyle = R"(
QLineEdit, QComboBox { background: white; border: 1px solid #87CEEB; padding: 1px 3px; min-height: 20px; }
)";

} // namespace

CardWindow::CardWindow(AppContext &context, CardDefinition definition, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_context(context)
    , m_def(std::move(definition))
{
    setWindowTitle(m_def.caption);
    buildFrame();
}

CardWindow::~CardWindow() = default;

Services &CardWindow::services() const
{
    return m_context.services();
}

void CardWindow::buildFrame()
{
    setStyleSheet(QLatin1String(cardStyle));
    m_panel = CentredPanel::install(this, QStringLiteral("cardPanel"));
    addBackground(this);
    addBackground(m_panel);

    auto *column = new QVBoxLayout(m_panel);
    column->setContentsMargins(10, 10, 10, 0);
    column->setSpacing(8);

    auto *toolbar = new QHBoxLayout;
    toolbar->setSpacing(8);
    lblPosizione = new QLabel(m_panel);
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione->setAlignment(Qt::AlignCenter);
    lblPosizione->setAccessibleName(QStringLiteral("Posizione"));
    for (const auto &group : m_def.toolbar) {
        auto *box = new QFrame(m_panel);
        box->setProperty("toolbarGroup", true);
        addBackground(box);
        auto *row = new QHBoxLayout(box);
        row->setContentsMargins(4, 2, 4, 2);
        row->setSpacing(0);
        for (const CommandDef &cmd : group) {
            auto *b = new PictureButton(cmd.name, cmd.caption, cmd.icon, cmd.hint, box);
            b->setEnabled(cmd.enabled);
            b->setMinimumWidth(54);
            row->addWidget(b);
            m_buttons.insert(cmd.name, b);
            setHint(b, cmd.hint);
            if (cmd.name == m_def.commands.previous)
                row->addWidget(lblPosizione);
        }
        toolbar->addWidget(box);
    }
    toolbar->addStretch(1);
    column->addLayout(toolbar);

    m_fieldsArea = new QWidget(m_panel);
    m_fieldsArea->setObjectName(QStringLiteral("fieldsArea"));
    addBackground(m_fieldsArea);
    column->addWidget(m_fieldsArea, 1);

    panInfo = new QLabel(m_def.initialHint, m_panel);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    panInfo->setAccessibleName(QStringLiteral("Suggerimento"));
    panInfo->setFixedHeight(28);
    column->addWidget(panInfo);
}

void CardWindow::bindFields()
{
    m_binder = std::make_unique<FieldBinder>(*m_def.layout, this);
    // Wired here, not in the frame, so a card may also place its commands itself.
    const CardCommands &c = m_def.commands;
    const QList<std::pair<QString, void (CardWindow::*)()>> wiring = {
        {c.newRecord, &CardWindow::commandNew}, {c.duplicate, &CardWindow::commandDuplicate},
        {c.save, &CardWindow::commandSave},     {c.first, &CardWindow::commandFirst},
        {c.previous, &CardWindow::commandPrevious}, {c.next, &CardWindow::commandNext},
        {c.last, &CardWindow::commandLast},     {c.help, &CardWindow::commandHelp},
    };
    for (const auto &[name, slot] : wiring) {
        if (auto *b = button(name))
            connect(b, &QToolButton::clicked, this, slot);
    }
    if (auto *b = button(c.close))
        connect(b, &QToolButton::clicked, this, &QWidget::close);
    m_fieldsArea->setStyleSheet(QLatin1String(m_def.highlight ? highlightStyle : plainEditStyle));
    for (const QString &name : m_def.enterCycle) {
        QWidget *w = field(name);
        Q_ASSERT_X(w, "bindFields", qPrintable(name));
        m_cycle.append(w);
        w->installEventFilter(this);
    }
    for (const QString &name : m_def.digitOnly) {
        QWidget *w = field(name);
        Q_ASSERT_X(w, "bindFields", qPrintable(name));
        m_digitOnly.append(w);
        w->installEventFilter(this);
    }
    m_panel->setFixedSize(m_panel->sizeHint());
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

void CardWindow::setHint(QWidget *widget, const QString &hint)
{
    widget->setToolTip(hint);
    if (widget->accessibleDescription().isEmpty())
        widget->setAccessibleDescription(hint);
    m_hints.insert(widget, hint);
    // Moves over the control must not reach the background behind it, or the
    // hint would vanish as soon as the mouse stirs.
    widget->setAttribute(Qt::WA_NoMousePropagation);
    widget->installEventFilter(this);
}

void CardWindow::addBackground(QWidget *widget)
{
    widget->setMouseTracking(true);
    m_background.insert(widget);
    widget->installEventFilter(this);
}

QLabel *CardWindow::captionFor(QWidget *edit, const QString &caption, QWidget *parent)
{
    auto *label = new QLabel(caption, parent ? parent : edit->parentWidget());
    label->setProperty("caption", true);
    label->setBuddy(edit);
    edit->setAccessibleName(caption);
    return label;
}

QLineEdit *CardWindow::newEdit(QWidget *parent, const QString &name, int limit)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setValidator(new LengthValidator(limit, edit));
    return edit;
}

QWidget *CardWindow::withButton(QWidget *edit, const CommandDef &command, QWidget *parent)
{
    auto *cell = new QWidget(parent ? parent : edit->parentWidget());
    auto *row = new QHBoxLayout(cell);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    row->addWidget(edit, 1);
    auto *b = new PictureButton(command.name, QString(), command.icon, command.hint, cell);
    b->setAccessibleName(command.caption);
    b->setIconSize(QSize(20, 20));
    b->setEnabled(command.enabled);
    setHint(b, command.hint);
    row->addWidget(b);
    return cell;
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
    const bool warn = m_def.warnOnFirstAndSaveFailure && (command == Command::First || command == Command::Save);
    if (warn)
        services().messages.warning(Messages::accessFailure());
    else
        services().messages.error(Messages::accessFailure());
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
    } catch (const ArchiveError &) {
        showAccessFailure(Command::Save);
    }
}

void CardWindow::loadAt(qint64 index)
{
    // Callers hold no file: this opens, reads and closes for one step.
    RecordFile file(archivePath(), *m_def.layout);
    file.seek(index);
    const Record record = file.read();
    file.close();
    loadRecord(record, index + 1);
}

void CardWindow::commandFirst()
{
    try {
        RecordFile file(archivePath(), *m_def.layout);
        if (file.count() == 0) {
            file.close();
            services().messages.information(Messages::emptyArchive());
            return;
        }
        file.seek(0);
        const Record record = file.read();
        file.close();
        loadRecord(record, 1);
    } catch (const ArchiveError &) {
        showAccessFailure(Command::First);
    }
}

void CardWindow::commandLast()
{
    try {
        RecordFile file(archivePath(), *m_def.layout);
        const qint64 count = file.count();
        if (count == 0) {
            file.close();
            services().messages.information(Messages::emptyArchive());
            return;
        }
        file.seek(count - 1);
        const Record record = file.read();
        file.close();
        loadRecord(record, count);
    } catch (const ArchiveError &) {
        showAccessFailure(Command::Last);
    }
}

void CardWindow::commandNext()
{
    try {
        RecordFile file(archivePath(), *m_def.layout);
        const qint64 count = file.count();
        const qint64 p = position().toLongLong(); // 0 when empty
        if (count == 0) {
            lblPosizione->clear();
            file.close();
            services().messages.information(Messages::emptyArchive());
            return;
        }
        if (p < count) {
            file.seek(p);
            const Record record = file.read();
            file.close();
            loadRecord(record, p + 1);
            return;
        }
        file.close();
    } catch (const ArchiveError &) {
        showAccessFailure(Command::Next);
    }
}

void CardWindow::commandPrevious()
{
    try {
        RecordFile file(archivePath(), *m_def.layout);
        const QString pos = position();
        if (pos == QLatin1String("1")) {
            file.close();
            return;
        }
        const qint64 count = file.count();
        if (count == 0) {
            file.close();
            services().messages.information(Messages::emptyArchive());
            return;
        }
        const qint64 index = pos.isEmpty() ? 0 : pos.toLongLong() - 2;
        file.seek(index);
        const Record record = file.read();
        file.close();
        loadRecord(record, index + 1);
    } catch (const ArchiveError &) {
        showAccessFailure(Command::Previous);
    }
}

void CardWindow::commandHelp()
{
    TfrmGuida::showHelp(this, services(), m_def.helpTitle, m_def.helpText);
}

bool CardWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Enter:
        if (auto it = m_hints.constFind(watched); it != m_hints.constEnd()) {
            panInfo->setText(*it);
            return false;
        }
        break;
    case QEvent::MouseMove:
        if (m_background.contains(watched))
            panInfo->clear();
        break;
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
        if (m_digitOnly.contains(w) && !KeyRules::passes(key->key(), key->text(), u"0123456789"))
            return true;
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
    if (!event->spontaneous())
        prepareShow();
}

void CardWindow::closeEvent(QCloseEvent *event)
{
    beforeClose();
    event->accept();
    QWidget::closeEvent(event);
    m_context.showHome();
}

} // namespace lumivista
