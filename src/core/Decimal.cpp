#include "Decimal.h"
#include "Text.h"
#include <algorithm>

namespace lumivista {

namespace {

/** Beyond these decimal magnitudes a double overflows or underflows to zero. */
constexpr int maxMagnitude = 308;
constexpr int minMagnitude = -324;

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

/** Compares two magnitudes given as digit strings aligned on the same exponent. */
int compareAligned(const QByteArray &a, const QByteArray &b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

QByteArray stripLeadingZeros(const QByteArray &digits)
{
    qsizetype i = 0;
    while (i < digits.size() && digits.at(i) == '0')
        ++i;
    return digits.mid(i);
}

QByteArray addDigits(const QByteArray &a, const QByteArray &b)
{
    QByteArray result;
    result.reserve(std::max(a.size(), b.size()) + 1);
    int carry = 0;
    for (qsizetype i = a.size() - 1, j = b.size() - 1; i >= 0 || j >= 0 || carry; --i, --j) {
        int sum = carry;
        if (i >= 0)
            sum += a.at(i) - '0';
        if (j >= 0)
            sum += b.at(j) - '0';
        result.append(char('0' + sum % 10));
        carry = sum / 10;
    }
    std::reverse(result.begin(), result.end());
    return result;
}

/** a - b for a >= b. */
QByteArray subtractDigits(const QByteArray &a, const QByteArray &b)
{
    QByteArray result;
    result.reserve(a.size());
    int borrow = 0;
    for (qsizetype i = a.size() - 1, j = b.size() - 1; i >= 0; --i, --j) {
        int d = (a.at(i) - '0') - borrow - (j >= 0 ? b.at(j) - '0' : 0);
        borrow = d < 0 ? 1 : 0;
        if (d < 0)
            d += 10;
        result.append(char('0' + d));
    }
    std::reverse(result.begin(), result.end());
    return stripLeadingZeros(result);
}

} // namespace

Decimal::Decimal(bool negative, QByteArray digits, int exponent)
    : m_negative(negative)
    , m_digits(std::move(digits))
    , m_exponent(exponent)
{
    normalise();
}

void Decimal::normalise()
{
    m_digits = stripLeadingZeros(m_digits);
    qsizetype end = m_digits.size();
    while (end > 0 && m_digits.at(end - 1) == '0')
        --end;
    m_exponent += int(m_digits.size() - end);
    m_digits.truncate(end);
    if (m_digits.isEmpty()) {
        m_negative = false;
        m_exponent = 0;
    }
}

Decimal Decimal::fromInteger(qint64 value)
{
    const bool negative = value < 0;
    // Through the unsigned magnitude, so the most negative value has one too.
    const quint64 magnitude = negative ? quint64(0) - quint64(value) : quint64(value);
    return Decimal(negative, QByteArray::number(magnitude), 0);
}

std::optional<Decimal> Decimal::parse(const QString &input)
{
    const QString text = Text::trim(input);
    qsizetype i = 0;
    const qsizetype n = text.size();
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    QByteArray digits;
    int fractionDigits = 0;
    bool seenDigit = false;
    while (i < n && isDigit(text.at(i))) {
        digits.append(char(text.at(i).unicode()));
        seenDigit = true;
        ++i;
    }
    if (i < n && text.at(i) == QLatin1Char(',')) {
        ++i;
        while (i < n && isDigit(text.at(i))) {
            digits.append(char(text.at(i).unicode()));
            ++fractionDigits;
            seenDigit = true;
            ++i;
        }
    }
    if (!seenDigit)
        return std::nullopt;
    qint64 exponent = 0;
    if (i < n && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        ++i;
        bool exponentNegative = false;
        if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
            exponentNegative = text.at(i) == QLatin1Char('-');
            ++i;
        }
        if (i >= n || !isDigit(text.at(i)))
            return std::nullopt;
        while (i < n && isDigit(text.at(i))) {
            // Far beyond any double either way; stop growing so it cannot overflow.
            if (exponent < 1000000)
                exponent = exponent * 10 + (text.at(i).unicode() - '0');
            ++i;
        }
        if (exponentNegative)
            exponent = -exponent;
    }
    if (i != n)
        return std::nullopt;

    Decimal value(negative, digits, 0);
    if (value.isZero())
        return Decimal();
    const qint64 shift = exponent - fractionDigits;
    const qint64 magnitude = value.m_digits.size() + value.m_exponent + shift;
    if (magnitude > maxMagnitude)
        return std::nullopt;
    if (magnitude < minMagnitude)
        return Decimal();
    value.m_exponent = int(value.m_exponent + shift);
    return value;
}

Decimal Decimal::operator-() const
{
    Decimal r = *this;
    if (!r.isZero())
        r.m_negative = !r.m_negative;
    return r;
}

Decimal Decimal::operator+(const Decimal &other) const
{
    if (isZero())
        return other;
    if (other.isZero())
        return *this;
    const int exponent = std::min(m_exponent, other.m_exponent);
    const QByteArray a = m_digits + QByteArray(m_exponent - exponent, '0');
    const QByteArray b = other.m_digits + QByteArray(other.m_exponent - exponent, '0');
    if (m_negative == other.m_negative)
        return Decimal(m_negative, addDigits(a, b), exponent);
    const int c = compareAligned(a, b);
    if (c == 0)
        return Decimal();
    if (c > 0)
        return Decimal(m_negative, subtractDigits(a, b), exponent);
    return Decimal(other.m_negative, subtractDigits(b, a), exponent);
}

Decimal Decimal::operator-(const Decimal &other) const
{
    return *this + (-other);
}

Decimal Decimal::cut(int count) const
{
    if (count <= 0)
        return *this;
    if (count > m_digits.size())
        return Decimal(); // every kept digit is an implicit leading zero, the first dropped one too
    QByteArray kept = m_digits.left(m_digits.size() - count);
    if (m_digits.at(m_digits.size() - count) >= '5')
        kept = addDigits(kept.isEmpty() ? QByteArray("0") : kept, QByteArray("1"));
    return Decimal(m_negative, kept, m_exponent + count);
}

Decimal Decimal::rounded(int decimals) const
{
    return cut(-decimals - m_exponent);
}

Decimal Decimal::roundedSignificant(int digits) const
{
    return cut(int(m_digits.size()) - digits);
}

Decimal Decimal::truncated() const
{
    if (m_exponent >= 0)
        return *this;
    if (-m_exponent >= m_digits.size())
        return Decimal();
    return Decimal(m_negative, m_digits.left(m_digits.size() + m_exponent), 0);
}

QString Decimal::toGeneral(int precision) const
{
    const Decimal r = roundedSignificant(precision);
    if (r.isZero())
        return QStringLiteral("0");
    const QString digits = QString::fromLatin1(r.m_digits);
    const int size = int(digits.size());
    const int integerDigits = size + r.m_exponent; // the value is 0.digits * 10^integerDigits
    QString out;
    if (integerDigits > precision || integerDigits < -3) {
        out = digits.left(1);
        if (size > 1)
            out += QLatin1Char(',') + digits.mid(1);
        out += QLatin1Char('E') + QString::number(integerDigits - 1);
    } else if (r.m_exponent >= 0) {
        out = digits + QString(r.m_exponent, QLatin1Char('0'));
    } else if (integerDigits > 0) {
        out = digits.left(integerDigits) + QLatin1Char(',') + digits.mid(integerDigits);
    } else {
        out = QStringLiteral("0,") + QString(-integerDigits, QLatin1Char('0')) + digits;
    }
    return r.m_negative ? QLatin1Char('-') + out : out;
}

std::optional<qint64> Decimal::toInteger() const
{
    if (isZero())
        return 0;
    if (m_exponent < 0 || m_digits.size() + m_exponent > 18)
        return std::nullopt;
    const qint64 magnitude = (m_digits + QByteArray(m_exponent, '0')).toLongLong();
    return m_negative ? -magnitude : magnitude;
}

} // namespace lumivista
