#pragma once
#include <QString>

namespace lumivista {

/** Who makes Lumivista: shown in the information and credits windows and on the
 *  home screen. Change them here and nowhere else. */
class Maker
{
public:
    /** The maker's web site, opened by the home screen and the credits window. */
    static QString webAddress() { return QStringLiteral("https://www.lumivista.example"); }
    /** Where users write for support, from the information window. */
    static QString supportAddress() { return QStringLiteral("assistenza@lumivista.example"); }
    /** Follows the program's name in the credits window's caption. */
    static QString creditLine() { return QStringLiteral(" - Software per centri ottici di Lumivista Software"); }
};

} // namespace lumivista
