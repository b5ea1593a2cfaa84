#pragma once
#include <QLabel>

namespace lumivista {

/** A framed information picture: an icon beside a short text, as shown by the
 *  information window, in the style sheet's "blue" or "orange" tone. Its text
 *  is also its accessible name. */
class InfoPanel : public QLabel
{
    Q_OBJECT
public:
    InfoPanel(const QString &name, const QString &icon, const QString &text, const QString &tone,
              QWidget *parent = nullptr);
};

} // namespace lumivista
