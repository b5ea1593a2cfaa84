#include "AppointmentKey.h"
#include "RecordView.h"
#include "Text.h"

namespace lumivista {

QString AppointmentKey::of(const QString &data, const QString &oreApp, const QString &minutiApp)
{
    const QString date = Text::trim(data);
    return date.mid(6, 4) + date.mid(3, 2) + date.mid(0, 2) + Text::trim(oreApp) + Text::trim(minutiApp);
}

QString AppointmentKey::of(const RecordView &appointment)
{
    return of(appointment.value(QStringLiteral("Data")), appointment.value(QStringLiteral("OreApp")),
              appointment.value(QStringLiteral("MinutiApp")));
}

} // namespace lumivista
