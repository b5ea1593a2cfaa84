#include "Amount.h"
#include "Decimal.h"
#include "KeyRules.h"
#include "Text.h"
#include <Qt>

namespace lumivista {

namespace {

const QString zeroAmount = QStringLiteral("0,00");

/** A number rounded to cents, in shortest form with two decimals. */
QString formatCents(const Decimal &value)
{
    return Amount::completeDecimals(value.rounded(2).toGeneral());
}

} // namespace

bool Amount::keyPasses(int key, const QString &text)
{
    return KeyRules::passes(key, text, u"0123456789,");
}

QString Amount::completeDecimals(const QString &text)
{
    if (!text.contains(QLatin1Char(',')))
        return text + QStringLiteral(",00");
    if (text.size() >= 2 && text.at(text.size() - 2) == QLatin1Char(',') && text.back().isDigit())
        return text + QLatin1Char('0');
    return text;
}

QString Amount::roundedText(const QString &number)
{
    const auto value = Decimal::parse(number);
    return value ? formatCents(*value) : QString();
}

QString Amount::normalise(const QString &text)
{
    if (Text::trim(text).isEmpty())
        return QString();
    const QString rounded = roundedText(text);
    return rounded.isEmpty() ? zeroAmount : rounded;
}

QString Amount::normaliseAppointment(const QString &text)
{
    if (Text::trim(text).isEmpty())
        return zeroAmount;
    const auto value = Decimal::parse(text);
    if (!value)
        return zeroAmount;
    QString out = value->rounded(2).toGeneral();
    if (!out.contains(QLatin1Char(',')))
        out += QStringLiteral(",00");
    if (out == QLatin1String(","))
        return zeroAmount;
    if (out.startsWith(QLatin1Char(',')))
        out.prepend(QLatin1Char('0'));
    if (out.endsWith(QLatin1Char(',')))
        out += QStringLiteral("00");
    return completeDecimals(out);
}

std::optional<Decimal> Amount::value(const QString &stored)
{
    const QString text = Text::trim(stored);
    if (text.isEmpty())
        return Decimal();
    return Decimal::parse(text);
}

QString Amount::text(const Decimal &amount)
{
    return completeDecimals(amount.rounded(2).toGeneral());
}

Amount::Totals Amount::totals(const QStringList &amounts, const QString &deposit)
{
    Decimal sum;
    for (const QString &text : amounts) {
        if (Text::trim(text).isEmpty())
            continue;
        const auto value = Decimal::parse(text);
        if (!value)
            return {};
        sum = sum + *value;
    }
    Decimal paid;
    if (!Text::trim(deposit).isEmpty()) {
        const auto value = Decimal::parse(deposit);
        if (!value)
            return {};
        paid = *value;
    }
    // Shortest form first, then cents: what is shown is what was rounded.
    const auto balance = Decimal::parse((sum - paid).toGeneral());
    const auto total = Decimal::parse(sum.toGeneral());
    if (!balance || !total)
        return {}; // beyond the range of a number
    return {true, formatCents(*balance), formatCents(*total)};
}

} // namespace lumivista
