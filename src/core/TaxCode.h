#pragma once
#include <QString>
#include <optional>

namespace lumivista {

/** The check character of the Italian tax code (codice fiscale). Digits and
 *  letters share their values in both tables, so codes whose digits were
 *  replaced by letters (omocodia) need no special case. */
class TaxCode
{
public:
    /** The check letter of the first fifteen characters (upper case); nothing when
     *  one of them is neither a digit nor a letter A-Z, or there are fewer. */
    static std::optional<QChar> checkCharacter(const QString &code);
    /** Sixteen characters whose last one is their check letter. */
    static bool isValid(const QString &code);
};

} // namespace lumivista
