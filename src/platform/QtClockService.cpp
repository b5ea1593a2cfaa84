#include "QtClockService.h"

namespace lumivista {

QDate QtClockService::today() const
{
    return QDate::currentDate();
}

QDateTime QtClockService::now() const
{
    return QDateTime::currentDateTime();
}

} // namespace lumivista
