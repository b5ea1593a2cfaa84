#include "EnterCycle.h"
#include "core/KeyRules.h"
#include <QKeyEvent>

namespace lumivista {

EnterCycle::EnterCycle(const QList<QWidget *> &ring, QObject *parent)
    : QObject(parent)
    , m_ring(ring)
{
    for (QWidget *field : m_ring)
        field->installEventFilter(this);
}

bool EnterCycle::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && KeyRules::isEnter(static_cast<QKeyEvent *>(event)->key())) {
        const qsizetype at = m_ring.indexOf(static_cast<QWidget *>(watched));
        if (at >= 0) {
            m_ring.at((at + 1) % m_ring.size())->setFocus();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace lumivista
