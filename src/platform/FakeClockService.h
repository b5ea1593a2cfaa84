#pragma once
#include "ClockService.h"

namespace lumivista {

/** A stopped clock: 15/03/2024 10:00 until a test sets another moment. */
class FakeClockService : public ClockService
{
public:
    QDate today() const override { return m_now.date(); }
    QDateTime now() const override { return m_now; }

    void setNow(const QDateTime &now) { m_now = now; }
    /** Moves to another day, keeping the time of day. */
    void setToday(const QDate &date) { m_now.setDate(date); }

private:
    QDateTime m_now{QDate(2024, 3, 15), QTime(10, 0)};
};

} // namespace lumivista
