#pragma once
#include <QLabel>
#include <QSet>

namespace lumivista {

/** The hint strip along the bottom of the working windows ("panInfo"): the
 *  mouse over a control with a hint writes the hint here, the mouse over the
 *  background empties it. A control's hint is its tooltip too. */
class HintStrip : public QLabel
{
    Q_OBJECT
public:
    HintStrip(const QString &initial, QWidget *parent);

    /** Back to the window's first text, as when it opens. */
    void reset() { setText(m_initial); }
    void setHint(QWidget *widget, const QString &hint);
    /** The mouse moving over this widget empties the strip. */
    void addBackground(QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString m_initial;
    QHash<QObject *, QString> m_hints;
    QSet<QObject *> m_background;
};

} // namespace lumivista
