#include "RecordSearch.h"
#include "RecordFile.h"
#include "ShortText.h"
#include "Text.h"
#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace lumivista {

namespace {

inline char foldAZ(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c;
}

QByteArray foldedBytes(const QString &text)
{
    QByteArray bytes = Text::toCp1252(Text::trim(text));
    for (char &c : bytes)
        c = foldAZ(c);
    return bytes;
}

bool containsFolded(QByteArrayView field, QByteArrayView needle)
{
    if (needle.isEmpty())
        return true;
    const qsizetype last = field.size() - needle.size();
    const char first = needle.front();
    for (qsizetype i = 0; i <= last; ++i) {
        if (foldAZ(field[i]) != first)
            continue;
        qsizetype j = 1;
        while (j < needle.size() && foldAZ(field[i + j]) == needle[j])
            ++j;
        if (j == needle.size())
            return true;
    }
    return false;
}

QByteArrayView trimmed(QByteArrayView bytes)
{
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && static_cast<unsigned char>(bytes[begin]) <= 32)
        ++begin;
    while (end > begin && static_cast<unsigned char>(bytes[end - 1]) <= 32)
        --end;
    return bytes.sliced(begin, end - begin);
}

/** For each Windows-1252 byte, its place in the order of compareFoldedAZ: the
 *  letters a to z with A to Z, everything else by its character code. Sorting
 *  byte keys made with it sorts the decoded lines exactly as that comparison. */
const std::array<unsigned char, 256> &sortRank()
{
    static const std::array<unsigned char, 256> rank = [] {
        std::array<char16_t, 256> code{};
        for (int b = 0; b < 256; ++b) {
            char16_t c = Text::fromCp1252(char(b)).unicode();
            code[b] = c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c;
        }
        std::array<char16_t, 256> sorted = code;
        std::sort(sorted.begin(), sorted.end());
        std::array<unsigned char, 256> r{};
        for (int b = 0; b < 256; ++b) {
            const auto distinct = std::unique(sorted.begin(), sorted.end());
            r[b] = static_cast<unsigned char>(std::lower_bound(sorted.begin(), distinct, code[b]) - sorted.begin());
        }
        return r;
    }();
    return rank;
}

} // namespace

bool RecordSearch::fieldContains(QByteArrayView field, const QString &text)
{
    return containsFolded(field, foldedBytes(text));
}

LineList RecordSearch::lines(RecordFile &file, const LineFormat &format, const QList<FieldFilter> &filters,
                             const Rule &rule, bool sorted)
{
    LineList result;
    collect(file, format, filters, rule, result);
    if (sorted)
        sort(result);
    return result;
}

void RecordSearch::collect(RecordFile &file, const LineFormat &format, const QList<FieldFilter> &filters,
                           const Rule &rule, LineList &into)
{
    struct Compiled
    {
        int offset;
        int capacity;
        QByteArray needle;
    };
    QList<Compiled> compiled;
    const RecordLayout &layout = *format.layout();
    for (const FieldFilter &filter : filters) {
        const int index = layout.indexOf(filter.field);
        compiled.append({layout.offset(index), layout.field(index).capacity, foldedBytes(filter.text)});
    }
    QByteArray line;
    file.seek(0);
    file.scan([&](qint64, const RecordView &record) {
        for (const Compiled &filter : compiled)
            if (!containsFolded(ShortText::bytes(record.bytes(), filter.offset, filter.capacity), filter.needle))
                return true;
        if (rule && !rule(record))
            return true;
        format.buildBytes(record.bytes(), line);
        into.append(line);
        return true;
    });
}

std::optional<qint64> RecordSearch::lastWithLine(RecordFile &file, const LineFormat &format, const QString &line)
{
    const QByteArray wanted = Text::toCp1252(Text::trim(line));
    std::optional<qint64> found;
    QByteArray built;
    file.seek(0);
    file.scan([&](qint64 index, const RecordView &record) {
        format.buildBytes(record.bytes(), built);
        if (trimmed(built) == QByteArrayView(wanted))
            found = index;
        return true;
    });
    return found;
}

void RecordSearch::sort(LineList &lines)
{
    // Byte keys compared with memcmp: a large archive sorts in a fraction of the
    // time that comparing decoded lines would take.
    const std::array<unsigned char, 256> &rank = sortRank();
    const QByteArray &buffer = lines.buffer();
    QByteArray keys(buffer.size(), Qt::Uninitialized);
    const auto *from = reinterpret_cast<const unsigned char *>(buffer.constData());
    auto *to = reinterpret_cast<unsigned char *>(keys.data());
    for (qsizetype i = 0; i < buffer.size(); ++i)
        to[i] = rank[from[i]];
    std::vector<quint32> order(size_t(lines.size()));
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = quint32(i);
    std::stable_sort(order.begin(), order.end(), [&](quint32 a, quint32 b) {
        const qsizetype aLength = lines.bytes(a).size();
        const qsizetype bLength = lines.bytes(b).size();
        const int c = std::memcmp(to + lines.offset(a), to + lines.offset(b), size_t(qMin(aLength, bLength)));
        return c != 0 ? c < 0 : aLength < bLength;
    });
    lines.permute(order);
}

} // namespace lumivista
