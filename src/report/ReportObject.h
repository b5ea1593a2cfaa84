#pragma once
#include <QColor>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace lumivista {

/** One object of a template, placed in millimetres from the top-left of the
 *  printable area (or of its band, in a list template). */
struct ReportObject
{
    enum class Kind { Text, Rect, Line, Picture, Document, Chart };

    Kind kind = Kind::Text;
    QString name;
    QRectF box;          // mm; a line runs from box.topLeft() to box.bottomRight()
    QString text;        // text: the sample text, replaced when filled
    QStringList lines;   // text: several lines, one under the other (list data)
    qreal lineHeight = 0; // mm between the lines of a multi-line text
    QString font = QStringLiteral("Arial");
    qreal size = 8;      // points
    bool bold = false;
    bool italic = false;
    QColor colour = Qt::black;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool frame = false;  // text and rectangles: a thin outline
    QColor frameColour = Qt::black;
    qreal frameWidth = 0.2; // mm; also a line's width
    QColor fill;         // invalid: no fill
    bool expressions = false; // "[DATE]" becomes the printing date
    QString source;      // picture (PNG or SVG) or document (HTML), relative to the template

    /** Chart: grouped bars, a group per category and a bar per series, each bar
     *  with its value written on it as text (a screen or PDF reader reads it). */
    QStringList categories;
    QStringList series;             // the legend
    QList<QColor> seriesColours;    // from the template, one per series
    QList<QList<double>> values;    // [series][category]: the bars' heights
    QList<QStringList> valueTexts;  // [series][category]: what is written on them
};

} // namespace lumivista
