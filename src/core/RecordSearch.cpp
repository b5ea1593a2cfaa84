#include "RecordSearch.h"
#include "RecordFile.h"
#include "ShortText.h"
#include "Text.h"
#include <algorithm>

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

} // namespace

bool RecordSearch::fieldContains(QByteArrayView field, const QString &text)
{
    return containsFolded(field, foldedBytes(text));
}

QStringList RecordSearch::lines(RecordFile &file, const LineFormat &format, const QList<FieldFilter> &filters,
                                const Rule &rule, bool sorted)
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
    QStringList result;
    QByteArray line;
    file.seek(0);
    file.scan([&](qint64, const RecordView &record) {
        for (const Compiled &filter : compiled)
            if (!containsFolded(ShortText::bytes(record.bytes(), filter.offset, filter.capacity), filter.needle))
                return true;
        if (rule && !rule(record))
            return true;
        format.buildBytes(record.bytes(), line);
        result.append(Text::fromCp1252(line));
        return true;
    });
    if (sorted)
        sort(result);
    return result;
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

void RecordSearch::sort(QStringList &lines)
{
    std::stable_sort(lines.begin(), lines.end(),
                     [](const QString &a, const QString &b) { return Text::compareFoldedAZ(a, b) < 0; });
}

} // namespace lumivista
