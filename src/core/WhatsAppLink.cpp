#include "WhatsAppLink.h"
#include "Text.h"
#include <QUrl>
#include <algorithm>

namespace lumivista {

namespace {

/** The number with its separators gone into the form click-to-chat needs: a
 *  leading "+" or "00" dropped, 39 before an Italian 10-digit mobile. One rule
 *  for typed text and for a field's stored bytes. */
template<class String> void international(String &digits)
{
    if (digits.startsWith('+'))
        digits.remove(0, 1);
    else if (digits.startsWith("00"))
        digits.remove(0, 2);
    const bool nationalMobile = digits.size() == 10 && digits.startsWith('3')
        && std::all_of(digits.cbegin(), digits.cend(), [](auto c) { return c >= '0' && c <= '9'; });
    if (nationalMobile)
        digits.prepend("39");
}

} // namespace

QString WhatsAppLink::phone(const QString &typed)
{
    QString digits;
    digits.reserve(typed.size());
    for (const QChar c : typed) {
        if (c.isSpace() || c.unicode() < 32 || c == u'-' || c == u'.' || c == u'/' || c == u'(' || c == u')')
            continue;
        digits.append(c);
    }
    international(digits);
    return digits;
}

void WhatsAppLink::phoneInto(QByteArrayView typed, QByteArray &out)
{
    out.clear();
    for (const char c : typed) {
        const auto u = uchar(c);
        // Blanks (the no-break space too), control characters and the same separators.
        if (u <= 32 || u == 0xA0 || c == '-' || c == '.' || c == '/' || c == '(' || c == ')')
            continue;
        out.append(c);
    }
    international(out);
}

QString WhatsAppLink::confirmationText(const QString &hour, const QString &minute, const QString &date)
{
    return QStringLiteral("Gentile Cliente, le confermiamo l'appuntamento presso il nostro centro ottico alle ore ")
        + Text::trim(hour) + QLatin1Char(':') + Text::trim(minute) + QStringLiteral(" del giorno ") + Text::trim(date);
}

QString WhatsAppLink::reminderText(const QString &time, const QString &date)
{
    return QStringLiteral("Gentile Cliente, le ricordiamo l'appuntamento presso il nostro centro ottico alle ore ")
        + Text::trim(time) + QStringLiteral(" del giorno ") + Text::trim(date);
}

QString WhatsAppLink::build(const QString &mobile, const QString &text)
{
    return endpoint() + QStringLiteral("?phone=") + QString::fromLatin1(QUrl::toPercentEncoding(phone(Text::trim(mobile))))
        + QStringLiteral("&text=") + QString::fromLatin1(QUrl::toPercentEncoding(text));
}

QString WhatsAppLink::confirmation(const QString &mobile, const QString &hour, const QString &minute,
                                   const QString &date)
{
    return build(mobile, confirmationText(hour, minute, date));
}

QString WhatsAppLink::reminder(const QString &mobile, const QString &time, const QString &date)
{
    return build(mobile, reminderText(time, date));
}

QString WhatsAppLink::recallText(const QString &shop, int months)
{
    const QString name = Text::trim(shop);
    const QString where = name.isEmpty() ? QStringLiteral("il nostro centro ottico") : name;
    const QString since = months == 1 ? QStringLiteral("un mese") : QString::number(months) + QStringLiteral(" mesi");
    return QStringLiteral("Gentile Cliente, sono trascorsi ") + since + QStringLiteral(" dalla sua ultima visita presso ")
        + where + QString::fromUtf8(". È il momento di un controllo della vista: ci contatti per fissare un "
                                    "appuntamento.");
}

QString WhatsAppLink::recall(const QString &mobile, const QString &shop, int months)
{
    return build(mobile, recallText(shop, months));
}

} // namespace lumivista
