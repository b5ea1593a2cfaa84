#include "TypingRules.h"
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
            if (!KeyRules::isEnter(key->key()) && !KeyRules::passes(key->key(), key->text(), u"0123456789"))
                return true;
        }
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

void TypingRules::digitsOnly(QWidget *edit)
{
    edit->installEventFilter(new DigitFilter(edit));
}

} // namespace lumivista
