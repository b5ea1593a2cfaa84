#pragma once
#include <QFrame>

namespace lumivista {

/** The yellow rectangle behind a password edit, shown while that edit has the
 *  focus so the user sees at a glance where typing goes. */
class FocusFrame : public QFrame
{
    Q_OBJECT
public:
    /** Placed around edit (margin pixels on each side) in edit's parent, beneath it. */
    FocusFrame(const QString &name, QWidget *edit, int margin = 4);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int m_margin;
};

} // namespace lumivista
