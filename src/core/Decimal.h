#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

namespace lumivista {

/** An exact decimal number: the value a user typed, without the detour through a
 *  binary double. Amounts are rounded on this value, so 1,005 rounds to 1,01 as
 *  the user expects, not to 1,00 as the double 1.00499999... would. */
class Decimal
{
public:
    Decimal() = default; // zero
    static Decimal fromInteger(qint64 value);

    /** Reads a number written with "," as decimal separator and no thousands
     *  separator: blanks around it, an optional sign, digits with at most one
     *  comma (at least one digit in all) and an optional exponent ("1,5E3").
     *  Anything else, or a magnitude beyond the range of a double, is not a number. */
    static std::optional<Decimal> parse(const QString &text);

    bool isZero() const { return m_digits.isEmpty(); }
    bool isNegative() const { return m_negative; }

    Decimal operator+(const Decimal &other) const;
    Decimal operator-(const Decimal &other) const;
    Decimal operator-() const;

    /** Rounded to the given number of decimals, half away from zero. */
    Decimal rounded(int decimals) const;
    /** Rounded to the given number of significant digits, half away from zero. */
    Decimal roundedSignificant(int digits) const;
    /** The integer part (towards zero). */
    Decimal truncated() const;

    /** Shortest "general" form with at most precision significant digits, ","
     *  as separator, no thousands separator and no trailing zeros; very large or
     *  very small values take an exponent ("1E20", "1,5E-7"). Zero is "0". */
    QString toGeneral(int precision = 15) const;

    /** The value when it is an integer that fits; nothing otherwise. */
    std::optional<qint64> toInteger() const;

    bool operator==(const Decimal &other) const = default;

private:
    Decimal(bool negative, QByteArray digits, int exponent);
    void normalise();
    /** Drops the last count digits of the magnitude, rounding half away from zero. */
    Decimal cut(int count) const;

    bool m_negative = false;
    QByteArray m_digits; // magnitude = m_digits * 10^m_exponent; no leading or trailing zeros
    int m_exponent = 0;
};

} // namespace lumivista
