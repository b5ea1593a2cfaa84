#pragma once
#include <QDate>
#include <QDateTime>

namespace lumivista {

/** Today and now, so tests can pin the date the agenda and cards see. */
class ClockService
{
public:
    virtual ~ClockService() = default;
    virtual QDate today() const = 0;
    virtual QDateTime now() const = 0;
};

} // namespace lumivista
