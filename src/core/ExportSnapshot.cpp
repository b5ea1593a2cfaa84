#include "ExportSnapshot.h"
#include "AppointmentKey.h"
#include "AppointmentRules.h"
#include "ExportColumns.h"
#include "RecordFile.h"
#include "RecordView.h"
#include "ShortText.h"
#include "Text.h"

#include <QVarLengthArray>

#include <algorithm>
#include <cstring>

namespace lumivista {

QString ExportRow::cell(int cell) const
{
    const QByteArrayView b = bytes(cell);
    return Text::fromCp1252(b.data(), int(b.size()));
}

namespace {
/** Progress is told about this often, so a window can keep painting. */
constexpr qint64 kProgressEvery = 2048;
} // namespace

ExportSnapshot::ExportSnapshot(const RecordLayout &layout, QList<ExportColumn> columns, ExportRows rows, bool sortByKey)
    : m_layout(layout), m_columns(std::move(columns)), m_rule(rows), m_sortByKey(sortByKey)
{
}

QList<std::pair<int, int>> ExportSnapshot::fieldSlots() const
{
    // A negative offset stands for the appointment's key.
    QList<std::pair<int, int>> fields; // offset, capacity
    for (const ExportColumn &column : std::as_const(m_columns)) {
        const int i = column.field == ExportColumns::keyField() ? -1 : m_layout.indexOf(column.field);
        fields << (i < 0 ? std::pair{-1, 0} : std::pair{m_layout.offset(i), m_layout.field(i).capacity});
    }
    return fields;
}

void ExportSnapshot::append(const RecordView &record, const QList<std::pair<int, int>> &fields)
{
    // The cells first as views, so the row is allocated once at its exact size.
    QByteArray key;
    QVarLengthArray<QByteArrayView, 32> cells;
    qsizetype length = 0;
    for (const auto &[offset, capacity] : fields) {
        if (offset < 0) {
            key = Text::toCp1252(AppointmentKey::of(record));
            cells.append(key);
        } else {
            cells.append(ShortText::bytes(record.bytes(), offset, capacity));
        }
        length += cells.last().size();
    }
    const qsizetype header = 2 * (cells.size() + 1);
    ExportRow row;
    row.number = int(m_rows.size()) + 1;
    row.data.resize(header + length);
    char *out = row.data.data();
    const auto putWord = [&out](qsizetype value) {
        *out++ = char(value & 0xFF);
        *out++ = char((value >> 8) & 0xFF);
    };
    putWord(cells.size());
    qsizetype end = header;
    for (const QByteArrayView cell : cells) {
        end += cell.size();
        putWord(end);
    }
    for (const QByteArrayView cell : cells) {
        std::memcpy(out, cell.data(), size_t(cell.size()));
        out += cell.size();
    }
    m_rows.append(std::move(row));
}

bool ExportSnapshot::fill(const QString &path, const QDate &day, const Progress &progress)
{
    m_rows.clear();
    const QList<std::pair<int, int>> fields = fieldSlots();
    bool complete = true;
    try {
        RecordFile file(path, m_layout);
        const qint64 total = file.count();
        m_rows.reserve(m_rule == ExportRows::All ? total : 0);
        file.scan([&](qint64 index, const RecordView &record) {
            if (progress && index % kProgressEvery == 0)
                progress(index, total);
            bool keep = true;
            switch (m_rule) {
            case ExportRows::All:
                break;
            case ExportRows::Imminent:
                keep = AppointmentRules::isImminent(record, day).value_or(false);
                break;
            case ExportRows::Day:
                keep = AppointmentRules::isOnDay(record, day);
                break;
            case ExportRows::Month:
                keep = AppointmentRules::isInMonth(record, day);
                break;
            }
            if (keep)
                append(record, fields);
            return true;
        });
        file.close();
    } catch (const ArchiveError &) {
        complete = false;
    }
    if (m_sortByKey)
        sortByKey();
    return complete;
}

void ExportSnapshot::fill(const QList<Record> &records)
{
    m_rows.clear();
    const QList<std::pair<int, int>> fields = fieldSlots();
    for (const Record &record : records)
        append(record.view(), fields);
    if (m_sortByKey)
        sortByKey();
}

void ExportSnapshot::sortByKey()
{
    std::stable_sort(m_rows.begin(), m_rows.end(), [](const ExportRow &a, const ExportRow &b) {
        const int last = a.count() - 1;
        return a.bytes(last).compare(b.bytes(last), Qt::CaseInsensitive) < 0;
    });
}

WholeFile::Outcome ExportSnapshot::write(const QString &path, const QString &sheet, const Progress &progress) const
{
    WholeFile::Writer writer(path);
    writer.append(XlsWorkbook::head(sheet, m_columns));
    // Rows go out in blocks of one reused buffer: a large archive never sits
    // twice in memory, and no fresh memory is touched for every block.
    QByteArray block;
    block.reserve(1 << 21);
    const qint64 total = m_rows.size();
    for (qint64 i = 0; i < total; ++i) {
        const ExportRow &row = m_rows.at(i);
        XlsWorkbook::appendRow(block, row.count(), [&row](int cell) { return row.bytes(cell); });
        if (block.size() > (1 << 20)) {
            if (!writer.append(block))
                break;
            block.resize(0);
        }
        if (progress && i % kProgressEvery == 0)
            progress(i, total);
    }
    writer.append(block);
    writer.append(XlsWorkbook::tail());
    return writer.commit();
}

} // namespace lumivista
