#pragma once
#include "archive/WindowRegistry.h"
#include <QString>
#include <QStringList>
#include <functional>

namespace lumivista {

/** The hand-over between windows: an opener writes a key into the opened window's
 *  lblMemory, and this table says which long-lived window and which of its
 *  controls the result goes into. Windows that deliver results (the date picker
 *  and the ones that import data) share it, so a key means the same everywhere. */
class HandOver
{
public:
    /** The same key names a window for more than one kind of result: values
     *  picked for its fields (dates, an imported client) or its attachments. */
    enum class Purpose { Values, Attachments };

    /** The controls a key writes into, in the order the values come; empty for an
     *  unknown key or a window that is not there. */
    static QList<QWidget *> targets(const WindowRegistry &registry, const QString &key,
                                    Purpose purpose = Purpose::Values);

    /** Writes values into the key's controls, trimmed; false (and nothing written)
     *  for an unknown key, a missing window or a count that does not match. */
    static bool deliver(const WindowRegistry &registry, const QString &key, const QStringList &values,
                        Purpose purpose = Purpose::Values);

    /** Every "key: control" of the table that names no control of its window. */
    static QStringList unresolved(const WindowRegistry &registry);

    /** deliver() bound to a registry, for windows that must not know the registry. */
    static std::function<bool(const QString &, const QStringList &)> deliverer(const WindowRegistry &registry);
};

} // namespace lumivista
