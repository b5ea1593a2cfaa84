#include "TaxCode.h"

namespace lumivista {

namespace {

/** Value of a digit or letter A-Z at an odd position (1, 3, ... 15): digits count
 *  as the letter of the same rank, 0 as A ... 9 as J. */
constexpr int kOdd[26] = {1, 0, 5, 7, 9, 13, 15, 17, 19, 21, 2, 4, 18, 20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23};

/** The rank of a digit or letter A-Z: 0-9 for digits, 0-25 for letters; -1 otherwise. */
int rank(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'Z')
        return u - u'A';
    return -1;
}

} // namespace

std::optional<QChar> TaxCode::checkCharacter(const QString &code)
{
    if (code.size() < 15)
        return std::nullopt;
    int sum = 0;
    for (int i = 0; i < 15; ++i) {
        const int r = rank(code.at(i));
        if (r < 0)
            return std::nullopt;
        // Positions count from 1: index 0 is position 1, an odd one.
        sum += i % 2 == 0 ? kOdd[r] : r;
    }
    return QChar(u'A' + sum % 26);
}

bool TaxCode::isValid(const QString &code)
{
    if (code.size() != 16)
        return false;
    const std::optional<QChar> check = checkCharacter(code);
    return check && *check == code.at(15);
}

} // namespace lumivista
