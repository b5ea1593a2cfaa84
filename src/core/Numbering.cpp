#include "Numbering.h"
#include "KeyRules.h"
#include "Decimal.h"
#include "Text.h"
#include <Qt>
#include <limits>

namespace lumivista {

std::optional<qint64> Numbering::startValue(const QString &text)
{
    const QString t = Text::trim(text);
    if (t.isEmpty())
        return 1;
    // An integer as a 32-bit conversion reads it: optional sign, digits only.
    qsizetype i = (t.startsWith(QLatin1Char('+')) || t.startsWith(QLatin1Char('-'))) ? 1 : 0;
    if (i == t.size())
        return std::nullopt;
    for (; i < t.size(); ++i) {
        if (t.at(i) < QLatin1Char('0') || t.at(i) > QLatin1Char('9'))
            return std::nullopt;
    }
    bool ok = false;
    const qint64 value = t.toLongLong(&ok);
    if (!ok || value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return value;
}

QString Numbering::normaliseStart(const QString &text)
{
    if (Text::trim(text).isEmpty())
        return QStringLiteral("1");
    const auto value = Decimal::parse(text);
    if (!value)
        return QStringLiteral("1");
    return (*value + *Decimal::parse(QStringLiteral("0,5"))).truncated().toGeneral();
}

bool Numbering::keyPasses(int key, const QString &text)
{
    return KeyRules::passes(key, text, u"0123456789");
}

} // namespace lumivista
