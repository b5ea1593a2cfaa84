#pragma once
#include "Decimal.h"
#include <QString>
#include <QStringList>
#include <optional>

namespace lumivista {

/** Amounts as the cards keep them: text with "," as decimal separator, no
 *  thousands separator, two decimals once normalised ("0,00"); empty counts as
 *  zero. Rounding works on the decimal value as typed, never on a binary double. */
class Amount
{
public:
    /** Whether a key may reach an amount field: Backspace, Delete, Left and Right,
     *  or a key that types "," or a digit. Enter is the window's business. */
    static bool keyPasses(int key, const QString &text);

    /** Leaving an amount of a prescription card: empty stays empty, a non-number
     *  becomes "0,00", anything else is rounded to two decimals (12 -> "12,00",
     *  7,456 -> "7,46"). */
    static QString normalise(const QString &text);

    /** Leaving the amount of an appointment: as normalise(), except that an
     *  empty field becomes "0,00" too. */
    static QString normaliseAppointment(const QString &text);

    /** Rounds a number to two decimals, half away from zero, and writes it in
     *  shortest form completed to two decimals; empty for a non-number. */
    static QString roundedText(const QString &number);

    /** Appends ",00" to a text without ","; a "0" after a single decimal. */
    static QString completeDecimals(const QString &text);

    /** An amount as stored, read exactly: empty is zero; nothing when it is
     *  not a number. */
    static std::optional<Decimal> value(const QString &stored);
    /** A sum shown or exported: rounded to two decimals, "," as separator ("1234,50"). */
    static QString text(const Decimal &amount);
    struct Totals
    {
        bool valid = false;   // false when an amount or the deposit is not a number
        QString balance;      // sum of the amounts minus the deposit
        QString total;        // sum of the amounts
    };

    /** Balance and total of the amounts and the deposit; empty texts count as zero.
     *  Both carry two decimals; a negative balance has a leading minus. */
    static Totals totals(const QStringList &amounts, const QString &deposit);
};

} // namespace lumivista
