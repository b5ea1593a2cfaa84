#pragma once
#include <QLabel>

namespace lumivista {

/** A label that shows a value, such as a total or a record's position. A screen
 *  reader hears its caption and its value together ("TOTALE 120,00"), and hears
 *  the new value whenever it changes; a fixed accessible name would hide the value. */
class ValueLabel : public QLabel
{
    Q_OBJECT
public:
    ValueLabel(const QString &name, const QString &caption, QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    /** What assistive technology reads: the caption, then the value when there is one. */
    QString spokenText() const;

private:
    QString m_caption;
};

} // namespace lumivista
