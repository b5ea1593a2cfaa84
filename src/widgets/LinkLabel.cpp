#include "LinkLabel.h"
#include <QAbstractButton>
#include <QKeyEvent>
#include <QMouseEvent>

namespace lumivista {

LinkLabel::LinkLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    // Reachable from the keyboard too: Tab to it, Space or Enter opens it.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(text);
    QFont f = font();
    f.setUnderline(true);
    f.setPointSize(10);
    setFont(f);
    setPressedLook(false);
}

void LinkLabel::setPressedLook(bool pressed)
{
    m_pressed = pressed;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, QColor::fromRgba(pressed ? PressedColour : RestColour));
    setPalette(p);
}

void LinkLabel::attachIcon(QAbstractButton *icon)
{
    connect(icon, &QAbstractButton::pressed, this, [this] { setPressedLook(true); });
    connect(icon, &QAbstractButton::released, this, [this] { setPressedLook(false); });
    connect(icon, &QAbstractButton::clicked, this, &LinkLabel::clicked);
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        setPressedLook(true);
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = m_pressed;
    setPressedLook(false);
    if (event->button() == Qt::LeftButton && wasPressed && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Q_EMIT clicked();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

} // namespace lumivista
