#include "ClientHistory.h"
#include "Amount.h"
#include "ArchiveError.h"
#include "DateText.h"
#include "Messages.h"
#include "RecordFile.h"
#include "Text.h"
#include "Utf8.h"
#include <algorithm>

namespace lumivista {

namespace {

/** A field as stored; reading trims it already. */
QString field(const RecordView &record, const char *name)
{
    return record.value(QLatin1String(name));
}

QString paidState(const QString &flag)
{
    if (flag == s("Sì"))
        return s("Saldata");
    if (flag == QLatin1String("No"))
        return s("Da saldare");
    return flag;
}

QString fulfilledState(const QString &flag)
{
    if (flag == s("Sì"))
        return s("Ottemperato");
    if (flag == QLatin1String("No"))
        return s("Da ottemperare");
    return flag;
}

/** yyyymmddhhmm for ordering; undated entries sort below every dated one. */
QString orderKey(const HistoryEntry &e)
{
    if (!e.day.isValid())
        return QString();
    return e.day.toString(QStringLiteral("yyyyMMdd")) + e.time;
}

} // namespace

QString HistoryEntry::kindName(Kind kind)
{
    switch (kind) {
    case Kind::Glasses:
        return s("Occhiali");
    case Kind::Lenses:
        return s("Lenti a contatto");
    case Kind::Appointment:
        return s("Appuntamento");
    case Kind::Exam:
        return s("Esame optometrico");
    }
    return QString();
}

ClientHistory::Result ClientHistory::of(const Record &client, const QDate &today)
{
    Result result;
    const ClientMatch::Key key = ClientMatch::Fields(RecordLayout::clients()).key(client.view());
    const QDate yearAgo = today.addMonths(-12);
    const auto seen = [&](const QDate &day) {
        if (day.isValid() && day <= today && day > result.lastVisit)
            result.lastVisit = day;
    };

    const auto scan = [&](const RecordLayout &layout, const std::function<void(HistoryEntry &, const RecordView &)> &fill) {
        const ClientMatch::Fields fields(layout);
        ClientMatch::Key buffers;
        try {
            RecordFile file(RecordFile::pathFor(layout), layout);
            file.scan([&](qint64 index, const RecordView &record) {
                const ClientMatch::Rule rule = ClientMatch::match(key.view(), fields.keyInto(record, buffers));
                if (rule == ClientMatch::Rule::None)
                    return true;
                HistoryEntry e;
                e.position = index + 1;
                e.rule = rule;
                e.date = field(record, "Data");
                e.day = DateText::read(e.date).value_or(QDate());
                fill(e, record);
                result.entries.append(e);
                return true;
            });
            file.close();
        } catch (const ArchiveError &error) {
            if (!result.failures.contains(Messages::accessFailure(error)))
                result.failures.append(Messages::accessFailure(error));
        }
    };

    const auto prescription = [&](HistoryEntry::Kind kind) {
        return [&, kind](HistoryEntry &e, const RecordView &record) {
            e.kind = kind;
            e.number = field(record, "NumPre");
            e.description = field(record, kind == HistoryEntry::Kind::Glasses ? "TipoOc" : "LenteDX01");
            e.total = field(record, "Dovuto");
            e.balance = field(record, "Totale");
            const QString paid = field(record, "Saldato");
            e.state = paidState(paid);
            seen(e.day);
            if (e.day.isValid() && e.day > yearAgo && e.day <= today) {
                if (const auto total = Amount::value(e.total))
                    result.spent = result.spent + *total;
                else
                    ++result.unreadableAmounts;
            }
            if (paid == QLatin1String("No")) {
                if (const auto balance = Amount::value(e.balance))
                    result.open = result.open + *balance;
                else
                    ++result.unreadableAmounts;
            }
        };
    };
    scan(RecordLayout::glasses(), prescription(HistoryEntry::Kind::Glasses));
    scan(RecordLayout::lenses(), prescription(HistoryEntry::Kind::Lenses));
    scan(RecordLayout::appointments(), [&](HistoryEntry &e, const RecordView &record) {
        e.kind = HistoryEntry::Kind::Appointment;
        e.time = field(record, "Ora");
        e.description = field(record, "Causale");
        const QString fulfilled = field(record, "Ottemperata");
        e.state = fulfilledState(fulfilled);
        if (fulfilled == s("Sì"))
            seen(e.day);
    });

    const QString exam = client.value(QStringLiteral("DataEsame"));
    if (!exam.isEmpty()) {
        HistoryEntry e;
        e.kind = HistoryEntry::Kind::Exam;
        e.date = exam;
        e.day = DateText::read(exam).value_or(QDate());
        e.description = client.value(QStringLiteral("Oculista"));
        seen(e.day);
        result.entries.append(e);
    }

    // Newest first; on the same day and time, the later record first.
    std::stable_sort(result.entries.begin(), result.entries.end(), [](const HistoryEntry &a, const HistoryEntry &b) {
        return orderKey(a) > orderKey(b);
    });
    return result;
}

} // namespace lumivista
