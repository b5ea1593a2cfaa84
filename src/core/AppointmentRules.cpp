#include "AppointmentRules.h"
#include "AppointmentKey.h"
#include "DateText.h"
#include "RecordFile.h"
#include "RecordView.h"
#include "ShortText.h"
#include "Text.h"

#include <algorithm>

namespace lumivista {

namespace {

QString field(const RecordView &record, const char *name)
{
    return Text::trim(record.value(QLatin1String(name)));
}

/** Where the fields the selection reads lie, looked up once. */
struct Offsets
{
    int data, avviso, ottemperata;
    int dataCapacity, avvisoCapacity, ottemperataCapacity;
};

const Offsets &offsets()
{
    static const Offsets o = [] {
        const RecordLayout &l = RecordLayout::appointments();
        const int d = l.indexOf(QStringLiteral("Data"));
        const int a = l.indexOf(QStringLiteral("Avviso"));
        const int t = l.indexOf(QStringLiteral("Ottemperata"));
        return Offsets{l.offset(d), l.offset(a), l.offset(t),
                       l.field(d).capacity, l.field(a).capacity, l.field(t).capacity};
    }();
    return o;
}

/** The significant bytes of a field: the selection looks at bytes and decodes
 *  only what it lists. */
QByteArrayView trimmedBytes(const RecordView &record, int offset, int capacity)
{
    return ShortText::bytes(record.bytes(), offset, capacity);
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int number(QByteArrayView digits)
{
    int n = 0;
    for (const char c : digits)
        n = n * 10 + (c - '0');
    return n;
}

std::optional<int> daysOf(QByteArrayView text)
{
    if (!text.isEmpty() && text.size() <= 6 && std::all_of(text.begin(), text.end(), isDigit))
        return number(text);
    return AppointmentRules::readDays(Text::fromCp1252(text.data(), int(text.size())));
}

} // namespace

bool AppointmentRules::isNotFulfilled(const RecordView &appointment)
{
    return field(appointment, "Ottemperata") == QLatin1String("No");
}

bool AppointmentRules::isFulfilled(const RecordView &appointment)
{
    return field(appointment, "Ottemperata") == QStringLiteral("S\u00EC");
}

std::optional<QDate> AppointmentRules::readDate(const QString &text)
{
    return DateText::read(text);
}

std::optional<int> AppointmentRules::readDays(const QString &text)
{
    bool ok = false;
    const int days = Text::trim(text).toInt(&ok);
    if (!ok)
        return std::nullopt;
    return days;
}

std::optional<bool> AppointmentRules::isImminent(const RecordView &appointment, const QDate &today)
{
    const Offsets &o = offsets();
    const auto date = DateText::read(trimmedBytes(appointment, o.data, o.dataCapacity));
    const auto days = daysOf(trimmedBytes(appointment, o.avviso, o.avvisoCapacity));
    if (!date || !days)
        return std::nullopt;
    return date->addDays(-qint64(*days)) <= today && isNotFulfilled(appointment);
}

bool AppointmentRules::isOnDay(const RecordView &appointment, const QDate &day)
{
    return field(appointment, "Data") == day.toString(QStringLiteral("dd/MM/yyyy"));
}

bool AppointmentRules::isInMonth(const RecordView &appointment, const QDate &day)
{
    const QString data = field(appointment, "Data");
    const QString wanted = day.toString(QStringLiteral("dd/MM/yyyy"));
    return data.mid(3, 2) == wanted.mid(3, 2) && data.mid(6, 4) == wanted.mid(6, 4);
}

void AppointmentRules::collectImminent(RecordFile &file, const QDate &today, QStringList &lines)
{
    const Offsets &o = offsets();
    file.scan([&](qint64, const RecordView &record) {
        // Fulfilled appointments are most of an old archive: the flag is the cheapest test.
        if (trimmedBytes(record, o.ottemperata, o.ottemperataCapacity) != QByteArrayView("No"))
            return true;
        // A record whose date or days of notice cannot be read is skipped, so one
        // damaged record never hides the appointments after it.
        if (isImminent(record, today).value_or(false))
            lines.append(agendaLine(record));
        return true;
    });
}

void AppointmentRules::sortAgenda(QStringList &lines)
{
    std::stable_sort(lines.begin(), lines.end(), [](const QString &a, const QString &b) {
        // Lines differ mostly in the digits of their ID, which have no case: where
        // the first difference is between two such characters it decides, as a
        // comparison that ignores case would; anything else takes the full way.
        const qsizetype n = qMin(a.size(), b.size());
        for (qsizetype i = 0; i < n; ++i) {
            const char16_t x = a.at(i).unicode();
            const char16_t y = b.at(i).unicode();
            if (x == y)
                continue;
            if (x < 128 && y < 128 && !QChar::isLetter(x) && !QChar::isLetter(y))
                return x < y;
            break;
        }
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
}

QString AppointmentRules::agendaLine(const RecordView &appointment)
{
    // Built straight from the record's bytes into one string: the agenda makes a
    // line for every imminent record, tens of thousands in a busy archive.
    struct Slot
    {
        int offset, capacity;
    };
    static const QList<Slot> slots = [] {
        const RecordLayout &l = RecordLayout::appointments();
        QList<Slot> list;
        for (const char *name : {"Data", "OreApp", "MinutiApp", "Ora", "Contatto", "Cel", "Causale", "Importo"}) {
            const int i = l.indexOf(QLatin1String(name));
            list.append({l.offset(i), l.field(i).capacity});
        }
        return list;
    }();
    const auto text = [&](int i) { return trimmedBytes(appointment, slots.at(i).offset, slots.at(i).capacity); };
    QString line;
    line.reserve(200);
    // width < 0: the text as it is; otherwise blanks after it, or cut, to exactly width.
    const auto put = [&line](QByteArrayView bytes, int width = -1) {
        const qsizetype n = width < 0 ? bytes.size() : qMin<qsizetype>(bytes.size(), width);
        for (qsizetype k = 0; k < n; ++k)
            line.append(Text::fromCp1252(bytes.at(k)));
        for (qsizetype k = n; k < width; ++k)
            line.append(QLatin1Char(' '));
    };
    const QByteArrayView date = text(0);
    line.append(QLatin1String("ID: "));
    // The key: year, month and day cut from the date, then hour and minute.
    put(date.size() > 6 ? date.sliced(6, qMin<qsizetype>(4, date.size() - 6)) : QByteArrayView());
    put(date.size() > 3 ? date.sliced(3, qMin<qsizetype>(2, date.size() - 3)) : QByteArrayView());
    put(date.first(qMin<qsizetype>(2, date.size())));
    put(text(1));
    put(text(2));
    line.append(QLatin1String("  Data: "));
    put(date, 10);
    line.append(QLatin1String("  Ora: "));
    put(text(3), 5);
    line.append(QLatin1String("  "));
    put(text(4), 30);
    line.append(QLatin1String("  Cel. "));
    put(text(5), 14);
    line.append(QLatin1String("  "));
    put(text(6), 42);
    line.append(QStringLiteral("  \u20AC "));
    put(text(7));
    return line;
}

} // namespace lumivista
