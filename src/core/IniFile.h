#pragma once
#include <QString>
#include <optional>

namespace lumivista {

/** Windows-style INI files in Windows-1252 (Lumivista.ini, unins000.dll).
 *  Section and key names match case-insensitively; a missing file, section or key
 *  reads as empty. A write keeps every other line, comment and the order, and
 *  goes through QSaveFile so a crash never truncates the file. */
class IniFile
{
public:
    /** The value; empty when the file, section or key is missing, and nothing
     *  when the file is there but cannot be read (see WholeFile::read). */
    static std::optional<QString> tryRead(const QString &path, const QString &section, const QString &key);
    /** As tryRead, an unreadable file reading as empty. */
    static QString read(const QString &path, const QString &section, const QString &key);
    /** False when the file cannot be read back or written; the old file then stays
     *  as it was (see WholeFile::write). */
    [[nodiscard]] static bool write(const QString &path, const QString &section, const QString &key,
                                    const QString &value);
};

} // namespace lumivista
