#pragma once
#include <QString>

class QKeyEvent;
class QLineEdit;
class QWidget;

namespace lumivista {

/** The typing rules of the edits, in one place: text kept trimmed or in capitals
 *  as it is typed (so what is seen is what is stored), and digit-only fields that
 *  swallow every other key. */
class TypingRules
{
public:
    /** No blanks at either end, at every change. */
    static void keepTrimmed(QLineEdit *edit);
    /** Trimmed, with a to z in capitals, at every change. */
    static void keepUpperCase(QLineEdit *edit);
    /** Only "0" to "9", Backspace, Delete, Left and Right reach the edit; Enter
     *  still reaches whatever handles it. */
    static void digitsOnly(QWidget *edit);
    /** A field narrower than some values shows each from its start once the
     *  focus leaves it, never with the start scrolled out of view. */
    static void showStartWhenLeft(QLineEdit *edit);
    /** The keys of an amount field: digits, the decimal comma and the editing
     *  keys. The point and the keypad's decimal key type the comma while the
     *  field has none, so "12.50" is never taken for 1250. True when the key was
     *  dealt with here and must go no further. */
    static bool amountKey(QLineEdit *edit, const QKeyEvent *key);
};

} // namespace lumivista
