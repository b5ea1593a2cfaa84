#include "ShortText.h"
#include "Text.h"

#include <cstring>

namespace lumivista {

QString ShortText::read(const QByteArray &record, int offset, int capacity)
{
    return read(QByteArrayView(record), offset, capacity);
}

QString ShortText::read(QByteArrayView record, int offset, int capacity)
{
    const QByteArrayView text = bytes(record, offset, capacity);
    return Text::fromCp1252(text.data(), int(text.size()));
}

QByteArrayView ShortText::bytes(QByteArrayView record, int offset, int capacity)
{
    if (offset < 0 || capacity <= 0 || offset >= record.size())
        return {};
    const auto *field = reinterpret_cast<const unsigned char *>(record.data()) + offset;
    // Never past the field, and never past the record even if it is short.
    const qsizetype available = record.size() - offset - 1;
    qsizetype begin = 1;
    qsizetype end = 1 + qMin<qsizetype>(qMin(int(field[0]), capacity), available);
    // Bytes up to 32 are the characters up to 32 in Windows-1252: trimming them is Text::trim.
    while (begin < end && field[begin] <= 32)
        ++begin;
    while (end > begin && field[end - 1] <= 32)
        --end;
    return QByteArrayView(reinterpret_cast<const char *>(field + begin), end - begin);
}

void ShortText::write(QByteArray &record, int offset, int capacity, const QString &text)
{
    if (offset < 0 || capacity <= 0 || capacity > 255 || offset + 1 + capacity > record.size())
        return;
    const QByteArray bytes = Text::toCp1252(Text::trim(text)).left(capacity);
    char *field = record.data() + offset;
    field[0] = char(quint8(bytes.size()));
    std::memcpy(field + 1, bytes.constData(), size_t(bytes.size()));
    std::memset(field + 1 + bytes.size(), 0, size_t(capacity - bytes.size()));
}

} // namespace lumivista
