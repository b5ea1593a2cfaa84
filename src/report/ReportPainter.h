#pragma once
#include "report/ReportObject.h"
#include <QList>

class QPainter;

namespace lumivista {

class PaintObserver;

/** The one paint routine of every printout: preview, printer, PDF and tests.
 *  Millimetres become device pixels through the painter's device resolution, so
 *  fonts in points and boxes in millimetres stay in proportion on any device.
 *  Text never wraps: a long value is clipped to its box. */
class ReportPainter
{
public:
    static void paint(QPainter &painter, const QList<ReportObject> &objects, PaintObserver *observer);
    /** The font a text object asks for, with Arial and Courier New resolved to
     *  their metric twins, Liberation Sans and Liberation Mono. */
    static QFont fontOf(const ReportObject &object);
};

} // namespace lumivista
