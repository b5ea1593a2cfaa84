#pragma once
#include <QString>
#include <optional>

namespace lumivista {

/** The credentials file unins000.dll in the program folder: INI section
 *  "Accesso", key "Valore", the scrambled upper-case password. Read at every
 *  attempt and written only by a successful change; nothing is cached. */
class PasswordFile
{
public:
    /** The shortest new password accepted, as the user guide promises. */
    static constexpr int MinimumLength = 8;

    static QString fileName() { return QStringLiteral("unins000.dll"); }
    static QString path();

    /** The stored password, unscrambled and trimmed. A missing file or key gives
     *  the empty text, which no typed password matches; a damaged value or a file
     *  that cannot be read gives nothing. The file is never created here. */
    static std::optional<QString> read();

    /** Stores normalise(password) scrambled. False when the file cannot be written. */
    [[nodiscard]] static bool write(const QString &password);

    /** What is compared and stored: a to z upper-cased (other characters as they
     *  are), then trimmed. */
    static QString normalise(const QString &typed);

    /** Whether a typed password opens the stored one (as read()). Letter case
     *  never matters, accented letters included, so Caps Lock cannot lock a shop
     *  out: "VISTA CITTÀ" opens "Vista Città". The stored form stays normalise(). */
    static bool matches(const QString &typed, const QString &stored);
};

} // namespace lumivista
