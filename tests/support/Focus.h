#pragma once
#include <QString>

namespace lumivista {

/** The keyboard focus as a test reads it. The focus is null until a window is
 *  active, so nothing here dereferences it: a wrong or missing focus fails one
 *  check instead of crashing the suite. */
class Focus
{
public:
    /** The focused control's objectName, or "(no focus)". */
    static QString name();
    /** Types key on the focused control; false (and nothing typed) without focus. */
    [[nodiscard]] static bool press(int key, int modifiers = 0);
};

} // namespace lumivista
