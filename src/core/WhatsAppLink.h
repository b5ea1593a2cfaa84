#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace lumivista {

/** Links that open the WhatsApp web client with a chat and a message prepared;
 *  the user sends it from the browser. */
class WhatsAppLink
{
public:
    /** The web client's send endpoint. */
    static QString endpoint() { return QStringLiteral("https://web.whatsapp.com/send"); }

    /** The number in the international form click-to-chat needs: separators and a
     *  leading "+" or "00" dropped, and an Italian 10-digit mobile ("3...") given
     *  the 39 prefix. Any other number is left as it is. */
    static QString phone(const QString &typed);
    /** The same from a field's Windows-1252 bytes into a buffer a scan reuses,
     *  without decoding them: to compare the mobiles of many records. */
    static void phoneInto(QByteArrayView typed, QByteArray &out);

    /** Sent from the appointment card. */
    static QString confirmationText(const QString &hour, const QString &minute, const QString &date);
    /** Sent from the agenda; time is hh:mm. */
    static QString reminderText(const QString &time, const QString &date);

    /** endpoint?phone=...&text=..., both values percent-encoded so the message
     *  arrives exactly as written (blanks, apostrophes, colons, slashes). */
    static QString build(const QString &mobile, const QString &text);

    static QString confirmation(const QString &mobile, const QString &hour, const QString &minute,
                                const QString &date);
    static QString reminder(const QString &mobile, const QString &time, const QString &date);
    /** Sent from the recall list: the shop is the first header line, months
     *  the time since the last visit. */
    static QString recallText(const QString &shop, int months);
    static QString recall(const QString &mobile, const QString &shop, int months);
};

} // namespace lumivista
