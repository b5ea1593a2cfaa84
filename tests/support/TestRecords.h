#pragma once
#include "core/Record.h"
#include "core/RecordFile.h"
#include <QStringList>

namespace lumivista {

/** A record of layout from "Field=value" pairs; the other fields empty. */
inline Record makeRecord(const RecordLayout &layout, const QStringList &pairs)
{
    Record r(layout);
    for (const QString &pair : pairs)
        r.setValue(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
    return r;
}

/** Appends records to the layout's archive in the program folder. */
inline void storeRecords(const RecordLayout &layout, const QList<Record> &records)
{
    RecordFile file(RecordFile::pathFor(layout), layout);
    file.seek(file.count());
    for (const Record &r : records)
        file.write(r);
    file.close();
}

} // namespace lumivista
