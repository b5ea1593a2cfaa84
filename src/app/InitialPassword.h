#pragma once
#include <QString>

namespace lumivista {

/** The word to type at the first access after an installation. The install step
 *  writes it, scrambled, into unins000.dll when that file is missing; the
 *  general help tells it to the user. */
class InitialPassword
{
public:
    static QString word() { return QStringLiteral("LUMIVISTA"); }
};

} // namespace lumivista
