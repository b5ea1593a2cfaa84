#include "Crypt.h"
#include "Text.h"

namespace lumivista {

namespace {

constexpr quint16 StartKey = 30962;
constexpr quint16 Multiplier = 43627;
constexpr quint16 Adder = 34093;

quint16 nextKey(quint32 c, quint16 key)
{
    return static_cast<quint16>(((c + key) * Multiplier + Adder) & 0xFFFFu);
}

/** The byte that stands for ch: its Windows-1252 code when it has one. */
quint32 byteOf(QChar ch)
{
    const QByteArray encoded = Text::toCp1252(QString(ch));
    if (encoded.size() == 1 && Text::fromCp1252(encoded) == QString(ch))
        return static_cast<quint8>(encoded.at(0));
    return ch.unicode() & 0xFFu;
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
        const quint32 p = byteOf(ch);
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
    QByteArray bytes;
    bytes.reserve(n);
    quint16 key = StartKey;
    for (qsizetype i = 0; i < n; ++i) {
        const int high = hexValue(hex.at(2 * i));
        const int low = hexValue(hex.at(2 * i + 1));
        if (high < 0 || low < 0)
            return std::nullopt;
        const quint32 c = static_cast<quint32>(high * 16 + low);
        bytes += static_cast<char>(c ^ (key >> 8));
        key = nextKey(c, key);
    }
    return Text::fromCp1252(bytes);
}

bool Crypt::isStorable(const QString &text)
{
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        // The five bytes Windows-1252 leaves undefined decode to C1 controls.
        if (u < 32 || (u >= 0x7F && u <= 0x9F))
            return false;
        if (Text::fromCp1252(Text::toCp1252(QString(ch))) != QString(ch))
            return false;
    }
    return true;
}

} // namespace lumivista
