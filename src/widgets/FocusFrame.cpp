#include "FocusFrame.h"
#include <QEvent>

namespace lumivista {

FocusFrame::FocusFrame(const QString &name, QWidget *edit, int margin)
    : QFrame(edit->parentWidget())
    , m_margin(margin)
{
    setObjectName(name);
    setGeometry(edit->geometry().adjusted(-margin, -margin, margin, margin));
    setProperty("focusFrame", true);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    stackUnder(edit);
    setVisible(edit->hasFocus());
    edit->installEventFilter(this);
}

bool FocusFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn)
        show();
    else if (event->type() == QEvent::FocusOut)
        hide();
    // An edit placed by a layout moves after the frame was made: follow it.
    else if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
        setGeometry(static_cast<QWidget *>(watched)->geometry().adjusted(-m_margin, -m_margin, m_margin, m_margin));
    return QFrame::eventFilter(watched, event);
}

} // namespace lumivista
