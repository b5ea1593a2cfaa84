#pragma once
#include <QString>
#include <QStringView>

namespace lumivista {

/** Which keys the restricted fields let through. Shared by the digit-only,
 *  amount, numbering, date and time fields so they all agree. */
class KeyRules
{
public:
    static bool isEnter(int key);
    /** Tab, Shift+Tab and bare modifier or lock keys: they never edit a field,
     *  so a restricted field still lets the keyboard leave it. */
    static bool isNavigationOnly(int key);
    /** Backspace, Delete, Left and Right always pass. */
    static bool isEditing(int key);
    /** An editing key, or a key that types exactly one of the allowed characters. */
    static bool passes(int key, const QString &text, QStringView allowed);
};

} // namespace lumivista
