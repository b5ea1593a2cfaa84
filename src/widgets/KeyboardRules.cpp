#include "KeyboardRules.h"
#include "core/KeyRules.h"
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextEdit>
#include <QToolButton>

namespace lumivista {

namespace {

bool typesText(QObject *watched)
{
    return qobject_cast<QLineEdit *>(watched) || qobject_cast<QPlainTextEdit *>(watched)
           || qobject_cast<QTextEdit *>(watched) || qobject_cast<QAbstractSpinBox *>(watched)
           || qobject_cast<QComboBox *>(watched);
}

} // namespace

void KeyboardRules::install(QApplication &app)
{
    if (app.findChild<KeyboardRules *>(QString(), Qt::FindDirectChildrenOnly))
        return;
    app.installEventFilter(new KeyboardRules(&app));
}

void KeyboardRules::bind(QAbstractButton *button, const QKeySequence &key)
{
    // A shortcut of our own rather than the button's: it presses at once, and
    // leaves the focus where the user was typing.
    auto *shortcut = new QShortcut(key, button);
    connect(shortcut, &QShortcut::activated, button, [button] {
        if (button->isEnabled() && button->isVisible())
            button->click();
    });
    const QString hint = QStringLiteral("%1 (%2)").arg(button->toolTip(), key.toString(QKeySequence::NativeText));
    button->setToolTip(hint);
    button->setAccessibleDescription(hint);
}

bool KeyboardRules::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget)
        return false;
    if (KeyRules::isEnter(key->key()) && widget == QApplication::focusWidget()
        && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        auto *button = qobject_cast<QAbstractButton *>(widget);
        if (button && (qobject_cast<QPushButton *>(button) || qobject_cast<QToolButton *>(button))) {
            if (button->isEnabled())
                button->click();
            return true;
        }
    }
    const Qt::KeyboardModifiers chord = key->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier);
    if (chord == Qt::AltModifier && !key->text().isEmpty() && key->text().at(0).isPrint() && typesText(widget))
        return true;
    return false;
}

} // namespace lumivista
