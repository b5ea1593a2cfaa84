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

/** An amount as stored, read as the cards read it. */
std::optional<Decimal> amountOf(QByteArrayView stored)
{
    return Amount::value(Text::fromCp1252(stored.data(), int(stored.size())));
}


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

} // namespace

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
                const std::optional<Decimal> income = amountOf(bytes(record, total));
                const std::optional<Decimal> down = amountOf(bytes(record, deposit));
                const bool unpaid = bytes(record, paid) == "No";
                const std::optional<Decimal> due = unpaid ? amountOf(bytes(record, balance)) : Decimal();
                if (!income || !down || !due) {
                    ++result.skipped;
                    return true;
                }
                MonthFigures &m = (y == year ? result.months : result.previous)[size_t(day->month() - 1)];
                Decimal &sold = glasses ? m.glassesIncome : m.lensIncome;
                sold = sold + *income;
                m.deposits = m.deposits + *down;
                m.open = m.open + *due;
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
                MonthFigures &m = (y == year ? result.months : result.previous)[size_t(day->month() - 1)];
                ++(bytes(record, done) == yes ? m.fulfilled : m.pending);
                return true;
            });
            file.close();
        } catch (const ArchiveError &error) {
            failed(error);
        }
    }
    result.frameMakers = topTen(frames);
    result.lensMakers = topTen(lensMakers);
    return result;
}

} // namespace lumivista
