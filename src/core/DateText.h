#pragma once
#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <optional>

namespace lumivista {

/** Dates as the records keep them: "dd/mm/yyyy". */
class DateText
{
public:
    /** The trimmed text as a real date; nullopt for anything else. */
    static std::optional<QDate> read(const QString &text);
    /** The same from a field's Windows-1252 bytes: the usual form is read
     *  without decoding, for scans over whole archives. */
    static std::optional<QDate> read(QByteArrayView text);
    static QString write(const QDate &date) { return date.toString(QStringLiteral("dd/MM/yyyy")); }
    /** Whole months from since to today (negative when since lies ahead):
     *  10/03 to 09/05 is one month, to 10/05 two. */
    static int monthsBetween(const QDate &since, const QDate &today);
};

} // namespace lumivista
