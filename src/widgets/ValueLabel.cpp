#include "ValueLabel.h"
#include <QAccessible>
#include <QAccessibleWidget>

namespace lumivista {

namespace {

/** Static text whose name is built from the label at every request. */
class AccessibleValueLabel : public QAccessibleWidget
{
public:
    explicit AccessibleValueLabel(ValueLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const ValueLabel *>(widget())->spokenText();
        if (t == QAccessible::Value)
            return static_cast<const ValueLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *valueLabelFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("lumivista::ValueLabel") && object && object->isWidgetType())
        return new AccessibleValueLabel(static_cast<ValueLabel *>(object));
    return nullptr;
}

} // namespace

ValueLabel::ValueLabel(const QString &name, const QString &caption, QWidget *parent)
    : QLabel(parent)
    , m_caption(caption)
{
    static const bool installed = [] {
        QAccessible::installFactory(valueLabelFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(name);
    // No fixed accessible name: QLabel then announces every change of its text.
}

QString ValueLabel::spokenText() const
{
    const QString value = text().trimmed();
    return value.isEmpty() ? m_caption : m_caption + QLatin1Char(' ') + value;
}

} // namespace lumivista
