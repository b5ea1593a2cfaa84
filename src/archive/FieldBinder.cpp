#include "FieldBinder.h"
#include "core/Text.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace lumivista {

namespace {
const QString yes = QStringLiteral("S\u00EC");
const QString no = QStringLiteral("No");
}

FieldBinder::FieldBinder(const RecordLayout &layout, QWidget *window)
    : m_layout(layout)
{
    for (int i = 0; i < layout.fieldCount(); ++i) {
        const QString name = layout.field(i).name;
        QWidget *found = nullptr;
        for (const char *prefix : {"txt", "lbl", "chk"}) {
            found = window->findChild<QWidget *>(QLatin1String(prefix) + name);
            if (found)
                break;
        }
        if (!found)
            qFatal("No control for field %s in %s", qPrintable(name), qPrintable(window->objectName()));
        m_controls.append(found);
    }
}

QWidget *FieldBinder::control(const QString &field) const
{
    const int i = m_layout.indexOf(field);
    return i < 0 ? nullptr : m_controls.at(i).data();
}

void FieldBinder::load(const Record &record) const
{
    for (int i = 0; i < m_controls.size(); ++i)
        setText(m_controls.at(i), record.value(i));
}

Record FieldBinder::store() const
{
    Record record(m_layout);
    for (int i = 0; i < m_controls.size(); ++i)
        record.setValue(i, text(m_controls.at(i)));
    return record;
}

void FieldBinder::clear() const
{
    for (const auto &control : m_controls) {
        if (auto *check = qobject_cast<QCheckBox *>(control))
            check->setChecked(false);
        else
            setText(control, QString());
    }
}

QString FieldBinder::text(const QWidget *control)
{
    if (auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentText();
    if (auto *memo = qobject_cast<const QPlainTextEdit *>(control))
        return memo->toPlainText();
    if (auto *check = qobject_cast<const QCheckBox *>(control))
        return check->isChecked() ? yes : no;
    return QString();
}

void FieldBinder::setText(QWidget *control, const QString &value)
{
    const QString text = Text::trim(value);
    if (auto *edit = qobject_cast<QLineEdit *>(control)) {
        edit->setText(text);
        edit->setCursorPosition(0);
    } else if (auto *label = qobject_cast<QLabel *>(control)) {
        label->setText(text);
    } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
        combo->setEditText(text);
        if (!combo->isEditable())
            combo->setCurrentIndex(combo->findText(text));
    } else if (auto *memo = qobject_cast<QPlainTextEdit *>(control)) {
        memo->setPlainText(text);
    } else if (auto *check = qobject_cast<QCheckBox *>(control)) {
        if (text == yes)
            check->setChecked(true);
        else if (text == no)
            check->setChecked(false);
    }
}

} // namespace lumivista
