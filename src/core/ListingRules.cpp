#include "ListingRules.h"
#include "AppointmentRules.h"
#include "ShortText.h"

namespace lumivista {

namespace {

QByteArrayView field(const RecordView &record, const char *name)
{
    const RecordLayout &layout = record.layout();
    const int index = layout.indexOf(QLatin1String(name));
    return ShortText::bytes(record.bytes(), layout.offset(index), layout.field(index).capacity);
}

} // namespace

bool ListingRules::pendingIssue(const RecordView &client)
{
    return !field(client, "Issues").isEmpty();
}

bool ListingRules::unpaid(const RecordView &prescription)
{
    return field(prescription, "Saldato") == QByteArrayView("No");
}

bool ListingRules::expired(const RecordView &appointment, const QDate &today)
{
    if (!AppointmentRules::isNotFulfilled(appointment))
        return false;
    const std::optional<QDate> date = AppointmentRules::readDate(appointment.value(QStringLiteral("Data")));
    return date && *date < today;
}

} // namespace lumivista
