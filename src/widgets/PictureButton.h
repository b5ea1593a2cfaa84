#pragma once
#include <QToolButton>

namespace lumivista {

/** A toolbar-style button with a picture above a short caption. The caption is
 *  also its accessible name and its hint is its tooltip, so keyboard and screen
 *  reader users reach every command. */
class PictureButton : public QToolButton
{
    Q_OBJECT
public:
    PictureButton(const QString &name, const QString &caption, const QString &icon, const QString &hint,
                  QWidget *parent = nullptr);

    QString hint() const { return toolTip(); }
};

} // namespace lumivista
