#include "Text.h"
#include <array>

namespace lumivista {

namespace {

/** Characters of bytes 0x80..0x9F. The five bytes Windows-1252 leaves undefined
 *  map to the C1 control of the same number, so any byte survives a round trip. */
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

/** The byte of a character, or -1 when Windows-1252 has none. */
int cp1252Byte(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return int(c);
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] == c)
            return 0x80 + i;
    }
    return -1;
}

/** A substitute must be visible: no blank, no control, no undefined byte. */
bool printable(int byte)
{
    return byte > 32 && byte != 0x7F && !(byte >= 0x80 && byte <= 0x9F && kHigh[byte - 0x80] == char16_t(byte));
}

/** Best fit for a character outside Windows-1252: the base of its decomposition
 *  ("ā" gives "a", "ǖ" gives "ü"), following nested decompositions a few levels. */
char substitute(char32_t c)
{
    for (int depth = 0; depth < 4; ++depth) {
        const QString parts = QChar::decomposition(c);
        if (parts.isEmpty())
            break;
        char32_t first = parts.at(0).unicode();
        if (parts.at(0).isHighSurrogate() && parts.size() > 1)
            first = QChar::surrogateToUcs4(parts.at(0), parts.at(1));
        const int byte = cp1252Byte(first);
        if (byte >= 0)
            return printable(byte) ? char(byte) : '?';
        c = first;
    }
    return '?';
}

} // namespace

QString Text::trim(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    if (begin == 0 && end == text.size())
        return text;
    return text.mid(begin, end - begin);
}

QByteArray Text::toCp1252(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar ch = text.at(i);
        char32_t c = ch.unicode();
        if (ch.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(ch, text.at(i + 1));
            ++i;
        } else if (ch.isSurrogate()) {
            out.append('?');
            continue;
        }
        const int byte = cp1252Byte(c);
        out.append(byte >= 0 ? char(byte) : substitute(c));
    }
    return out;
}

QString Text::fromCp1252(const char *data, int length)
{
    if (!data || length <= 0)
        return QString();
    // One table of all 256 characters: no branch per byte, which matters when a
    // list decodes 100,000 lines.
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[b] = char16_t((b & 0xE0) == 0x80 ? kHigh[b - 0x80] : b);
        return t;
    }();
    QString out(length, Qt::Uninitialized);
    auto *dst = reinterpret_cast<char16_t *>(out.data());
    const auto *src = reinterpret_cast<const unsigned char *>(data);
    for (int i = 0; i < length; ++i)
        dst[i] = table[src[i]];
    return out;
}

QString Text::pad(const QString &text, int width)
{
    return text.leftJustified(width, QLatin1Char(' '), true);
}

namespace {
char16_t foldAZ(char16_t c)
{
    return c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c;
}
} // namespace

QString Text::upperAZ(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        c = QChar(foldAZ(c.unicode()));
    return out;
}

int Text::compareFoldedAZ(const QString &a, const QString &b)
{
    const qsizetype n = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = foldAZ(a.at(i).unicode());
        const char16_t y = foldAZ(b.at(i).unicode());
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

QChar Text::fromCp1252(char byte)
{
    const auto b = static_cast<unsigned char>(byte);
    return QChar(char16_t((b & 0xE0) == 0x80 ? kHigh[b - 0x80] : b));
}

QString Text::fromCp1252(const QByteArray &bytes)
{
    return fromCp1252(bytes.constData(), int(bytes.size()));
}

QString Text::numbered(const char *prefix, int number)
{
    return QLatin1String(prefix) + QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

} // namespace lumivista
