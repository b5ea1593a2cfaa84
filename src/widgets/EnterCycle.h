#pragma once
#include <QList>
#include <QObject>
#include <QWidget>

namespace lumivista {

/** Enter moves the focus to the next field of a ring, the last back to the
 *  first, without pressing any button. Owned by the window whose fields it walks. */
class EnterCycle : public QObject
{
    Q_OBJECT
public:
    EnterCycle(const QList<QWidget *> &ring, QObject *parent);

    const QList<QWidget *> &ring() const { return m_ring; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<QWidget *> m_ring;
};

} // namespace lumivista
