#include "HintStrip.h"
#include <QEvent>

namespace lumivista {

HintStrip::HintStrip(const QString &initial, QWidget *parent) : QLabel(initial, parent), m_initial(initial)
{
    setObjectName(QStringLiteral("panInfo"));
    setAccessibleName(QStringLiteral("Suggerimento"));
    setFixedHeight(28);
}

void HintStrip::setHint(QWidget *widget, const QString &hint)
{
    widget->setToolTip(hint);
    if (widget->accessibleDescription().isEmpty())
        widget->setAccessibleDescription(hint);
    m_hints.insert(widget, hint);
    // Moves over the control must not reach the background behind it, or the
    // hint would vanish as soon as the mouse stirs.
    widget->setAttribute(Qt::WA_NoMousePropagation);
    widget->installEventFilter(this);
}

void HintStrip::addBackground(QWidget *widget)
{
    widget->setMouseTracking(true);
    m_background.insert(widget);
    widget->installEventFilter(this);
}

bool HintStrip::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter) {
        if (auto it = m_hints.constFind(watched); it != m_hints.constEnd())
            setText(*it);
    } else if (event->type() == QEvent::MouseMove && m_background.contains(watched)) {
        clear();
    }
    return QLabel::eventFilter(watched, event);
}

} // namespace lumivista
