#pragma once
#include "ClockService.h"

namespace lumivista {

/** The system clock, local time. */
class QtClockService : public ClockService
{
public:
    QDate today() const override;
    QDateTime now() const override;
};

} // namespace lumivista
