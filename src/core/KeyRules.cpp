#include "KeyRules.h"
#include <Qt>

namespace lumivista {

bool KeyRules::isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool KeyRules::isNavigationOnly(int key)
{
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

bool KeyRules::isEditing(int key)
{
    return key == Qt::Key_Backspace || key == Qt::Key_Delete || key == Qt::Key_Left || key == Qt::Key_Right;
}

bool KeyRules::passes(int key, const QString &text, QStringView allowed)
{
    return isEditing(key) || (text.size() == 1 && allowed.contains(text.at(0)));
}

} // namespace lumivista
