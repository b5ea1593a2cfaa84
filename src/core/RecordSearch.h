#pragma once
#include "LineFormat.h"
#include "LineList.h"
#include <QStringList>
#include <functional>
#include <optional>

namespace lumivista {

class RecordFile;

/** A filter of a search window: a field and the text typed for it (trimmed, not empty). */
struct FieldFilter
{
    QString field;
    QString text;
};

/** The scans behind the searches and the summary lists. */
class RecordSearch
{
public:
    using Rule = std::function<bool(const RecordView &)>;

    /** The lines of the records that every filter matches and the rule (if any)
     *  admits, in file order or sorted. Throws ArchiveError. */
    static LineList lines(RecordFile &file, const LineFormat &format, const QList<FieldFilter> &filters,
                          const Rule &rule, bool sorted);
    /** The same lines in file order, appended to into as they are read: when the
     *  archive fails half-way, the lines read so far stay. */
    static void collect(RecordFile &file, const LineFormat &format, const QList<FieldFilter> &filters,
                        const Rule &rule, LineList &into);
    /** The index of the last record in file order whose line, trimmed, equals
     *  the given line, trimmed. Throws ArchiveError. */
    static std::optional<qint64> lastWithLine(RecordFile &file, const LineFormat &format, const QString &line);

    /** A filter matches when its text occurs in the field with only the letters
     *  A to Z folded; accented letters must match exactly. */
    static bool fieldContains(QByteArrayView field, const QString &text);
    /** By line text, folding only A to Z; other characters by their code.
     *  Equal lines keep their order. */
    static void sort(LineList &lines);
};

} // namespace lumivista
