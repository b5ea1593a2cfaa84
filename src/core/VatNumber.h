#pragma once
#include <QString>

namespace lumivista {

/** The Italian VAT number (partita IVA): its check digit and the provincial
 *  VAT office its digits 8 to 10 name. */
class VatNumber
{
public:
    /** Eleven decimal digits, the last one their check digit. */
    static bool isValid(const QString &number);
    /** The office of a three-character code ("001" Torino ... "121" Napoli 2);
     *  empty for a code without a row. */
    static QString officeName(const QString &code);
    /** The office that issued a number: its characters 8, 9 and 10. */
    static QString officeOf(const QString &number) { return officeName(number.mid(7, 3)); }
};

} // namespace lumivista
