#pragma once
#include <QString>

namespace lumivista {

/** The folder that holds the executable: archives, settings, credentials,
 *  exports and documents live there. Paths are rebuilt on every call. */
class ProgramFolder
{
public:
    static QString path();
    static QString file(const QString &name);
    /** Tests point the program at a temporary folder; empty restores the default. */
    static void setOverride(const QString &folder);
};

} // namespace lumivista
