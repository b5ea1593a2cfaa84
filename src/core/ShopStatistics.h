#pragma once
#include "Decimal.h"
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace lumivista {

/** The figures of one month. Amounts are exact sums of the amounts as stored. */
struct MonthFigures
{
    Decimal glassesIncome;  // totals of the eyeglass prescriptions issued
    Decimal lensIncome;     // totals of the contact-lens prescriptions issued
    Decimal deposits;       // deposits of the prescriptions issued
    Decimal open;           // balances of those issued and not paid
    int glasses = 0;
    int lenses = 0;
    int fulfilled = 0;      // appointments of the month, fulfilled
    int pending = 0;        // and not
};

/** One maker and how many prescriptions of the year name it. */
struct RankedMaker
{
    QString name;
    int count = 0;
};

/** The shop's year at a glance, read from the two prescription archives and
 *  the appointments in one pass each. A record whose date or amount cannot be
 *  read is left out of every figure and counted, never taken as zero. */
class ShopStatistics
{
public:
    struct Result
    {
        int year = 0;
        std::array<MonthFigures, 12> months;   // the year shown
        std::array<MonthFigures, 12> previous; // the year before, for the totals
        QList<RankedMaker> frameMakers;        // the ten most frequent, most first
        QList<RankedMaker> lensMakers;
        int skipped = 0;
        QStringList failures; // archives not read to the end (the message to show)

        MonthFigures total() const { return sum(months); }
        MonthFigures previousTotal() const { return sum(previous); }
    };
    static Result of(int year);
    static MonthFigures sum(const std::array<MonthFigures, 12> &months);
};

} // namespace lumivista
