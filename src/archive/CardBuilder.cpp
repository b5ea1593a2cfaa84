#include "CardBuilder.h"
#include "archive/CardWindow.h"
#include "widgets/LengthValidator.h"
#include "widgets/KeyboardRules.h"
#include "widgets/PictureButton.h"
#include <QKeySequence>
#include "widgets/ValueLabel.h"
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSvgWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace lumivista {

namespace {

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

bool hasCaptionAbove(const Cell &cell)
{
    return (cell.kind == Cell::Kind::Edit || cell.kind == Cell::Kind::Time) && !cell.text.isEmpty();
}

} // namespace

CardBuilder::CardBuilder(CardWindow &card) : m_card(card), m_layout(card.definition().screen)
{
}

PictureButton *CardBuilder::button(const CommandDef &command, QWidget *parent)
{
    auto *b = new PictureButton(command.name, command.caption, command.icon, command.hint, parent);
    b->setEnabled(command.enabled);
    if (!command.key.isEmpty())
        KeyboardRules::bind(b, QKeySequence(command.key));
    m_card.registerButton(b, b->hint());
    return b;
}

const CommandDef *CardBuilder::fieldCommand(const QString &name) const
{
    for (const CommandDef &c : m_layout.fieldCommands) {
        if (c.name == name)
            return &c;
    }
    qFatal("No field command %s", qPrintable(name));
    return nullptr;
}

int CardBuilder::capacityOf(const QString &controlName) const
{
    const RecordLayout &layout = *m_card.definition().layout;
    const int i = layout.indexOf(controlName.mid(3));
    return i < 0 ? 250 : layout.field(i).capacity;
}

QLayout *CardBuilder::topBar(QWidget *parent)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(8);
    for (const CommandBox &box : m_layout.topBar)
        row->addWidget(commandBox(box, parent));
    row->addStretch(1);
    return row;
}

QWidget *CardBuilder::commandBox(const CommandBox &box, QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setProperty("toolbarGroup", true);
    m_card.addBackground(frame);
    QBoxLayout *line = box.column ? static_cast<QBoxLayout *>(new QVBoxLayout(frame))
                                  : static_cast<QBoxLayout *>(new QHBoxLayout(frame));
    line->setContentsMargins(4, box.column ? 4 : 2, 4, box.column ? 4 : 2);
    line->setSpacing(0);
    if (!box.picture.isEmpty()) {
        line->setContentsMargins(6, 10, 6, 10);
        auto *picture = new QSvgWidget(QStringLiteral(":/icons/%1.svg").arg(box.picture), frame);
        picture->setObjectName(box.pictureName);
        picture->setFixedSize(56, 56);
        line->addWidget(picture, 0, Qt::AlignHCenter);
        line->addSpacing(8);
    }
    for (const CommandDef &command : box.commands) {
        PictureButton *b = button(command, frame);
        if (box.column && box.picture.isEmpty()) {
            // A column of commands reads like a menu: picture, then the caption beside it.
            b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
            b->setIconSize(QSize(24, 24));
            b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            line->addWidget(b);
        } else if (box.column) {
            b->setMinimumWidth(70);
            line->addWidget(b, 0, Qt::AlignHCenter);
        } else {
            b->setMinimumWidth(qMax(54, b->sizeHint().width()));
            line->addWidget(b);
        }
        if (command.name == m_card.definition().commands.previous)
            line->addWidget(m_card.lblPosizione);
    }
    if (box.column)
        line->addStretch(1);
    return frame;
}

void CardBuilder::fields(QWidget *area)
{
    auto *column = new QVBoxLayout(area);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);
    for (const Band &band : m_layout.bands) {
        auto *across = new QHBoxLayout;
        across->setSpacing(10);
        for (const Stack &stack : band.stacks) {
            auto *down = new QVBoxLayout;
            down->setSpacing(10);
            for (const Box &box : stack.boxes) {
                if (const auto *fields = std::get_if<FieldBox>(&box)) {
                    down->addWidget(fieldBox(*fields, area));
                } else if (const auto *commands = std::get_if<CommandBox>(&box)) {
                    down->addWidget(commandBox(*commands, area), 0, commands->alignRight ? Qt::AlignRight : Qt::Alignment());
                } else {
                    down->addStretch(1);
                }
            }
            across->addLayout(down, stack.stretch);
        }
        if (band.packLeft)
            across->addStretch(1);
        column->addLayout(across, band.stretch);
    }
    column->addStretch(1);
}

QWidget *CardBuilder::fieldBox(const FieldBox &box, QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setProperty("fieldGroup", true);
    if (box.width > 0)
        frame->setFixedWidth(box.width);
    m_card.addBackground(frame);
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(10, 6, 10, 8);
    grid->setHorizontalSpacing(box.horizontalSpacing);
    grid->setVerticalSpacing(2);
    int gridRow = 0;
    QLabel *title = nullptr;
    if (!box.title.isEmpty()) {
        title = new QLabel(box.title, frame);
        title->setProperty("heading", true);
        grid->addWidget(title, gridRow++, 0, 1, -1);
    }
    for (const Row &row : box.rows)
        placeRow(grid, frame, row, gridRow);
    if (title && !box.titleLabels.isEmpty()) {
        if (QWidget *target = frame->findChild<QWidget *>(box.titleLabels))
            title->setBuddy(target);
    }
    for (int c = 0; c < box.stretch.size(); ++c)
        grid->setColumnStretch(c, box.stretch.at(c));
    for (int c = 0; c < box.minWidth.size(); ++c)
        grid->setColumnMinimumWidth(c, box.minWidth.at(c));
    grid->setRowStretch(gridRow, 1);
    return frame;
}

void CardBuilder::placeRow(QGridLayout *grid, QWidget *box, const Row &row, int &gridRow)
{
    const bool captions = std::any_of(row.cells.begin(), row.cells.end(), hasCaptionAbove);
    const int controlsRow = captions ? gridRow + 1 : gridRow;
    QLabel *pending = nullptr; // a caption beside the controls, waiting for the control it names
    for (const Cell &cell : row.cells) {
        switch (cell.kind) {
        case Cell::Kind::Text:
        case Cell::Kind::Heading: {
            auto *label = new QLabel(cell.text, box);
            if (!cell.name.isEmpty())
                label->setObjectName(cell.name);
            label->setProperty(cell.kind == Cell::Kind::Heading ? "heading" : (cell.strong ? "rowTitle" : "caption"),
                               true);
            label->setWordWrap(cell.wrap);
            grid->addWidget(label, controlsRow, cell.column, 1, cell.span,
                            cell.centred ? Qt::AlignHCenter : Qt::Alignment());
            // The first caption before a control names it ("€" after a row title does not).
            if (cell.kind == Cell::Kind::Text && !pending)
                pending = label;
            break;
        }
        case Cell::Kind::Check: {
            auto *check = new QCheckBox(cell.text, box);
            check->setObjectName(cell.name);
            if (!cell.hint.isEmpty())
                m_card.setHint(check, cell.hint);
            grid->addWidget(check, controlsRow, cell.column, 1, cell.span);
            break;
        }
        case Cell::Kind::Command: {
            PictureButton *b = button(*fieldCommand(cell.name), box);
            b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
            b->setIconSize(QSize(20, 20));
            grid->addWidget(b, controlsRow, cell.column, 1, cell.span);
            break;
        }
        case Cell::Kind::Edit:
        case Cell::Kind::Time:
        case Cell::Kind::Value: {
            QWidget *widget = control(cell, box);
            if (hasCaptionAbove(cell)) {
                auto *caption = new QLabel(cell.text, box);
                caption->setProperty("caption", true);
                caption->setBuddy(widget);
                grid->addWidget(caption, gridRow, cell.column, 1, cell.span);
            } else if (pending) {
                pending->setBuddy(widget);
                if (cell.accessible.isEmpty() && cell.kind != Cell::Kind::Value)
                    widget->setAccessibleName(pending->text());
            }
            pending = nullptr;
            QWidget *placed = cell.button.isEmpty() ? widget : withButton(widget, cell.button, box);
            grid->addWidget(placed, controlsRow, cell.column, 1, cell.span);
            break;
        }
        }
    }
    gridRow = controlsRow + 1;
}

QWidget *CardBuilder::control(const Cell &cell, QWidget *parent)
{
    QWidget *widget = nullptr;
    if (cell.kind == Cell::Kind::Value) {
        auto *value = new ValueLabel(cell.name, cell.text, parent);
        value->setAlignment((cell.alignRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        widget = value;
    } else if (cell.kind == Cell::Kind::Time) {
        auto *combo = new QComboBox(parent);
        combo->setObjectName(cell.name);
        combo->setEditable(true);
        for (int k = 0; k < cell.limit; ++k)
            combo->addItem(twoDigits(k));
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setMaxVisibleItems(12);
        widget = combo;
    } else {
        auto *edit = new QLineEdit(parent);
        edit->setObjectName(cell.name);
        edit->setValidator(new LengthValidator(cell.limit > 0 ? cell.limit : capacityOf(cell.name), edit));
        edit->setReadOnly(cell.readOnly);
        if (cell.alignRight)
            edit->setAlignment(Qt::AlignRight);
        widget = edit;
    }
    const QString accessible = cell.accessible.isEmpty() ? cell.text : cell.accessible;
    if (cell.kind != Cell::Kind::Value && !accessible.isEmpty())
        widget->setAccessibleName(accessible);
    if (cell.width > 0)
        widget->setFixedWidth(cell.width);
    if (cell.minWidth > 0)
        widget->setMinimumWidth(cell.minWidth);
    return widget;
}

QWidget *CardBuilder::withButton(QWidget *edit, const QString &command, QWidget *parent)
{
    const CommandDef &def = *fieldCommand(command);
    auto *cell = new QWidget(parent);
    auto *row = new QHBoxLayout(cell);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    row->addWidget(edit, 1);
    // The picture alone: its caption is for the screen reader, the hint for everyone.
    CommandDef pictureOnly = def;
    pictureOnly.caption.clear();
    PictureButton *b = button(pictureOnly, cell);
    b->setAccessibleName(def.caption);
    b->setIconSize(QSize(20, 20));
    row->addWidget(b);
    return cell;
}

void CardBuilder::hidden()
{
    QWidget *panel = nullptr;
    for (const QString &name : m_layout.hidden) {
        if (name.startsWith(QLatin1String("txt"))) {
            if (!panel) {
                panel = new QWidget(&m_card);
                panel->setObjectName(QStringLiteral("panFields"));
                panel->setVisible(false);
            }
            auto *edit = new QLineEdit(panel);
            edit->setObjectName(name);
        } else {
            auto *label = new QLabel(&m_card);
            label->setObjectName(name);
            label->setVisible(false);
        }
    }
}

} // namespace lumivista
