#include "AppointmentRules.h"
#include "AppointmentKey.h"
#include "RecordView.h"
#include "Text.h"

namespace lumivista {

namespace {
QString field(const RecordView &record, const char *name)
{
    return Text::trim(record.value(QLatin1String(name)));
}
} // namespace

bool AppointmentRules::isNotFulfilled(const RecordView &appointment)
{
    return field(appointment, "Ottemperata") == QLatin1String("No");
}

bool AppointmentRules::isFulfilled(const RecordView &appointment)
{
    return field(appointment, "Ottemperata") == QStringLiteral("S\u00EC");
}

std::optional<QDate> AppointmentRules::readDate(const QString &text)
{
    const QDate date = QDate::fromString(Text::trim(text), QStringLiteral("dd/MM/yyyy"));
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<int> AppointmentRules::readDays(const QString &text)
{
    bool ok = false;
    const int days = Text::trim(text).toInt(&ok);
    if (!ok)
        return std::nullopt;
    return days;
}

std::optional<bool> AppointmentRules::isImminent(const RecordView &appointment, const QDate &today)
{
    const auto date = readDate(appointment.value(QStringLiteral("Data")));
    const auto days = readDays(appointment.value(QStringLiteral("Avviso")));
    if (!date || !days)
        return std::nullopt;
    return date->addDays(-qint64(*days)) <= today && isNotFulfilled(appointment);
}

QString AppointmentRules::agendaLine(const RecordView &appointment)
{
    return QStringLiteral("ID: ") + AppointmentKey::of(appointment)
        + QStringLiteral("  Data: ") + pad(field(appointment, "Data"), 10)
        + QStringLiteral("  Ora: ") + pad(field(appointment, "Ora"), 5)
        + QStringLiteral("  ") + pad(field(appointment, "Contatto"), 30)
        + QStringLiteral("  Cel. ") + pad(field(appointment, "Cel"), 14)
        + QStringLiteral("  ") + pad(field(appointment, "Causale"), 42)
        + QStringLiteral("  \u20AC ") + field(appointment, "Importo");
}

QString AppointmentRules::pad(const QString &text, int width)
{
    return text.leftJustified(width, QLatin1Char(' '), true);
}

} // namespace lumivista
