#include "TypingRules.h"
#include "core/Amount.h"
#include "core/KeyRules.h"
#include "core/Text.h"
#include <QKeyEvent>
#include <QLineEdit>

namespace lumivista {

namespace {

void keep(QLineEdit *edit, QString (*transform)(const QString &))
{
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit, transform](const QString &text) {
        const QString wanted = transform(text);
        if (wanted == text)
            return;
        const int cursor = edit->cursorPosition();
        edit->setText(wanted);
        edit->setCursorPosition(qMin(cursor, int(wanted.size())));
    });
}

/** Lives as a child of the edit it guards. */
class DigitFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            // Tab and Shift+Tab pass, so the keyboard is never trapped in the field.
            if (!KeyRules::isEnter(key->key()) && !KeyRules::isNavigationOnly(key->key())
                && !KeyRules::passes(key->key(), key->text(), u"0123456789"))
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

/** Lives as a child of the edit it serves. */
class StartWhenLeft : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusOut)
            static_cast<QLineEdit *>(watched)->setCursorPosition(0);
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void TypingRules::keepTrimmed(QLineEdit *edit)
{
    keep(edit, [](const QString &text) { return Text::trim(text); });
}

void TypingRules::keepUpperCase(QLineEdit *edit)
{
    keep(edit, [](const QString &text) { return Text::upperAZ(Text::trim(text)); });
}

bool TypingRules::amountKey(QLineEdit *edit, const QKeyEvent *key)
{
    const bool keypad = key->modifiers() & Qt::KeypadModifier;
    const bool decimal = key->text() == QLatin1String(".")
                         || (keypad && (key->key() == Qt::Key_Comma || key->key() == Qt::Key_Period));
    if (!decimal)
        return !Amount::keyPasses(key->key(), key->text());
    QString kept = edit->text();
    if (edit->hasSelectedText())
        kept.remove(edit->selectionStart(), edit->selectedText().size());
    if (!kept.contains(QLatin1Char(',')))
        edit->insert(QStringLiteral(","));
    return true;
}

void TypingRules::showStartWhenLeft(QLineEdit *edit)
{
    edit->installEventFilter(new StartWhenLeft(edit));
}

void TypingRules::digitsOnly(QWidget *edit)
{
    edit->installEventFilter(new DigitFilter(edit));
}

} // namespace lumivista
