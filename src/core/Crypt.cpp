#include "Crypt.h"

namespace lumivista {

namespace {

constexpr quint16 StartKey = 30962;
constexpr quint16 Multiplier = 43627;
constexpr quint16 Adder = 34093;

quint16 nextKey(quint32 c, quint16 key)
{
    return static_cast<quint16>(((c + key) * Multiplier + Adder) & 0xFFFFu);
}

int hexValue(QChar ch)
{
    const char16_t u = ch.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

} // namespace

QString Crypt::ScrambleText(const QString &text)
{
    static constexpr char Digits[] = "0123456789ABCDEF";
    QString out;
    out.reserve(text.size() * 2);
    quint16 key = StartKey;
    for (QChar ch : text) {
        const quint32 p = ch.unicode() & 0xFFu;
        const quint32 c = p ^ (key >> 8);
        out += QLatin1Char(Digits[c >> 4]);
        out += QLatin1Char(Digits[c & 0xF]);
        key = nextKey(c, key);
    }
    return out;
}

std::optional<QString> Crypt::UnscrambleText(const QString &hex)
{
    const qsizetype n = hex.size() / 2;
    QString out;
    out.reserve(n);
    quint16 key = StartKey;
    for (qsizetype i = 0; i < n; ++i) {
        const int high = hexValue(hex.at(2 * i));
        const int low = hexValue(hex.at(2 * i + 1));
        if (high < 0 || low < 0)
            return std::nullopt;
        const quint32 c = static_cast<quint32>(high * 16 + low);
        out += QChar(static_cast<char16_t>(c ^ (key >> 8)));
        key = nextKey(c, key);
    }
    return out;
}

bool Crypt::isStorable(const QString &text)
{
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u >= 256 || u < 32 || (u >= 0x7F && u <= 0x9F))
            return false;
    }
    return true;
}

} // namespace lumivista
