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
    if (offset < 0 || capacity <= 0 || offset >= record.size())
        return QString();
    const auto *field = reinterpret_cast<const unsigned char *>(record.data()) + offset;
    // Never past the field, and never past the record even if it is short.
    const qsizetype available = record.size() - offset - 1;
    const int length = int(qMin<qsizetype>(qMin(int(field[0]), capacity), available));
    return Text::trim(Text::fromCp1252(reinterpret_cast<const char *>(field + 1), length));
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
