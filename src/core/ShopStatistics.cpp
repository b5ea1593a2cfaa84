#include "ShopStatistics.h"
#include "Amount.h"
#include "ArchiveError.h"
#include "DateText.h"
#include "Messages.h"
#include "RecordFile.h"
#include "ShortText.h"
#include "Text.h"
#include "Utf8.h"
#include <QHash>
#include <algorithm>

namespace lumivista {

namespace {

struct Slot
{
    int offset = 0;
    int capacity = 0;
};

Slot slot(const RecordLayout &layout, const char *field)
{
    const int i = layout.indexOf(QLatin1String(field));
    return {layout.offset(i), layout.field(i).capacity};
}

QByteArrayView bytes(const RecordView &record, const Slot &s)
{
    return ShortText::bytes(record.bytes(), s.offset, s.capacity);
}

/** Sums of amounts in the usual form ("123,45", "7") kept as whole cents, and
 *  anything else as an exact decimal beside them: a year of prescriptions adds
 *  up without a decimal object per amount. */
struct Sum
{
    qint64 cents = 0;
    Decimal rest;

    Decimal value() const
    {
        const qint64 whole = cents / 100;
        const qint64 part = qAbs(cents % 100);
        const QString text = (cents < 0 && whole == 0 ? s("-") : QString()) + QString::number(whole) + s(",")
            + QString::number(part).rightJustified(2, QLatin1Char('0'));
        return *Decimal::parse(text) + rest;
    }
};

/** Whole cents of an amount of at most two decimals in digits and a comma. */
std::optional<qint64> centsOf(QByteArrayView text)
{
    if (text.isEmpty())
        return 0;
    qint64 cents = 0;
    int decimals = -1;
    bool negative = false;
    qsizetype i = 0;
    if (text.at(0) == '-') {
        negative = true;
        i = 1;
    }
    if (i >= text.size() || text.size() > 15)
        return std::nullopt;
    for (; i < text.size(); ++i) {
        const char c = text.at(i);
        if (c == ',' && decimals < 0) {
            decimals = 0;
        } else if (c >= '0' && c <= '9' && decimals < 2) {
            cents = cents * 10 + (c - '0');
            if (decimals >= 0)
                ++decimals;
        } else {
            return std::nullopt;
        }
    }
    if (decimals == 0)
        return std::nullopt; // "12," goes the slow way
    for (int d = qMax(decimals, 0); d < 2; ++d)
        cents *= 10;
    return negative ? -cents : cents;
}

struct Amounts
{
    std::optional<qint64> cents;
    std::optional<Decimal> exact;
    bool ok() const { return cents || exact; }
};

Amounts read(QByteArrayView text)
{
    Amounts a;
    a.cents = centsOf(text);
    if (!a.cents)
        a.exact = ShopStatistics::amount(text);
    return a;
}

void add(Sum &sum, const Amounts &a)
{
    if (a.cents)
        sum.cents += *a.cents;
    else
        sum.rest = sum.rest + *a.exact;
}

struct MonthSums
{
    Sum glassesIncome, lensIncome, deposits, open;
    int glasses = 0, lenses = 0, fulfilled = 0, pending = 0;
};

/** Makers counted under their name folded as the searches fold it (A to Z),
 *  shown as first written. */
struct MakerCount
{
    QString shown;
    int count = 0;
};

void count(QHash<QByteArray, MakerCount> &makers, QList<QByteArrayView> names)
{
    QList<QByteArray> seen;
    for (const QByteArrayView name : names) {
        if (name.isEmpty())
            continue;
        QByteArray key(name.data(), name.size());
        for (char &c : key)
            if (c >= 'a' && c <= 'z')
                c = char(c - 'a' + 'A');
        if (seen.contains(key))
            continue; // the same maker for both eyes counts once
        seen << key;
        MakerCount &m = makers[key];
        if (m.count == 0)
            m.shown = Text::fromCp1252(name.data(), int(name.size()));
        ++m.count;
    }
}

QList<RankedMaker> topTen(const QHash<QByteArray, MakerCount> &makers)
{
    QList<RankedMaker> ranked;
    for (auto it = makers.cbegin(); it != makers.cend(); ++it)
        ranked.append({it->shown, it->count});
    std::sort(ranked.begin(), ranked.end(), [](const RankedMaker &a, const RankedMaker &b) {
        return a.count != b.count ? a.count > b.count : Text::compareFoldedAZ(a.name, b.name) < 0;
    });
    return ranked.mid(0, 10);
}

MonthFigures figures(const MonthSums &m)
{
    MonthFigures f;
    f.glassesIncome = m.glassesIncome.value();
    f.lensIncome = m.lensIncome.value();
    f.deposits = m.deposits.value();
    f.open = m.open.value();
    f.glasses = m.glasses;
    f.lenses = m.lenses;
    f.fulfilled = m.fulfilled;
    f.pending = m.pending;
    return f;
}

} // namespace

std::optional<Decimal> ShopStatistics::amount(QByteArrayView stored)
{
    const QString text = Text::trim(Text::fromCp1252(stored.data(), int(stored.size())));
    if (text.isEmpty())
        return Decimal();
    return Decimal::parse(text);
}

QString ShopStatistics::euro(const Decimal &amount)
{
    return Amount::completeDecimals(amount.rounded(2).toGeneral());
}

MonthFigures ShopStatistics::sum(const std::array<MonthFigures, 12> &months)
{
    MonthFigures t;
    for (const MonthFigures &m : months) {
        t.glassesIncome = t.glassesIncome + m.glassesIncome;
        t.lensIncome = t.lensIncome + m.lensIncome;
        t.deposits = t.deposits + m.deposits;
        t.open = t.open + m.open;
        t.glasses += m.glasses;
        t.lenses += m.lenses;
        t.fulfilled += m.fulfilled;
        t.pending += m.pending;
    }
    return t;
}

ShopStatistics::Result ShopStatistics::of(int year)
{
    Result result;
    result.year = year;
    std::array<MonthSums, 12> current;
    std::array<MonthSums, 12> before;
    QHash<QByteArray, MakerCount> frames;
    QHash<QByteArray, MakerCount> lensMakers;
    const auto failed = [&result](const ArchiveError &error) {
        if (!result.failures.contains(Messages::accessFailure(error)))
            result.failures.append(Messages::accessFailure(error));
    };
    const QByteArray yes = Text::toCp1252(s("Sì"));

    const auto prescriptions = [&](const RecordLayout &layout, bool glasses) {
        const Slot date = slot(layout, "Data");
        const Slot total = slot(layout, "Dovuto");
        const Slot deposit = slot(layout, "Finale");
        const Slot balance = slot(layout, "Totale");
        const Slot paid = slot(layout, "Saldato");
        const Slot frame = slot(layout, "Montatura01");
        // The lens maker: first row of each lens on an eyeglass card, second on a contact-lens card.
        const Slot right = slot(layout, glasses ? "LenteDX01" : "LenteDX02");
        const Slot left = slot(layout, glasses ? "LenteSX01" : "LenteSX02");
        try {
            RecordFile file(RecordFile::pathFor(layout), layout);
            file.scan([&](qint64, const RecordView &record) {
                const std::optional<QDate> day = DateText::read(bytes(record, date));
                if (!day) {
                    ++result.skipped;
                    return true;
                }
                const int y = day->year();
                if (y != year && y != year - 1)
                    return true;
                const Amounts income = read(bytes(record, total));
                const Amounts down = read(bytes(record, deposit));
                const bool unpaid = bytes(record, paid) == "No";
                const Amounts due = unpaid ? read(bytes(record, balance)) : Amounts{0, {}};
                if (!income.ok() || !down.ok() || !due.ok()) {
                    ++result.skipped;
                    return true;
                }
                MonthSums &m = (y == year ? current : before)[size_t(day->month() - 1)];
                add(glasses ? m.glassesIncome : m.lensIncome, income);
                add(m.deposits, down);
                if (unpaid)
                    add(m.open, due);
                ++(glasses ? m.glasses : m.lenses);
                if (y == year) {
                    if (glasses)
                        count(frames, {bytes(record, frame)});
                    count(lensMakers, {bytes(record, right), bytes(record, left)});
                }
                return true;
            });
            file.close();
        } catch (const ArchiveError &error) {
            failed(error);
        }
    };
    prescriptions(RecordLayout::glasses(), true);
    prescriptions(RecordLayout::lenses(), false);

    {
        const RecordLayout &layout = RecordLayout::appointments();
        const Slot date = slot(layout, "Data");
        const Slot done = slot(layout, "Ottemperata");
        try {
            RecordFile file(RecordFile::pathFor(layout), layout);
            file.scan([&](qint64, const RecordView &record) {
                const std::optional<QDate> day = DateText::read(bytes(record, date));
                if (!day) {
                    ++result.skipped;
                    return true;
                }
                const int y = day->year();
                if (y != year && y != year - 1)
                    return true;
                MonthSums &m = (y == year ? current : before)[size_t(day->month() - 1)];
                ++(bytes(record, done) == yes ? m.fulfilled : m.pending);
                return true;
            });
            file.close();
        } catch (const ArchiveError &error) {
            failed(error);
        }
    }
    for (size_t i = 0; i < 12; ++i) {
        result.months[i] = figures(current[i]);
        result.previous[i] = figures(before[i]);
    }
    result.frameMakers = topTen(frames);
    result.lensMakers = topTen(lensMakers);
    return result;
}

} // namespace lumivista
