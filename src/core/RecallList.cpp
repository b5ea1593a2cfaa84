#include "RecallList.h"
#include "ArchiveError.h"
#include "ClientMatch.h"
#include "DateText.h"
#include "Messages.h"
#include "RecordFile.h"
#include "ShortText.h"
#include "Text.h"
#include "Utf8.h"
#include <algorithm>
#include <array>
#include <thread>
#include <vector>

namespace lumivista {

namespace {

/** The bytes of every client's keys, one after the other: a hundred thousand
 *  clients cost no allocation each, and the keys of neighbours lie together. */
class Arena
{
public:
    struct Span
    {
        quint32 offset = 0;
        quint32 length = 0;
    };
    Span add(QByteArrayView bytes)
    {
        const Span span{quint32(m_bytes.size()), quint32(bytes.size())};
        m_bytes.append(bytes);
        return span;
    }
    QByteArrayView view(const Span &span) const { return QByteArrayView(m_bytes).sliced(span.offset, span.length); }
    void reserve(qsizetype bytes) { m_bytes.reserve(bytes); }

private:
    QByteArray m_bytes;
};

struct Client
{
    Arena::Span taxCode; // folded
    Arena::Span folded;  // the name, folded
    Arena::Span phone;   // the mobile as the WhatsApp links give it
    Arena::Span name;    // as stored: decoded only for the clients listed
    Arena::Span mobile;
    QDate last;
    RecallEntry::Kind kind = RecallEntry::Kind::Exam;
};

/** Clients by one folded key (name or tax code), for 100,000 of them probed
 *  200,000 times: an open-addressed table of (hash, first client) pairs, with
 *  clients of the same key chained in a vector. A probe touches the table and
 *  compares the key only on a hash that matches, so a scan stays close to the
 *  speed of reading the archives. */
class KeyIndex
{
public:
    explicit KeyIndex(qsizetype clients)
    {
        size_t size = 16;
        while (size < size_t(clients) * 2)
            size *= 2;
        m_slots.assign(size, Slot{});
        m_next.assign(size_t(clients), -1);
        m_mask = size - 1;
    }

    /** key of client index, which keys() must return from then on. */
    template<class Keys> void add(QByteArrayView key, qint32 index, const Keys &keys)
    {
        const size_t hash = qHash(key, Seed);
        for (size_t at = hash & m_mask;; at = (at + 1) & m_mask) {
            Slot &slot = m_slots[at];
            if (slot.head < 0) {
                slot = {hash, index};
                return;
            }
            if (slot.hash == hash && keys(slot.head) == key) {
                m_next[size_t(index)] = slot.head;
                slot.head = index;
                return;
            }
        }
    }

    /** Calls visit with every client whose key equals key. */
    static size_t hashOf(QByteArrayView key) { return qHash(key, Seed); }
    /** Asks for the key's first slot ahead of forEach(), so a scan does not
     *  wait on memory for each record in turn. */
    void prefetch(size_t hash) const { __builtin_prefetch(&m_slots[hash & m_mask]); }

    template<class Keys, class Visit> void forEach(QByteArrayView key, const Keys &keys, const Visit &visit) const
    {
        forEach(key, hashOf(key), keys, visit);
    }
    template<class Keys, class Visit>
    void forEach(QByteArrayView key, size_t hash, const Keys &keys, const Visit &visit) const
    {
        for (size_t at = hash & m_mask;; at = (at + 1) & m_mask) {
            const Slot &slot = m_slots[at];
            if (slot.head < 0)
                return;
            if (slot.hash == hash && keys(slot.head) == key) {
                for (qint32 i = slot.head; i >= 0; i = m_next[size_t(i)])
                    visit(i);
                return;
            }
        }
    }

private:
    /** Any seed but zero: Qt hashes with its fast routine only when seeded. */
    static constexpr size_t Seed = 0x9E3779B97F4A7C15u;
    struct Slot
    {
        size_t hash = 0;
        qint32 head = -1;
    };
    std::vector<Slot> m_slots;
    std::vector<qint32> m_next;
    size_t m_mask = 0;
};

/** The later visit wins; on the same day a prescription outranks the exam
 *  made for it, and lenses (the shorter interval) outrank eyeglasses. */
void visit(Client &client, const QDate &day, RecallEntry::Kind kind)
{
    const auto rank = [](RecallEntry::Kind k) { return k == RecallEntry::Kind::Exam ? 0 : k == RecallEntry::Kind::Glasses ? 1 : 2; };
    if (!client.last.isValid() || day > client.last || (day == client.last && rank(kind) > rank(client.kind))) {
        client.last = day;
        client.kind = kind;
    }
}

QByteArrayView fieldBytes(const RecordView &record, int index)
{
    return ShortText::bytes(record.bytes(), record.layout().offset(index), record.layout().field(index).capacity);
}

} // namespace

QString RecallEntry::kindName(Kind kind)
{
    switch (kind) {
    case Kind::Glasses:
        return s("Occhiali");
    case Kind::Lenses:
        return s("Lenti a contatto");
    case Kind::Exam:
        return s("Esame optometrico");
    }
    return QString();
}

bool RecallList::recentlyRecalled(const RecallEntry &entry, const QDate &today)
{
    return entry.recalled.isValid() && entry.recalled >= today.addDays(-30);
}

RecallList::Result RecallList::due(const QDate &today, const Intervals &intervals, const QHash<qint64, QDate> &recalled)
{
    Result result;
    const auto failed = [&result](const ArchiveError &error) {
        if (!result.failures.contains(Messages::accessFailure(error)))
            result.failures.append(Messages::accessFailure(error));
    };

    // The prescriptions are read on a second thread while this one reads the
    // clients: each becomes a compact request (day, folded keys, mobile), and
    // the requests are matched once the clients are indexed.
    struct Request
    {
        QDate day;
        RecallEntry::Kind kind;
        Arena::Span tax;
        Arena::Span name;
        Arena::Span phone;
        size_t taxHash;
        size_t nameHash;
    };
    Arena requestBytes;
    std::vector<Request> requests;
    QList<ArchiveError> requestFailures;
    std::thread reader([&] {
        ClientMatch::Key buffers;
        for (const auto &[layout, kind] : {std::pair{&RecordLayout::glasses(), RecallEntry::Kind::Glasses},
                                           std::pair{&RecordLayout::lenses(), RecallEntry::Kind::Lenses}}) {
            const ClientMatch::Fields fields(*layout);
            const int date = layout->indexOf(QStringLiteral("Data"));
            try {
                RecordFile file(RecordFile::pathFor(*layout), *layout);
                requests.reserve(requests.size() + size_t(file.count()));
                requestBytes.reserve(file.count() * 48);
                file.scan([&](qint64, const RecordView &record) {
                    const std::optional<QDate> day = DateText::read(fieldBytes(record, date));
                    if (!day)
                        return true;
                    const ClientMatch::KeyView key = fields.keyInto(record, buffers);
                    requests.push_back({*day, kind, requestBytes.add(key.taxCode), requestBytes.add(key.name),
                                        requestBytes.add(key.mobile), KeyIndex::hashOf(key.taxCode),
                                        KeyIndex::hashOf(key.name)});
                    return true;
                });
                file.close();
            } catch (const ArchiveError &error) {
                requestFailures.append(error);
            }
        }
    });
    // The reader is joined on every way out of this function.
    struct Join
    {
        std::thread &thread;
        ~Join()
        {
            if (thread.joinable())
                thread.join();
        }
    } join{reader};

    // The clients, with their keys indexed by tax code and by name.
    std::vector<Client> clients;
    std::optional<KeyIndex> byTax;
    std::optional<KeyIndex> byName;
    Arena arena;
    const auto keyOf = [&](qint32 i) {
        const Client &c = clients[size_t(i)];
        return ClientMatch::KeyView{arena.view(c.taxCode), arena.view(c.folded), arena.view(c.phone)};
    };
    const auto taxOf = [&](qint32 i) { return keyOf(i).taxCode; };
    const auto nameOf = [&](qint32 i) { return keyOf(i).name; };
    {
        const RecordLayout &layout = RecordLayout::clients();
        const ClientMatch::Fields fields(layout);
        const int exam = layout.indexOf(QStringLiteral("DataEsame"));
        try {
            RecordFile file(RecordFile::pathFor(layout), layout);
            const qint64 count = file.count();
            clients.reserve(size_t(count));
            arena.reserve(count * 64);
            ClientMatch::Key buffers;
            byTax.emplace(count);
            byName.emplace(count);
            file.scan([&](qint64 index, const RecordView &record) {
                if (index >= count)
                    return false; // appended meanwhile: the tables hold what was counted
                Client c;
                const ClientMatch::KeyView key = fields.keyInto(record, buffers);
                c.taxCode = arena.add(key.taxCode);
                c.folded = arena.add(key.name);
                c.phone = arena.add(key.mobile);
                c.name = arena.add(fields.name(record));
                c.mobile = arena.add(fields.mobile(record));
                if (const QByteArrayView examDate = fieldBytes(record, exam); !examDate.isEmpty()) {
                    if (const auto day = DateText::read(examDate))
                        visit(c, *day, RecallEntry::Kind::Exam);
                }
                clients.push_back(std::move(c));
                const auto i = qint32(index);
                if (clients.back().taxCode.length > 0)
                    byTax->add(taxOf(i), i, taxOf);
                if (clients.back().folded.length > 0)
                    byName->add(nameOf(i), i, nameOf);
                return true;
            });
            file.close();
        } catch (const ArchiveError &error) {
            failed(error);
        }
    }
    if (!byTax || !byName)
        return result;

    // Each prescription goes to every client it matches, the index slots of
    // the requests a few places ahead asked for while the current one is matched.
    reader.join();
    for (const ArchiveError &error : std::as_const(requestFailures))
        failed(error);
    constexpr size_t Ahead = 8;
    for (size_t k = 0; k < requests.size(); ++k) {
        if (k + Ahead < requests.size()) {
            const Request &next = requests[k + Ahead];
            if (next.tax.length > 0)
                byTax->prefetch(next.taxHash);
            byName->prefetch(next.nameHash);
        }
        const Request &p = requests[k];
        const ClientMatch::KeyView key{requestBytes.view(p.tax), requestBytes.view(p.name), requestBytes.view(p.phone)};
        // The candidates share the tax code or the name; the one rule decides.
        const auto candidate = [&](qint32 i) {
            if (ClientMatch::match(keyOf(i), key) != ClientMatch::Rule::None)
                visit(clients[size_t(i)], p.day, p.kind);
        };
        if (!key.taxCode.isEmpty())
            byTax->forEach(key.taxCode, p.taxHash, taxOf, candidate);
        if (!key.name.isEmpty())
            byName->forEach(key.name, p.nameHash, nameOf, candidate);
    }

    // Sorted by the folded names the matching made; names and mobiles are
    // decoded only for the clients listed.
    std::vector<qint32> dueClients;
    for (size_t i = 0; i < clients.size(); ++i) {
        const Client &c = clients[i];
        if (!c.last.isValid())
            continue;
        const int interval = c.kind == RecallEntry::Kind::Lenses ? intervals.lensMonths : intervals.glassesMonths;
        if (c.last.addMonths(interval) <= today)
            dueClients.push_back(qint32(i));
    }
    // The first sixteen bytes of each name as two numbers decide most
    // comparisons without touching the names themselves.
    struct Order
    {
        quint64 high;
        quint64 low;
        qint32 index;
    };
    std::vector<Order> order;
    order.reserve(dueClients.size());
    for (const qint32 i : dueClients) {
        const QByteArrayView name = arena.view(clients[size_t(i)].folded);
        quint64 part[2] = {0, 0};
        for (qsizetype k = 0; k < 16; ++k)
            part[k / 8] = (part[k / 8] << 8) | (k < name.size() ? uchar(name.at(k)) : 0u);
        order.push_back({part[0], part[1], i});
    }
    std::sort(order.begin(), order.end(), [&](const Order &a, const Order &b) {
        if (a.high != b.high)
            return a.high < b.high;
        if (a.low != b.low)
            return a.low < b.low;
        const int byName = arena.view(clients[size_t(a.index)].folded).compare(arena.view(clients[size_t(b.index)].folded));
        return byName != 0 ? byName < 0 : a.index < b.index;
    });
    for (size_t k = 0; k < order.size(); ++k)
        dueClients[k] = order[k].index;
    result.entries.reserve(qsizetype(dueClients.size()));
    for (const qint32 i : dueClients) {
        const Client &c = clients[size_t(i)];
        RecallEntry e;
        e.position = i + 1;
        const QByteArrayView name = arena.view(c.name);
        const QByteArrayView mobile = arena.view(c.mobile);
        e.name = Text::fromCp1252(name.data(), int(name.size()));
        e.mobile = Text::fromCp1252(mobile.data(), int(mobile.size()));
        e.kind = c.kind;
        e.lastVisit = c.last;
        e.months = DateText::monthsBetween(c.last, today);
        e.recalled = recalled.value(e.position);
        result.entries.append(e);
    }
    return result;
}

} // namespace lumivista
