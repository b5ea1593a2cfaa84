#include "ExportSnapshot.h"
#include "AppointmentKey.h"
#include "AppointmentRules.h"
#include "ExportColumns.h"
#include "RecordFile.h"
#include "RecordView.h"

#include <algorithm>

namespace lumivista {

namespace {
/** Progress is told about this often, so a window can keep painting. */
constexpr qint64 kProgressEvery = 2048;
} // namespace

ExportSnapshot::ExportSnapshot(const RecordLayout &layout, QList<ExportColumn> columns, ExportRows rows, bool sortByKey)
    : m_layout(layout), m_columns(std::move(columns)), m_rule(rows), m_sortByKey(sortByKey)
{
}

bool ExportSnapshot::fill(const QString &path, const QDate &day, const Progress &progress)
{
    m_rows.clear();
    // Field positions looked up once; -1 stands for the appointment's key.
    QList<int> fields;
    for (const ExportColumn &column : std::as_const(m_columns))
        fields << (column.field == ExportColumns::keyField() ? -1 : m_layout.indexOf(column.field));
    bool complete = true;
    try {
        RecordFile file(path, m_layout);
        const qint64 total = file.count();
        m_rows.reserve(m_rule == ExportRows::All ? total : 0);
        int number = 0;
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
            if (!keep)
                return true;
            ExportRow row;
            row.number = ++number;
            row.cells.reserve(fields.size());
            for (const int field : std::as_const(fields))
                row.cells << (field < 0 ? AppointmentKey::of(record) : record.value(field));
            m_rows.append(std::move(row));
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

void ExportSnapshot::sortByKey()
{
    std::stable_sort(m_rows.begin(), m_rows.end(), [](const ExportRow &a, const ExportRow &b) {
        return a.cells.constLast().compare(b.cells.constLast(), Qt::CaseInsensitive) < 0;
    });
}

WholeFile::Outcome ExportSnapshot::write(const QString &path, const QString &sheet, const Progress &progress) const
{
    WholeFile::Writer writer(path);
    writer.append(XlsWorkbook::head(sheet, m_columns));
    // Rows go out in blocks: a large archive never sits twice in memory.
    QByteArray block;
    const qint64 total = m_rows.size();
    for (qint64 i = 0; i < total; ++i) {
        block += XlsWorkbook::row(m_rows.at(i).cells);
        if (block.size() > (1 << 20)) {
            if (!writer.append(block))
                break;
            block.clear();
        }
        if (progress && i % kProgressEvery == 0)
            progress(i, total);
    }
    writer.append(block);
    writer.append(XlsWorkbook::tail());
    return writer.commit();
}

} // namespace lumivista
