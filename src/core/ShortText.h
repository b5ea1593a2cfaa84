#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace lumivista {

/** A length byte followed by N bytes of Windows-1252 text. */
class ShortText
{
public:
    /** Decodes and trims the field at offset; a length byte above the capacity
     *  is cut to the capacity so a damaged field never reads past itself. */
    static QString read(const QByteArray &record, int offset, int capacity);
    /** The same on bytes that stay where they are, e.g. inside a scan block. */
    static QString read(QByteArrayView record, int offset, int capacity);

    /** The field's significant bytes, trimmed like read(), without decoding
     *  them: for scans that look at many records and keep few characters. */
    static QByteArrayView bytes(QByteArrayView record, int offset, int capacity);

    /** Trims, encodes, cuts to capacity and zeroes the bytes after the text,
     *  so no leftover of another record stays in the file. */
    static void write(QByteArray &record, int offset, int capacity, const QString &text);
};

} // namespace lumivista
