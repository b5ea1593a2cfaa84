#pragma once
#include <QLabel>

class QAbstractButton;

namespace lumivista {

/** A clickable text link of the information windows: dark blue at rest, orange
 *  while the mouse button is held on it (or on the icon that goes with it). The
 *  click fires on release, like a button. */
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

    /** Shows the pressed (orange) or resting (dark blue) colour. */
    void setPressedLook(bool pressed);
    /** The picture button beside the link: holding it shows the pressed colour,
     *  clicking it is a click on the link. */
    void attachIcon(QAbstractButton *icon);
    bool pressedLook() const { return m_pressed; }

    static constexpr QRgb RestColour = 0xFF00008B;
    static constexpr QRgb PressedColour = 0xFFFFA500;

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool m_pressed = false;
};

} // namespace lumivista
