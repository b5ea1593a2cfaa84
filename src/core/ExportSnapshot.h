#pragma once
#include "Record.h"
#include "RecordLayout.h"
#include "WholeFile.h"
#include "XlsWorkbook.h"
#include <QDate>
#include <functional>

namespace lumivista {

/** Which records of the archive an export shows. */
enum class ExportRows { All, Imminent, Day, Month };

/** One row of an export: the number it got when it was read, and its trimmed
 *  cells as the archive holds them, in Windows-1252, one after the other: a
 *  hundred thousand rows stay small, and the workbook needs no re-encoding. */
struct ExportRow
{
    int number = 0;
    /** One allocation per row: the count of cells and where each one ends, as
     *  16-bit numbers (a record is far shorter than 65,536 bytes), then the cells. */
    QByteArray data;

    int count() const { return data.isEmpty() ? 0 : word(0); }
    QByteArrayView bytes(int cell) const
    {
        const int start = 2 * (count() + 1);
        const int begin = cell == 0 ? start : word(cell);
        return QByteArrayView(data).sliced(begin, word(cell + 1) - begin);
    }
    QString cell(int cell) const;

private:
    int word(int i) const
    {
        return quint8(data.at(2 * i)) | (quint8(data.at(2 * i + 1)) << 8);
    }
};

/** What an export window shows and writes: the rows read from the archive when
 *  the window opened, never read again while it is open. */
class ExportSnapshot
{
public:
    /** Called now and then with the records done and the total; false stops. */
    using Progress = std::function<void(qint64 done, qint64 total)>;

    ExportSnapshot(const RecordLayout &layout, QList<ExportColumn> columns, ExportRows rows, bool sortByKey);

    const QList<ExportColumn> &columns() const { return m_columns; }
    const QList<ExportRow> &rows() const { return m_rows; }

    /** Reads the archive at path (created empty if missing) in file order,
     *  keeping the rows that pass the rule against day; then sorts by the key
     *  column where asked. A failure ends the reading: the rows read so far stay,
     *  and the result is false. */
    bool fill(const QString &path, const QDate &day, const Progress &progress = {});
    /** The rows of records made in memory (a client's history, the recalls),
     *  records of this snapshot's layout, in the order given. */
    void fill(const QList<Record> &records);

    /** Moves whole rows into the order of their key column (the last one), with
     *  case ignored; each row keeps its number. */
    void sortByKey();

    /** Writes the workbook of these rows to path, replacing the old file only
     *  when all of it was written. */
    WholeFile::Outcome write(const QString &path, const QString &sheet, const Progress &progress = {}) const;

private:
    QList<std::pair<int, int>> fieldSlots() const;
    void append(const RecordView &record, const QList<std::pair<int, int>> &fields);

    const RecordLayout &m_layout;
    QList<ExportColumn> m_columns;
    ExportRows m_rule;
    bool m_sortByKey;
    QList<ExportRow> m_rows;
};

} // namespace lumivista
