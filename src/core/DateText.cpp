#include "DateText.h"
#include "Text.h"

namespace lumivista {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int number(QByteArrayView digits)
{
    int n = 0;
    for (const char c : digits)
        n = n * 10 + (c - '0');
    return n;
}

} // namespace

std::optional<QDate> DateText::read(const QString &text)
{
    const QDate date = QDate::fromString(Text::trim(text), QStringLiteral("dd/MM/yyyy"));
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<QDate> DateText::read(QByteArrayView text)
{
    if (text.size() == 10 && text.at(2) == '/' && text.at(5) == '/') {
        bool digits = true;
        for (const int i : {0, 1, 3, 4, 6, 7, 8, 9})
            digits = digits && isDigit(text.at(i));
        if (digits) {
            const QDate date(number(text.sliced(6, 4)), number(text.sliced(3, 2)), number(text.sliced(0, 2)));
            return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
        }
    }
    return read(Text::fromCp1252(text.data(), int(text.size())));
}

int DateText::monthsBetween(const QDate &since, const QDate &today)
{
    int months = (today.year() - since.year()) * 12 + (today.month() - since.month());
    // A month counts once its day is reached; the 31st is reached on a shorter month's last day.
    if (months > 0 && since.addMonths(months) > today)
        --months;
    else if (months < 0 && since.addMonths(months) < today)
        ++months;
    return months;
}

} // namespace lumivista
