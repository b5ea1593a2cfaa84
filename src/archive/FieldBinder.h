#pragma once
#include "core/Record.h"
#include <QList>
#include <QPointer>
#include <QWidget>

namespace lumivista {

/** Binds a record layout to a window's controls by name: the control "txt",
 *  "lbl" or "chk" followed by the field name shows that field. Load and store
 *  walk the layout, so no card needs per-field code. */
class FieldBinder
{
public:
    /** Fails loudly (qFatal) when a field has no control: a card with a missing
     *  control would silently drop data on save. */
    FieldBinder(const RecordLayout &layout, QWidget *window);

    QWidget *control(int field) const { return m_controls.at(field); }
    QWidget *control(const QString &field) const;

    /** Each control gets its field's text, trimmed; a tick box is ticked for "Sì",
     *  cleared for "No" and left alone for anything else. */
    void load(const Record &record) const;
    /** A record built from the controls: trimmed, encoded, cut to capacity. */
    Record store() const;
    /** Empties every bound control (tick boxes are cleared). */
    void clear() const;

    /** Text of any supported control: QLineEdit, QLabel, QComboBox, QPlainTextEdit,
     *  QCheckBox ("Sì"/"No"). */
    static QString text(const QWidget *control);
    static void setText(QWidget *control, const QString &text);

private:
    const RecordLayout &m_layout;
    QList<QPointer<QWidget>> m_controls;
};

} // namespace lumivista
