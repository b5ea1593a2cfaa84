#pragma once
#include <QString>

namespace lumivista {

/** Windows-style INI files in Windows-1252 (Lumivista.ini, unins000.dll).
 *  Section and key names match case-insensitively; a missing file, section or key
 *  reads as empty. A write keeps every other line, comment and the order, and
 *  goes through QSaveFile so a crash never truncates the file. */
class IniFile
{
public:
    static QString read(const QString &path, const QString &section, const QString &key);
    /** False when the file cannot be written; the old file then stays as it was. */
    [[nodiscard]] static bool write(const QString &path, const QString &section, const QString &key,
                                    const QString &value);
};

} // namespace lumivista
