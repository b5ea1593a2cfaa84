#include "PictureButton.h"
#include <QIcon>

namespace lumivista {

PictureButton::PictureButton(const QString &name, const QString &caption, const QString &icon, const QString &hint,
                             QWidget *parent)
    : QToolButton(parent)
{
    setObjectName(name);
    setText(caption);
    setAccessibleName(caption);
    setToolTip(hint);
    setAccessibleDescription(hint);
    setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(icon)));
    setIconSize(QSize(32, 32));
    setToolButtonStyle(caption.isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextUnderIcon);
    setAutoRaise(true);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

} // namespace lumivista
