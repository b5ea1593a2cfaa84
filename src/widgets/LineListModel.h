#pragma once
#include <QAbstractListModel>
#include <QFont>
#include <QSize>
#include "core/LineList.h"

namespace lumivista {

/** The lines of a list window as a model: a view with uniform item sizes opens
 *  100,000 of them at once, and a line is decoded only when the view asks. Every line is its item's text, so a screen reader
 *  reads it; the item width fits the longest line (at least 1600 pixels), so the
 *  horizontal scroll bar reaches the end of every line. */
class LineListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit LineListModel(const QFont &font, QObject *parent = nullptr);

    void setLines(LineList lines);
    const LineList &lines() const { return m_lines; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    LineList m_lines;
    QFont m_font;
    QSize m_itemSize;
};

} // namespace lumivista
