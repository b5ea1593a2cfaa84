#pragma once
#include <QString>

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
};

} // namespace lumivista
