#pragma once
#include <QDialog>

class QPushButton;
class QToolButton;

namespace lumivista {

struct Services;
class LinkLabel;

/** The small windows of the help, information and credits: fixed size, white,
 *  no title-bar buttons, a "Chiudi" button and a text link with its icon.
 *  Created per use, shown modally and destroyed on close. */
class InfoDialog : public QDialog
{
    Q_OBJECT
public:
    /** Where the window opens: centred on the screen or over its owner. */
    enum class Placement { Screen, OverOwner };

    QPushButton *cmdChiudi = nullptr;

    void cmdChiudiClick();

protected:
    InfoDialog(Services &services, const QString &name, const QString &caption, const QSize &size,
               Placement placement, QWidget *parent);

    Services &services() const { return m_services; }

    /** The "Chiudi" button, the default one, at the given place. */
    void addCloseButton(const QRect &geometry);

    /** A link and the picture button beside it: both open the link on click and
     *  the link turns orange while either is held. */
    LinkLabel *addLink(const QString &linkName, const QString &text, const QRect &linkGeometry,
                       QToolButton *&icon, const QString &iconName, const QString &picture,
                       const QString &caption, const QString &hint, const QRect &iconGeometry);

    void showEvent(QShowEvent *event) override;

private:
    Services &m_services;
    Placement m_placement;
};

} // namespace lumivista
